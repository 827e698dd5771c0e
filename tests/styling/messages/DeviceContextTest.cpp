#include "styling/messages/DeviceContext.h"

#include <QImage>
#include <QPainter>
#include <QTest>
#include <vector>

using namespace quorlex;
using namespace quorlex::messages;

namespace {

constexpr QRgb kPaper = 0xFFFFFFFF;
constexpr std::int32_t kRed = 0x0000FF; // 0x00BBGGRR

// The pixels that are not paper.
std::vector<QPoint> Inked(const QImage &image) {
    std::vector<QPoint> inked;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (image.pixel(x, y) != kPaper) {
                inked.emplace_back(x, y);
            }
        }
    }
    return inked;
}

} // namespace

using Points = std::vector<QPoint>;
Q_DECLARE_METATYPE(Points)

class DeviceContextTest : public QObject {
    Q_OBJECT

private slots:
    void lineStopsBeforeItsEnd_data();
    void lineStopsBeforeItsEnd();
    void pensThatDrawNothing_data();
    void pensThatDrawNothing();
    void pensAreSelectedAndDeletedByHandle();
};

void DeviceContextTest::lineStopsBeforeItsEnd_data() {
    QTest::addColumn<QPoint>("from");
    QTest::addColumn<QPoint>("to");
    QTest::addColumn<Points>("inked");
    QTest::newRow("rightwards") << QPoint(1, 1) << QPoint(4, 1) << Points{{1, 1}, {2, 1}, {3, 1}};
    QTest::newRow("leftwards") << QPoint(4, 1) << QPoint(1, 1) << Points{{2, 1}, {3, 1}, {4, 1}};
    QTest::newRow("downwards") << QPoint(2, 0) << QPoint(2, 3) << Points{{2, 0}, {2, 1}, {2, 2}};
    QTest::newRow("upwards") << QPoint(2, 3) << QPoint(2, 0) << Points{{2, 1}, {2, 2}, {2, 3}};
    QTest::newRow("diagonal") << QPoint(0, 0) << QPoint(3, 3) << Points{{0, 0}, {1, 1}, {2, 2}};
    QTest::newRow("one-step") << QPoint(5, 5) << QPoint(6, 5) << Points{{5, 5}};
    QTest::newRow("no-length") << QPoint(5, 5) << QPoint(5, 5) << Points{};
}

void DeviceContextTest::lineStopsBeforeItsEnd() {
    QFETCH(QPoint, from);
    QFETCH(QPoint, to);
    QFETCH(Points, inked);
    QImage image(8, 8, QImage::Format_RGB32);
    image.fill(kPaper);
    {
        QPainter painter(&image);
        DeviceContext dc(painter);
        const PenHandle pen = dc.MakePen(kPenSolid, 1, kRed);
        dc.Select(pen);
        dc.MoveTo(from.x(), from.y());
        dc.DrawLineTo(to.x(), to.y());
        PixelPoint position;
        dc.MoveTo(0, 0, &position);
        QCOMPARE(position, (PixelPoint{to.x(), to.y()})); // the end becomes the current position
    }
    std::vector<QPoint> drawn = Inked(image);
    std::sort(drawn.begin(), drawn.end(),
              [](QPoint a, QPoint b) { return std::pair(a.y(), a.x()) < std::pair(b.y(), b.x()); });
    std::sort(inked.begin(), inked.end(),
              [](QPoint a, QPoint b) { return std::pair(a.y(), a.x()) < std::pair(b.y(), b.x()); });
    QCOMPARE(drawn, inked);
    for (const QPoint &p : drawn) {
        QCOMPARE(image.pixel(p), qRgb(255, 0, 0));
    }
}

void DeviceContextTest::pensThatDrawNothing_data() {
    QTest::addColumn<int>("style");
    QTest::addColumn<int>("color");
    QTest::newRow("untranslatable-colour") << kPenSolid << -1;
    QTest::newRow("palette-index") << kPenSolid << 0x01000005;
    QTest::newRow("null-pen") << kPenNull << kRed;
}

void DeviceContextTest::pensThatDrawNothing() {
    QFETCH(int, style);
    QFETCH(int, color);
    QImage image(8, 8, QImage::Format_RGB32);
    image.fill(kPaper);
    {
        QPainter painter(&image);
        DeviceContext dc(painter);
        dc.Select(dc.MakePen(style, 1, color));
        dc.MoveTo(0, 3);
        dc.DrawLineTo(7, 3);
    }
    QVERIFY(Inked(image).empty());
}

void DeviceContextTest::pensAreSelectedAndDeletedByHandle() {
    QImage image(4, 4, QImage::Format_RGB32);
    QPainter painter(&image);
    DeviceContext dc(painter);
    const PenHandle red = dc.MakePen(kPenSolid, 1, kRed);
    const PenHandle blue = dc.MakePen(kPenSolid, 1, 0xFF0000);
    QVERIFY(red != 0 && blue != 0 && red != blue);

    const ObjectHandle stock = dc.Select(red);
    QVERIFY(stock != 0);
    QCOMPARE(dc.Select(blue), red);
    QVERIFY(!dc.Delete(blue)); // still selected
    QCOMPARE(dc.Select(stock), blue);
    QVERIFY(dc.Delete(blue));
    QVERIFY(!dc.Delete(blue));
    QVERIFY(!dc.Delete(stock));
    QCOMPARE(dc.Select(blue), 0); // deleted pens cannot be selected
    QCOMPARE(dc.MakePen(kPenSolid, -1, kRed), 0);
}

QTEST_MAIN(DeviceContextTest)
#include "DeviceContextTest.moc"
