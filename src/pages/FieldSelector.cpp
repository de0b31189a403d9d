// SPDX-FileCopyrightText: 2026 Kiravelo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "FieldSelector.h"

#include "ChoiceColumn.h"
#include "DialogUnits.h"
#include "FieldTable.h"
#include "JikoFacultyTable.h"
#include "LeanStyle.h"

#include <QMenu>
#include <QWidget>
#include <QtMath>

FieldSelector::FieldSelector(QWidget* page, QList<Entry> entries, const QPixmap& arrow)
    : QObject(page), m_page(page), m_entries(std::move(entries))
{
    const auto* lean = qobject_cast<const LeanStyle*>(page->style());
    QList<ChoiceColumn::Choice> choices;
    for (const Entry& entry : std::as_const(m_entries)) {
        // Never narrower than the text: font metrics differ from the template's font.
        QRect textRect = DialogUnits::Rect(entry.labelRect);
        const int textWidth = lean ? qCeil(lean->LineWidth(entry.label, page->font()))
                                   : page->fontMetrics().horizontalAdvance(entry.label);
        textRect.setWidth(qMax(textRect.width(), textWidth));
        // The arrow keeps its full picture even where the template's box is narrower.
        choices << ChoiceColumn::Choice{entry.label, textRect,
                                        DialogUnits::Rect(entry.arrowRect).topLeft(), entry.popup};
    }
    m_column = new ChoiceColumn(choices, arrow, page);
    m_column->setAccessibleName(QStringLiteral("学部"));
    connect(m_column, &ChoiceColumn::Clicked, this, &FieldSelector::Activate);
}

QList<FieldSelector::Entry> FieldSelector::EntriesFor(PageIdentity::Selector selector)
{
    switch (selector) {
    case PageIdentity::Selector::Fields:
        return FieldEntries();
    case PageIdentity::Selector::Faculties:
        return FacultyEntries();
    case PageIdentity::Selector::Qualities:
    case PageIdentity::Selector::Own:
    case PageIdentity::Selector::None:
        break;
    }
    return {};
}

QList<FieldSelector::Entry> FieldSelector::FieldEntries()
{
    QList<Entry> entries;
    for (const FieldTable::Faculty& faculty : FieldTable::faculties()) {
        Entry entry{faculty.name, faculty.labelRect, faculty.arrowRect, {}, faculty.menuId != 0};
        for (int field : faculty.fields)
            entry.choices << Choice{field, FieldTable::fields().at(field).name,
                                    FieldTable::Caption(field)};
        entries << entry;
    }
    return entries;
}

QList<FieldSelector::Entry> FieldSelector::FacultyEntries()
{
    QList<Entry> entries;
    const QList<JikoFacultyTable::Faculty>& faculties = JikoFacultyTable::faculties();
    for (qsizetype i = 0; i < faculties.size(); ++i) {
        const JikoFacultyTable::Faculty& faculty = faculties.at(i);
        const Choice only{int(i), faculty.name, faculty.name};
        entries << Entry{faculty.name, faculty.labelRect, faculty.arrowRect, {only}, false};
    }
    return entries;
}

QString FieldSelector::CaptionOf(int index) const
{
    for (const Entry& entry : m_entries) {
        for (const Choice& choice : entry.choices) {
            if (choice.index == index)
                return choice.caption;
        }
    }
    return {};
}

QPoint FieldSelector::PopupAnchor(int entry) const
{
    return m_column->mapToGlobal(m_column->TextRect(entry).topLeft() + QPoint(0, PopupDrop));
}

void FieldSelector::Activate(int entry)
{
    const Entry& e = m_entries.at(entry);
    if (!e.popup) {
        if (!e.choices.isEmpty())
            emit Chosen(e.choices.first().index);
        return;
    }
    if (m_menu)
        m_menu->close();
    // A fresh menu on every click; it removes itself once closed.
    auto* menu = new QMenu(m_page);
    menu->setAttribute(Qt::WA_DeleteOnClose);
    menu->setAccessibleName(e.label);
    for (qsizetype i = 0; i < e.choices.size(); ++i) {
        if (i > 0)
            menu->addSeparator();
        const Choice choice = e.choices.at(i);
        connect(menu->addAction(choice.name), &QAction::triggered, this,
                [this, choice] { emit Chosen(choice.index); });
    }
    m_menu = menu;
    menu->popup(PopupAnchor(entry));
}
