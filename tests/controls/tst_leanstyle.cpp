// SPDX-FileCopyrightText: 2026 Kiravelo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
// The lean style's short cuts paint exactly what Fusion paints.
#include "LeanStyle.h"
#include "UiFonts.h"

#include <QApplication>
#include <QLabel>
#include <QPainter>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QStyleFactory>
#include <QStyleOption>
#include <QTest>
#include <QtMath>

#include <functional>

class TestLeanStyle : public QObject
{
    Q_OBJECT
private slots:
    void samePixels_data();
    void samePixels();
    void barPicturesFollowTheirColours();
    void buttonFaces_data();
    void buttonFaces();
    void lineWidthIsALabelsWidth();
};

namespace {

void Row(const char* name, const QString& text, int flags, QRect rect, QPointF shift = {},
         qreal ratio = 1, int barMaximum = 99)
{
    QTest::newRow(name) << text << flags << rect << shift << ratio << barMaximum;
}

} // namespace

void TestLeanStyle::samePixels_data()
{
    QTest::addColumn<QString>("text"); // empty: a frame (flags 0) or a bar (its orientation)
    QTest::addColumn<int>("flags");
    QTest::addColumn<QRect>("rect");
    QTest::addColumn<QPointF>("shift");
    QTest::addColumn<qreal>("ratio");
    QTest::addColumn<int>("barMaximum");
    const QString caption = QStringLiteral("次の記入箇所");
    const int label = Qt::AlignAbsolute | Qt::TextExpandTabs | Qt::TextForceLeftToRight;
    Row("left top", caption, Qt::AlignLeft | Qt::AlignTop, QRect(3, 2, 90, 22));
    Row("centred", caption, Qt::AlignCenter, QRect(0, 0, 101, 27));
    Row("right", QStringLiteral("192 字"), Qt::AlignRight | Qt::AlignVCenter | label,
        QRect(5, 5, 60, 19), QPointF(2, 3));
    Row("bottom", caption, Qt::AlignBottom | Qt::AlignHCenter, QRect(0, 0, 80, 30));
    Row("clipped", caption, Qt::AlignCenter | Qt::TextWordWrap, QRect(4, 4, 30, 8));
    Row("unclipped", caption, Qt::AlignLeft | Qt::TextDontClip, QRect(4, 4, 30, 8));
    Row("trailing space", QStringLiteral("自分の文例　"), Qt::AlignRight | Qt::TextSingleLine,
        QRect(0, 0, 90, 20));
    Row("wrapped", QStringLiteral("左記文例をPDFで表示"), Qt::AlignCenter | Qt::TextWordWrap,
        QRect(0, 0, 60, 40));
    Row("mnemonic", QStringLiteral("&保存"), Qt::AlignCenter | Qt::TextShowMnemonic,
        QRect(0, 0, 60, 20));
    Row("doubled", caption, Qt::AlignCenter, QRect(0, 0, 101, 27), {}, 2);
    Row("frame", QString(), 0, QRect(0, 0, 120, 70));
    Row("frame, moved", QString(), 0, QRect(2, 3, 40, 2), QPointF(5, 1));
    Row("frame, half pixel", QString(), 0, QRect(2, 3, 40, 20), QPointF(0.5, 0.5));
    Row("frame, doubled", QString(), 0, QRect(1, 1, 40, 20), {}, 2);
    Row("bar", QString(), Qt::Vertical, QRect(0, 0, 17, 85), QPointF(100, 2));
    Row("bar, tall: drawn in bands", QString(), Qt::Vertical, QRect(0, 0, 17, 300),
        QPointF(100, 2));
    Row("bar, across", QString(), Qt::Horizontal, QRect(0, 0, 130, 17), QPointF(0, 60));
    // Nothing to scroll: a short bar stretched at its middle row.
    Row("bar, empty", QString(), Qt::Vertical, QRect(0, 0, 14, 300), QPointF(100, 2), 1, 0);
    Row("bar, empty, wide", QString(), Qt::Vertical, QRect(0, 0, 18, 577), QPointF(60, 0), 1, 0);
    Row("bar, empty, a row taller", QString(), Qt::Vertical, QRect(0, 0, 17, 49), {}, 1, 0);
}

void TestLeanStyle::samePixels()
{
    QFETCH(QString, text);
    QFETCH(int, flags);
    QFETCH(QRect, rect);
    QFETCH(QPointF, shift);
    QFETCH(qreal, ratio);
    QFETCH(int, barMaximum);
    const std::unique_ptr<QStyle> fusion(QStyleFactory::create(QStringLiteral("Fusion")));
    LeanStyle lean(QStyleFactory::create(QStringLiteral("Fusion")));
    const QPalette palette = fusion->standardPalette();
    const auto paint = [&](QStyle& style) {
        // Tall enough for the whole of a tall bar.
        const int height = qMax(90, int(shift.y()) + rect.bottom() + 1);
        QImage image(QSize(140, height) * ratio, QImage::Format_ARGB32_Premultiplied);
        image.setDevicePixelRatio(ratio);
        image.fill(Qt::white);
        QPainter painter(&image);
        painter.setFont(UiFonts::Dialog());
        painter.translate(shift);
        painter.fillRect(0, 0, 70, 90, Qt::darkCyan); // something under the picture
        QStyleOptionFrame option;
        option.rect = rect;
        option.palette = palette;
        QScrollBar bar{Qt::Orientation(flags)};
        if (!text.isEmpty()) {
            style.drawItemText(&painter, rect, flags, palette, true, text, QPalette::WindowText);
        } else if (flags == 0) {
            style.drawPrimitive(QStyle::PE_Frame, &option, &painter);
        } else {
            bar.setStyle(&style);
            bar.setGeometry(rect);
            bar.setMaximum(barMaximum);
            bar.setPageStep(30);
            bar.setValue(30);
            bar.render(&painter, QPoint(), QRegion(), QWidget::DrawChildren);
        }
        return image;
    };
    const QImage expected = paint(*fusion);
    QCOMPARE(paint(lean), expected);
    QCOMPARE(paint(lean), expected); // again, from what it kept
}

void TestLeanStyle::barPicturesFollowTheirColours()
{
    // Kept pictures go by the colours a bar is painted in, not by which palette they come
    // from: bars alike but for their colours never share one.
    const std::unique_ptr<QStyle> fusion(QStyleFactory::create(QStringLiteral("Fusion")));
    LeanStyle lean(QStyleFactory::create(QStringLiteral("Fusion")));
    const QPalette light = fusion->standardPalette();
    QPalette darkButton = light;
    darkButton.setColor(QPalette::Button, Qt::darkBlue);
    const auto paint = [](QStyle& style, const QPalette& palette) {
        QPlainTextEdit edit;
        edit.setPalette(palette);
        edit.verticalScrollBar()->setStyle(&style);
        edit.verticalScrollBar()->resize(16, 120);
        QImage image(16, 120, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::white);
        QPainter painter(&image);
        edit.verticalScrollBar()->render(&painter, QPoint(), QRegion(), QWidget::DrawChildren);
        return image;
    };
    for (const QPalette& palette : {light, darkButton, light})
        QCOMPARE(paint(lean, palette), paint(*fusion, palette));
}

void TestLeanStyle::buttonFaces_data()
{
    QTest::addColumn<QSize>("size");
    QTest::addColumn<int>("state");
    QTest::addColumn<int>("features");
    QTest::addColumn<QPointF>("shift");
    const int raised = QStyle::State_Enabled | QStyle::State_Raised;
    const int focus = QStyle::State_HasFocus | QStyle::State_KeyboardFocusChange;
    QTest::newRow("raised") << QSize(88, 38) << raised << 0 << QPointF(3, 4);
    QTest::newRow("default") << QSize(88, 32) << raised << int(QStyleOptionButton::DefaultButton)
                             << QPointF();
    QTest::newRow("focus") << QSize(73, 27) << (raised | focus) << 0 << QPointF();
    QTest::newRow("pressed") << QSize(75, 47) << int(QStyle::State_Enabled | QStyle::State_Sunken)
                             << 0 << QPointF();
    QTest::newRow("hovered") << QSize(187, 22) << (raised | QStyle::State_MouseOver) << 0
                             << QPointF();
    QTest::newRow("disabled") << QSize(60, 30) << int(QStyle::State_Raised) << 0 << QPointF();
    QTest::newRow("one column wider") << QSize(11, 20) << raised << 0 << QPointF();
    QTest::newRow("half pixel") << QSize(50, 20) << raised << 0 << QPointF(0.5, 0);
    QTest::newRow("flat default") << QSize(50, 20) << raised
                                  << int(QStyleOptionButton::Flat |
                                         QStyleOptionButton::DefaultButton)
                                  << QPointF();
}

void TestLeanStyle::buttonFaces()
{
    QFETCH(QSize, size);
    QFETCH(int, state);
    QFETCH(int, features);
    QFETCH(QPointF, shift);
    const std::unique_ptr<QStyle> fusion(QStyleFactory::create(QStringLiteral("Fusion")));
    LeanStyle lean(QStyleFactory::create(QStringLiteral("Fusion")));
    const auto paint = [&](QStyle& style) {
        QImage image(200, 60, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::white);
        QPainter painter(&image);
        painter.translate(shift);
        painter.fillRect(0, 0, 30, 60, Qt::darkCyan); // something under the rounded corners
        QStyleOptionButton option;
        option.rect = QRect(QPoint(2, 1), size);
        option.state = QStyle::State(state);
        option.features = QStyleOptionButton::ButtonFeatures(features);
        option.palette = fusion->standardPalette();
        style.drawPrimitive(QStyle::PE_PanelButtonCommand, &option, &painter);
        return image;
    };
    const QImage expected = paint(*fusion);
    QCOMPARE(paint(lean), expected);
    QCOMPARE(paint(lean), expected); // again, from what it kept
}

void TestLeanStyle::lineWidthIsALabelsWidth()
{
    // A caption measured so is never clipped where a label would show it whole.
    LeanStyle lean(QStyleFactory::create(QStringLiteral("Fusion")));
    for (const QString& text :
         {QStringLiteral("看護・医療・栄養・薬学部"), QStringLiteral("No.41 A")}) {
        QLabel label(text);
        label.setFont(UiFonts::Dialog());
        QCOMPARE(qCeil(lean.LineWidth(text, label.font())), label.sizeHint().width());
    }
}

QTEST_MAIN(TestLeanStyle)
#include "tst_leanstyle.moc"
