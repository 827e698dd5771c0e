#include "ui/TopLevel.h"

#include "WindowFixture.h"
#include "engine/ConversionRun.h"
#include "errors/RuntimeError.h"
#include "errors/modErrorHandling.h"

#include <stdexcept>

using namespace quorlex;
using quorlex::test::RecordingReporter;
using quorlex::test::WindowFixture;

class TopLevelTest : public QObject {
    Q_OBJECT

private slots:
    void cleanup() {
        f.Close();
        const QStringList dialogs = f.guard.TakeUnexpected();
        QVERIFY2(dialogs.isEmpty(), qPrintable(dialogs.join(QStringLiteral(", "))));
    }

    void escapingFailuresAreReported_data();
    void escapingFailuresAreReported();
    void reportTextNamesNumberAndSource_data();
    void reportTextNamesNumberAndSource();
    void unitOutsideTheCategoryIsRaised();
    void errorInComputeLeavesTheWindowAsItWas();
    void messageBoxesAreModalAndGuarded();

private:
    WindowFixture f;
};

void TopLevelTest::escapingFailuresAreReported_data() {
    QTest::addColumn<int>("kind");
    QTest::addColumn<QString>("description");
    QTest::addColumn<int>("number");
    QTest::addColumn<QString>("source");
    QTest::newRow("subscript-error") << 0 << "Subscript out of range" << 9 << "Weight";
    QTest::newRow("program-error") << 1 << "An unknown error has occurred!" << -2147211505
                                   << "Convert:Weight Property Get";
    QTest::newRow("standard-exception") << 2 << "broken" << 0 << "";
    QTest::newRow("anything-else") << 3 << "An unknown error has occurred!" << 0 << "";
}

void TopLevelTest::escapingFailuresAreReported() {
    QFETCH(int, kind);
    QFETCH(QString, description);
    QFETCH(int, number);
    QFETCH(QString, source);
    RecordingReporter reporter;
    RunAtTopLevel(reporter, nullptr, QStringLiteral("Title"), [kind] {
        switch (kind) {
        case 0:
            RaiseStandardError(kErrSubscriptOutOfRange, "Weight");
        case 1:
            modErrorHandling::RaiseError(9999, "Convert:Weight Property Get");
        case 2:
            throw std::runtime_error("broken");
        default:
            throw 42;
        }
    });
    QCOMPARE(reporter.errors.size(), std::size_t{1});
    const ErrorReport &report = reporter.errors.front();
    QCOMPARE(report.description, description);
    QCOMPARE(report.number.has_value(), number != 0);
    if (number != 0) {
        QCOMPARE(*report.number, number);
    }
    QCOMPARE(report.source, source);
}

void TopLevelTest::reportTextNamesNumberAndSource_data() {
    QTest::addColumn<QString>("description");
    QTest::addColumn<int>("number");
    QTest::addColumn<QString>("source");
    QTest::addColumn<QString>("text");
    QTest::newRow("all-three") << "Subscript out of range" << 9 << "Weight"
                               << "Subscript out of range\n\nError number: 9\nSource: Weight";
    QTest::newRow("negative-number") << "An unknown error has occurred!" << -2147211505
                                     << "Convert:Weight Property Get"
                                     << "An unknown error has occurred!\n\nError number: -2147211505\n"
                                        "Source: Convert:Weight Property Get";
    QTest::newRow("description-only") << "broken" << 0 << ""
                                      << "broken";
}

void TopLevelTest::reportTextNamesNumberAndSource() {
    QFETCH(QString, description);
    QFETCH(int, number);
    QFETCH(QString, source);
    QFETCH(QString, text);
    ErrorReport report{description, number != 0 ? std::optional<std::int32_t>(number) : std::nullopt, source};
    QCOMPARE(ErrorReportText(report), text);
}

void TopLevelTest::unitOutsideTheCategoryIsRaised() {
    ConversionRequest request;
    request.category = 0;
    request.sourceUnits = 0;
    request.desiredUnits = 6;
    request.valueText = "1";
    try {
        RunConversion(request);
        QFAIL("no error raised");
    } catch (const RuntimeError &error) {
        QCOMPARE(error.Number(), 9);
    }
}

void TopLevelTest::errorInComputeLeavesTheWindowAsItWas() {
    QVERIFY(f.Open());
    f.Convert(0, 0, 1, QStringLiteral("1"));
    // An item the Weight converter does not know: its unit index lies outside the converter's table.
    f.c().cboSource->addItem(QStringLiteral("6- Something else"));
    f.c().cboSource->setCurrentIndex(6);
    f.window->cmdCompute_Click();

    QCOMPARE(f.reporter.errors.size(), std::size_t{1});
    QCOMPARE(f.reporter.errors.front().number.value_or(0), 9);
    QCOMPARE(f.reporter.errors.front().source, QStringLiteral("Weight"));
    QCOMPARE(f.Shown(), QStringLiteral("0.03527"));
    QCOMPARE(f.Factor(), QStringLiteral("0.03527"));
    QCOMPARE(f.window->ResultValue(), 0.03527);
    QVERIFY(f.window->isVisible());

    // The window goes on working.
    f.Convert(0, 2, 0, QStringLiteral("1"));
    QCOMPARE(f.Shown(), QStringLiteral("453.6"));
}

void TopLevelTest::messageBoxesAreModalAndGuarded() {
    MessageBoxReporter boxes;
    boxes.ShowNotice(nullptr, QStringLiteral("Title"), QStringLiteral("Text"));
    boxes.ShowError(nullptr, QStringLiteral("Title"), ErrorReport{QStringLiteral("broken"), 5, QString()});
    const QStringList seen = f.guard.TakeUnexpected();
    QCOMPARE(seen.size(), 2);
    QVERIFY(seen.front().startsWith(QLatin1String("QMessageBox")));
}

QTEST_MAIN(TopLevelTest)
#include "TopLevelTest.moc"
