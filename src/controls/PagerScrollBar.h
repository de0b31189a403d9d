#pragma once

#include <QScrollBar>

// The vertical bar that pages the results. Every user action on it (arrows, trough,
// thumb, keys) is reported as one scroll code; the page decides the new position. A
// value set from outside (a screen reader) is reported as a thumb moved there.
class PagerScrollBar : public QScrollBar
{
    Q_OBJECT
public:
    explicit PagerScrollBar(QWidget* parent = nullptr);

    // Mirrors the pager: range 0..maximum at `position`, enabled or not.
    void Mirror(int maximum, int position, bool enabled);

signals:
    // `code` is a ResultPager::ScrollCode; `thumb` the thumb's position for drags.
    void ScrollRequested(int code, int thumb);

protected:
    void wheelEvent(QWheelEvent* event) override;

private:
    void OnAction(int action);
    void OnValueSet(int value);
};
