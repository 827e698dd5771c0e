#include "TestPalette.h"
#include "styling/cFlatControl.h"
#include "styling/messages/SubclassComponent.h"
#include "styling/messages/WindowFunctions.h"
#include "styling/messages/WindowMessages.h"
#include "support/MessageProbe.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <memory>

using namespace quorlex;
using namespace quorlex::messages;
using quorlex::test::MessageProbe;

// The painter driven by the events a user causes: hovering, leaving, focusing, opening and closing a list.
// Its look is read from the screen: a combo box's frame lies in its own client area, a text box's on the
// form around it.
class FlatControlTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void startsFlat_data();
    void startsFlat();
    void hoverRaisesTheFrame_data();
    void hoverRaisesTheFrame();
    void tickWithCursorOutsideFlattens_data();
    void tickWithCursorOutsideFlattens();
    void tickWithCursorInsideKeepsTheFrame_data();
    void tickWithCursorInsideKeepsTheFrame();
    void repaintWhileHoveredKeepsTheFrame_data();
    void repaintWhileHoveredKeepsTheFrame();
    void focusRaisesAndEndsHoverTracking_data();
    void focusRaisesAndEndsHoverTracking();
    void hoverOnFocusedControlChangesNothing_data();
    void hoverOnFocusedControlChangesNothing();
    void losingFocusFlattens_data();
    void losingFocusFlattens();
    void disabledControlShowsTheDisabledRing_data();
    void disabledControlShowsTheDisabledRing();
    void openListShowsThePressedButton();
    void closingTheListRedrawsByFocus_data();
    void closingTheListRedrawsByFocus();
    void msgResponse_data();
    void msgResponse();
    void controlWithoutWindowLeavesPainterUnattached_data();
    void controlWithoutWindowLeavesPainterUnattached();
    void attachingAgainEndsTheFirstSubscriptionsFirst();
    void attachDependsOnTheKindOfControl_data();
    void attachDependsOnTheKindOfControl();
    void droppedDown_data();
    void droppedDown();
    void destroyingThePainterEndsItsSubscriptionsAndTimer();
    void controlDestroyedBeforeItsPainter();
    void subscriptionsMadeBeforeAFailureEndWithThePainter();

private:
    QWidget *Target(const QString &name) const;
    // The colour of the outer ring (at the control's left edge, half way down) and of the second ring.
    QColor RingColor(QWidget *target, int ring) const;
    void Hover(QWidget *target);
    void ParkCursor();

    test::TestPalette palette_;
    std::unique_ptr<QWidget> form_;
    QComboBox *combo_ = nullptr;
    QLineEdit *edit_ = nullptr;
    QComboBox *editCombo_ = nullptr;
    QLabel *label_ = nullptr;
    QPushButton *other_ = nullptr;
    std::unique_ptr<cFlatControl> painter_;
};

void FlatControlTest::initTestCase() {
    palette_.Apply();
}

void FlatControlTest::init() {
    form_ = std::make_unique<QWidget>();
    form_->resize(420, 260);
    combo_ = new QComboBox(form_.get());
    combo_->addItems({"0- Grams", "1- Kilograms", "2- Pounds"});
    combo_->setGeometry(20, 20, 200, 24);
    edit_ = new QLineEdit("1", form_.get());
    edit_->setGeometry(20, 70, 100, 24);
    editCombo_ = new QComboBox(form_.get());
    editCombo_->setEditable(true);
    editCombo_->setGeometry(20, 120, 200, 24);
    label_ = new QLabel("Decimal Places:", form_.get());
    label_->setGeometry(250, 120, 100, 20);
    other_ = new QPushButton("Compute", form_.get());
    other_->setGeometry(260, 20, 100, 30);
    form_->show();
    QVERIFY(QTest::qWaitForWindowExposed(form_.get()));
    other_->setFocus();
    ParkCursor();
    painter_ = std::make_unique<cFlatControl>();
}

void FlatControlTest::cleanup() {
    painter_.reset();
    form_.reset();
}

QWidget *FlatControlTest::Target(const QString &name) const {
    return name == "combo" ? static_cast<QWidget *>(combo_) : edit_;
}

QColor FlatControlTest::RingColor(QWidget *target, int ring) const {
    QCoreApplication::processEvents();
    if (qobject_cast<QComboBox *>(target) != nullptr) {
        const QImage image = target->grab().toImage();
        return image.pixelColor(ring, image.height() / 2);
    }
    const QImage image = form_->grab().toImage();
    const QRect geometry = target->geometry();
    return image.pixelColor(geometry.left() - 2 + ring, geometry.center().y());
}

void FlatControlTest::Hover(QWidget *target) {
    QTest::mouseMove(target, target->rect().center());
    QCoreApplication::processEvents();
}

void FlatControlTest::ParkCursor() {
    QTest::mouseMove(form_.get(), QPoint(410, 250));
    QCoreApplication::processEvents();
}

static void AddTargets() {
    QTest::addColumn<QString>("target");
    QTest::newRow("combo-box") << "combo";
    QTest::newRow("text-box") << "edit";
}

void FlatControlTest::startsFlat_data() {
    AddTargets();
}

void FlatControlTest::startsFlat() {
    QFETCH(QString, target);
    painter_->Attach(Target(target));
    QCOMPARE(RingColor(Target(target), 0), palette_.face);
    QCOMPARE(RingColor(Target(target), 1), palette_.face);
}

void FlatControlTest::hoverRaisesTheFrame_data() {
    AddTargets();
}

void FlatControlTest::hoverRaisesTheFrame() {
    QFETCH(QString, target);
    painter_->Attach(Target(target));
    QCOMPARE(RingColor(Target(target), 0), palette_.face);

    Hover(Target(target));

    QCOMPARE(RingColor(Target(target), 0), palette_.highlight);
}

void FlatControlTest::tickWithCursorOutsideFlattens_data() {
    AddTargets();
}

void FlatControlTest::tickWithCursorOutsideFlattens() {
    QFETCH(QString, target);
    painter_->Attach(Target(target));
    Hover(Target(target));
    QCOMPARE(RingColor(Target(target), 0), palette_.highlight);

    ParkCursor();

    QTRY_COMPARE(RingColor(Target(target), 0), palette_.face);
}

void FlatControlTest::tickWithCursorInsideKeepsTheFrame_data() {
    AddTargets();
}

void FlatControlTest::tickWithCursorInsideKeepsTheFrame() {
    QFETCH(QString, target);
    painter_->Attach(Target(target));
    Hover(Target(target));

    QTest::qWait(60);

    QCOMPARE(RingColor(Target(target), 0), palette_.highlight);
}

void FlatControlTest::repaintWhileHoveredKeepsTheFrame_data() {
    AddTargets();
}

void FlatControlTest::repaintWhileHoveredKeepsTheFrame() {
    QFETCH(QString, target);
    painter_->Attach(Target(target));
    Hover(Target(target));

    Target(target)->repaint();

    QCOMPARE(RingColor(Target(target), 0), palette_.highlight);
}

void FlatControlTest::focusRaisesAndEndsHoverTracking_data() {
    AddTargets();
}

void FlatControlTest::focusRaisesAndEndsHoverTracking() {
    QFETCH(QString, target);
    painter_->Attach(Target(target));
    Hover(Target(target));

    Target(target)->setFocus();
    ParkCursor();
    QTest::qWait(60); // a running hover timer would flatten the frame now

    QCOMPARE(RingColor(Target(target), 0), palette_.highlight);
}

void FlatControlTest::hoverOnFocusedControlChangesNothing_data() {
    AddTargets();
}

void FlatControlTest::hoverOnFocusedControlChangesNothing() {
    QFETCH(QString, target);
    painter_->Attach(Target(target));
    Target(target)->setFocus();
    QCOMPARE(RingColor(Target(target), 0), palette_.highlight);

    Hover(Target(target));
    ParkCursor();
    QTest::qWait(60); // no hover timer was started, so nothing flattens the frame

    QCOMPARE(RingColor(Target(target), 0), palette_.highlight);
}

void FlatControlTest::losingFocusFlattens_data() {
    AddTargets();
}

void FlatControlTest::losingFocusFlattens() {
    QFETCH(QString, target);
    painter_->Attach(Target(target));
    Target(target)->setFocus();
    QCOMPARE(RingColor(Target(target), 0), palette_.highlight);

    other_->setFocus();

    QCOMPARE(RingColor(Target(target), 0), palette_.face);
}

void FlatControlTest::disabledControlShowsTheDisabledRing_data() {
    AddTargets();
}

void FlatControlTest::disabledControlShowsTheDisabledRing() {
    QFETCH(QString, target);
    painter_->Attach(Target(target));
    QCOMPARE(RingColor(Target(target), 1), palette_.face);

    Target(target)->setEnabled(false);

    QCOMPARE(RingColor(Target(target), 0), palette_.face);
    QCOMPARE(RingColor(Target(target), 1), palette_.highlight);
    Target(target)->setEnabled(true);
    QCOMPARE(RingColor(Target(target), 1), palette_.face);
}

void FlatControlTest::openListShowsThePressedButton() {
    painter_->Attach(combo_);
    combo_->setFocus();
    PixelRect button;
    QVERIFY(ComboBoxButtonRect(HandleOf(combo_), button));
    const int buttonEdge = button.left + 1; // the drop button's left ring

    combo_->showPopup();
    QCoreApplication::processEvents();
    const QImage open = combo_->grab().toImage();
    combo_->hidePopup();
    QCoreApplication::processEvents();
    const QImage closed = combo_->grab().toImage();

    QCOMPARE(open.pixelColor(0, open.height() / 2), palette_.highlight);
    QCOMPARE(open.pixelColor(buttonEdge, open.height() / 2), palette_.shadow);
    QCOMPARE(closed.pixelColor(buttonEdge, closed.height() / 2), palette_.highlight);
}

void FlatControlTest::closingTheListRedrawsByFocus_data() {
    QTest::addColumn<bool>("focused");
    QTest::addColumn<bool>("raised");
    QTest::newRow("focused-combo-stays-raised") << true << true;
    QTest::newRow("unfocused-combo-goes-flat") << false << false;
}

void FlatControlTest::closingTheListRedrawsByFocus() {
    QFETCH(bool, focused);
    QFETCH(bool, raised);
    painter_->Attach(combo_);
    if (focused) {
        combo_->setFocus();
    }
    combo_->showPopup();
    QCoreApplication::processEvents();
    QCOMPARE(RingColor(combo_, 0), palette_.highlight);

    combo_->hidePopup();

    QCOMPARE(RingColor(combo_, 0), raised ? palette_.highlight : palette_.face);
}

void FlatControlTest::msgResponse_data() {
    QTest::addColumn<int>("msg");
    QTest::addColumn<int>("response");
    QTest::newRow("paint") << kMsgPaint << kResponseAfterControl;
    QTest::newRow("got-focus") << kMsgGotFocus << kResponseBeforeControl;
    QTest::newRow("mouse-move") << kMsgMouseMove << kResponseBeforeControl;
}

void FlatControlTest::msgResponse() {
    QFETCH(int, msg);
    QFETCH(int, response);
    painter_->Attach(combo_);
    painter_->SetMsgResponse(msg == kMsgPaint ? kResponseBeforeControl : kResponseAfterControl); // no effect
    MessageProbe probe;
    int answered = 0;
    probe.onMessage = [&](std::int32_t) { answered = painter_->MsgResponse(); };
    SubclassComponent::Global().SubscribeMessage(&probe, HandleOf(combo_), msg);

    combo_->repaint();
    combo_->setFocus();
    Hover(combo_);

    QCOMPARE(answered, response);
    QCOMPARE(painter_->MsgResponse(), kResponseBeforeControl); // between messages
    SubclassComponent::Global().UnsubscribeMessage(&probe, HandleOf(combo_), msg);
}

void FlatControlTest::controlWithoutWindowLeavesPainterUnattached_data() {
    QTest::addColumn<QString>("control");
    QTest::addColumn<bool>("attachedBefore");
    QTest::newRow("label") << "label" << false;
    QTest::newRow("no-control") << "" << false;
    QTest::newRow("label-after-combo") << "label" << true;
}

void FlatControlTest::controlWithoutWindowLeavesPainterUnattached() {
    QFETCH(QString, control);
    QFETCH(bool, attachedBefore);
    if (attachedBefore) {
        painter_->Attach(combo_);
        QVERIFY(SubclassComponent::Global().SubscriptionCount(painter_.get()) > 0);
    }
    const QRect labelGeometry = label_->geometry();

    painter_->Attach(control == "label" ? label_ : nullptr);

    QCOMPARE(SubclassComponent::Global().SubscriptionCount(painter_.get()), 0);
    QVERIFY(!painter_->DroppedDown());
    QCOMPARE(label_->geometry(), labelGeometry);
    if (attachedBefore) {
        combo_->showPopup();
        QCoreApplication::processEvents();
        QVERIFY(!painter_->DroppedDown());
        combo_->hidePopup();
    }
}

void FlatControlTest::attachingAgainEndsTheFirstSubscriptionsFirst() {
    SubclassComponent &component = SubclassComponent::Global();
    painter_->Attach(combo_);
    QVERIFY(component.IsSubscribed(painter_.get(), HandleOf(combo_), kMsgPaint));

    painter_->Attach(edit_);
    QVERIFY(!component.IsSubscribed(painter_.get(), HandleOf(combo_), kMsgPaint));
    QVERIFY(!component.IsSubscribed(painter_.get(), HandleOf(form_.get()), kMsgCommand));
    QCOMPARE(component.SubscriptionCount(painter_.get()), 6);

    // The same control once more: had the old subscriptions ended after the new ones began, none would
    // be left.
    painter_->Attach(edit_);
    QCOMPARE(component.SubscriptionCount(painter_.get()), 6);
    Hover(edit_);
    QCOMPARE(RingColor(edit_, 0), palette_.highlight);
}

void FlatControlTest::attachDependsOnTheKindOfControl_data() {
    QTest::addColumn<QString>("kind");
    QTest::addColumn<int>("subscriptions");
    QTest::addColumn<int>("inset");
    // Six messages of the control; an editable combo box's text part adds four, a combo box's parent one.
    QTest::newRow("combo-box") << "combo" << 7 << 0;
    QTest::newRow("editable-combo-box") << "editCombo" << 11 << 0;
    QTest::newRow("text-box") << "edit" << 6 << 1;
    QTest::newRow("option-button") << "radio" << 6 << 1;
    QTest::newRow("push-button") << "button" << 6 << 0;
    QTest::newRow("other-control") << "check" << 6 << 2;
}

void FlatControlTest::attachDependsOnTheKindOfControl() {
    QFETCH(QString, kind);
    QFETCH(int, subscriptions);
    QFETCH(int, inset);
    QWidget *control = nullptr;
    if (kind == "combo") {
        control = combo_;
    } else if (kind == "editCombo") {
        control = editCombo_;
    } else if (kind == "edit") {
        control = edit_;
    } else if (kind == "radio") {
        control = new QRadioButton("Weight", form_.get());
    } else if (kind == "button") {
        control = new QPushButton("Exit", form_.get());
    } else {
        control = new QCheckBox("On Top", form_.get());
    }
    control->setGeometry(40, 200, 80, 24);
    const QRect designed = control->geometry();

    painter_->Attach(control);

    QCOMPARE(SubclassComponent::Global().SubscriptionCount(painter_.get()), subscriptions);
    QCOMPARE(control->geometry(), designed.adjusted(inset, inset, -inset, -inset));
    if (kind == "editCombo") {
        QVERIFY(SubclassComponent::Global().IsSubscribed(painter_.get(), HandleOf(editCombo_->lineEdit()),
                                                         kMsgMouseMove));
    }
}

void FlatControlTest::droppedDown_data() {
    QTest::addColumn<QString>("attachedTo");
    QTest::addColumn<bool>("listOpen");
    QTest::addColumn<bool>("droppedDown");
    QTest::newRow("open-list-of-its-combo") << "combo" << true << true;
    QTest::newRow("closed-list") << "combo" << false << false;
    QTest::newRow("text-box") << "edit" << true << false;
    QTest::newRow("not-attached") << "" << true << false;
}

void FlatControlTest::droppedDown() {
    QFETCH(QString, attachedTo);
    QFETCH(bool, listOpen);
    QFETCH(bool, droppedDown);
    if (!attachedTo.isEmpty()) {
        painter_->Attach(Target(attachedTo));
    }
    if (listOpen) {
        combo_->showPopup();
        QCoreApplication::processEvents();
    }
    QCOMPARE(painter_->DroppedDown(), droppedDown);
    combo_->hidePopup();
}

void FlatControlTest::destroyingThePainterEndsItsSubscriptionsAndTimer() {
    painter_->Attach(combo_);
    MessageProbe ticks;
    SubclassComponent::Global().SubscribeMessage(&ticks, HandleOf(combo_), kMsgTimer);
    Hover(combo_);
    QTRY_VERIFY(ticks.Count(kMsgTimer) > 0);
    const ISubclass *gone = painter_.get();

    painter_.reset();
    const int ticksAtDestruction = ticks.Count(kMsgTimer);
    QTest::qWait(50);

    QCOMPARE(SubclassComponent::Global().SubscriptionCount(gone), 0);
    QCOMPARE(ticks.Count(kMsgTimer), ticksAtDestruction);
    SubclassComponent::Global().UnsubscribeMessage(&ticks, HandleOf(combo_), kMsgTimer);
}

void FlatControlTest::controlDestroyedBeforeItsPainter() {
    painter_->Attach(edit_);
    Hover(edit_);
    const QRect ring = edit_->geometry().adjusted(-2, -2, 2, 2);

    delete edit_;
    edit_ = nullptr;
    const QImage image = form_->grab().toImage();

    // The form paints without the frame of the control that is gone.
    QCOMPARE(image.pixelColor(ring.left(), ring.center().y()), form_->palette().color(QPalette::Window));
    QCOMPARE(SubclassComponent::Global().SubscriptionCount(painter_.get()), 0);
    QVERIFY(!painter_->DroppedDown());
    painter_->Attach(combo_);
    QCOMPARE(SubclassComponent::Global().SubscriptionCount(painter_.get()), 7);
}

void FlatControlTest::subscriptionsMadeBeforeAFailureEndWithThePainter() {
    // A combo box without a parent: nothing can hear its notifications, so the last subscription fails.
    QComboBox lonely;
    lonely.addItems({"0- Grams", "1- Kilograms"});
    painter_->Attach(&lonely);
    QCOMPARE(SubclassComponent::Global().SubscriptionCount(painter_.get()), 6);
    const ISubclass *gone = painter_.get();

    painter_.reset();
    lonely.show();
    lonely.repaint(); // must not reach the destroyed painter

    QCOMPARE(SubclassComponent::Global().SubscriptionCount(gone), 0);
}

QTEST_MAIN(FlatControlTest)
#include "FlatControlTest.moc"
