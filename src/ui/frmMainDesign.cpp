#include "ui/frmMainDesign.h"

#include "numbers/DecimalPlaces.h"
#include "ui/ProgramLook.h"
#include "widgets/ComboListIndex.h"
#include "widgets/ControlColors.h"
#include "widgets/CoolButton.h"
#include "widgets/FocusRing.h"
#include "widgets/OptionGroupTabStop.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QScrollBar>
#include <algorithm>
#include <utility>
#include <vector>

// The icon lives in this library's resources, which a program linking the library must register itself.
static void RegisterIconResource() {
    Q_INIT_RESOURCE(quorlex);
}

namespace quorlex {

namespace {

// A control's designed place, in twips from the top-left corner of its container.
struct Place {
    int left;
    int top;
    int width;
    int height;
};

void Put(QWidget &control, const char *name, Place place) {
    control.setObjectName(QString::fromLatin1(name));
    control.setGeometry(TwipsToPixels(place.left), TwipsToPixels(place.top), TwipsToPixels(place.width),
                        TwipsToPixels(place.height));
}

void Describe(QWidget &control, const QString &name, const QString &description) {
    control.setAccessibleName(name);
    control.setAccessibleDescription(description);
}

// The option buttons' places inside the frame and their tab indexes, by category index.
struct OptionDesign {
    int left;
    int top;
    int tabIndex;
};
constexpr int kOptionWidth = 1990;
constexpr int kOptionHeight = 195;
constexpr std::array<OptionDesign, kCategoryCount> kOptionDesign{{
    {150, 420, 17},   // 0 Weight
    {150, 660, 16},   // 1 Length
    {150, 900, 15},   // 2 Area
    {150, 1140, 14},  // 3 Bulk Density
    {150, 1380, 20},  // 4 Area  Intensity
    {2220, 405, 13},  // 5 Heat Content
    {2220, 645, 12},  // 6 Speed
    {2220, 885, 11},  // 7 Fireline Intensity
    {2220, 1125, 10}, // 8 Energy
    {2220, 1365, 19}, // 9 Fuel Load
    {4380, 390, 9},   // 10 Basal Area
    {4380, 645, 8},   // 11 Temperature
    {4380, 885, 7},   // 12 Pressure
    {4380, 1125, 6},  // 13 Angle
    {4380, 1365, 18}, // 14 Heat Per Unit Area
    {150, 1620, 25},  // 15 Slope
    {2220, 1605, 30}, // 16 Surface/Volume Ratio
}};

constexpr OleColor kButtonFace = OleRgb(192, 192, 255);       // &HFFC0C0
constexpr OleColor kButtonDarkShadow = SystemColor(14);       // &H8000000E
constexpr OleColor kButtonLightShadow = SystemColor(18);      // &H80000012
constexpr OleColor kButtonHighlight = OleRgb(0, 0, 0);        // &H00000000
constexpr OleColor kResultBackground = OleRgb(192, 255, 192); // light green
constexpr OleColor kCreditsText = OleRgb(0, 64, 64);          // dark teal
constexpr OleColor kWindowText = SystemColor(SysColor::WindowText);

QLabel *MakeLabel(QWidget &form, const char *name, Place place, const QString &caption) {
    auto *label = new QLabel(caption, &form);
    Put(*label, name, place);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return label;
}

CoolButton *MakeButton(QWidget &form, const char *name, Place place, const QString &caption) {
    auto *button = new CoolButton(&form);
    Put(*button, name, place);
    button->setText(caption);
    button->SetBackColor(kButtonFace);
    button->SetColorDarkShadow(kButtonDarkShadow);
    button->SetColorLightShadow(kButtonLightShadow);
    button->SetColorHighlight(kButtonHighlight);
    button->SetStyle(1);
    return button;
}

using TabStop = std::pair<int, QWidget *>; // a control and its tab index

bool ByTabIndex(const TabStop &a, const TabStop &b) {
    return a.first < b.first;
}

// The keyboard order: each control that can take the focus after the one with the next lower tab index;
// controls with the same index keep the order they are given in.
void SetTabOrder(std::vector<TabStop> controls) {
    std::stable_sort(controls.begin(), controls.end(), ByTabIndex);
    for (std::size_t i = 1; i < controls.size(); ++i) {
        QWidget::setTabOrder(controls[i - 1].second, controls[i].second);
    }
}

} // namespace

frmMainControls BuildControls(QWidget &form) {
    frmMainControls c;

    form.setObjectName(QStringLiteral("frmMain"));
    form.setWindowTitle(QString::fromLatin1(kDesignedCaption));
    RegisterIconResource();
    form.setWindowIcon(QIcon(QStringLiteral(":/icons/quorlex-64.png")));
    form.setFont(DialogFont());
    form.setFixedSize(TwipsToPixels(kClientWidthTwips), TwipsToPixels(kClientHeightTwips));
    form.setAccessibleName(QStringLiteral("Units of Measure Conversion"));
    form.setAccessibleDescription(QStringLiteral(
        "Converts a value from one unit of measure to another for wildland-fire and fuels work"));

    // Labels come first, so that the other controls lie above them where they overlap, as controls with a
    // window of their own lie above labels (the decimal-places arrows over the right end of its label).
    c.Label1[0] =
        MakeLabel(form, "Label1", {105, 2160, 2235, 255}, QStringLiteral("Original Units and Value"));
    c.Label1[0]->setProperty("Index", 0);
    c.Label1[1] =
        MakeLabel(form, "Label1", {105, 2835, 2235, 255}, QStringLiteral("Desired Units and Value"));
    c.Label1[1]->setProperty("Index", 1);

    c.LblOut = MakeLabel(form, "LblOut", {3705, 3105, 1230, 315}, QStringLiteral("0"));
    c.LblOut->setFont(ResultFont());
    c.LblOut->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    c.LblOut->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    c.LblOut->setTextInteractionFlags(Qt::NoTextInteraction);
    SetBackColor(*c.LblOut, kResultBackground);
    SetForeColor(*c.LblOut, kWindowText);
    Describe(
        *c.LblOut, QStringLiteral("Converted value"),
        QStringLiteral("The value converted to the desired unit, with the chosen number of decimal places"));

    c.Label2 = MakeLabel(form, "Label2", {90, 3585, 1425, 255}, QStringLiteral("Multipication Factor:"));
    c.lblFactor = MakeLabel(form, "lblFactor", {1620, 3585, 1530, 255}, QStringLiteral("12"));
    SetForeColor(*c.lblFactor, kWindowText);
    Describe(
        *c.lblFactor, QStringLiteral("Multiplication factor"),
        QStringLiteral("The factor the value was multiplied by, or Formula Used for temperature and slope"));

    c.Label4 = MakeLabel(form, "Label4", {3345, 3585, 1170, 255}, QStringLiteral("Decimal Places:"));
    c.lblDecPlaces = MakeLabel(form, "lblDecPlaces", {4650, 3585, 435, 255}, QStringLiteral("2"));
    SetBackColor(*c.lblDecPlaces, SystemColor(SysColor::Window));
    SetForeColor(*c.lblDecPlaces, kWindowText);
    Describe(*c.lblDecPlaces, QStringLiteral("Number of decimal places"),
             QStringLiteral("How many decimal places the converted value is shown with"));

    c.Label3 = MakeLabel(form, "Label3", {75, 4035, 4890, 240}, QStringLiteral("Quorlex project, 2025-2026"));
    c.Label3->setFont(CreditsFont());
    SetForeColor(*c.Label3, kCreditsText);
    Describe(*c.Label3, QStringLiteral("Credits"), QStringLiteral("Who made this program, and when"));

    for (QLabel *label : {c.Label1[0], c.Label1[1], c.Label2, c.Label4}) {
        Describe(*label, label->text(), QString());
    }

    c.Frame1 = new QGroupBox(QStringLiteral("Convert "), &form);
    Put(*c.Frame1, "Frame1", {150, 30, 6495, 2070});
    SetForeColor(*c.Frame1, kWindowText);
    Describe(*c.Frame1, QStringLiteral("Convert"), QStringLiteral("The kind of quantity to convert"));
    for (int index = 0; index < kCategoryCount; ++index) {
        const auto &design = kOptionDesign[static_cast<std::size_t>(index)];
        const auto &category = Catalogue()[static_cast<std::size_t>(index)];
        const QString caption =
            QString::fromUtf8(category.caption.data(), static_cast<qsizetype>(category.caption.size()));
        auto *option = new QRadioButton(caption, c.Frame1);
        Put(*option, "optType", {design.left, design.top, kOptionWidth, kOptionHeight});
        option->setProperty("Index", index);
        SetForeColor(*option, kWindowText);
        Describe(*option, caption.simplified(),
                 QStringLiteral("Convert %1 units").arg(caption.simplified().toLower()));
        c.optType[static_cast<std::size_t>(index)] = option;
    }

    c.cmdCompute = MakeButton(form, "cmdCompute", {5100, 2430, 1470, 315}, QStringLiteral("Compute"));
    Describe(*c.cmdCompute, QStringLiteral("Compute"),
             QStringLiteral("Converts the value to the desired unit (Enter does the same)"));

    c.cboSource = new QComboBox(&form);
    Put(*c.cboSource, "cboSource", {105, 2445, 3525, 315});
    Describe(*c.cboSource, QStringLiteral("Original unit"), QStringLiteral("The unit the value is given in"));

    c.txtIn = new QLineEdit(QStringLiteral("1"), &form);
    Put(*c.txtIn, "txtIn", {3705, 2445, 1230, 315});
    Describe(*c.txtIn, QStringLiteral("Value to convert"),
             QStringLiteral("The value in the original unit; shown in red while it is not a number"));

    c.cmdCopyClip =
        MakeButton(form, "cmdCopyClip", {5100, 3090, 1470, 315}, QStringLiteral("Copy to Clipboard"));
    Describe(*c.cmdCopyClip, QStringLiteral("Copy to Clipboard"),
             QStringLiteral("Copies the converted value, as shown, to the clipboard"));

    c.cboDest = new QComboBox(&form);
    Put(*c.cboDest, "cboDest", {105, 3135, 3525, 315});
    c.cboDest->setEditable(true);
    FollowTypedText(*c.cboDest);
    Describe(*c.cboDest, QStringLiteral("Desired unit"), QStringLiteral("The unit to convert the value to"));

    c.chkOnTop = new QCheckBox(QStringLiteral("On Top"), &form);
    Put(*c.chkOnTop, "chkOnTop", {5490, 3555, 1050, 250});
    SetForeColor(*c.chkOnTop, kWindowText);
    Describe(*c.chkOnTop, QStringLiteral("On Top"),
             QStringLiteral("Keeps this window above all other windows"));

    c.vsDecPlaces = new QScrollBar(Qt::Horizontal, &form);
    Put(*c.vsDecPlaces, "vsDecPlaces", {4950, 3570, 360, 240});
    c.vsDecPlaces->setRange(0, kMaxDecimalPlaces);
    c.vsDecPlaces->setSingleStep(1);
    c.vsDecPlaces->setPageStep(1);
    // The right arrow, the Right key and Up increase; the left arrow, Left and Down decrease.
    c.vsDecPlaces->setInvertedControls(false);
    c.vsDecPlaces->setFocusPolicy(Qt::StrongFocus);
    ShowFocusRing(*c.vsDecPlaces);
    c.vsDecPlaces->setValue(1);
    Describe(*c.vsDecPlaces, QStringLiteral("Decimal places"),
             QStringLiteral("Fewer or more decimal places for the converted value"));

    c.cmdExit = MakeButton(form, "cmdExit", {5100, 3990, 1470, 315}, QStringLiteral("Exit"));
    Describe(*c.cmdExit, QStringLiteral("Exit"), QStringLiteral("Closes the program"));

    std::vector<TabStop> order{
        {0, c.txtIn},        {1, c.cboSource},   {2, c.cboDest},      {28, c.chkOnTop},
        {29, c.vsDecPlaces}, {31, c.cmdCompute}, {32, c.cmdCopyClip}, {33, c.cmdExit},
    };
    // The option buttons are one stop, at the place of the lowest tab index among them; inside the group
    // they follow their own tab indexes.
    std::vector<TabStop> options;
    options.reserve(kCategoryCount);
    for (int index = 0; index < kCategoryCount; ++index) {
        options.emplace_back(kOptionDesign[static_cast<std::size_t>(index)].tabIndex,
                             c.optType[static_cast<std::size_t>(index)]);
    }
    std::sort(options.begin(), options.end(), ByTabIndex);
    for (const auto &option : options) {
        order.emplace_back(options.front().first, option.second);
    }
    SetTabOrder(std::move(order));
    KeepOneTabStop(c.optType);
    return c;
}

} // namespace quorlex
