// SPDX-FileCopyrightText: 2026 Kiravelo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "PageIdentity.h"

#include <QList>
#include <QMenu>
#include <QObject>
#include <QPixmap>
#include <QPointer>
#include <QRect>
#include <QString>

class ChoiceColumn;

class QWidget;

// The column of faculty labels, each with an arrow to its left, on the left of a page.
// A faculty with several choices pops up a menu of them under its label; one with a
// single choice takes it at once. A choice is reported with its category index; the
// page asks CaptionOf() what to show for it. The selector remembers nothing.
class FieldSelector : public QObject
{
    Q_OBJECT
public:
    struct Choice
    {
        int index;       // category index: the position in the page's masks
        QString name;    // menu item text
        QString caption; // what the page's selection caption shows
    };

    struct Entry
    {
        QString label;
        QRect labelRect; // dialog units
        QRect arrowRect; // dialog units
        QList<Choice> choices;
        bool popup; // false: a click takes the single choice at once
    };

    // Pixels below a label's top edge at which its menu opens.
    static constexpr int PopupDrop = 14;

    FieldSelector(QWidget* page, QList<Entry> entries, const QPixmap& arrow);

    // The entries of a page's kind of selector; none for tick boxes.
    static QList<Entry> EntriesFor(PageIdentity::Selector selector);
    // The 16 faculties and 46 fields.
    static QList<Entry> FieldEntries();
    // The fifteen faculties of self-recommendation, each taken at once; the caption
    // is the faculty's name.
    static QList<Entry> FacultyEntries();

    int EntryCount() const { return int(m_entries.size()); }
    const Entry& EntryAt(int entry) const { return m_entries.at(entry); }
    // The column of the entries' captions and arrows, one choice an entry.
    ChoiceColumn* Column() const { return m_column; }
    // The menu on screen, or null once it has closed.
    QMenu* OpenMenu() const { return m_menu && m_menu->isVisible() ? m_menu.data() : nullptr; }
    // The caption of the choice for category `index`; empty for none.
    QString CaptionOf(int index) const;
    // Where `entry`'s menu opens, in global coordinates.
    QPoint PopupAnchor(int entry) const;

signals:
    void Chosen(int index);

private:
    void Activate(int entry);

    QWidget* m_page;
    QList<Entry> m_entries;
    ChoiceColumn* m_column;
    QPointer<QMenu> m_menu;
};
