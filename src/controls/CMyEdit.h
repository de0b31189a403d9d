// SPDX-FileCopyrightText: 2026 Kiravelo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "SearchQuery.h"

#include <QPlainTextEdit>

// Read-only, word-wrapping sample box. A double click selects the whole sample and
// takes the focus, so a complete sentence is copied in one step. The wheel scrolls a
// sample longer than the box; over a box with nothing to scroll it goes to the page.
class CMyEdit : public QPlainTextEdit
{
    Q_OBJECT
public:
    explicit CMyEdit(QWidget* parent = nullptr);

    // Shows `text` (paragraphs joined by CR LF) from its first line; fill-in marks and
    // the search's `hits` (in units of `text`) stand out without changing what is
    // selected and copied; only what changed is painted again.
    void SetSampleText(const QString& text, const QList<SearchQuery::Hit>& hits = {});
    QString SampleText() const { return m_text; }
    // The face of the samples, taken with the first one: an empty box shows no text,
    // and each size of a face costs the start-up a font match and a layout.
    void SetTextFont(const QFont& font);

protected:
    void showEvent(QShowEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;

private:
    void Fill();
    void MarkText();

    QString m_text;
    QList<SearchQuery::Hit> m_hits;
    // Laying out a sample is the costly part of showing it: a hidden box takes its text
    // when it is shown.
    bool m_unfilled = false;
    QFont m_textFont;
    bool m_fontPending = false;
};
