// SPDX-FileCopyrightText: 2026 Kiravelo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ManuscriptSheet.h"

#include <QAbstractScrollArea>
#include <QPointer>
#include <QTimer>

class QTextDocument;

// The draft on 原稿用紙, in a window of its own that can stay open beside the main
// window: the sheets one under the other, following the draft as it is written.
class ManuscriptView : public QAbstractScrollArea
{
    Q_OBJECT
public:
    static constexpr int Square = 23; // pixels: a 20 × 20 sheet whole on a 1366 × 768 screen
    static constexpr int Gap = 12;    // round and between the sheets

    explicit ManuscriptView(QWidget* parent = nullptr);

    // Follows `draft` from now on.
    void Follow(QTextDocument* draft);
    // The grid to write on and the lines the form allows (0: the view marks no overflow).
    void SetGrid(const ManuscriptGrid& grid, int allowedLines);
    const ManuscriptSheet& Sheet() const { return m_sheet; }
    // What the sheet's foot says: the count, and the lines against the allowed ones.
    QString Status() const;
    // Lays the draft out now rather than when the event loop next runs.
    void Refresh();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void scrollContentsBy(int dx, int dy) override;
    void showEvent(QShowEvent* event) override;

private:
    QSize ContentSize() const;
    void UpdateScrollBars();
    void Schedule();

    QPointer<QTextDocument> m_draft;
    ManuscriptSheet m_sheet;
    int m_allowedLines = 0;
    QString m_status;
    QTimer m_pending;
    bool m_stale = true;
};
