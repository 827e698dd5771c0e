#include "widgets/OleColor.h"

#include <QGuiApplication>
#include <QTest>

using namespace quorlex;

class OleColorTest : public QObject {
    Q_OBJECT

private slots:
    void translates_data();
    void translates();
    void failsForUnknownValues_data();
    void failsForUnknownValues();
};

void OleColorTest::translates_data() {
    QTest::addColumn<quint32>("ole");
    QTest::addColumn<QColor>("expected");

    QPalette palette;
    palette.setColor(QPalette::Active, QPalette::Button, QColor(1, 2, 3));
    palette.setColor(QPalette::Active, QPalette::Dark, QColor(4, 5, 6));
    palette.setColor(QPalette::Active, QPalette::Light, QColor(7, 8, 9));
    palette.setColor(QPalette::Active, QPalette::Base, QColor(10, 11, 12));
    QGuiApplication::setPalette(palette);

    QTest::newRow("red-low-byte") << quint32{0x0000FF} << QColor(255, 0, 0);
    QTest::newRow("light-green") << quint32{0xC0FFC0} << QColor(192, 255, 192);
    QTest::newRow("button-face-blue") << quint32{0xFFC0C0} << QColor(192, 192, 255);
    QTest::newRow("orange") << quint32{0x0080FF} << QColor(255, 128, 0);
    QTest::newRow("dark-teal") << quint32{OleRgb(0, 64, 64)} << QColor(0, 64, 64);
    QTest::newRow("BtnFace") << quint32{SystemColor(SysColor::BtnFace)} << QColor(1, 2, 3);
    QTest::newRow("BtnShadow") << quint32{SystemColor(SysColor::BtnShadow)} << QColor(4, 5, 6);
    QTest::newRow("BtnHighlight") << quint32{SystemColor(SysColor::BtnHighlight)} << QColor(7, 8, 9);
    QTest::newRow("Window") << quint32{SystemColor(SysColor::Window)} << QColor(10, 11, 12);
}

void OleColorTest::translates() {
    QFETCH(quint32, ole);
    QFETCH(QColor, expected);
    const auto color = TranslateOleColor(ole, QGuiApplication::palette());
    QVERIFY(color.has_value());
    QCOMPARE(*color, expected);
    QCOMPARE(TranslateOleColorToRgb(ole, QGuiApplication::palette()),
             expected.red() | (expected.green() << 8) | (expected.blue() << 16));
}

void OleColorTest::failsForUnknownValues_data() {
    QTest::addColumn<quint32>("ole");
    QTest::newRow("system-index-99") << quint32{0x80000063};
    QTest::newRow("system-high-bits") << quint32{0x80010005};
    QTest::newRow("palette-entry") << quint32{0x01000005};
}

void OleColorTest::failsForUnknownValues() {
    QFETCH(quint32, ole);
    QVERIFY(!TranslateOleColor(ole, QGuiApplication::palette()).has_value());
    QCOMPARE(TranslateOleColorToRgb(ole, QGuiApplication::palette()), -1);
}

QTEST_MAIN(OleColorTest)
#include "OleColorTest.moc"
