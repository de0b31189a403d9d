// SPDX-FileCopyrightText: 2026 Kiravelo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "FieldSelector.h"

#include "ClickableLabel.h"
#include "DialogUnits.h"
#include "FieldTable.h"
#include "JikoFacultyTable.h"
#include "LeanStyle.h"

#include <QMenu>
#include <QWidget>

FieldSelector::FieldSelector(QWidget* page, QList<Entry> entries, const QPixmap& arrow)
    : QObject(page), m_page(page), m_entries(std::move(entries))
{
    for (qsizetype i = 0; i < m_entries.size(); ++i) {
        const Entry& entry = m_entries.at(i);
        auto* label = new ClickableLabel(page);
        label->setText(entry.label);
        // Never narrower than the text: font metrics differ from the template's font.
        QRect labelRect = DialogUnits::Rect(entry.labelRect);
        // Measured from the layout the label's paint draws, where the style keeps one.
        const auto* lean = qobject_cast<const LeanStyle*>(label->style());
        const int textWidth = lean ? lean->LabelWidth(label) : label->sizeHint().width();
        labelRect.setWidth(qMax(labelRect.width(), textWidth));
        // The arrow and its caption are one control, as they are one choice: a widget
        // each doubled the column's widgets, the window's largest share of them.
        const QRect arrowRect(DialogUnits::Rect(entry.arrowRect).topLeft(),
                              arrow.deviceIndependentSize().toSize());
        const QRect whole = labelRect.united(arrowRect);
        label->setGeometry(whole);
        // The caption where it was: the arrow keeps its full picture beside it.
        label->setContentsMargins(labelRect.left() - whole.left(), labelRect.top() - whole.top(),
                                  whole.right() - labelRect.right(),
                                  whole.bottom() - labelRect.bottom());
        label->SetPicture(arrow, arrowRect.topLeft() - whole.topLeft());
        label->setAccessibleName(entry.label);
        label->SetAccessibleRole(entry.popup ? QAccessible::ButtonMenu : QAccessible::Button);
        m_labels << label;
        const int index = int(i);
        connect(label, &ClickableLabel::clicked, this, [this, index] { Activate(index); });
    }
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

QPoint FieldSelector::ArrowPoint(int entry) const
{
    const QRect arrow = DialogUnits::Rect(m_entries.at(entry).arrowRect);
    return arrow.topLeft() + QPoint(2, 2) - m_labels.at(entry)->pos();
}

QPoint FieldSelector::PopupAnchor(int entry) const
{
    const ClickableLabel* label = m_labels.at(entry);
    return label->mapToGlobal(label->contentsRect().topLeft() + QPoint(0, PopupDrop));
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
