// A long run of the window's Compute command, offscreen: categories, units, values and decimal places vary
// from run to run, including values the window refuses (not a number, beyond the range) and a desired unit
// typed instead of chosen. Prints the process's peak resident memory after the first checkpoint and at the
// end, so that growth over a long session shows; scripts/soak.sh runs it and judges the figures.
//
//   window_soak [COMMANDS [CHECKPOINT]]     defaults: 100000 commands, checkpoint after 1000
//
// Exits 1 when a run-time error reached the window's top level (none may), 2 on bad arguments.
#include "ui/MessageReporter.h"
#include "ui/ProgramLook.h"
#include "ui/frmMain.h"

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QRadioButton>
#include <QScrollBar>
#include <array>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <fstream>
#include <random>
#include <string>
#include <string_view>

namespace {

using namespace quorlex;

// Counts the window's messages and keeps none of them, so that the soak's own memory stays flat.
class CountingReporter : public MessageReporter {
public:
    void ShowNotice(QWidget *, const QString &, const QString &) override { ++notices; }
    void ShowError(QWidget *, const QString &, const ErrorReport &) override { ++errors; }
    void Beep() override { ++beeps; }

    long notices = 0;
    long errors = 0;
    long beeps = 0;
};

// A field of /proc/self/status in kB ("VmHWM" is the peak resident set, "VmRSS" the current one); -1 when
// it cannot be read.
long StatusKilobytes(std::string_view field) {
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.size() > field.size() && line.compare(0, field.size(), field) == 0 &&
            line[field.size()] == ':') {
            const auto digits = line.find_first_of("0123456789");
            long value = -1;
            if (digits != std::string::npos) {
                std::from_chars(line.data() + digits, line.data() + line.size(), value);
            }
            return value;
        }
    }
    return -1;
}

bool ParseCount(const char *text, long &count) {
    const std::string_view view(text);
    const auto [end, error] = std::from_chars(view.data(), view.data() + view.size(), count);
    return error == std::errc() && end == view.data() + view.size() && count > 0;
}

// Values typed by a user who means it, and by one who does not.
constexpr std::array<const char *, 16> kFixedTexts{"1",       "0.03527",  "-17.5",
                                                   "1,000",   " 12 ",     "&H1F",
                                                   "1.5E-05", "4.9E-324", "1.7976931348623157E308",
                                                   "abc",     "1,5",      "",
                                                   "-",       "1E309",    "&HFFFFFFFFFFFFFFFFFF",
                                                   "1e-400"};

class Soak {
public:
    explicit Soak(frmMain &window) : window_(window), c_(window.Controls()) {}

    // One user action and one Compute command.
    void Step() {
        if (Chance(0.3)) {
            c_.optType[Pick(kCategoryCount)]->setChecked(true);
        }
        const int units = c_.cboSource->count();
        c_.cboSource->setCurrentIndex(static_cast<int>(Pick(units)));
        if (Chance(0.02)) {
            // A desired unit typed instead of chosen: the command must refuse it.
            c_.cboDest->setEditText(QStringLiteral("no such unit"));
        } else {
            c_.cboDest->setCurrentIndex(static_cast<int>(Pick(units)));
        }
        c_.txtIn->setText(ValueText());
        window_.cmdCompute_Click();
        if (Chance(0.2)) {
            c_.vsDecPlaces->setValue(static_cast<int>(Pick(26)));
        }
        // Paints what changed and runs deferred deletions, as the event loop does between user actions.
        QApplication::processEvents();
    }

private:
    bool Chance(double p) { return std::bernoulli_distribution(p)(random_); }
    std::size_t Pick(int count) {
        return std::uniform_int_distribution<std::size_t>(0, static_cast<std::size_t>(count) - 1)(random_);
    }

    QString ValueText() {
        if (Chance(0.25)) {
            return QString::fromLatin1(kFixedTexts[Pick(kFixedTexts.size())]);
        }
        // A number of any size from 1E-30 to 1E+30, written as the shortest text that reads back to it.
        const double magnitude = std::pow(10.0, std::uniform_real_distribution<double>(-30.0, 30.0)(random_));
        const double value = Chance(0.2) ? -magnitude : magnitude;
        char digits[32];
        const auto written = std::to_chars(digits, digits + sizeof digits, value);
        return QString::fromLatin1(digits, static_cast<qsizetype>(written.ptr - digits));
    }

    frmMain &window_;
    const frmMainControls &c_;
    std::mt19937_64 random_{20261208};
};

// Prints the memory figures after a number of commands; returns the peak it printed.
long Report(long commands) {
    const long peak = StatusKilobytes("VmHWM");
    std::printf("window soak: after %ld commands: peak RSS %ld kB, RSS %ld kB\n", commands, peak,
                StatusKilobytes("VmRSS"));
    std::fflush(stdout);
    return peak;
}

} // namespace

int main(int argc, char *argv[]) {
    long commands = 100000;
    long checkpoint = 1000;
    if ((argc > 1 && !ParseCount(argv[1], commands)) || (argc > 2 && !ParseCount(argv[2], checkpoint)) ||
        argc > 3 || checkpoint > commands) {
        std::fprintf(stderr, "usage: window_soak [COMMANDS [CHECKPOINT]]\n");
        return 2;
    }
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication app(argc, argv);
    ApplyProgramLook();
    CountingReporter reporter;
    long peakAtCheckpoint = 0;
    long peakAtEnd = 0;
    {
        frmMain window(&reporter);
        window.show();
        QApplication::processEvents();

        Soak soak(window);
        for (long done = 1; done <= commands; ++done) {
            soak.Step();
            if (done == checkpoint) {
                peakAtCheckpoint = Report(done);
            }
        }
        peakAtEnd = Report(commands);
        std::printf("window soak: %d commands run, %ld refused with a notice, %ld with a beep, %ld errors\n",
                    window.Runs().computeCommand, reporter.notices, reporter.beeps, reporter.errors);
    }
    std::printf("window soak: peak RSS growth from %ld to %ld commands: %ld kB\n", checkpoint, commands,
                peakAtEnd - peakAtCheckpoint);
    return reporter.errors == 0 ? 0 : 1;
}
