// SPDX-FileCopyrightText: 2026 Kiravelo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
// The drawn pictures stay sharp under display scaling: they are drawn for the device
// pixels they will cover, at the size the layout expects.
#include "Artwork.h"
#include "PageIdentity.h"
#include "PrerenderedArtwork.h"

#include <QApplication>
#include <QImage>
#include <QTest>

class TestArtwork : public QObject
{
    Q_OBJECT
private slots:
    void drawnForTheScreensRatio_data();
    void drawnForTheScreensRatio();
    void arrowKeepsItsFrameAtEveryScale_data();
    void arrowKeepsItsFrameAtEveryScale();
    void madeAtBuildTimeAsDrawnNow();
};

void TestArtwork::drawnForTheScreensRatio_data()
{
    QTest::addColumn<QPixmap>("picture");
    QTest::addColumn<QSize>("size");
    QTest::newRow("banner") << Artwork::Banner(QStringLiteral("見出し"), Qt::red)
                            << Artwork::BannerSize;
    QTest::newRow("arrow") << Artwork::Arrow(Qt::red) << Artwork::ArrowSize;
    QTest::newRow("guide") << Artwork::GuideButton() << Artwork::GuideButtonSize;
}

void TestArtwork::drawnForTheScreensRatio()
{
    QFETCH(QPixmap, picture);
    QFETCH(QSize, size);
    // main() runs this program at a scale factor of 2.
    QCOMPARE(qApp->devicePixelRatio(), 2.0);
    QCOMPARE(picture.devicePixelRatio(), 2.0);
    QCOMPARE(picture.size(), size * 2);
    QCOMPARE(picture.deviceIndependentSize().toSize(), size);
}

void TestArtwork::arrowKeepsItsFrameAtEveryScale_data()
{
    QTest::addColumn<qreal>("scale");
    QTest::newRow("1") << 1.0;
    QTest::newRow("1.5") << 1.5;
    QTest::newRow("2") << 2.0;
}

void TestArtwork::arrowKeepsItsFrameAtEveryScale()
{
    QFETCH(qreal, scale);
    const QColor colour(255, 0, 102);
    const QImage image = Artwork::Arrow(colour, scale).toImage();
    QCOMPARE(image.size(), Artwork::ArrowSize * scale);
    // The frame is drawn right to the picture's edges, and the triangle fills its middle.
    for (const QPoint corner : {QPoint(0, 0), QPoint(image.width() - 1, image.height() - 1)})
        QCOMPARE(image.pixelColor(corner), colour);
    QCOMPARE(image.pixelColor(image.width() * 6 / 13, image.height() / 2), colour);
    QCOMPARE(image.pixelColor(image.width() * 2 / 13, image.height() / 2), QColor(Qt::white));
}

// What the window shows from the build's pictures is what it would draw itself, and
// the first frame's pictures are among them.
void TestArtwork::madeAtBuildTimeAsDrawnNow()
{
    const PageIdentity::Page& first = PageIdentity::All().first();
    QVERIFY(!PrerenderedArtwork::Find(PrerenderedArtwork::Banner, first.title, first.bannerRgb)
                 .isNull());
    QVERIFY(!PrerenderedArtwork::Find(PrerenderedArtwork::GuideButton, {}, 0).isNull());
    for (const PrerenderedArtwork::Picture& p : PrerenderedArtwork::All()) {
        const QString text = QString::fromUtf16(p.text);
        const QColor colour = QColor::fromRgb(p.colour);
        const auto [made, drawn] = [&] {
            switch (p.kind) {
            case PrerenderedArtwork::Banner:
                return std::pair(Artwork::Banner(text, colour, 1),
                                 ArtworkPainter::Banner(text, colour, 1));
            case PrerenderedArtwork::SubHeading:
                return std::pair(Artwork::SubHeading(text, colour, 1),
                                 ArtworkPainter::SubHeading(text, colour, 1));
            case PrerenderedArtwork::GuideButton:
                break;
            }
            return std::pair(Artwork::GuideButton(1), ArtworkPainter::GuideButton(1));
        }();
        QCOMPARE(made.toImage().convertToFormat(QImage::Format_ARGB32_Premultiplied),
                 drawn.toImage().convertToFormat(QImage::Format_ARGB32_Premultiplied));
    }
}

int main(int argc, char* argv[])
{
    qputenv("QT_SCALE_FACTOR", "2");
    QApplication app(argc, argv);
    TestArtwork test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_artwork.moc"
