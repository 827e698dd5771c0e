#include "errors/RuntimeError.h"
#include "styling/messages/ControlProperties.h"
#include "styling/messages/ControlTypeName.h"
#include "styling/messages/FormControls.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFontComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QSlider>
#include <QTest>
#include <functional>
#include <memory>

using namespace quorlex;
using namespace quorlex::messages;

using WidgetFactory = std::function<QWidget *(QWidget *)>;
Q_DECLARE_METATYPE(WidgetFactory)

class ControlsTest : public QObject {
    Q_OBJECT

private slots:
    void typeNames_data();
    void typeNames();
    void controlsComeInPlacingOrder();
    void flatLookProperties();
    void propertiesOfOtherControlsRaise();
};

void ControlsTest::typeNames_data() {
    QTest::addColumn<WidgetFactory>("make");
    QTest::addColumn<QString>("typeName");
    QTest::addColumn<bool>("hasWindow");

    auto row = [](const char *name, const WidgetFactory &make, const char *typeName, bool hasWindow = true) {
        QTest::newRow(name) << make << QString(typeName) << hasWindow;
    };
    row(
        "combo", [](QWidget *p) { return new QComboBox(p); }, "ComboBox");
    row(
        "font-combo", [](QWidget *p) { return new QFontComboBox(p); }, "ComboBox");
    row(
        "line-edit", [](QWidget *p) { return new QLineEdit(p); }, "TextBox");
    row(
        "plain-text-edit", [](QWidget *p) { return new QPlainTextEdit(p); }, "TextBox");
    row(
        "label", [](QWidget *p) { return new QLabel(p); }, "Label", false);
    row(
        "push-button", [](QWidget *p) { return new QPushButton(p); }, "CommandButton");
    row(
        "radio-button", [](QWidget *p) { return new QRadioButton(p); }, "OptionButton");
    row(
        "check-box", [](QWidget *p) { return new QCheckBox(p); }, "CheckBox");
    row(
        "group-box", [](QWidget *p) { return new QGroupBox(p); }, "Frame");
    row(
        "horizontal-scroll-bar", [](QWidget *p) { return new QScrollBar(Qt::Horizontal, p); }, "HScrollBar");
    row(
        "vertical-scroll-bar", [](QWidget *p) { return new QScrollBar(Qt::Vertical, p); }, "VScrollBar");
    row(
        "slider-by-class-name", [](QWidget *p) { return new QSlider(p); }, "QSlider");
    row(
        "window", [](QWidget *) { return new QWidget; }, "Form");
}

void ControlsTest::typeNames() {
    QFETCH(WidgetFactory, make);
    QFETCH(QString, typeName);
    QFETCH(bool, hasWindow);
    QWidget form;
    QWidget *control = make(&form);
    QCOMPARE(QString::fromStdString(TypeName(*control)), typeName);
    QCOMPARE(HasWindow(*control), hasWindow);
    if (control->parent() == nullptr) {
        delete control;
    }
}

void ControlsTest::controlsComeInPlacingOrder() {
    QWidget form;
    auto *label = new QLabel("Original Units and Value", &form);
    auto *group = new QGroupBox("Convert ", &form);
    auto *weight = new QRadioButton("Weight", group);
    auto *length = new QRadioButton("Length", group);
    auto *combo = new QComboBox(&form);
    combo->setEditable(true);
    auto *panel = new QFrame(&form);
    auto *onTop = new QCheckBox("On Top", panel);
    auto *notes = new QPlainTextEdit(&form);
    auto *popup = new QWidget(&form, Qt::Popup);

    const std::vector<QWidget *> expected{label, group, weight, length, combo, panel, onTop, notes};
    QCOMPARE(Controls(form), expected); // no text part of the combo box, no viewport, no popup window
    QVERIFY(popup->isWindow());
}

void ControlsTest::flatLookProperties() {
    QWidget form;
    auto *combo = new QComboBox(&form);
    auto *edit = new QLineEdit(&form);
    auto *locked = new QLineEdit(&form);
    locked->setReadOnly(true);

    SetAppearance(*combo, 0);
    SetAppearance(*edit, 0);
    SetBorderStyle(*edit, 0);

    QVERIFY(!combo->hasFrame());
    QVERIFY(!edit->hasFrame());
    QVERIFY(!Locked(*edit));
    QVERIFY(Locked(*locked));
    QVERIFY(!Locked(*combo));
    SetBorderStyle(*edit, 1);
    QVERIFY(edit->hasFrame());
}

void ControlsTest::propertiesOfOtherControlsRaise() {
    QCheckBox box;
    const std::function<void()> uses[] = {[&] { SetAppearance(box, 0); }, [&] { SetBorderStyle(box, 0); },
                                          [&] { (void)Locked(box); }};
    for (const auto &use : uses) {
        try {
            use();
            QFAIL("a check box has none of these properties");
        } catch (const RuntimeError &error) {
            QCOMPARE(error.Number(), 438);
        }
    }
}

QTEST_MAIN(ControlsTest)
#include "ControlsTest.moc"
