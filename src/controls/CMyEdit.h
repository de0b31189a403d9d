#pragma once

#include <QPlainTextEdit>

// Read-only, word-wrapping sample box. A double click selects the whole sample and
// takes the focus, so a complete sentence is copied in one step. The wheel scrolls a
// sample longer than the box; over a box with nothing to scroll it goes to the page.
class CMyEdit : public QPlainTextEdit
{
    Q_OBJECT
public:
    explicit CMyEdit(QWidget* parent = nullptr);

    // Shows `text` (paragraphs joined by CR LF) from its first line; fill-in marks
    // stand out without changing what is selected and copied.
    void SetSampleText(const QString& text);
    QString SampleText() const { return m_text; }

protected:
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;

private:
    void MarkPlaceholders();

    QString m_text;
};
