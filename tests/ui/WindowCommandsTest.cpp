#include "WindowTest.h"
#include "widgets/ComboListIndex.h"
#include "widgets/StayOnTop.h"

#include <QAbstractItemView>
#include <QCheckBox>
#include <QClipboard>
#include <QEnterEvent>
#include <QMessageBox>
#include <QMimeData>
#include <QPushButton>
#include <QTimer>
#include <algorithm>
#include <cmath>

using namespace quorlex;

class WindowCommandsTest : public quorlex::test::WindowTest {
    Q_OBJECT

private slots:
    void enterRunsComputeOnce_data();
    void enterRunsComputeOnce();
    void enterRunsComputeOnceWhateverClosesItsMessage_data();
    void enterRunsComputeOnceWhateverClosesItsMessage();
    void enterWithNonNumericValueConvertsNothing();
    void enterInAnOpenListOnlyPicks();
    void typedDesiredUnit_data();
    void typedDesiredUnit();
    void copyPutsTheShownText_data();
    void copyPutsTheShownText();
    void onTopKeepsGeometry();
    void hoverColours_data();
    void hoverColours();
    void focusIsClearlyVisible_data();
    void focusIsClearlyVisible();
    void exitClosesTheWindow();

private:
    QWidget *Control(const QString &name) const;
};

QWidget *WindowCommandsTest::Control(const QString &name) const {
    const auto &c = f.c();
    if (name == QLatin1String("optType")) {
        return c.optType[0];
    }
    return f.window->findChild<QWidget *>(name);
}

void WindowCommandsTest::enterRunsComputeOnce_data() {
    QTest::addColumn<QString>("focus");
    QTest::addColumn<Qt::Key>("key");
    for (const char *name : {"txtIn", "cboSource", "cboDest", "optType", "chkOnTop", "vsDecPlaces",
                             "cmdCompute", "cmdCopyClip", "cmdExit"}) {
        QTest::newRow(name) << QString::fromLatin1(name) << Qt::Key_Return;
    }
    QTest::newRow("keypad-Enter") << "txtIn" << Qt::Key_Enter;
    QTest::newRow("cmdCopyClip-keypad-Enter") << "cmdCopyClip" << Qt::Key_Enter;
}

void WindowCommandsTest::enterRunsComputeOnce() {
    QFETCH(QString, focus);
    QFETCH(Qt::Key, key);
    QGuiApplication::clipboard()->setText(QStringLiteral("something else"));
    f.ChooseUnits(0, 1);
    QWidget *control = Control(focus);
    QVERIFY(control);
    control->setFocus();
    QCOMPARE(QApplication::focusWidget(), control);

    QTest::keyClick(control, key);
    QCOMPARE(f.window->Runs().computeCommand, 1);
    QCOMPARE(f.Shown(), QStringLiteral("0.03527"));
    // The key then goes on to the control with the focus: a focused push button clicks, Copy copying what
    // Compute has just shown, Exit closing the window; other controls do nothing with it.
    QCOMPARE(QGuiApplication::clipboard()->text(), focus == QLatin1String("cmdCopyClip")
                                                       ? QStringLiteral("0.03527")
                                                       : QStringLiteral("something else"));
    QCOMPARE(f.window->isVisible(), focus != QLatin1String("cmdExit"));
    QVERIFY(!f.c().chkOnTop->isChecked());
    QVERIFY(f.reporter.Silent());
}

namespace {

// Closes every message box as soon as it shows, the way the user does: a key on its focused button, or
// a click on it (Qt::Key_unknown).
class MessageCloser : public QObject {
public:
    explicit MessageCloser(Qt::Key key) : key_(key) { qApp->installEventFilter(this); }
    int closed = 0;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override {
        auto *box = qobject_cast<QMessageBox *>(watched);
        if (box && event->type() == QEvent::Show) {
            QTimer::singleShot(0, box, [this, box] {
                ++closed;
                if (key_ == Qt::Key_unknown) {
                    QTest::mouseClick(box->defaultButton(), Qt::LeftButton);
                } else {
                    QTest::keyClick(box->defaultButton(), key_);
                }
            });
        }
        return false;
    }

private:
    Qt::Key key_;
};

} // namespace

void WindowCommandsTest::enterRunsComputeOnceWhateverClosesItsMessage_data() {
    QTest::addColumn<QString>("focus");
    QTest::addColumn<Qt::Key>("close");
    QTest::newRow("txtIn-Escape") << "txtIn" << Qt::Key_Escape;
    QTest::newRow("txtIn-Space") << "txtIn" << Qt::Key_Space;
    QTest::newRow("txtIn-Enter") << "txtIn" << Qt::Key_Return;
    QTest::newRow("txtIn-mouse") << "txtIn" << Qt::Key_unknown;
    for (const char *name : {"cboDest", "chkOnTop", "vsDecPlaces"}) {
        QTest::newRow(name) << name << Qt::Key_Escape;
    }
}

void WindowCommandsTest::enterRunsComputeOnceWhateverClosesItsMessage() {
    QFETCH(QString, focus);
    QFETCH(Qt::Key, close);
    QVERIFY(f.Open(true));
    MessageCloser closer(close);
    f.TypeValue(QStringLiteral("1e400"));
    QWidget *control = Control(focus);
    control->setFocus();
    QTest::keyClick(control, Qt::Key_Return);
    QCOMPARE(f.window->Runs().computeCommand, 1);
    QCOMPARE(closer.closed, 1);
    QCOMPARE(f.guard.TakeUnexpected().size(), 1);
}

void WindowCommandsTest::enterWithNonNumericValueConvertsNothing() {
    f.TypeValue(QStringLiteral("abc"));
    QVERIFY(!f.c().cmdCompute->isEnabled());
    QTest::keyClick(f.c().txtIn, Qt::Key_Return);
    QCOMPARE(f.window->Runs().computeCommand, 0);
    QCOMPARE(f.reporter.beeps, 1);
    QCOMPARE(f.Shown(), QStringLiteral("0"));
    QCOMPARE(f.Factor(), QStringLiteral("12"));

    // Nor does a run from code convert a text that is not a number.
    f.window->cmdCompute_Click();
    QCOMPARE(f.Factor(), QStringLiteral("12"));
    QCOMPARE(f.reporter.beeps, 2);
}

void WindowCommandsTest::enterInAnOpenListOnlyPicks() {
    QComboBox *source = f.c().cboSource;
    source->showPopup();
    QAbstractItemView *popup = source->view();
    QTRY_VERIFY(popup->isVisible());
    QTest::keyClick(popup, Qt::Key_Down);
    QTest::keyClick(popup, Qt::Key_Return);
    QTRY_VERIFY(!popup->isVisible());
    QCOMPARE(source->currentIndex(), 1);
    QCOMPARE(f.window->Runs().computeCommand, 0);
}

void WindowCommandsTest::typedDesiredUnit_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("done");  // Enter, the Compute button, or Tab away from the list
    QTest::addColumn<int>("listIndex"); // -1: names no Weight unit
    QTest::newRow("an-item") << "2- Pounds"
                             << "Enter" << 2;
    QTest::newRow("the-name") << "Pounds"
                              << "Enter" << 2;
    QTest::newRow("the-name-in-other-case") << "pounds"
                                            << "button" << 2;
    QTest::newRow("an-item-in-other-case") << "2- pounds"
                                           << "Enter" << 2;
    QTest::newRow("pasted-with-its-line-break") << "3- KiloGrams\n"
                                                << "button" << 3;
    QTest::newRow("blanks-around") << "  kilograms "
                                   << "Enter" << 3;
    QTest::newRow("a-blank-inside-a-word") << "kilo grams"
                                           << "Enter" << -1;
    QTest::newRow("repeated-blanks") << "3-   KiloGrams"
                                     << "Tab" << 3;
    QTest::newRow("the-symbol") << "lb"
                                << "Tab" << 2;
    QTest::newRow("symbol-case-counts") << "Mg"
                                        << "Enter" << 5;
    QTest::newRow("symbol-in-the-wrong-case") << "mg"
                                              << "Enter" << -1;
    QTest::newRow("an-alias") << "tonne"
                              << "button" << 5;
    QTest::newRow("another-category's-unit") << "Meters"
                                             << "Enter" << -1;
    QTest::newRow("other-text") << "abc"
                                << "Tab" << -1;
    QTest::newRow("empty") << ""
                           << "Enter" << -1;
}

void WindowCommandsTest::typedDesiredUnit() {
    QFETCH(QString, typed);
    QFETCH(QString, done);
    QFETCH(int, listIndex);
    QComboBox *dest = f.c().cboDest;
    dest->setFocus();
    dest->lineEdit()->selectAll();
    dest->lineEdit()->del();
    if (typed.contains(QLatin1Char('\n'))) {
        QGuiApplication::clipboard()->setText(typed);
        dest->lineEdit()->paste();
    } else {
        QTest::keyClicks(dest->lineEdit(), typed);
    }
    const QString shown = dest->currentText();
    // Nothing is looked up while typing.
    QCOMPARE(shown.simplified(), typed.simplified());

    if (done == QLatin1String("Tab")) {
        QTest::keyClick(dest, Qt::Key_Tab);
        QVERIFY(!dest->hasFocus());
        QCOMPARE(f.window->Runs().computeCommand, 0);
    } else if (done == QLatin1String("button")) {
        QTest::mouseClick(f.c().cmdCompute, Qt::LeftButton);
    } else {
        QTest::keyClick(dest, Qt::Key_Return);
    }
    QCOMPARE(dest->count(), 6);
    QCOMPARE(ListIndex(*dest), listIndex);
    // A named unit shows as its item; other text stays as typed.
    QCOMPARE(dest->currentText(), listIndex >= 0 ? dest->itemText(listIndex) : shown);
    if (done != QLatin1String("Tab")) {
        QCOMPARE(f.window->Runs().computeCommand, 1);
        QCOMPARE(f.reporter.notices.size(), listIndex < 0 ? 1 : 0);
        QCOMPARE(f.Factor() == QStringLiteral("12"), listIndex < 0);
    }
}

void WindowCommandsTest::copyPutsTheShownText_data() {
    QTest::addColumn<int>("source");
    QTest::addColumn<int>("desired");
    QTest::addColumn<int>("places");
    QTest::addColumn<QString>("copied");
    QTest::newRow("after-start-up") << -1 << -1 << -1 << "0";
    QTest::newRow("after-a-run") << 0 << 1 << -1 << "0.03527";
    QTest::newRow("after-fewer-places") << 0 << 1 << 2 << "0.04";
}

void WindowCommandsTest::copyPutsTheShownText() {
    QFETCH(int, source);
    QFETCH(int, desired);
    QFETCH(int, places);
    QFETCH(QString, copied);
    QGuiApplication::clipboard()->setText(QStringLiteral("something else"));
    if (source >= 0) {
        f.Convert(0, source, desired, QStringLiteral("1"));
    }
    if (places >= 0) {
        f.c().vsDecPlaces->setValue(places);
    }
    QTest::mouseClick(f.c().cmdCopyClip, Qt::LeftButton);
    const QMimeData *data = QGuiApplication::clipboard()->mimeData();
    QVERIFY(data);
    QCOMPARE(data->text(), copied);
    QCOMPARE(data->formats(), QStringList{QStringLiteral("text/plain")});
}

void WindowCommandsTest::onTopKeepsGeometry() {
    const QRect before = f.window->geometry();
    QTest::mouseClick(f.c().chkOnTop, Qt::LeftButton);
    QVERIFY(f.c().chkOnTop->isChecked());
    QVERIFY(IsStayOnTop(*f.window));
    QVERIFY(f.window->isVisible());
    QCOMPARE(f.window->geometry(), before);

    QTest::mouseClick(f.c().chkOnTop, Qt::LeftButton);
    QVERIFY(!IsStayOnTop(*f.window));
    QVERIFY(f.window->isVisible());
    QCOMPARE(f.window->geometry(), before);
}

void WindowCommandsTest::hoverColours_data() {
    QTest::addColumn<QString>("button");
    QTest::newRow("cmdCompute") << "cmdCompute";
    QTest::newRow("cmdCopyClip") << "cmdCopyClip";
    QTest::newRow("cmdExit") << "cmdExit";
}

void WindowCommandsTest::hoverColours() {
    QFETCH(QString, button);
    auto *cool = f.window->findChild<CoolButton *>(button);
    QVERIFY(cool);
    const QPointF centre = QRectF(cool->rect()).center();
    QEnterEvent enter(centre, cool->mapToGlobal(centre), cool->mapToGlobal(centre));
    QApplication::sendEvent(cool, &enter);
    QCOMPARE(cool->BackColor(), OleColor{0xC0FFFF});
    QCOMPARE(cool->ColorDarkShadow(), OleColor{0x0080FF});
    QCOMPARE(cool->ColorLightShadow(), OleColor{0x0080FF});
    QCOMPARE(cool->ColorHighlight(), OleColor{0x0080FF});
    QImage look = cool->grab().toImage();
    QCOMPARE(QColor(look.pixel(4, look.height() / 2)), QColor(255, 255, 192));
    QCOMPARE(QColor(look.pixel(0, 0)), QColor(255, 128, 0));

    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(cool, &leave);
    QCOMPARE(cool->BackColor(), OleColor{0xFFC0C0});
    QCOMPARE(cool->ColorDarkShadow(), OleColor{0});
    QCOMPARE(cool->ColorLightShadow(), OleColor{0});
    QCOMPARE(cool->ColorHighlight(), OleColor{0});
    look = cool->grab().toImage();
    QCOMPARE(QColor(look.pixel(4, look.height() / 2)), QColor(192, 192, 255));
    QCOMPARE(QColor(look.pixel(look.width() - 1, look.height() - 1)), QColor(0, 0, 0));
}

namespace {

// The contrast ratio of two colours as accessibility guidelines define it: (L1 + 0.05) / (L2 + 0.05) of
// their relative luminances, the lighter one first.
double ContrastRatio(const QColor &a, const QColor &b) {
    const auto luminance = [](const QColor &color) {
        const auto linear = [](double channel) {
            return channel <= 0.04045 ? channel / 12.92 : std::pow((channel + 0.055) / 1.055, 2.4);
        };
        return 0.2126 * linear(color.redF()) + 0.7152 * linear(color.greenF()) +
               0.0722 * linear(color.blueF());
    };
    const double first = luminance(a);
    const double second = luminance(b);
    return (std::max(first, second) + 0.05) / (std::min(first, second) + 0.05);
}

} // namespace

void WindowCommandsTest::focusIsClearlyVisible_data() {
    QTest::addColumn<QString>("control");
    QTest::addColumn<bool>("hovered");
    QTest::addColumn<int>("inset"); // where the focus ring's left line runs, from the control's left edge
    QTest::addColumn<int>("width");
    QTest::newRow("cmdCompute") << "cmdCompute" << false << 3 << 1;
    QTest::newRow("cmdCopyClip-under-the-pointer") << "cmdCopyClip" << true << 3 << 1;
    QTest::newRow("cmdExit") << "cmdExit" << false << 3 << 1;
    QTest::newRow("vsDecPlaces") << "vsDecPlaces" << false << 0 << 2;
}

void WindowCommandsTest::focusIsClearlyVisible() {
    QFETCH(QString, control);
    QFETCH(bool, hovered);
    QFETCH(int, inset);
    QFETCH(int, width);
    QWidget *widget = Control(control);
    QVERIFY(widget);
    if (hovered) {
        const QPointF centre = QRectF(widget->rect()).center();
        QEnterEvent enter(centre, widget->mapToGlobal(centre), widget->mapToGlobal(centre));
        QApplication::sendEvent(widget, &enter);
    }
    const QRect place = widget->geometry();
    const int y = place.center().y();
    const QPoint ring(place.left() + inset, y);
    const QColor unfocused(f.window->grab().toImage().pixel(ring));

    widget->setFocus();
    QCOMPARE(QApplication::focusWidget(), widget);
    const QImage look = f.window->grab().toImage();
    const QColor drawn(look.pixel(ring));
    QVERIFY(drawn != unfocused);
    // The ring, as wide as it is, against what lies just outside and just inside it.
    for (int x = ring.x(); x < ring.x() + width; ++x) {
        QCOMPARE(QColor(look.pixel(x, y)), drawn);
    }
    for (const int x : {ring.x() - 1, ring.x() + width}) {
        const QColor around(look.pixel(x, y));
        QVERIFY2(ContrastRatio(drawn, around) >= 3.0, qPrintable(QStringLiteral("%1 against %2: %3")
                                                                     .arg(drawn.name(), around.name())
                                                                     .arg(ContrastRatio(drawn, around))));
    }
}

void WindowCommandsTest::exitClosesTheWindow() {
    QTest::mouseClick(f.c().cmdExit, Qt::LeftButton);
    QVERIFY(!f.window->isVisible());
}

QTEST_MAIN(WindowCommandsTest)
#include "WindowCommandsTest.moc"
