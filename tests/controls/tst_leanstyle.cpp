// SPDX-FileCopyrightText: 2026 Kiravelo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
// The lean style's short cuts paint exactly what Fusion paints.
#include "LeanStyle.h"
#include "UiFonts.h"

#include <QApplication>
#include <QPainter>
#include <QStyleFactory>
#include <QStyleOption>
#include <QTest>

#include <functional>

class TestLeanStyle : public QObject
{
    Q_OBJECT
private slots:
    void samePixels_data();
    void samePixels();
};

void TestLeanStyle::samePixels_data()
{
    QTest::addColumn<QString>("text"); // empty: a frame instead
    QTest::addColumn<int>("flags");
    QTest::addColumn<QRect>("rect");
    QTest::addColumn<QPointF>("shift");
    QTest::addColumn<qreal>("ratio");
    const QString caption = QStringLiteral("次の記入箇所");
    const QPointF none;
    QTest::newRow("left top") << caption << int(Qt::AlignLeft | Qt::AlignTop) << QRect(3, 2, 90, 22)
                              << none << 1.0;
    QTest::newRow("centred") << caption << int(Qt::AlignCenter) << QRect(0, 0, 101, 27) << none
                             << 1.0;
    QTest::newRow("right") << QStringLiteral("192 字")
                           << int(Qt::AlignRight | Qt::AlignVCenter | Qt::AlignAbsolute |
                                  Qt::TextExpandTabs | Qt::TextForceLeftToRight)
                           << QRect(5, 5, 60, 19) << QPointF(2, 3) << 1.0;
    QTest::newRow("bottom") << caption << int(Qt::AlignBottom | Qt::AlignHCenter)
                            << QRect(0, 0, 80, 30) << none << 1.0;
    QTest::newRow("clipped") << caption << int(Qt::AlignCenter | Qt::TextWordWrap)
                             << QRect(4, 4, 30, 8) << none << 1.0;
    QTest::newRow("unclipped") << caption << int(Qt::AlignLeft | Qt::TextDontClip)
                               << QRect(4, 4, 30, 8) << none << 1.0;
    QTest::newRow("trailing space")
        << QStringLiteral("自分の文例　") << int(Qt::AlignRight | Qt::AlignTop | Qt::TextSingleLine)
        << QRect(0, 0, 90, 20) << none << 1.0;
    QTest::newRow("wrapped") << QStringLiteral("左記文例をPDFで表示")
                             << int(Qt::AlignCenter | Qt::TextWordWrap) << QRect(0, 0, 60, 40)
                             << none << 1.0;
    QTest::newRow("mnemonic") << QStringLiteral("&保存")
                              << int(Qt::AlignCenter | Qt::TextShowMnemonic) << QRect(0, 0, 60, 20)
                              << none << 1.0;
    QTest::newRow("doubled") << caption << int(Qt::AlignCenter) << QRect(0, 0, 101, 27) << none
                             << 2.0;
    QTest::newRow("frame") << QString() << 0 << QRect(0, 0, 120, 70) << none << 1.0;
    QTest::newRow("frame, moved") << QString() << 0 << QRect(2, 3, 40, 2) << QPointF(5, 1) << 1.0;
    QTest::newRow("frame, half pixel")
        << QString() << 0 << QRect(2, 3, 40, 20) << QPointF(0.5, 0.5) << 1.0;
    QTest::newRow("frame, doubled") << QString() << 0 << QRect(1, 1, 40, 20) << none << 2.0;
}

void TestLeanStyle::samePixels()
{
    QFETCH(QString, text);
    QFETCH(int, flags);
    QFETCH(QRect, rect);
    QFETCH(QPointF, shift);
    QFETCH(qreal, ratio);
    const std::unique_ptr<QStyle> fusion(QStyleFactory::create(QStringLiteral("Fusion")));
    LeanStyle lean(QStyleFactory::create(QStringLiteral("Fusion")));
    const QPalette palette = fusion->standardPalette();
    const auto paint = [&](const QStyle& style) {
        QImage image(QSize(140, 90) * ratio, QImage::Format_ARGB32_Premultiplied);
        image.setDevicePixelRatio(ratio);
        image.fill(Qt::white);
        QPainter painter(&image);
        painter.setFont(UiFonts::Dialog());
        painter.translate(shift);
        QStyleOptionFrame option;
        option.rect = rect;
        option.palette = palette;
        if (text.isEmpty())
            style.drawPrimitive(QStyle::PE_Frame, &option, &painter);
        else
            style.drawItemText(&painter, rect, flags, palette, true, text, QPalette::WindowText);
        return image;
    };
    const QImage expected = paint(*fusion);
    QCOMPARE(paint(lean), expected);
    QCOMPARE(paint(lean), expected); // again, from what it kept
}

QTEST_MAIN(TestLeanStyle)
#include "tst_leanstyle.moc"
