#include "styling/messages/WindowFunctions.h"

#include "styling/messages/WindowMessages.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QTest>
#include <memory>

using namespace quorlex;
using namespace quorlex::messages;

class WindowFunctionsTest : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void handlesFollowTheWidgetsLife();
    void rectanglesAreInScreenOrClientCoordinates();
    void parentIsTheContainingWidget();
    void firstChild_data();
    void firstChild();
    void comboStyleBit_data();
    void comboStyleBit();
    void findsChildrenByTypeName();
    void droppedStateFollowsTheList();
    void focusAndCursorAreTheApplications();
    void comboButtonLiesInTheClientArea();
    void pointInRectangle_data();
    void pointInRectangle();

private:
    std::unique_ptr<QWidget> form_;
    QGroupBox *group_ = nullptr;
    QLineEdit *edit_ = nullptr;
    QComboBox *listCombo_ = nullptr;
    QComboBox *editCombo_ = nullptr;
};

void WindowFunctionsTest::init() {
    form_ = std::make_unique<QWidget>();
    form_->resize(400, 300);
    group_ = new QGroupBox("Convert ", form_.get());
    group_->setGeometry(10, 10, 200, 100);
    edit_ = new QLineEdit(group_);
    edit_->setGeometry(5, 20, 80, 24);
    new QLabel("Original Units and Value", form_.get());
    listCombo_ = new QComboBox(form_.get());
    listCombo_->addItems({"0- Grams", "1- Kilograms"});
    listCombo_->setGeometry(10, 150, 200, 24);
    editCombo_ = new QComboBox(form_.get());
    editCombo_->setEditable(true);
    editCombo_->setGeometry(10, 200, 200, 24);
    form_->show();
    QVERIFY(QTest::qWaitForWindowExposed(form_.get()));
}

void WindowFunctionsTest::cleanup() {
    form_.reset();
}

void WindowFunctionsTest::handlesFollowTheWidgetsLife() {
    QCOMPARE(HandleOf(nullptr), 0);
    QCOMPARE(WidgetOf(0), nullptr);
    auto *first = new QLabel(form_.get());
    const WindowHandle handle = HandleOf(first);
    QVERIFY(handle != 0);
    QCOMPARE(HandleOf(first), handle);
    QCOMPARE(WidgetOf(handle), first);
    QVERIFY(HandleOf(edit_) != handle);

    delete first;
    auto *second = new QLabel(form_.get()); // may take the address of the first

    QCOMPARE(WidgetOf(handle), nullptr);
    QVERIFY(HandleOf(second) != handle);
}

void WindowFunctionsTest::rectanglesAreInScreenOrClientCoordinates() {
    const WindowHandle edit = HandleOf(edit_);
    const QPoint origin = edit_->mapToGlobal(QPoint(0, 0));
    PixelRect window;
    QVERIFY(WindowRect(edit, window));
    QCOMPARE(window, (PixelRect{origin.x(), origin.y(), origin.x() + 80, origin.y() + 24}));

    PixelRect client;
    QVERIFY(ClientRect(edit, client));
    QCOMPARE(client, (PixelRect{0, 0, 80, 24}));

    PixelPoint topLeft{window.left, window.top};
    QVERIFY(MapScreenToClient(HandleOf(group_), topLeft));
    QCOMPARE(topLeft, (PixelPoint{5, 20}));

    PixelRect none{1, 2, 3, 4};
    QVERIFY(!WindowRect(0, none));
    QCOMPARE(none, PixelRect{});
}

void WindowFunctionsTest::parentIsTheContainingWidget() {
    QCOMPARE(ParentWindow(HandleOf(edit_)), HandleOf(group_));
    QCOMPARE(ParentWindow(HandleOf(group_)), HandleOf(form_.get()));
    QCOMPARE(ParentWindow(HandleOf(form_.get())), 0);
    QCOMPARE(ParentWindow(0), 0);
}

void WindowFunctionsTest::firstChild_data() {
    QTest::addColumn<QString>("window");
    QTest::addColumn<int>("command");
    QTest::addColumn<QString>("expected");
    QTest::newRow("editable-combo-text-part") << "editCombo" << kFirstChild << "editComboText";
    QTest::newRow("list-combo-has-none") << "listCombo" << kFirstChild << "";
    QTest::newRow("group-box") << "group" << kFirstChild << "edit";
    QTest::newRow("other-command") << "group" << 2 << "";
}

void WindowFunctionsTest::firstChild() {
    QFETCH(QString, window);
    QFETCH(int, command);
    QFETCH(QString, expected);
    const QHash<QString, QWidget *> widgets{{"editCombo", editCombo_},
                                            {"editComboText", editCombo_->lineEdit()},
                                            {"listCombo", listCombo_},
                                            {"group", group_},
                                            {"edit", edit_}};
    QCOMPARE(RelatedWindow(HandleOf(widgets.value(window)), command), HandleOf(widgets.value(expected)));
}

void WindowFunctionsTest::comboStyleBit_data() {
    QTest::addColumn<QString>("window");
    QTest::addColumn<int>("index");
    QTest::addColumn<int>("style");
    QTest::newRow("editable-combo") << "editCombo" << kWindowLongStyle << kComboStyleDropDown;
    QTest::newRow("list-combo") << "listCombo" << kWindowLongStyle << kComboStyleDropDownList;
    QTest::newRow("text-box") << "edit" << kWindowLongStyle << 0;
    QTest::newRow("other-index") << "listCombo" << -20 << 0;
}

void WindowFunctionsTest::comboStyleBit() {
    QFETCH(QString, window);
    QFETCH(int, index);
    QFETCH(int, style);
    const QHash<QString, QWidget *> widgets{
        {"editCombo", editCombo_}, {"listCombo", listCombo_}, {"edit", edit_}};
    QCOMPARE(WindowLong(HandleOf(widgets.value(window)), index), style);
}

void WindowFunctionsTest::findsChildrenByTypeName() {
    const WindowHandle form = HandleOf(form_.get());
    QCOMPARE(FindChildWindow(form, 0, "ComboBox"), HandleOf(listCombo_));
    QCOMPARE(FindChildWindow(form, HandleOf(listCombo_), "ComboBox"), HandleOf(editCombo_));
    QCOMPARE(FindChildWindow(form, HandleOf(editCombo_), "ComboBox"), 0);
    QCOMPARE(FindChildWindow(form, 0, "TextBox"), 0); // the text box sits in the group box
}

void WindowFunctionsTest::droppedStateFollowsTheList() {
    const WindowHandle combo = HandleOf(listCombo_);
    QCOMPARE(SendWindowMessage(combo, kComboGetDroppedState, 0, 0), 0);
    listCombo_->showPopup();
    QCoreApplication::processEvents();
    QCOMPARE(SendWindowMessage(combo, kComboGetDroppedState, 0, 0), 1);
    QCOMPARE(SendWindowMessage(combo, kComboGetDroppedState + 1, 0, 0), 0);
    listCombo_->hidePopup();
    QCoreApplication::processEvents();
    QCOMPARE(SendWindowMessage(combo, kComboGetDroppedState, 0, 0), 0);
    QCOMPARE(SendWindowMessage(HandleOf(edit_), kComboGetDroppedState, 0, 0), 0);
}

void WindowFunctionsTest::focusAndCursorAreTheApplications() {
    edit_->setFocus();
    QCOMPARE(FocusWindow(), HandleOf(edit_));
    editCombo_->setFocus();
    QCOMPARE(FocusWindow(), HandleOf(editCombo_)); // the combo box, not its text part

    const QPoint target = form_->mapToGlobal(QPoint(7, 9));
    QCursor::setPos(target);
    PixelPoint cursor;
    QVERIFY(CursorPos(cursor));
    QCOMPARE(cursor, (PixelPoint{target.x(), target.y()}));
}

void WindowFunctionsTest::comboButtonLiesInTheClientArea() {
    PixelRect client;
    PixelRect button;
    QVERIFY(ClientRect(HandleOf(listCombo_), client));
    QVERIFY(ComboBoxButtonRect(HandleOf(listCombo_), button));
    QVERIFY(button.left > client.left + client.right / 2);
    QVERIFY(button.right <= client.right);
    QVERIFY(button.right > button.left);
    QVERIFY(!ComboBoxButtonRect(HandleOf(edit_), button));
    QVERIFY(SystemMetric(kHScrollThumbWidth) > 0);
}

void WindowFunctionsTest::pointInRectangle_data() {
    QTest::addColumn<int>("x");
    QTest::addColumn<int>("y");
    QTest::addColumn<bool>("inside");
    // The rectangle is 10, 20, 30, 40.
    QTest::newRow("top-left-corner") << 10 << 20 << true;
    QTest::newRow("last-pixel") << 29 << 39 << true;
    QTest::newRow("right-edge") << 30 << 25 << false;
    QTest::newRow("bottom-edge") << 15 << 40 << false;
    QTest::newRow("left-of-it") << 9 << 25 << false;
    QTest::newRow("above-it") << 15 << 19 << false;
}

void WindowFunctionsTest::pointInRectangle() {
    QFETCH(int, x);
    QFETCH(int, y);
    QFETCH(bool, inside);
    QCOMPARE(PointInRect(PixelRect{10, 20, 30, 40}, PixelPoint{x, y}), inside);
}

QTEST_MAIN(WindowFunctionsTest)
#include "WindowFunctionsTest.moc"
