// SPDX-FileCopyrightText: 2026 Kiravelo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QPixmap>
#include <QRect>
#include <QString>
#include <QWidget>

// A column of choices, each a caption with an arrow picture beside it, clicked as one
// control: captions as a label draws them, in one widget where a label and a picture
// for each took a third of the window's widgets. Assistive technology sees each choice
// as a button of its own (ChoiceColumnAccessible).
class ChoiceColumn : public QWidget
{
    Q_OBJECT
public:
    struct Choice
    {
        QString text;
        QRect textRect; // in the parent's coordinates
        QPoint arrowAt; // likewise
        bool popup;     // the click opens a menu
    };

    // The column covers every choice given, on `parent`.
    ChoiceColumn(const QList<Choice>& choices, const QPixmap& arrow, QWidget* parent);

    int Count() const { return int(m_choices.size()); }
    QString Text(int choice) const { return m_choices.at(choice).text; }
    bool Popup(int choice) const { return m_choices.at(choice).popup; }
    // In the column's coordinates.
    QRect TextRect(int choice) const { return m_choices.at(choice).textRect; }
    QRect ArrowRect(int choice) const;
    // The caption and its arrow: what a click on takes the choice.
    QRect ChoiceRect(int choice) const { return TextRect(choice) | ArrowRect(choice); }
    // The choice at `at`, in the column's coordinates; -1 for none.
    int ChoiceAt(QPoint at) const;

    // The click itself, shared by the mouse and assistive technology.
    void Click(int choice);

signals:
    void Clicked(int choice);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

private:
    QList<Choice> m_choices;
    QPixmap m_arrow;
};
