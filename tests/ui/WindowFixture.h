#pragma once

#include "RecordingReporter.h"
#include "support/ModalDialogGuard.h"
#include "ui/ProgramLook.h"
#include "ui/frmMain.h"
#include "widgets/CoolButton.h"

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QScrollBar>
#include <QTest>
#include <memory>
#include <string>

namespace quorlex::test {

// A shown, active main window with a recording reporter, made afresh for each test, and the guard against
// dialogs. The program's look is applied once, as the program applies it.
struct WindowFixture {
    WindowFixture() {
        static const bool lookApplied = [] {
            ApplyProgramLook();
            return true;
        }();
        (void)lookApplied;
    }

    // Makes a new window, shows it and waits until it is active. Its messages go to the recorder, or to
    // real message boxes.
    bool Open(bool messageBoxes = false) {
        window = std::make_unique<frmMain>(messageBoxes ? nullptr : &reporter);
        window->show();
        window->activateWindow();
        return QTest::qWaitForWindowActive(window.get());
    }

    void Close() {
        window.reset();
        reporter = RecordingReporter();
    }

    const frmMainControls &c() const { return window->Controls(); }

    // The user's actions.
    void ChooseCategory(int index) { c().optType[static_cast<std::size_t>(index)]->click(); }
    void ChooseUnits(int source, int desired) {
        c().cboSource->setCurrentIndex(source);
        c().cboDest->setCurrentIndex(desired);
    }
    void TypeValue(const QString &text) {
        c().txtIn->selectAll();
        c().txtIn->del();
        QTest::keyClicks(c().txtIn, text);
    }
    // Everything a Compute run converts, put in without running it.
    void PutInput(int category, int source, int desired, const QString &value) {
        ChooseCategory(category);
        ChooseUnits(source, desired);
        TypeValue(value);
    }
    void Convert(int category, int source, int desired, const QString &value) {
        PutInput(category, source, desired, value);
        window->cmdCompute_Click();
    }

    QString Shown() const { return c().LblOut->text(); }
    // The result's tooltip without the line breaks that make it fit the screen.
    QString Tip() const { return c().LblOut->toolTip().remove(QLatin1Char('\n')); }
    // The result and its factor are drawn greyed: they belong to an earlier input.
    bool Greyed() const {
        const QColor grey = QApplication::palette().color(QPalette::Disabled, QPalette::WindowText);
        return c().LblOut->palette().color(QPalette::WindowText) == grey &&
               c().lblFactor->palette().color(QPalette::WindowText) == grey;
    }

    // Everything a Compute run may change, to prove that a refused run changed none of it.
    struct State {
        QString result;
        QString tip;
        QString factor;
        QString places;
        int scroll;
        double value;
        std::string mask;
        Qt::Alignment alignment;
        bool operator==(const State &) const = default;
    };
    State Snapshot() const {
        return {c().LblOut->text(),       c().LblOut->toolTip(),    c().lblFactor->text(),
                c().lblDecPlaces->text(), c().vsDecPlaces->value(), window->ResultValue(),
                window->FormatMask(),     c().LblOut->alignment()};
    }
    QString Factor() const { return c().lblFactor->text(); }
    bool LeftJustified() const { return c().LblOut->alignment().testFlag(Qt::AlignLeft); }

    RecordingReporter reporter;
    std::unique_ptr<frmMain> window;
    ModalDialogGuard guard;
};

} // namespace quorlex::test
