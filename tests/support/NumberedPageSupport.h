// SPDX-FileCopyrightText: 2026 Kiravelo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Helpers for driving the pages chosen by one label (tabs 0, 2 and 3; the last two
// number their samples) as a user would: through the selector's labels, arrows and
// menus, the wheel and the pager.

#include "CMyEdit.h"
#include "ChoiceColumn.h"
#include "FieldSelector.h"
#include "MultiLineButton.h"
#include "PagerScrollBar.h"
#include "SamplePage.h"
#include "SampleRecord.h"

#include <QAction>
#include <QCoreApplication>
#include <QLabel>
#include <QMenu>
#include <QSet>
#include <QTest>
#include <QWheelEvent>

namespace NumberedPageSupport {

inline QString PdfName(const QString& folder, int position)
{
    return QStringLiteral("%1_%2.pdf").arg(folder).arg(position + 1, 3, 10, QLatin1Char('0'));
}

inline QString Text(int position)
{
    return QStringLiteral("　第%1の文例です。\r\n　二段落目です。").arg(position + 1);
}

inline QString Mask(int width, const QList<int>& categories)
{
    QString mask(width, u'0');
    for (int c : categories)
        mask[c] = u'1';
    return mask;
}

// A record whose text and PDF name tell its catalogue position.
inline SampleRecord Record(const QString& folder, int position, const QString& mask)
{
    return {Text(position), mask, PdfName(folder, position)};
}

// What a slot must show for the record at `position` of a catalogue built by Record().
inline QString Shown(const QString& folder, int position, bool pdfPresent, bool numbered = true)
{
    if (!numbered)
        return Text(position);
    const QString withNumber = QStringLiteral("No.") + QString::number(position + 1) +
                               QStringLiteral("\r\n\r\n") + Text(position);
    return pdfPresent ? withNumber
                      : PdfName(folder, position) + QStringLiteral("\r\n\r\n") + withNumber;
}

// The selector entry that offers `category`, or -1.
inline int EntryFor(const FieldSelector* selector, int category)
{
    for (int e = 0; e < selector->EntryCount(); ++e) {
        for (const FieldSelector::Choice& choice : selector->EntryAt(e).choices) {
            if (choice.index == category)
                return e;
        }
    }
    return -1;
}

// The menu item of `name` in the menu on screen, or null.
inline QAction* MenuItem(const FieldSelector* selector, const QString& name)
{
    if (!selector->OpenMenu())
        return nullptr;
    for (QAction* action : selector->OpenMenu()->actions()) {
        if (!action->isSeparator() && action->text() == name)
            return action;
    }
    return nullptr;
}

// Chooses `category` with a click on its faculty's label (or arrow) and, where a menu
// opens, on its item. False when the user could not reach it that way.
inline bool Choose(FieldSelector* selector, int category, bool byArrow = false)
{
    const int entry = EntryFor(selector, category);
    if (entry < 0)
        return false;
    QTest::mouseClick(selector->Column(), Qt::LeftButton, {},
                      byArrow ? selector->Column()->ArrowRect(entry).center()
                              : selector->Column()->TextRect(entry).center());
    if (!selector->EntryAt(entry).popup)
        return true;
    for (const FieldSelector::Choice& choice : selector->EntryAt(entry).choices) {
        if (choice.index == category) {
            QAction* item = MenuItem(selector, choice.name);
            if (!item)
                return false;
            item->trigger();
            selector->OpenMenu()->close();
            return true;
        }
    }
    return false;
}

inline void Wheel(QWidget* page, int delta)
{
    const QPointF at(page->width() / 2.0, page->height() / 2.0);
    QWheelEvent event(at, page->mapToGlobal(at), QPoint(), QPoint(0, delta), Qt::NoButton,
                      Qt::NoModifier, Qt::NoScrollPhase, false);
    QCoreApplication::sendEvent(page, &event);
}

// Everything a user can see of the results, one line per item, for comparisons.
inline QStringList State(const SamplePage* page)
{
    auto flag = [](bool on) { return on ? QStringLiteral("on") : QStringLiteral("off"); };
    const PagerScrollBar* bar = page->ScrollBar();
    return {QStringLiteral("caption ") + page->CaptionLabel()->text(),
            QStringLiteral("count ") + page->CountLabel()->text(),
            QStringLiteral("top ") + page->TopSlot()->SampleText(),
            QStringLiteral("bottom ") + page->BottomSlot()->SampleText(),
            QStringLiteral("top PDF ") + page->TopPdfName(),
            QStringLiteral("bottom PDF ") + page->BottomPdfName(),
            QStringLiteral("top button ") + flag(page->TopButton()->isEnabled()),
            QStringLiteral("bottom button ") + flag(page->BottomButton()->isEnabled()),
            QStringLiteral("pager %1 %2/%3")
                .arg(flag(bar->isEnabled()))
                .arg(bar->value())
                .arg(bar->maximum())};
}

// What a page shows after choosing `category` of `catalogue`, less the pager: the
// first two records filed there, on a numbered page numbered by their place in the
// catalogue and headed by their PDF's name unless that PDF is in `present`.
inline QStringList FirstTwoFiled(const QString& caption, const QList<SampleRecord>& catalogue,
                                 int category, const QSet<QString>& present, bool numbered = true)
{
    QList<int> filed;
    for (int i = 0; i < catalogue.size(); ++i) {
        if (catalogue.at(i).mask.at(category) == u'1')
            filed << i;
    }
    QStringList shown, names;
    for (int slot = 0; slot < 2; ++slot) {
        if (slot >= filed.size()) {
            shown << QString();
            names << QString();
            continue;
        }
        const SampleRecord& r = catalogue.at(filed.at(slot));
        const QString withNumber = QStringLiteral("No.%1\r\n\r\n").arg(filed.at(slot) + 1) + r.text;
        shown << (!numbered ? r.text
                  : present.contains(r.pdfName)
                      ? withNumber
                      : r.pdfName + QStringLiteral("\r\n\r\n") + withNumber);
        names << r.pdfName;
    }
    auto flag = [](bool on) { return on ? QStringLiteral("on") : QStringLiteral("off"); };
    return {QStringLiteral("caption ") + caption,
            QStringLiteral("count %1 件").arg(filed.size()),
            QStringLiteral("top ") + shown.at(0),
            QStringLiteral("bottom ") + shown.at(1),
            QStringLiteral("top PDF ") + names.at(0),
            QStringLiteral("bottom PDF ") + names.at(1),
            QStringLiteral("top button ") + flag(filed.size() > 0),
            QStringLiteral("bottom button ") + flag(filed.size() > 1)};
}

} // namespace NumberedPageSupport
