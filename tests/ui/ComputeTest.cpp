#include "WindowTest.h"

#include <QClipboard>
#include <QLocale>
#include <QScreen>
#include <QToolTip>
#include <algorithm>
#include <clocale>

using namespace quorlex;

class ComputeTest : public quorlex::test::WindowTest {
    Q_OBJECT

private slots:
    void showsTheConversion_data();
    void showsTheConversion();
    void decimalPlacesReRenderTheSameValue_data();
    void decimalPlacesReRenderTheSameValue();
    void resultGreysWhenTheInputChanges_data();
    void resultGreysWhenTheInputChanges();
    void typedDesiredUnitConvertsNothing_data();
    void typedDesiredUnitConvertsNothing();
    void valueBeyondRangeConvertsNothing_data();
    void valueBeyondRangeConvertsNothing();
    void decimalCommaLocaleChangesNothing();
};

void ComputeTest::showsTheConversion_data() {
    QTest::addColumn<int>("category");
    QTest::addColumn<int>("source");
    QTest::addColumn<int>("desired");
    QTest::addColumn<QString>("input");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<QString>("factor");
    QTest::addColumn<int>("places");
    QTest::addColumn<bool>("leftJustified");

    QTest::newRow("grams-to-ounces") << 0 << 0 << 1 << "1"
                                     << "0.03527"
                                     << "0.03527" << 5 << false;
    QTest::newRow("pounds-to-grams") << 0 << 2 << 0 << "1"
                                     << "453.6"
                                     << "453.6" << 1 << false;
    QTest::newRow("whole-result") << 0 << 0 << 0 << "2"
                                  << "2"
                                  << "1" << 0 << false;
    QTest::newRow("fifteen-decimals") << 0 << 0 << 0 << "0.333333333333333"
                                      << "0.333333333333333"
                                      << "1" << 15 << true;
    QTest::newRow("negative-thirteen-decimals") << 11 << 0 << 1 << "0"
                                                << "-17.7777777777778"
                                                << "Formula Used" << 13 << true;
    QTest::newRow("slope-formula") << 15 << 0 << 1 << "45"
                                   << "100"
                                   << "Formula Used" << 0 << false;
    QTest::newRow("temperature-same-unit") << 11 << 1 << 1 << "20"
                                           << "20"
                                           << "Formula Used" << 0 << false;
    QTest::newRow("fuel-load") << 9 << 0 << 2 << "2500"
                               << "11.15225"
                               << "0.0044609" << 5 << false;
    QTest::newRow("twelve-characters-right") << 0 << 0 << 0 << "1E-10"
                                             << "0.0000000001"
                                             << "1" << 10 << false;
    // Results whose general text is scientific: the places their value needs in fixed notation.
    QTest::newRow("scientific-tiny") << 0 << 0 << 0 << "0.000015"
                                     << "0.000015"
                                     << "1" << 6 << false;
    QTest::newRow("square-centimeter-in-square-miles") << 2 << 0 << 8 << "1"
                                                       << "0.0000000000386113"
                                                       << "3.86113E-11" << 16 << true;
    QTest::newRow("scientific-huge") << 0 << 0 << 0 << "2.5E+20"
                                     << "250000000000000000000"
                                     << "1" << 0 << true;
    QTest::newRow("beyond-25-places") << 0 << 0 << 0 << "1.5E-30"
                                      << "0.0000000000000000000000000"
                                      << "1" << 25 << true;
    // The number converted is the number the value box shows.
    QTest::newRow("grouped-thousands") << 0 << 0 << 1 << "1,000"
                                       << "35.27"
                                       << "0.03527" << 2 << false;
    QTest::newRow("hexadecimal") << 0 << 0 << 0 << "&HFF"
                                 << "255"
                                 << "1" << 0 << false;
    QTest::newRow("blanks-around") << 0 << 0 << 0 << " 12 "
                                   << "12"
                                   << "1" << 0 << false;
    QTest::newRow("d-exponent") << 0 << 3 << 0 << "1.5D2"
                                << "150000"
                                << "1000" << 0 << false;
    // The noise of a cancellation is no digit: absolute zero is 0 kelvin, a slope of 180 degrees 0 percent.
    QTest::newRow("absolute-zero") << 11 << 0 << 2 << "-459.67"
                                   << "0"
                                   << "Formula Used" << 0 << false;
    QTest::newRow("zero-kelvin") << 11 << 2 << 0 << "0"
                                 << "-459.67"
                                 << "Formula Used" << 2 << false;
    QTest::newRow("slope-180-degrees") << 15 << 0 << 1 << "180"
                                       << "0"
                                       << "Formula Used" << 0 << false;
    QTest::newRow("201-digits") << 0 << 0 << 0 << "1E200"
                                << "1" + QString(200, QLatin1Char('0')) << "1" << 0 << true;
}

void ComputeTest::showsTheConversion() {
    QFETCH(int, category);
    QFETCH(int, source);
    QFETCH(int, desired);
    QFETCH(QString, input);
    QFETCH(QString, shown);
    QFETCH(QString, factor);
    QFETCH(int, places);
    QFETCH(bool, leftJustified);

    f.Convert(category, source, desired, input);
    QCOMPARE(f.Shown(), shown);
    QCOMPARE(f.Factor(), factor);
    QCOMPARE(f.c().vsDecPlaces->value(), places);
    QCOMPARE(f.c().lblDecPlaces->text(), QString::number(places));
    QCOMPARE(f.LeftJustified(), leftJustified);
    QCOMPARE(f.Tip(), shown);
    // The tooltip shows the whole value in lines that fit every screen.
    int screenWidth = QGuiApplication::primaryScreen()->availableGeometry().width();
    for (const QScreen *screen : QGuiApplication::screens()) {
        screenWidth = std::min(screenWidth, screen->availableGeometry().width());
    }
    const QFontMetrics metrics(QToolTip::font());
    for (const QString &line : f.c().LblOut->toolTip().split(QLatin1Char('\n'))) {
        QVERIFY2(metrics.horizontalAdvance(line) < screenWidth, qPrintable(line));
    }
    QVERIFY(!f.Greyed());
    QCOMPARE(f.window->Runs().computeCommand, 1);
    QVERIFY(f.reporter.Silent());
}

void ComputeTest::decimalPlacesReRenderTheSameValue_data() {
    QTest::addColumn<QString>("input");
    QTest::addColumn<int>("source");
    QTest::addColumn<int>("desired");
    QTest::addColumn<int>("places");
    QTest::addColumn<QString>("shown");
    QTest::newRow("0.03527-to-2") << "1" << 0 << 1 << 2 << "0.04";
    QTest::newRow("0.03527-to-0") << "1" << 0 << 1 << 0 << "0";
    QTest::newRow("0.03527-to-7") << "1" << 0 << 1 << 7 << "0.0352700";
    QTest::newRow("0.03527-to-25") << "1" << 0 << 1 << 25 << "0.0352700000000000000000000";
    QTest::newRow("453.6-to-0") << "1" << 2 << 0 << 0 << "454";
    QTest::newRow("2.5-to-0") << "2.5" << 0 << 0 << 0 << "3";
    QTest::newRow("minus-2.5-to-0") << "-2.5" << 0 << 0 << 0 << "-3";
    QTest::newRow("tiny-to-5") << "0.000015" << 0 << 0 << 5 << "0.00002";
}

void ComputeTest::decimalPlacesReRenderTheSameValue() {
    QFETCH(QString, input);
    QFETCH(int, source);
    QFETCH(int, desired);
    QFETCH(int, places);
    QFETCH(QString, shown);

    f.Convert(0, source, desired, input);
    const double value = f.window->ResultValue();
    f.c().vsDecPlaces->setValue(places);
    QCOMPARE(f.Shown(), shown);
    QCOMPARE(f.c().lblDecPlaces->text(), QString::number(places));
    QCOMPARE(f.window->ResultValue(), value);
    QCOMPARE(f.window->Runs().computeCommand, 1);
    // A text too long for the label starts at its left edge.
    QCOMPARE(f.LeftJustified(), shown.size() > 12);
}

void ComputeTest::resultGreysWhenTheInputChanges_data() {
    QTest::addColumn<bool>("computeFirst"); // 100 Celsius to Fahrenheit: 212
    QTest::addColumn<QString>("change");
    QTest::addColumn<bool>("greyed");
    QTest::newRow("another-category") << true << "category 1" << true;
    QTest::newRow("the-same-category")
        << true << "category 11" << true; // the lists go back to the first units
    QTest::newRow("another-original-unit") << true << "source 2" << true;
    QTest::newRow("the-same-original-unit") << true << "source 1" << false;
    QTest::newRow("another-desired-unit") << true << "desired 2" << true;
    QTest::newRow("the-same-desired-unit") << true << "desired 0" << false;
    QTest::newRow("a-typed-desired-unit") << true << "typed Kelvin" << true;
    QTest::newRow("another-value") << true << "value 101" << true;
    QTest::newRow("decimal-places") << true << "places 3" << false;
    QTest::newRow("computed-again") << true << "category 1;compute" << false;
    QTest::newRow("changed-back") << true << "value 101;value 100" << true;
    QTest::newRow("before-any-result") << false << "category 1" << false;
}

void ComputeTest::resultGreysWhenTheInputChanges() {
    QFETCH(bool, computeFirst);
    QFETCH(QString, change);
    QFETCH(bool, greyed);
    const QString startUpFactor = f.Factor();
    if (computeFirst) {
        f.Convert(11, 1, 0, QStringLiteral("100"));
        QCOMPARE(f.Shown(), QStringLiteral("212"));
    }
    for (const QString &step : change.split(QLatin1Char(';'))) {
        const QString what = step.section(QLatin1Char(' '), 0, 0);
        const QString argument = step.section(QLatin1Char(' '), 1);
        if (what == QLatin1String("category")) {
            f.ChooseCategory(argument.toInt());
        } else if (what == QLatin1String("source")) {
            f.c().cboSource->setCurrentIndex(argument.toInt());
        } else if (what == QLatin1String("desired")) {
            f.c().cboDest->setCurrentIndex(argument.toInt());
        } else if (what == QLatin1String("typed")) {
            f.c().cboDest->lineEdit()->selectAll();
            QTest::keyClicks(f.c().cboDest->lineEdit(), argument);
        } else if (what == QLatin1String("value")) {
            f.TypeValue(argument);
        } else if (what == QLatin1String("places")) {
            f.c().vsDecPlaces->setValue(argument.toInt());
        } else {
            f.window->cmdCompute_Click();
        }
    }
    QCOMPARE(f.Greyed(), greyed);
    QCOMPARE(f.c().LblOut->palette().color(QPalette::WindowText),
             f.c().lblFactor->palette().color(QPalette::WindowText));
    QCOMPARE(f.c().LblOut->toolTip(),
             greyed ? QStringLiteral("Result for the previous input. Press Enter or Compute to convert the "
                                     "current one.")
                    : f.Shown());
    // The result stays shown, greyed or not, and Copy copies it as shown.
    if (computeFirst && f.window->Runs().computeCommand == 1) {
        QCOMPARE(f.Factor(), QStringLiteral("Formula Used"));
        QVERIFY(f.Shown().startsWith(QStringLiteral("212")));
    } else if (!computeFirst) {
        QCOMPARE(f.Shown(), QStringLiteral("0"));
        QCOMPARE(f.Factor(), startUpFactor);
    }
    f.window->cmdCopyClip_Click();
    QCOMPARE(QGuiApplication::clipboard()->text(), f.Shown());
}

void ComputeTest::typedDesiredUnitConvertsNothing_data() {
    QTest::addColumn<QString>("typed");
    QTest::newRow("unknown-text") << "abc";
    QTest::newRow("symbol-in-the-wrong-case") << "mg";
    QTest::newRow("another-category's-unit") << "0- Millimeters";
}

void ComputeTest::typedDesiredUnitConvertsNothing() {
    QFETCH(QString, typed);
    f.Convert(0, 0, 1, QStringLiteral("1"));

    QComboBox *dest = f.c().cboDest;
    dest->lineEdit()->selectAll();
    QTest::keyClicks(dest->lineEdit(), typed);
    QCOMPARE(dest->currentText(), typed);
    f.TypeValue(QStringLiteral("7"));
    const auto before = f.Snapshot();
    f.window->cmdCompute_Click();

    QVERIFY(f.Snapshot() == before);
    QCOMPARE(f.reporter.notices.size(), 1);
    QVERIFY2(f.reporter.notices.front().contains(QStringLiteral("desired unit must be chosen from the list")),
             qPrintable(f.reporter.notices.front()));
    QCOMPARE(dest->count(), 6);
}

void ComputeTest::valueBeyondRangeConvertsNothing_data() {
    QTest::addColumn<int>("category");
    QTest::addColumn<int>("source");
    QTest::addColumn<int>("desired");
    QTest::addColumn<QString>("input");
    QTest::newRow("value-1E309") << 0 << 0 << 0 << "1E309";
    QTest::newRow("1E308-kilograms-to-grams") << 0 << 3 << 0 << "1E308";
    QTest::newRow("minus-1E308-kilograms-to-grams") << 0 << 3 << 0 << "-1E308";
    QTest::newRow("hexadecimal-beyond-64-bits") << 0 << 0 << 0 << "&HFFFFFFFFFFFFFFFFFF";
    QTest::newRow("largest-double-rounds-past-range") << 0 << 0 << 0 << "1.7976931348623157E308";
    QTest::newRow("celsius-to-fahrenheit") << 11 << 1 << 0 << "1.7E308";
}

void ComputeTest::valueBeyondRangeConvertsNothing() {
    QFETCH(int, category);
    QFETCH(int, source);
    QFETCH(int, desired);
    QFETCH(QString, input);
    f.Convert(0, 0, 1, QStringLiteral("1"));
    f.PutInput(category, source, desired, input);
    const auto before = f.Snapshot();

    f.window->cmdCompute_Click();
    QVERIFY(f.c().cmdCompute->isEnabled());
    QVERIFY(f.Snapshot() == before);
    QCOMPARE(f.reporter.notices.size(), 1);
    QVERIFY(f.reporter.notices.front().contains(QStringLiteral("Nothing was converted")));
    QVERIFY(f.reporter.errors.empty());
}

void ComputeTest::decimalCommaLocaleChangesNothing() {
    if (!std::setlocale(LC_ALL, "de_DE.UTF-8")) {
        QSKIP("the de_DE.UTF-8 locale is not installed");
    }
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    f.Convert(0, 0, 1, QStringLiteral("1,000"));
    const QString thousand = f.Shown();
    f.Convert(0, 0, 1, QStringLiteral("1.5"));
    const QString oneAndAHalf = f.Shown();
    const QString factor = f.Factor();
    std::setlocale(LC_ALL, "C.UTF-8");
    QLocale::setDefault(QLocale::c());
    QCOMPARE(thousand, QStringLiteral("35.27"));
    QCOMPARE(oneAndAHalf, QStringLiteral("0.052905"));
    QCOMPARE(factor, QStringLiteral("0.03527"));
}

QTEST_MAIN(ComputeTest)
#include "ComputeTest.moc"
