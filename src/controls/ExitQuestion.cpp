// SPDX-FileCopyrightText: 2026 Kiravelo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ExitQuestion.h"

#include "ProgramName.h"

#include <QMessageBox>
#include <QPushButton>

ExitQuestion::Choice ExitQuestion::Ask(QWidget* parent, bool offerKeep)
{
    QMessageBox box(
        QMessageBox::Question, ProgramName::Shown(),
        QStringLiteral("下書きはコピーも保存もされていません。終了する前に保存しますか？"),
        QMessageBox::NoButton, parent);
    QPushButton* save = box.addButton(QStringLiteral("保存…"), QMessageBox::AcceptRole);
    QPushButton* keep =
        offerKeep ? box.addButton(QStringLiteral("保管"), QMessageBox::AcceptRole) : nullptr;
    QPushButton* discard =
        box.addButton(QStringLiteral("保存せずに終了"), QMessageBox::DestructiveRole);
    QPushButton* cancel = box.addButton(QStringLiteral("キャンセル"), QMessageBox::RejectRole);
    box.setDefaultButton(save);
    box.setEscapeButton(cancel);
    box.exec();
    if (box.clickedButton() == save)
        return Choice::Save;
    if (keep && box.clickedButton() == keep)
        return Choice::Keep;
    if (box.clickedButton() == discard)
        return Choice::Discard;
    return Choice::Cancel;
}
