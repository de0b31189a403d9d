#pragma once

#include <QColor>
#include <QList>
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

protected:
    QSize tabSizeHint(int index) const override;
    QSize minimumTabSizeHint(int index) const override { return tabSizeHint(index); }
    void paintEvent(QPaintEvent* event) override;

private:
    QList<QColor> m_colours;
};
