// Speed of the window's handlers, offscreen: the whole Compute command as a click runs it (a new registry,
// the conversion, the labels, the decimal places and the re-rendering), with and without painting the
// labels it changed, and the two smaller reactions, the decimal-places change and the input change.
//
// Runs under the offscreen platform unless QT_QPA_PLATFORM names another.
#include "ui/MessageReporter.h"
#include "ui/ProgramLook.h"
#include "ui/frmMain.h"

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QRadioButton>
#include <QScrollBar>
#include <array>
#include <benchmark/benchmark.h>

namespace {

using namespace quorlex;

// Takes the window's messages and shows none.
class SilentReporter : public MessageReporter {
public:
    void ShowNotice(QWidget *, const QString &, const QString &) override {}
    void ShowError(QWidget *, const QString &, const ErrorReport &) override {}
    void Beep() override {}
};

SilentReporter reporter;
frmMain *window = nullptr;

// Two conversions that show different texts with different places, so that every run changes the labels,
// the scroll bar and the pattern as a user's run does.
struct Request {
    int category;
    int source;
    int desired;
    const char *value;
};
constexpr std::array<Request, 2> kRequests{{{0, 0, 1, "1"}, {2, 0, 8, "12,345.5"}}};

void Prepare(const Request &request) {
    const auto &c = window->Controls();
    c.optType[static_cast<std::size_t>(request.category)]->setChecked(true);
    c.cboSource->setCurrentIndex(request.source);
    c.cboDest->setCurrentIndex(request.desired);
    c.txtIn->setText(QString::fromLatin1(request.value));
}

// Runs the Compute command as cmdCompute's click runs it; the inputs change between runs outside the
// timing. With `paint`, the event loop then runs until idle, painting what the command changed.
void RunComputeCommands(benchmark::State &state, bool paint) {
    std::size_t next = 0;
    for (auto _ : state) {
        state.PauseTiming();
        Prepare(kRequests[next]);
        next = 1 - next;
        QApplication::processEvents();
        state.ResumeTiming();
        window->cmdCompute_Click();
        if (paint) {
            QApplication::processEvents();
        }
    }
}

// The command alone.
void BM_ComputeCommand(benchmark::State &state) {
    RunComputeCommands(state, false);
}
BENCHMARK(BM_ComputeCommand)->Unit(benchmark::kMicrosecond);

// The command and the painting of what it changed, until the window is idle again.
void BM_ComputeCommandAndPaint(benchmark::State &state) {
    RunComputeCommands(state, true);
}
BENCHMARK(BM_ComputeCommandAndPaint)->Unit(benchmark::kMicrosecond);

// The decimal-places change: the label, the pattern and the re-rendered result.
void BM_DecimalPlacesChange(benchmark::State &state) {
    Prepare(kRequests[0]);
    window->cmdCompute_Click();
    QScrollBar *places = window->Controls().vsDecPlaces;
    int value = 3;
    for (auto _ : state) {
        value = value == 3 ? 20 : 3;
        places->setValue(value);
    }
}
BENCHMARK(BM_DecimalPlacesChange)->Unit(benchmark::kMicrosecond);

// The input change: the numeric test, the text colour and the button state, between a number and a text
// that is not one, so both change every time.
void BM_InputChange(benchmark::State &state) {
    QLineEdit *input = window->Controls().txtIn;
    const std::array<QString, 2> texts{QStringLiteral("12,345.5"), QStringLiteral("12,345.5a")};
    std::size_t next = 0;
    for (auto _ : state) {
        input->setText(texts[next]);
        next = 1 - next;
    }
}
BENCHMARK(BM_InputChange)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char *argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication app(argc, argv);
    ApplyProgramLook();
    frmMain form(&reporter);
    form.show();
    QApplication::processEvents();
    window = &form;

    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) {
        return 1;
    }
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    window = nullptr;
    return 0;
}
