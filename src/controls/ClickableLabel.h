#pragma once

#include <QLabel>

// A label or picture that reports single left clicks, like a static control that
// notifies its parent. Double clicks count as a click, not as two.
class ClickableLabel : public QLabel
{
    Q_OBJECT
public:
    explicit ClickableLabel(QWidget* parent = nullptr);

signals:
    void clicked();

protected:
    void mousePressEvent(QMouseEvent* event) override;
};
