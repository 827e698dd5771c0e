#include "ui/frmMain.h"

#include "engine/Catalogue.h"
#include "engine/UnitLookup.h"
#include "numbers/DecimalPlaces.h"
#include "numbers/GeneralText.h"
#include "numbers/NumericText.h"
#include "numbers/RenderWithMask.h"
#include "styling/FlattenControls.h"
#include "ui/MessageReporter.h"
#include "ui/TopLevel.h"
#include "ui/Version.h"
#include "ui/VersionCaption.h"
#include "widgets/ClipboardText.h"
#include "widgets/ComboListIndex.h"
#include "widgets/ControlColors.h"
#include "widgets/CoolButton.h"
#include "widgets/StayOnTop.h"
#include "widgets/ToolTipLines.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QScrollBar>
#include <cstdint>
#include <utility>

namespace quorlex {

namespace {

constexpr int kEnterKeyAscii = 13;

constexpr OleColor kSelectedOptionBack = OleRgb(192, 64, 0); // dark orange
constexpr OleColor kSelectedOptionText = OleRgb(255, 255, 255);
constexpr OleColor kOptionBack = SystemColor(SysColor::BtnFace);
constexpr OleColor kOptionText = OleRgb(0, 0, 0);

constexpr OleColor kNumericText = OleRgb(0, 0, 0);
constexpr OleColor kNotNumericText = OleRgb(255, 0, 0); // the colour value 255

constexpr OleColor kHoverFace = OleRgb(255, 255, 192); // &HC0FFFF, light yellow
constexpr OleColor kHoverEdges = OleRgb(255, 128, 0);  // &H0080FF, orange
constexpr OleColor kPlainFace = OleRgb(192, 192, 255); // &HFFC0C0
constexpr OleColor kPlainEdges = OleRgb(0, 0, 0);

const QString kStaleResultTip =
    QStringLiteral("Result for the previous input. Press Enter or Compute to convert the current one.");

QString FromStd(const std::string &text) {
    return QString::fromStdString(text);
}

// Draws a label's text in the application palette's window-text colour of the group: Active for a result
// that belongs to the input, Disabled (grey) for one that no longer does.
void DrawTextAs(QLabel &label, QPalette::ColorGroup group) {
    const QColor color = QApplication::palette().color(group, QPalette::WindowText);
    SetForeColor(label,
                 OleRgb(static_cast<std::uint8_t>(color.red()), static_cast<std::uint8_t>(color.green()),
                        static_cast<std::uint8_t>(color.blue())));
}

} // namespace

frmMain::frmMain(MessageReporter *reporter, QWidget *parent)
    : QWidget(parent), ownReporter_(reporter ? nullptr : std::make_unique<MessageBoxReporter>()),
      reporter_(reporter ? reporter : ownReporter_.get()), c_(BuildControls(*this)) {
    ConnectHandlers();
    Guarded([this] { Form_Load(); });
}

frmMain::~frmMain() = default;

void frmMain::Guarded(const std::function<void()> &handler) {
    RunAtTopLevel(*reporter_, this, windowTitle(), handler);
}

void frmMain::ConnectHandlers() {
    for (int index = 0; index < kCategoryCount; ++index) {
        QRadioButton *option = c_.optType[static_cast<std::size_t>(index)];
        // A button that becomes selected, by a click or by the program, runs the selection. A click on the
        // button that is already selected changes nothing, so no toggle comes: that click runs it itself.
        // Every click (mouse, Space, arrow keys) is pressed first, while the button's state is still the old.
        connect(option, &QRadioButton::toggled, this, [this, index](bool selected) {
            if (selected) {
                Guarded([this, index] { optType_Click(index); });
            }
        });
        connect(option, &QRadioButton::pressed, this,
                [this, option] { pressedWhileSelected_ = option->isChecked() ? option : nullptr; });
        connect(option, &QRadioButton::clicked, this, [this, option, index] {
            if (std::exchange(pressedWhileSelected_, nullptr) == option) {
                Guarded([this, index] { optType_Click(index); });
            }
        });
    }
    connect(c_.cmdCompute, &CoolButton::clicked, this, [this] { cmdCompute_Click(); });
    connect(c_.cmdCopyClip, &CoolButton::clicked, this, [this] { cmdCopyClip_Click(); });
    connect(c_.cmdExit, &CoolButton::clicked, this, [this] { cmdExit_Click(); });
    for (CoolButton *button : {c_.cmdCompute, c_.cmdCopyClip, c_.cmdExit}) {
        connect(button, &CoolButton::MouseEnter, this,
                [this, button] { Guarded([&] { cmd_MouseEnter(*button); }); });
        connect(button, &CoolButton::MouseLeave, this,
                [this, button] { Guarded([&] { cmd_MouseLeave(*button); }); });
    }
    connect(c_.vsDecPlaces, &QScrollBar::valueChanged, this,
            [this] { Guarded([this] { vsDecPlaces_Change(); }); });
    connect(c_.txtIn, &QLineEdit::textChanged, this, [this] { Guarded([this] { txtIn_Change(); }); });
    // A change of what Compute would convert leaves the shown result behind.
    connect(c_.txtIn, &QLineEdit::textChanged, this, [this] { InputChanged(); });
    connect(c_.cboSource, &QComboBox::currentIndexChanged, this, [this] { InputChanged(); });
    connect(c_.cboDest, &QComboBox::currentIndexChanged, this, [this] { InputChanged(); });
    connect(c_.cboDest, &QComboBox::editTextChanged, this, [this] { InputChanged(); });
    connect(c_.chkOnTop, &QCheckBox::toggled, this, [this] { Guarded([this] { chkOnTop_Click(); }); });

    // Key preview: the window sees every key pressed in it before the control with the focus does.
    qApp->installEventFilter(this);
}

int frmMain::SelectedCategory() const {
    for (int index = 0; index < kCategoryCount; ++index) {
        if (c_.optType[static_cast<std::size_t>(index)]->isChecked()) {
            return index;
        }
    }
    return -1;
}

void frmMain::cmdCompute_Click() {
    Guarded([this] { ComputeCommand(); });
}

void frmMain::cmdCopyClip_Click() {
    Guarded([this] { PutPlainTextOnClipboard(c_.LblOut->text()); });
}

void frmMain::cmdExit_Click() {
    Guarded([this] { close(); });
}

void frmMain::Form_Load() {
    // The unit lists and the value box get their flat frames before anything else happens.
    quorlex::FlattenControls(*this);
    setWindowTitle(FromStd(
        CaptionWithVersion(windowTitle().toStdString(), kVersionMajor, kVersionMinor, kVersionRevision)));
    c_.optType[0]->setChecked(true);
    resultValue_ = 0.0;
    c_.vsDecPlaces->setValue(0);
}

void frmMain::optType_Click(int Index) {
    ++runs_.categorySelection;
    refillingLists_ = true;
    c_.cboSource->clear();
    c_.cboDest->clear();
    const auto &units = Catalogue()[static_cast<std::size_t>(Index)].units;
    for (std::size_t position = 0; position < units.size(); ++position) {
        const QString item = FromStd(UnitItemText(static_cast<int>(position), units[position].listText));
        c_.cboSource->addItem(item);
        c_.cboDest->addItem(item);
    }
    c_.cboDest->setCurrentIndex(0);
    c_.cboSource->setCurrentIndex(0);
    refillingLists_ = false;
    InputChanged();

    for (QRadioButton *option : c_.optType) {
        const bool selected = option->isChecked();
        SetBackColor(*option, selected ? kSelectedOptionBack : kOptionBack);
        SetForeColor(*option, selected ? kSelectedOptionText : kOptionText);
    }

    // While the window is hidden (start-up) this only marks the value box to get the focus when the window
    // is shown.
    c_.txtIn->setFocus(Qt::OtherFocusReason);
}

void frmMain::ComputeCommand() {
    ++runs_.computeCommand;
    SelectTypedDesiredUnit();
    const Input input = CurrentInput();
    const std::string valueText = input.value.toStdString();
    ConversionRequest request;
    request.category = input.category;
    request.sourceUnits = input.source;
    request.desiredUnits = input.desired;
    request.valueText = valueText;

    // Everything is worked out first; a run that fails leaves every label and the shown value as they were.
    const ConversionOutcome outcome = RunConversion(request);
    if (!outcome.Converted()) {
        ReportRefusal(outcome.refusal);
        return;
    }

    resultInput_ = input;
    ShowResultCurrent(true);
    c_.lblFactor->setText(FromStd(outcome.factorText));
    resultValue_ = outcome.resultValue;
    // Runs the decimal places change when the places differ from those shown, which re-renders the value.
    c_.vsDecPlaces->setValue(outcome.decimalPlaces);
    ShowResultText(RenderWithMask(resultValue_, formatMask_));
    if (outcome.formulaUsed) {
        c_.lblFactor->setText(QStringLiteral("Formula Used"));
    }
}

void frmMain::ReportRefusal(ConversionRefusal refusal) {
    switch (refusal) {
    case ConversionRefusal::NoDesiredUnit:
        reporter_->ShowNotice(this, windowTitle(),
                              QStringLiteral("A desired unit must be chosen from the list.\n\n"
                                             "The text in the desired units box is not one of the listed "
                                             "units, so nothing was converted."));
        break;
    case ConversionRefusal::NoSourceUnit:
        reporter_->ShowNotice(this, windowTitle(),
                              QStringLiteral("An original unit must be chosen from the list.\n\n"
                                             "Nothing was converted."));
        break;
    case ConversionRefusal::OutOfRange:
        reporter_->ShowNotice(this, windowTitle(),
                              QStringLiteral("This value cannot be converted: the value, or its converted "
                                             "result, is larger than the largest number this program can "
                                             "work with (about 1.8E+308).\n\nNothing was converted."));
        break;
    case ConversionRefusal::NotNumeric:
    case ConversionRefusal::NoCategory:
        reporter_->Beep();
        break;
    case ConversionRefusal::None:
        break;
    }
}

void frmMain::vsDecPlaces_Change() {
    ++runs_.decimalPlacesChange;
    const int places = c_.vsDecPlaces->value();
    c_.lblDecPlaces->setText(FromStd(GeneralText(places)));
    formatMask_ = FormatMaskFor(places);
    ShowResultText(RenderWithMask(resultValue_, formatMask_));
}

frmMain::Input frmMain::CurrentInput() const {
    return {SelectedCategory(), ListIndex(*c_.cboSource), ListIndex(*c_.cboDest), c_.txtIn->text()};
}

// A desired unit typed rather than picked selects the item it names in the selected category, by the
// catalogue's lookup of unit names: the item text or the unit's name in any letter case and spacing, or
// its symbol or an alias exactly. Runs when the typing is done (Compute, or the focus leaving the list),
// so that the text is not replaced under the user's fingers. Text that names no unit stays as typed.
void frmMain::SelectTypedDesiredUnit() {
    QComboBox &dest = *c_.cboDest;
    if (ListIndex(dest) >= 0) {
        return;
    }
    const auto unit = LookupUnitIn(SelectedCategory(), dest.currentText().toStdString());
    if (unit && *unit < dest.count()) {
        SelectItem(dest, *unit);
    }
}

// Once the category, a unit list's position or the value differs from what the shown result was
// converted from, the result is for the previous input: it stays shown until the next Compute, greyed.
void frmMain::InputChanged() {
    if (refillingLists_ || resultStale_ || !resultInput_) {
        return;
    }
    if (CurrentInput() != *resultInput_) {
        ShowResultCurrent(false);
    }
}

void frmMain::ShowResultCurrent(bool current) {
    resultStale_ = !current;
    const QPalette::ColorGroup group = current ? QPalette::Active : QPalette::Disabled;
    DrawTextAs(*c_.LblOut, group);
    DrawTextAs(*c_.lblFactor, group);
    ShowResultTip();
}

// The shown value, whole however long it is, or what a greyed result stands for.
void frmMain::ShowResultTip() {
    c_.LblOut->setToolTip(resultStale_ ? kStaleResultTip : ToolTipWithinScreens(c_.LblOut->text()));
}

void frmMain::ShowResultText(const std::string &text) {
    c_.LblOut->setText(FromStd(text));
    ShowResultTip();
    // A text too long for the label starts at its left edge, so that its leading digits stay visible.
    c_.LblOut->setAlignment((ShowsLeftJustified(text) ? Qt::AlignLeft : Qt::AlignRight) | Qt::AlignVCenter);
}

void frmMain::txtIn_Change() {
    const bool numeric = IsNumericText(c_.txtIn->text().toStdString());
    SetForeColor(*c_.txtIn, numeric ? kNumericText : kNotNumericText);
    c_.cmdCompute->setEnabled(numeric);
}

void frmMain::chkOnTop_Click() {
    SetStayOnTop(*this, c_.chkOnTop->isChecked());
}

void frmMain::Form_KeyPress(int keyAscii) {
    if (keyAscii != kEnterKeyAscii) {
        return;
    }
    if (c_.cmdCompute->isEnabled()) {
        ComputeCommand();
    } else {
        reporter_->Beep();
    }
}

void frmMain::cmd_MouseEnter(CoolButton &button) {
    button.SetBackColor(kHoverFace);
    button.SetColorDarkShadow(kHoverEdges);
    button.SetColorLightShadow(kHoverEdges);
    button.SetColorHighlight(kHoverEdges);
}

void frmMain::cmd_MouseLeave(CoolButton &button) {
    button.SetBackColor(kPlainFace);
    button.SetColorDarkShadow(kPlainEdges);
    button.SetColorLightShadow(kPlainEdges);
    button.SetColorHighlight(kPlainEdges);
}

bool frmMain::eventFilter(QObject *watched, QEvent *event) {
    if (event->type() == QEvent::FocusOut && watched == c_.cboDest &&
        static_cast<QFocusEvent *>(event)->reason() != Qt::PopupFocusReason) {
        Guarded([this] { SelectTypedDesiredUnit(); });
        return false;
    }
    if (event->type() == QEvent::ShortcutOverride) {
        enterOnItsWay_ = {}; // a new key press begins: the last one has gone its whole way
        return false;
    }
    if (event->type() != QEvent::KeyPress || !watched->isWidgetType()) {
        return false;
    }
    auto *widget = static_cast<QWidget *>(watched);
    const auto *key = static_cast<QKeyEvent *>(event);
    if (widget->window() != this || (key->key() != Qt::Key_Return && key->key() != Qt::Key_Enter)) {
        return false;
    }
    // A key press travels on to the parents of a control that ignores it. The window takes it once, from
    // the control it was sent to, and knows the later steps by the event itself: a message box that the
    // Compute command opens moves the focus away, so the focus cannot tell them apart.
    if (key == enterOnItsWay_.key && enterOnItsWay_.sentTo && widget->isAncestorOf(enterOnItsWay_.sentTo)) {
        if (widget == this) {
            enterOnItsWay_ = {}; // the window is the last step
        }
        return false;
    }
    Guarded([this] { Form_KeyPress(kEnterKeyAscii); });
    if (widget == c_.cmdCompute) {
        // A focused push button clicks on Enter, and this one would run the command a second time.
        enterOnItsWay_ = {};
        return true;
    }
    enterOnItsWay_ = {key, widget};
    // The key goes on to the control unchanged: a focused Copy or Exit button clicks on it.
    return false;
}

} // namespace quorlex
