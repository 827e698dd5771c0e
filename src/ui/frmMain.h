#pragma once

#include "engine/ConversionRun.h"
#include "ui/frmMainDesign.h"

#include <QPointer>
#include <QString>
#include <QWidget>
#include <functional>
#include <memory>
#include <optional>
#include <string>

namespace quorlex {

class MessageReporter;

// The program's one window: choose a category, a source unit, a desired unit and a value; Compute shows
// the converted value, its decimal places and the factor used. The result stays shown until the next
// Compute, greyed once the input is no longer the one it was converted from.
//
// Every handler runs as the program's top level: a run-time error that escapes it is reported to the user
// and the window goes on with its labels as they were.
class frmMain : public QWidget {
    Q_OBJECT

public:
    // How often the handlers that others trigger have run, for anyone checking the window's start-up and
    // its key handling.
    struct HandlerRuns {
        int categorySelection = 0;
        int decimalPlacesChange = 0;
        int computeCommand = 0;
    };

    // Builds the controls and brings the window into its start-up state. Messages go to the given reporter
    // (message boxes when none is given).
    explicit frmMain(MessageReporter *reporter = nullptr, QWidget *parent = nullptr);
    ~frmMain() override;

    // The window's commands, run as the user's clicks run them.
    void cmdCompute_Click();
    void cmdCopyClip_Click();
    void cmdExit_Click();

    const frmMainControls &Controls() const { return c_; }
    // The last converted value, as shown (0 after start-up).
    double ResultValue() const { return resultValue_; }
    // The display pattern of the shown value ("########0.00000").
    const std::string &FormatMask() const { return formatMask_; }
    // The index of the selected category, -1 when none is.
    int SelectedCategory() const;
    const HandlerRuns &Runs() const { return runs_; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void ConnectHandlers();
    void Guarded(const std::function<void()> &handler);

    void Form_Load();
    void optType_Click(int Index);
    void ComputeCommand();
    void vsDecPlaces_Change();
    void txtIn_Change();
    void chkOnTop_Click();
    void Form_KeyPress(int keyAscii);
    void cmd_MouseEnter(CoolButton &button);
    void cmd_MouseLeave(CoolButton &button);

    // What a Compute run converts: the selected category, the two lists' positions and the value text.
    struct Input {
        int category = -1;
        int source = -1;
        int desired = -1;
        QString value;
        friend bool operator==(const Input &, const Input &) = default;
    };
    Input CurrentInput() const;
    void SelectTypedDesiredUnit();
    void InputChanged();
    void ShowResultCurrent(bool current);
    void ShowResultTip();
    void ShowResultText(const std::string &text);
    void ReportRefusal(ConversionRefusal refusal);

    std::unique_ptr<MessageReporter> ownReporter_;
    MessageReporter *reporter_;
    frmMainControls c_;
    double resultValue_ = 0.0;
    std::string formatMask_;
    HandlerRuns runs_;
    // What the shown result was converted from (none before the first run), and whether the input has
    // changed since, so that the result no longer belongs to it.
    std::optional<Input> resultInput_;
    bool resultStale_ = false;
    // The category selection is refilling the unit lists: their passing states are no change of input.
    bool refillingLists_ = false;
    // The option button last pressed while it was already the selected one.
    const QRadioButton *pressedWhileSelected_ = nullptr;
    // The Enter key press the window has taken, and the control it was sent to, while the press travels
    // on to that control's parents.
    struct EnterOnItsWay {
        const QEvent *key = nullptr;
        QPointer<QWidget> sentTo;
    } enterOnItsWay_;
};

} // namespace quorlex
