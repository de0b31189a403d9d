// SPDX-FileCopyrightText: 2026 Kiravelo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QFont>
#include <QHash>
#include <QList>
#include <QPixmap>
#include <QTabBar>

// A tab bar whose every tab is filled with its own colour and captioned in white,
// looking the same whether it is selected or not.
class ColouredTabBar : public QTabBar
{
    Q_OBJECT
public:
    static constexpr int TabHeight = 24;
    static constexpr QPoint CaptionOffset{8, 7};

    explicit ColouredTabBar(QWidget* parent = nullptr);

    int AddColouredTab(const QString& caption, const QColor& colour);
    QColor TabColour(int index) const { return m_colours.value(index); }

    // A dimmed tab is drawn in its colour mixed toward grey: its page has nothing to
    // show for what is being looked for. The tab still works as before.
    void SetTabDimmed(int index, bool dimmed);
    bool IsTabDimmed(int index) const { return m_dimmed.value(index); }
    // What the tab is filled with: its colour, or the dimmed mix.
    QColor PaintedColour(int index) const;
    // What a screen reader says about a tab besides its caption; empty says nothing.
    void SetTabDescription(int index, const QString& description);

protected:
    QSize tabSizeHint(int index) const override;
    QSize minimumTabSizeHint(int index) const override { return tabSizeHint(index); }
    void paintEvent(QPaintEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    // Everything the strip's picture shows.
    struct Look
    {
        QSize size;
        int focused = -1; // the tab with the focus frame
        QList<QColor> colours;
        QStringList captions;
        QFont font;
        qint64 palette = 0;
        bool operator==(const Look& other) const = default;
    };
    Look CurrentLook() const;
    void Paint(QPainter& painter) const;

    QList<QColor> m_colours;
    QList<bool> m_dimmed;
    // Captions' widths by caption: QTabBar asks for every tab's size dozens of times
    // while tabs are added, and measuring Japanese text shapes it anew each time.
    mutable QHash<QString, int> m_widths;
    // A switch of tabs changes nothing the strip shows: it is painted again from here.
    QPixmap m_picture;
    Look m_pictureLook;
};
