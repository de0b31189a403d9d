// SPDX-FileCopyrightText: 2026 Kiravelo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "GridSizeDialog.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>

#include <algorithm>

namespace {

QSpinBox* Figure(int least, int most, int value, const QString& unit, const QString& name,
                 QWidget* parent)
{
    auto* box = new QSpinBox(parent);
    box->setRange(least, most);
    box->setValue(std::clamp(value, least, most));
    box->setSuffix(unit);
    box->setAccessibleName(name);
    box->setAccessibleDescription(QStringLiteral("%1～%2").arg(least).arg(most));
    return box;
}

} // namespace

GridSizeDialog::GridSizeDialog(QSize initial, QWidget* parent) : QDialog(parent)
{
    setWindowTitle(QStringLiteral("字数×行数を指定"));
    setAccessibleName(QStringLiteral("字数×行数を指定"));
    auto* form = new QFormLayout(this);
    auto* note =
        new QLabel(QStringLiteral("出願書類の原稿用紙や解答欄のマス目に合わせます。"), this);
    form->addRow(note);
    m_columns = Figure(Least.width(), Most.width(), initial.width(), QStringLiteral(" 字"),
                       QStringLiteral("1行の字数"), this);
    m_lines = Figure(Least.height(), Most.height(), initial.height(), QStringLiteral(" 行"),
                     QStringLiteral("行数"), this);
    form->addRow(QStringLiteral("1行の字数（10～50）"), m_columns);
    form->addRow(QStringLiteral("行数（1～100）"), m_lines);
    m_buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    m_buttons->button(QDialogButtonBox::Ok)->setAccessibleName(QStringLiteral("OK"));
    m_buttons->button(QDialogButtonBox::Cancel)->setText(QStringLiteral("キャンセル"));
    m_buttons->button(QDialogButtonBox::Cancel)->setAccessibleName(QStringLiteral("キャンセル"));
    form->addRow(m_buttons);
    connect(m_buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(m_buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    // A figure half typed or out of bounds is not taken as the nearest one allowed.
    const auto check = [this] {
        m_buttons->button(QDialogButtonBox::Ok)
            ->setEnabled(m_columns->hasAcceptableInput() && m_lines->hasAcceptableInput());
    };
    connect(m_columns, &QSpinBox::textChanged, this, check);
    connect(m_lines, &QSpinBox::textChanged, this, check);
}

QSize GridSizeDialog::Chosen() const
{
    return QSize(m_columns->value(), m_lines->value());
}

std::optional<QSize> GridSizeDialog::Ask(QWidget* parent, QSize initial)
{
    GridSizeDialog dialog(initial, parent);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.Chosen();
}
