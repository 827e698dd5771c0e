#include "WindowTest.h"
#include "numbers/DecimalPlaces.h"

#include <QStyle>
#include <QStyleOptionSlider>

using namespace quorlex;

class PrecisionTest : public quorlex::test::WindowTest {
    Q_OBJECT

private slots:
    void decimalPlacesOfResult_data();
    void decimalPlacesOfResult();
    void formatMask_data();
    void formatMask();
    void inputFeedback_data();
    void inputFeedback();
    void scrollBarDirections_data();
    void scrollBarDirections();

private:
};

void PrecisionTest::decimalPlacesOfResult_data() {
    QTest::addColumn<QString>("generalText");
    QTest::addColumn<int>("places");
    QTest::newRow("fixed-five") << "0.03527" << 5;
    QTest::newRow("fixed-one") << "453.6" << 1;
    QTest::newRow("whole") << "2" << 0;
    QTest::newRow("negative") << "-17.7777777777778" << 13;
    QTest::newRow("smallest-fixed") << "0.000123456789012345" << 18;
    QTest::newRow("scientific-1.5E-05") << "1.5E-05" << 6;
    QTest::newRow("scientific-3.86113E-11") << "3.86113E-11" << 16;
    QTest::newRow("scientific-1E-10") << "1E-10" << 10;
    QTest::newRow("scientific-negative") << "-2.25E-07" << 9;
    QTest::newRow("scientific-large") << "2.5E+20" << 0;
    QTest::newRow("scientific-1E+15") << "1E+15" << 0;
    QTest::newRow("scientific-many-digits") << "1.23456789012345E+15" << 0;
    QTest::newRow("capped-at-25") << "1.23456789012345E-20" << 25;
    QTest::newRow("empty") << "" << 0;
}

void PrecisionTest::decimalPlacesOfResult() {
    QFETCH(QString, generalText);
    QFETCH(int, places);
    QCOMPARE(DecimalPlacesOfResult(generalText.toStdString()), places);
}

void PrecisionTest::formatMask_data() {
    QTest::addColumn<int>("places");
    QTest::addColumn<QString>("mask");
    QTest::newRow("none") << 0 << "########0";
    QTest::newRow("one") << 1 << "########0.0";
    QTest::newRow("four") << 4 << "########0.0000";
    QTest::newRow("most") << 25 << "########0." + QString(25, QLatin1Char('0'));
}

void PrecisionTest::formatMask() {
    QFETCH(int, places);
    QFETCH(QString, mask);
    QCOMPARE(QString::fromStdString(FormatMaskFor(places)), mask);
    f.c().vsDecPlaces->setValue(places == 0 ? 1 : 0);
    f.c().vsDecPlaces->setValue(places);
    QCOMPARE(QString::fromStdString(f.window->FormatMask()), mask);
}

void PrecisionTest::inputFeedback_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("numeric");
    QTest::newRow("12") << "12" << true;
    QTest::newRow("blanks-around") << " 12 " << true;
    QTest::newRow("negative-decimal") << "-3.5" << true;
    QTest::newRow("exponent") << "1e3" << true;
    QTest::newRow("grouped") << "1,000" << true;
    QTest::newRow("hexadecimal") << "&HFF" << true;
    QTest::newRow("trailing-letter") << "12a" << false;
    QTest::newRow("empty") << "" << false;
    QTest::newRow("sign-only") << "-" << false;
    QTest::newRow("period-only") << "." << false;
    QTest::newRow("letters") << "abc" << false;
    QTest::newRow("decimal-comma") << "1,5" << false;
}

void PrecisionTest::inputFeedback() {
    QFETCH(QString, text);
    QFETCH(bool, numeric);
    // From the opposite state, so that both colour and button have to change.
    f.TypeValue(numeric ? QStringLiteral("x") : QStringLiteral("1"));
    f.TypeValue(text);
    QCOMPARE(f.c().txtIn->text(), text);
    QCOMPARE(f.c().txtIn->palette().color(QPalette::Text), numeric ? QColor(0, 0, 0) : QColor(255, 0, 0));
    QCOMPARE(f.c().cmdCompute->isEnabled(), numeric);
}

void PrecisionTest::scrollBarDirections_data() {
    QTest::addColumn<QString>("action");
    QTest::addColumn<int>("expected");
    QTest::newRow("Right-key") << "Right" << 6;
    QTest::newRow("Left-key") << "Left" << 4;
    QTest::newRow("Up-key") << "Up" << 6;
    QTest::newRow("Down-key") << "Down" << 4;
    QTest::newRow("right-arrow") << "right-arrow" << 6;
    QTest::newRow("left-arrow") << "left-arrow" << 4;
}

void PrecisionTest::scrollBarDirections() {
    QFETCH(QString, action);
    QFETCH(int, expected);
    QScrollBar *bar = f.c().vsDecPlaces;
    bar->setValue(5);
    if (action.endsWith(QLatin1String("arrow"))) {
        QStyleOptionSlider option;
        option.initFrom(bar);
        option.orientation = Qt::Horizontal;
        option.minimum = bar->minimum();
        option.maximum = bar->maximum();
        option.sliderPosition = bar->value();
        option.sliderValue = bar->value();
        option.singleStep = bar->singleStep();
        option.pageStep = bar->pageStep();
        option.upsideDown = bar->invertedAppearance();
        const auto part = action.startsWith(QLatin1String("right")) ? QStyle::SC_ScrollBarAddLine
                                                                    : QStyle::SC_ScrollBarSubLine;
        const QRect arrow = bar->style()->subControlRect(QStyle::CC_ScrollBar, &option, part, bar);
        QTest::mouseClick(bar, Qt::LeftButton, {}, arrow.center());
    } else {
        bar->setFocus();
        QCOMPARE(QApplication::focusWidget(), bar);
        const Qt::Key key = action == QLatin1String("Right")  ? Qt::Key_Right
                            : action == QLatin1String("Left") ? Qt::Key_Left
                            : action == QLatin1String("Up")   ? Qt::Key_Up
                                                              : Qt::Key_Down;
        QTest::keyClick(bar, key);
    }
    QCOMPARE(bar->value(), expected);
    QCOMPARE(f.c().lblDecPlaces->text(), QString::number(expected));
}

QTEST_MAIN(PrecisionTest)
#include "PrecisionTest.moc"
