#include "PagerScrollBar.h"

#include "ResultPager.h"

#include <QWheelEvent>

PagerScrollBar::PagerScrollBar(QWidget* parent) : QScrollBar(Qt::Vertical, parent)
{
    setSingleStep(1);
    setPageStep(2);
    setRange(0, 0);
    setFocusPolicy(Qt::ClickFocus);
    // Its own menu would block and offers jumps the pager does not make.
    setContextMenuPolicy(Qt::PreventContextMenu);
    connect(this, &QAbstractSlider::actionTriggered, this, &PagerScrollBar::OnAction);
    // Actions reach the page before the value changes, and the page's answer comes
    // back through Mirror() with signals blocked: what is left is a value set by
    // someone else, such as an accessibility client.
    connect(this, &QAbstractSlider::valueChanged, this, &PagerScrollBar::OnValueSet);
}

void PagerScrollBar::Mirror(int maximum, int position, bool enabled)
{
    const QSignalBlocker block(this);
    setRange(0, maximum);
    setValue(position);
    setEnabled(enabled);
}

void PagerScrollBar::OnAction(int action)
{
    int code = ResultPager::EndScroll;
    switch (action) {
    case SliderSingleStepSub:
        code = ResultPager::LineUp;
        break;
    case SliderSingleStepAdd:
        code = ResultPager::LineDown;
        break;
    case SliderPageStepSub:
        code = ResultPager::PageUp;
        break;
    case SliderPageStepAdd:
        code = ResultPager::PageDown;
        break;
    case SliderMove:
        code = ResultPager::ThumbTrack;
        break;
    case SliderToMinimum:
        code = ResultPager::Top;
        break;
    case SliderToMaximum:
        code = ResultPager::Bottom;
        break;
    default:
        break;
    }
    // The page answers through Mirror(); until then the slider keeps its place.
    emit ScrollRequested(code, sliderPosition());
}

void PagerScrollBar::OnValueSet(int value)
{
    emit ScrollRequested(ResultPager::ThumbPosition, value);
}

void PagerScrollBar::wheelEvent(QWheelEvent* event)
{
    // The page turns every wheel message into exactly one step.
    event->ignore();
}
