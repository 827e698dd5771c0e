// Hostile texts (tests/data/hostile-values.tsv) put into the value box of the real window, then Enter and a
// click on Compute, in categories and unit pairs that stress the conversion: a small factor, the largest
// factor of a table, results far below 1, and both formula converters. Each text either converts to the
// result the engine gives for the number it shows, or converts nothing: every label stays as it was and
// the user is told (a beep for a text that is not a number, a notice for a value out of range). Nothing
// shown ever reads "inf" or "nan", and the value box's colour and the button follow the numeric test.
#include "WindowTest.h"
#include "engine/Convert.h"
#include "errors/RuntimeError.h"
#include "numbers/DecimalPlaces.h"
#include "numbers/GeneralText.h"
#include "numbers/NumericText.h"
#include "numbers/RenderWithMask.h"
#include "numbers/ValueOfText.h"
#include "support/HostileValues.h"

#include <QElapsedTimer>
#include <QRegularExpression>
#include <QStringDecoder>
#include <algorithm>
#include <charconv>
#include <cmath>
#include <optional>

using namespace quorlex;
using quorlex::test::HostileValue;

namespace {

struct UnitPair {
    const char *name;
    int category;
    int source;
    int desired;
};

constexpr UnitPair kPairs[] = {
    {"grams-to-ounces", 0, 0, 1},
    {"square-miles-to-square-centimeters", 2, 8, 0}, // the largest factor of its table, about 2.6E+10
    {"square-centimeters-to-square-miles", 2, 0, 8}, // results about 4E-11 times the value
    {"celsius-to-fahrenheit", 11, 1, 0},
    {"slope-degrees-to-percent", 15, 0, 1},
};

// A baseline conversion each pair starts from, so that "unchanged" means something.
const QString kBaselineValue = QStringLiteral("3");

// The longest text typed key by key; longer ones are put in at once.
constexpr qsizetype kLongestTyped = 64;

// What the window must show after converting a number in a unit pair, worked out from the engine, the
// number texts and the decimal-places rule directly; nullopt when the result is beyond what can be shown.
struct Expected {
    QString shown;
    QString factor;
    int places = 0;
    double factorValue = 0.0;
    double resultValue = 0.0;
};

std::optional<Expected> ExpectedConversion(const UnitPair &pair, double value) {
    const Convert registry;
    const auto converter = registry.ConverterOfCategory(pair.category);
    converter->SetSourceUnits(pair.source);
    converter->SetDesiredUnits(pair.desired);
    converter->LetSourceValue(value);
    Expected expected;
    std::string resultText;
    try {
        resultText = DisplayText(converter->Compute(), converter->ClassName());
        expected.resultValue = ValueOfText(resultText);
    } catch (const RuntimeError &error) {
        if (error.Number() == kErrOverflow) {
            return std::nullopt;
        }
        throw;
    }
    expected.factorValue = converter->ConversionFactor();
    const std::string factorText = GeneralText(expected.factorValue);
    expected.factor =
        ValueOfText(factorText) == 0.0 ? QStringLiteral("Formula Used") : QString::fromStdString(factorText);
    expected.places = DecimalPlacesOfResult(resultText);
    expected.shown =
        QString::fromStdString(RenderWithMask(expected.resultValue, FormatMaskFor(expected.places)));
    return expected;
}

double NumberOf(const std::string &text) {
    double value = 0.0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size()) {
        qFatal("hostile-values.tsv: %s is not a number", text.c_str());
    }
    return value;
}

bool Typeable(const QString &text) {
    if (text.size() > kLongestTyped) {
        return false;
    }
    return std::all_of(text.begin(), text.end(),
                       [](QChar c) { return c.unicode() >= 0x20 && c.unicode() < 0x7f; });
}

bool ShowsNonFinite(const QString &text) {
    return text.contains(QStringLiteral("inf"), Qt::CaseInsensitive) ||
           text.contains(QStringLiteral("nan"), Qt::CaseInsensitive);
}

} // namespace

class HostileInputTest : public quorlex::test::WindowTest {
    Q_OBJECT

private slots:
    void convertsCorrectlyOrNotAtAll_data();
    void convertsCorrectlyOrNotAtAll();

private:
    void PutText(const QString &text, bool byKeys);
    void PressEnter();
    void CheckConverted(const Expected &expected, double value, const char *pair);
    void CheckNothingShowsNonFinite();
};

void HostileInputTest::PutText(const QString &text, bool byKeys) {
    if (byKeys) {
        f.c().txtIn->setFocus();
        f.TypeValue(text);
    } else {
        f.c().txtIn->setText(text);
    }
}

void HostileInputTest::PressEnter() {
    f.c().txtIn->setFocus();
    QCOMPARE(QApplication::focusWidget(), f.c().txtIn);
    QTest::keyClick(f.c().txtIn, Qt::Key_Return);
}

void HostileInputTest::CheckNothingShowsNonFinite() {
    const auto &c = f.c();
    for (const QString &text :
         {c.LblOut->text(), c.LblOut->toolTip(), c.lblFactor->text(), c.lblDecPlaces->text()}) {
        QVERIFY2(!ShowsNonFinite(text), qPrintable(text.left(80)));
    }
}

void HostileInputTest::CheckConverted(const Expected &expected, double value, const char *pair) {
    const QString where = QString::fromLatin1(pair) + QStringLiteral(": ") + f.Shown().left(80);
    QCOMPARE(f.Shown(), expected.shown);
    QCOMPARE(f.Tip(), expected.shown);
    QCOMPARE(f.Factor(), expected.factor);
    QCOMPARE(f.c().vsDecPlaces->value(), expected.places);
    QCOMPARE(f.c().lblDecPlaces->text(), QString::number(expected.places));
    QCOMPARE(f.LeftJustified(), expected.shown.size() > 12);
    QCOMPARE(f.window->ResultValue(), expected.resultValue);
    QVERIFY2(f.reporter.Silent(), qPrintable(where));

    // The shown text is a plain fixed-notation number ...
    static const QRegularExpression plain(QStringLiteral("^-?[0-9]+(\\.[0-9]+)?$"));
    QVERIFY2(plain.match(f.Shown()).hasMatch(), qPrintable(where));
    // ... and, for a converter with a factor, the value times that factor to within its rounding: the
    // 15 significant digits of the general text and the half unit of the last place shown.
    if (expected.factorValue != 0.0) {
        const double exact = value * expected.factorValue;
        const std::string shown = f.Shown().toStdString();
        const double shownValue = NumberOf(shown);
        const double tolerance = 0.5 * std::pow(10.0, -expected.places) + std::abs(exact) * 1e-14;
        QVERIFY2(std::abs(shownValue - exact) <= tolerance, qPrintable(where));
    }
}

void HostileInputTest::convertsCorrectlyOrNotAtAll_data() {
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<QByteArray>("expected");
    const auto rows = quorlex::test::LoadHostileValues(QUORLEX_TEST_DATA_DIR "/hostile-values.tsv");
    QVERIFY(rows.size() >= 200);
    for (const HostileValue &row : rows) {
        QTest::newRow(row.name.c_str())
            << QByteArray::fromStdString(row.text) << QByteArray::fromStdString(row.expected);
    }
}

void HostileInputTest::convertsCorrectlyOrNotAtAll() {
    QFETCH(QByteArray, text);
    QFETCH(QByteArray, expected);
    // Every character as written, a leading byte order mark included.
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::ConvertInitialBom);
    const QString typed = decoder(text);
    const bool refused = expected == "refused";
    const bool overflow = expected == "overflow";
    const double value = refused || overflow ? 0.0 : NumberOf(expected.toStdString());
    // Texts a keyboard can type are typed key by key in the first pair.
    bool byKeys = Typeable(typed);

    for (const UnitPair &pair : kPairs) {
        QElapsedTimer clock;
        clock.start();
        f.reporter = quorlex::test::RecordingReporter();
        f.ChooseCategory(pair.category);
        f.ChooseUnits(pair.source, pair.desired);
        f.TypeValue(kBaselineValue);
        f.window->cmdCompute_Click();
        QVERIFY2(f.reporter.Silent(), pair.name);
        const int runsBefore = f.window->Runs().computeCommand;

        PutText(typed, byKeys);
        byKeys = false;
        QCOMPARE(f.c().txtIn->text(), typed);
        const auto before = f.Snapshot();

        // The colour and the button follow the numeric test, which accepts exactly the texts that are not
        // refused.
        const bool numeric = IsNumericText(f.c().txtIn->text().toStdString());
        QCOMPARE(numeric, !refused);
        QCOMPARE(f.c().txtIn->palette().color(QPalette::Text), numeric ? QColor(0, 0, 0) : QColor(255, 0, 0));
        QCOMPARE(f.c().cmdCompute->isEnabled(), numeric);

        const std::optional<Expected> result =
            refused || overflow ? std::nullopt : ExpectedConversion(pair, value);

        PressEnter();
        CheckNothingShowsNonFinite();
        if (refused) {
            // A text that is not a number: a beep, nothing run, nothing changed.
            QVERIFY2(f.Snapshot() == before, pair.name);
            QCOMPARE(f.reporter.beeps, 1);
            QCOMPARE(f.window->Runs().computeCommand, runsBefore);
            // The disabled button does not click; the command run from code refuses the text as well.
            QTest::mouseClick(f.c().cmdCompute, Qt::LeftButton);
            QCOMPARE(f.window->Runs().computeCommand, runsBefore);
            f.window->cmdCompute_Click();
            QCOMPARE(f.reporter.beeps, 2);
            QVERIFY(f.reporter.notices.isEmpty());
            QVERIFY2(f.Snapshot() == before, pair.name);
        } else if (!result) {
            // A value, or its result, beyond the range: a notice each time, nothing changed.
            QVERIFY2(f.Snapshot() == before, pair.name);
            QCOMPARE(f.reporter.notices.size(), 1);
            QTest::mouseClick(f.c().cmdCompute, Qt::LeftButton);
            QCOMPARE(f.window->Runs().computeCommand, runsBefore + 2);
            QVERIFY2(f.Snapshot() == before, pair.name);
            QCOMPARE(f.reporter.notices.size(), 2);
            for (const QString &notice : f.reporter.notices) {
                QVERIFY2(notice.contains(QStringLiteral("Nothing was converted")), qPrintable(notice));
            }
            QCOMPARE(f.reporter.beeps, 0);
        } else {
            CheckConverted(*result, value, pair.name);
            QTest::mouseClick(f.c().cmdCompute, Qt::LeftButton);
            QCOMPARE(f.window->Runs().computeCommand, runsBefore + 2);
            CheckConverted(*result, value, pair.name);
        }
        QVERIFY(f.reporter.errors.empty());
        CheckNothingShowsNonFinite();
        QVERIFY2(clock.elapsed() < 10000, pair.name);
    }
}

QTEST_MAIN(HostileInputTest)
#include "HostileInputTest.moc"
