#include "WindowTest.h"
#include "engine/Catalogue.h"
#include "styling/FlattenControls.h"
#include "ui/Version.h"
#include "ui/VersionCaption.h"
#include "widgets/CoolButton.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QStyle>
#include <QStyleOptionComboBox>
#include <cmath>

using namespace quorlex;

class frmMainStartUpTest : public quorlex::test::WindowTest {
    Q_OBJECT

private slots:
    void titleCarriesTheBuildVersion();
    void captionWithVersion_data();
    void captionWithVersion();
    void startUpState();
    void startUpRunsEachHandlerOnce();
    void startUpGivesTheListsAndValueBoxFlatFrames();
    void controlsAtDesignedPlaces_data();
    void controlsAtDesignedPlaces();
    void windowHasFixedClientSize();
    void tabOrderFollowsTabIndexes();
    void designedFontsAndColours();
    void groupCaptionBreaksTheFrameLine();
    void everyControlHasAnAccessibleName();
    void captionsFitTheirControls_data();
    void captionsFitTheirControls();
    void everyUnitFitsItsList();
    void iconIs64Pixels();

private:
    QWidget *Named(const QString &name, int index = -1) const;
};

QWidget *frmMainStartUpTest::Named(const QString &name, int index) const {
    for (QWidget *widget : f.window->findChildren<QWidget *>(name)) {
        if (index < 0 || widget->property("Index").toInt() == index) {
            return widget;
        }
    }
    return nullptr;
}

void frmMainStartUpTest::titleCarriesTheBuildVersion() {
    QCOMPARE(f.window->windowTitle(), QStringLiteral("Units of Measure Conversion, Version - 3.3.0"));
    QCOMPARE(kVersionMajor * 10000 + kVersionMinor * 100 + kVersionRevision, 30300);
}

void frmMainStartUpTest::captionWithVersion_data() {
    QTest::addColumn<int>("major");
    QTest::addColumn<int>("minor");
    QTest::addColumn<int>("revision");
    QTest::addColumn<QString>("expected");
    QTest::newRow("3.0.4") << 3 << 0 << 4 << "Units of Measure Conversion, Version - 3.0.4";
    QTest::newRow("3.1.12") << 3 << 1 << 12 << "Units of Measure Conversion, Version - 3.1.12";
    QTest::newRow("10.0.0") << 10 << 0 << 0 << "Units of Measure Conversion, Version - 10.0.0";
}

void frmMainStartUpTest::captionWithVersion() {
    QFETCH(int, major);
    QFETCH(int, minor);
    QFETCH(int, revision);
    QFETCH(QString, expected);
    QCOMPARE(
        QString::fromStdString(CaptionWithVersion("Units of Measure Conversion", major, minor, revision)),
        expected);
}

void frmMainStartUpTest::startUpState() {
    const auto &c = f.c();
    const QStringList weight{"0- Grams", "1- Ounces", "2- Pounds", "3- KiloGrams", "4- Tons", "5- MegaGrams"};
    for (QComboBox *list : {c.cboSource, c.cboDest}) {
        QStringList items;
        for (int i = 0; i < list->count(); ++i) {
            items << list->itemText(i);
        }
        QCOMPARE(items, weight);
        QCOMPARE(list->currentIndex(), 0);
        QCOMPARE(list->currentText(), QStringLiteral("0- Grams"));
    }
    QVERIFY(c.optType[0]->isChecked());
    QCOMPARE(f.window->SelectedCategory(), 0);
    QCOMPARE(c.txtIn->text(), QStringLiteral("1"));
    QCOMPARE(f.Shown(), QStringLiteral("0"));
    QCOMPARE(f.Factor(), QStringLiteral("12"));
    QCOMPARE(c.lblDecPlaces->text(), QStringLiteral("0"));
    QCOMPARE(c.vsDecPlaces->value(), 0);
    QCOMPARE(f.window->FormatMask(), std::string("########0"));
    QCOMPARE(f.window->ResultValue(), 0.0);
    QVERIFY(!c.chkOnTop->isChecked());
    QVERIFY(c.cmdCompute->isEnabled());
    QCOMPARE(c.txtIn->palette().color(QPalette::Text), QColor(0, 0, 0));
    QCOMPARE(QApplication::focusWidget(), c.txtIn);
    QVERIFY(f.reporter.Silent());
}

void frmMainStartUpTest::startUpRunsEachHandlerOnce() {
    QCOMPARE(f.window->Runs().categorySelection, 1);
    QCOMPARE(f.window->Runs().decimalPlacesChange, 1);
    QCOMPARE(f.window->Runs().computeCommand, 0);
}

void frmMainStartUpTest::startUpGivesTheListsAndValueBoxFlatFrames() {
    // Each new window adds a painter for cboSource, cboDest and txtIn to the program-wide list.
    const auto before = FlatControlCount();
    frmMain another(&f.reporter);
    QCOMPARE(FlatControlCount(), before + 3);

    // The value box has the focus after start-up: its frame, drawn on the window around it, is raised.
    const frmMainControls &c = f.c();
    QTRY_COMPARE(QApplication::focusWidget(), static_cast<QWidget *>(c.txtIn));
    const QImage shot = f.window->grab().toImage();
    const QRect box = c.txtIn->geometry();
    const QPalette palette = f.window->palette();
    const int middle = box.center().y();
    QCOMPARE(shot.pixelColor(box.left() - 2, middle).rgb(),
             palette.color(QPalette::Active, QPalette::Light).rgb());
    QCOMPARE(shot.pixelColor(box.right() + 2, middle).rgb(),
             palette.color(QPalette::Active, QPalette::Dark).rgb());
    // The second ring, on the value box's designed border, is the button face.
    QCOMPARE(shot.pixelColor(box.left() - 1, middle).rgb(),
             palette.color(QPalette::Active, QPalette::Button).rgb());
}

void frmMainStartUpTest::controlsAtDesignedPlaces_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("index");
    QTest::addColumn<QRect>("twips");
    QTest::addColumn<int>("inset");
    // Left, top, width, height in twips, as designed; the option buttons relative to Frame1. The value box
    // gives one pixel on every side to its flat frame.
    const auto row = [](const char *tag, const char *name, int index, int l, int t, int w, int h,
                        int inset = 0) {
        QTest::newRow(tag) << QString::fromLatin1(name) << index << QRect(l, t, w, h) << inset;
    };
    row("Frame1", "Frame1", -1, 150, 30, 6495, 2070);
    row("Label1(0)", "Label1", 0, 105, 2160, 2235, 255);
    row("cmdCompute", "cmdCompute", -1, 5100, 2430, 1470, 315);
    row("cboSource", "cboSource", -1, 105, 2445, 3525, 315);
    row("txtIn", "txtIn", -1, 3705, 2445, 1230, 315, 1);
    row("Label1(1)", "Label1", 1, 105, 2835, 2235, 255);
    row("cmdCopyClip", "cmdCopyClip", -1, 5100, 3090, 1470, 315);
    row("LblOut", "LblOut", -1, 3705, 3105, 1230, 315);
    row("cboDest", "cboDest", -1, 105, 3135, 3525, 315);
    row("chkOnTop", "chkOnTop", -1, 5490, 3555, 1050, 250);
    row("vsDecPlaces", "vsDecPlaces", -1, 4950, 3570, 360, 240);
    row("Label2", "Label2", -1, 90, 3585, 1425, 255);
    row("lblFactor", "lblFactor", -1, 1620, 3585, 1530, 255);
    row("Label4", "Label4", -1, 3345, 3585, 1170, 255);
    row("lblDecPlaces", "lblDecPlaces", -1, 4650, 3585, 435, 255);
    row("cmdExit", "cmdExit", -1, 5100, 3990, 1470, 315);
    row("Label3", "Label3", -1, 75, 4035, 4890, 240);
    row("optType(0)", "optType", 0, 150, 420, 1990, 195);
    row("optType(1)", "optType", 1, 150, 660, 1990, 195);
    row("optType(2)", "optType", 2, 150, 900, 1990, 195);
    row("optType(3)", "optType", 3, 150, 1140, 1990, 195);
    row("optType(4)", "optType", 4, 150, 1380, 1990, 195);
    row("optType(15)", "optType", 15, 150, 1620, 1990, 195);
    row("optType(5)", "optType", 5, 2220, 405, 1990, 195);
    row("optType(6)", "optType", 6, 2220, 645, 1990, 195);
    row("optType(7)", "optType", 7, 2220, 885, 1990, 195);
    row("optType(8)", "optType", 8, 2220, 1125, 1990, 195);
    row("optType(9)", "optType", 9, 2220, 1365, 1990, 195);
    row("optType(16)", "optType", 16, 2220, 1605, 1990, 195);
    row("optType(10)", "optType", 10, 4380, 390, 1990, 195);
    row("optType(11)", "optType", 11, 4380, 645, 1990, 195);
    row("optType(12)", "optType", 12, 4380, 885, 1990, 195);
    row("optType(13)", "optType", 13, 4380, 1125, 1990, 195);
    row("optType(14)", "optType", 14, 4380, 1365, 1990, 195);
}

void frmMainStartUpTest::controlsAtDesignedPlaces() {
    QFETCH(QString, name);
    QFETCH(int, index);
    QFETCH(QRect, twips);
    QFETCH(int, inset);
    QWidget *control = Named(name, index);
    QVERIFY(control);
    // 15 twips to the pixel, rounded to the nearest pixel.
    const auto px = [](int t) { return static_cast<int>(std::lround(t / 15.0)); };
    QCOMPARE(control->geometry(),
             QRect(px(twips.left()), px(twips.top()), px(twips.width()), px(twips.height()))
                 .adjusted(inset, inset, -inset, -inset));
    QVERIFY(control->isVisible());
}

void frmMainStartUpTest::windowHasFixedClientSize() {
    QCOMPARE(f.window->size(), QSize(448, 292));
    QCOMPARE(f.window->minimumSize(), QSize(448, 292));
    QCOMPARE(f.window->maximumSize(), QSize(448, 292));
}

void frmMainStartUpTest::tabOrderFollowsTabIndexes() {
    // Tab indexes 0 txtIn, 1 cboSource, 2 cboDest; the option buttons are one stop, the selected one, at
    // the lowest of their tab indexes (6); then chkOnTop 28, vsDecPlaces 29 and the buttons 31 to 33.
    const QStringList expected{"txtIn",       "cboSource",  "cboDest",     "optType(0)", "chkOnTop",
                               "vsDecPlaces", "cmdCompute", "cmdCopyClip", "cmdExit"};
    QStringList order;
    QWidget *widget = f.c().txtIn;
    do {
        if (widget->focusPolicy() & Qt::TabFocus && !widget->focusProxy() &&
            widget->window() == f.window.get() && widget != f.window.get()) {
            QString name = widget->objectName();
            if (widget->property("Index").isValid()) {
                name += QStringLiteral("(%1)").arg(widget->property("Index").toInt());
            }
            order << name;
        }
        widget = widget->nextInFocusChain();
    } while (widget != f.c().txtIn);
    QCOMPARE(order, expected);
}

void frmMainStartUpTest::designedFontsAndColours() {
    const auto &c = f.c();
    QCOMPARE(c.LblOut->font().pointSizeF(), 8.25);
    QVERIFY(c.LblOut->font().bold());
    QCOMPARE(QFontInfo(c.Label3->font()).family(), QStringLiteral("Liberation Sans"));
    QCOMPARE(c.Label3->font().pointSizeF(), 8.25);
    QCOMPARE(c.Label3->palette().color(QPalette::WindowText), QColor(0, 64, 64));
    QVERIFY(c.Label3->text().contains(QStringLiteral("Quorlex project")));
    QCOMPARE(QFontInfo(f.window->font()).family(), QStringLiteral("Liberation Sans"));
    QCOMPARE(f.window->font().pointSizeF(), 8.25);
    QCOMPARE(c.Frame1->title(), QStringLiteral("Convert "));

    const QImage out = c.LblOut->grab().toImage();
    QCOMPARE(QColor(out.pixel(out.width() / 4, out.height() / 2)), QColor(192, 255, 192));
    const QImage places = c.lblDecPlaces->grab().toImage();
    QCOMPARE(QColor(places.pixel(places.width() - 12, 2)), QApplication::palette().color(QPalette::Base));

    for (CoolButton *button : {c.cmdCompute, c.cmdCopyClip, c.cmdExit}) {
        QCOMPARE(button->BackColor(), OleColor{0xFFC0C0});
        QCOMPARE(button->ColorDarkShadow(), OleColor{0x8000000E});
        QCOMPARE(button->ColorLightShadow(), OleColor{0x80000012});
        QCOMPARE(button->ColorHighlight(), OleColor{0});
        QCOMPARE(button->Style(), 1);
    }
    QCOMPARE(c.cmdCompute->text(), QStringLiteral("Compute"));
    QCOMPARE(c.cmdCopyClip->text(), QStringLiteral("Copy to Clipboard"));
    QCOMPARE(c.cmdExit->text(), QStringLiteral("Exit"));
}

void frmMainStartUpTest::groupCaptionBreaksTheFrameLine() {
    QGroupBox *frame = f.c().Frame1;
    const QImage look = frame->grab().toImage();
    const QRgb dark = frame->palette().color(QPalette::Dark).rgb();
    const QRgb light = frame->palette().color(QPalette::Light).rgb();
    // The caption's glyphs: the black pixels above the first option button.
    QRect glyphs;
    for (int y = 0; y < f.c().optType[10]->y(); ++y) {
        for (int x = 0; x < look.width(); ++x) {
            if (qGray(look.pixel(x, y)) < 64) {
                glyphs |= QRect(x, y, 1, 1);
            }
        }
    }
    QVERIFY(glyphs.width() > 20);
    // The etched top line (dark, light below it) runs at the caption's mid-height, right of the caption.
    int top = 0;
    while (top < look.height() && look.pixel(look.width() - 20, top) != dark) {
        ++top;
    }
    QVERIFY2(qAbs(top - glyphs.center().y()) <= 2, qPrintable(QStringLiteral("line at %1").arg(top)));
    QCOMPARE(look.pixel(look.width() - 20, top + 1), light);
    // A gap behind the caption: neither line shows between its glyphs.
    for (int x = glyphs.left(); x <= glyphs.right(); ++x) {
        QVERIFY(look.pixel(x, top) != dark && look.pixel(x, top + 1) != light);
    }
    // The left line starts at the top line and keeps clear of the caption's first letter.
    QVERIFY(look.pixel(0, top - 1) != dark);
    QCOMPARE(look.pixel(0, top), dark);
    QCOMPARE(look.pixel(0, look.height() / 2), dark);
    QCOMPARE(look.pixel(1, look.height() / 2), light);
    QVERIFY(glyphs.left() >= 4);
}

void frmMainStartUpTest::everyControlHasAnAccessibleName() {
    QStringList missing;
    for (QWidget *widget : f.window->findChildren<QWidget *>()) {
        if (widget->objectName().isEmpty() || widget->objectName().startsWith(QLatin1String("qt_"))) {
            continue; // parts the controls make of themselves
        }
        if (widget->accessibleName().isEmpty()) {
            missing << widget->objectName();
        }
    }
    QVERIFY2(missing.isEmpty(), qPrintable(missing.join(QStringLiteral(", "))));
    for (QWidget *widget :
         {static_cast<QWidget *>(f.c().txtIn), static_cast<QWidget *>(f.c().cboSource),
          static_cast<QWidget *>(f.c().cboDest), static_cast<QWidget *>(f.c().LblOut),
          static_cast<QWidget *>(f.c().lblFactor), static_cast<QWidget *>(f.c().vsDecPlaces)}) {
        QVERIFY2(!widget->accessibleDescription().isEmpty(), qPrintable(widget->objectName()));
    }
}

void frmMainStartUpTest::captionsFitTheirControls_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("index");
    for (const char *name :
         {"Label1", "Label2", "Label4", "Label3", "chkOnTop", "cmdCompute", "cmdCopyClip", "cmdExit"}) {
        const int index = QByteArray(name) == "Label1" ? 0 : -1;
        QTest::newRow(name) << QString::fromLatin1(name) << index;
    }
    QTest::newRow("Label1(1)") << "Label1" << 1;
    for (int i = 0; i < kCategoryCount; ++i) {
        QTest::newRow(qPrintable(QStringLiteral("optType(%1)").arg(i))) << "optType" << i;
    }
}

void frmMainStartUpTest::captionsFitTheirControls() {
    QFETCH(QString, name);
    QFETCH(int, index);
    QWidget *control = Named(name, index);
    QVERIFY(control);
    QString text;
    int reserved = 0;
    if (auto *label = qobject_cast<QLabel *>(control)) {
        text = label->text();
    } else if (auto *option = qobject_cast<QRadioButton *>(control)) {
        text = option->text();
        reserved = control->style()->pixelMetric(QStyle::PM_ExclusiveIndicatorWidth) +
                   control->style()->pixelMetric(QStyle::PM_RadioButtonLabelSpacing);
    } else if (auto *check = qobject_cast<QCheckBox *>(control)) {
        text = check->text();
        reserved = control->style()->pixelMetric(QStyle::PM_IndicatorWidth) +
                   control->style()->pixelMetric(QStyle::PM_CheckBoxLabelSpacing);
    } else if (auto *button = qobject_cast<CoolButton *>(control)) {
        text = button->text();
        reserved = 4;
    }
    QVERIFY(!text.isEmpty());
    const QFontMetricsF metrics(control->font());
    QVERIFY2(metrics.horizontalAdvance(text) + reserved <= control->width(),
             qPrintable(QStringLiteral("%1 needs %2 of %3")
                            .arg(text)
                            .arg(metrics.horizontalAdvance(text) + reserved)
                            .arg(control->width())));
    QVERIFY(metrics.height() <= control->height() + 1);
}

void frmMainStartUpTest::everyUnitFitsItsList() {
    QComboBox *list = f.c().cboSource;
    QStyleOptionComboBox option;
    option.initFrom(list);
    option.editable = false;
    option.frame = true;
    const QRect field =
        list->style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, list);
    const QFontMetricsF metrics(list->font());
    for (const auto &category : Catalogue()) {
        for (std::size_t p = 0; p < category.units.size(); ++p) {
            const QString item =
                QString::fromStdString(UnitItemText(static_cast<int>(p), category.units[p].listText));
            QVERIFY2(metrics.horizontalAdvance(item) + 2 <= field.width(),
                     qPrintable(QStringLiteral("%1 needs %2 of %3")
                                    .arg(item)
                                    .arg(metrics.horizontalAdvance(item))
                                    .arg(field.width())));
        }
    }
}

void frmMainStartUpTest::iconIs64Pixels() {
    const QIcon icon = f.window->windowIcon();
    QVERIFY(!icon.isNull());
    QVERIFY(icon.availableSizes().contains(QSize(64, 64)));
}

QTEST_MAIN(frmMainStartUpTest)
#include "frmMainStartUpTest.moc"
