#pragma once

#include <QLabel>
#include <QTimer>

// A short message shown inside the window, over its lower edge, that goes away by
// itself or when clicked. It never takes the focus or blocks the user.
class NoticeBar : public QLabel
{
    Q_OBJECT
public:
    static constexpr int ShowMilliseconds = 8000;

    explicit NoticeBar(QWidget* parent);

    void ShowNotice(const QString& text);

protected:
    void mousePressEvent(QMouseEvent* event) override;

private:
    QTimer* m_timer;
};
