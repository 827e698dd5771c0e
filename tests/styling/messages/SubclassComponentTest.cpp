#include "styling/messages/SubclassComponent.h"

#include "errors/RuntimeError.h"
#include "styling/messages/WindowMessages.h"
#include "styling/messages/WindowTimers.h"
#include "support/MessageProbe.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QTest>
#include <memory>

using namespace quorlex;
using namespace quorlex::messages;
using quorlex::test::MessageProbe;

namespace {

// A control that notes when it painted itself, to tell which side of its painting a subscriber ran on.
class PaintRecorder : public QWidget {
public:
    using QWidget::QWidget;
    int paints = 0;

protected:
    void paintEvent(QPaintEvent *) override {
        ++paints;
        QPainter(this).fillRect(rect(), Qt::darkGreen);
    }
};

enum class Action { Paint, FocusIn, FocusOut, MoveWithoutButton, MoveWithButton, Press };

} // namespace

Q_DECLARE_METATYPE(Action)

class SubclassComponentTest : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void translatesEvents_data();
    void translatesEvents();
    void responseDecidesWhoGoesFirst_data();
    void responseDecidesWhoGoesFirst();
    void messageInProgressNamesTheDeliveredMessage();
    void windowTimerTicksArriveAsWmTimer();
    void otherTimersAreNotWindowTimers();
    void closingAComboListNotifiesItsParent();
    void unsubscribingStopsDelivery();
    void subscriptionsEndWithTheirWidget();
    void subscribingToNoWindowRaises();
    void mouseTrackingFollowsTheMoveSubscriptions();

private:
    std::unique_ptr<QWidget> form_;
    PaintRecorder *control_ = nullptr;
    QPushButton *other_ = nullptr;
    SubclassComponent &component_ = SubclassComponent::Global();
};

void SubclassComponentTest::init() {
    form_ = std::make_unique<QWidget>();
    form_->resize(300, 200);
    control_ = new PaintRecorder(form_.get());
    control_->setGeometry(20, 20, 100, 30);
    control_->setFocusPolicy(Qt::StrongFocus);
    other_ = new QPushButton("Other", form_.get());
    other_->setGeometry(150, 20, 100, 30);
    form_->show();
    QVERIFY(QTest::qWaitForWindowExposed(form_.get()));
    other_->setFocus();
    QCursor::setPos(form_->mapToGlobal(QPoint(290, 190)));
    QCoreApplication::processEvents();
}

void SubclassComponentTest::cleanup() {
    form_.reset();
}

void SubclassComponentTest::translatesEvents_data() {
    QTest::addColumn<Action>("action");
    QTest::addColumn<int>("msg");
    QTest::addColumn<int>("wParam");
    QTest::addColumn<int>("lParam");

    const int atCentre = MakeLong(50, 15);
    QTest::newRow("paint") << Action::Paint << kMsgPaint << 0 << 0;
    QTest::newRow("focus-in") << Action::FocusIn << kMsgGotFocus << 0 << 0;
    QTest::newRow("focus-out") << Action::FocusOut << kMsgLostFocus << 0 << 0;
    QTest::newRow("move-without-button") << Action::MoveWithoutButton << kMsgMouseMove << 0 << atCentre;
    QTest::newRow("move-with-left-button")
        << Action::MoveWithButton << kMsgMouseMove << kLeftButtonHeld << atCentre;
    QTest::newRow("press") << Action::Press << kMsgMouseActivate << -1
                           << MakeLong(kHitTestClient, kMsgLeftButtonDown);
}

void SubclassComponentTest::translatesEvents() {
    QFETCH(Action, action);
    QFETCH(int, msg);
    QFETCH(int, wParam);
    QFETCH(int, lParam);
    if (action == Action::FocusOut) {
        control_->setFocus();
    }
    MessageProbe probe;
    const WindowHandle hwnd = HandleOf(control_);
    component_.SubscribeMessage(&probe, hwnd, msg);

    const QPoint centre(50, 15);
    switch (action) {
    case Action::Paint:
        control_->repaint();
        break;
    case Action::FocusIn:
        control_->setFocus();
        break;
    case Action::FocusOut:
        other_->setFocus();
        break;
    case Action::MoveWithoutButton:
        QTest::mouseMove(control_, centre);
        break;
    case Action::MoveWithButton: {
        QMouseEvent move(QEvent::MouseMove, centre, control_->mapToGlobal(centre), Qt::NoButton,
                         Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(control_, &move);
        break;
    }
    case Action::Press:
        QTest::mousePress(control_, Qt::LeftButton, {}, centre);
        QTest::mouseRelease(control_, Qt::LeftButton, {}, centre);
        break;
    }
    QCoreApplication::processEvents();

    QVERIFY(!probe.received.empty());
    const auto &first = probe.received.front();
    QCOMPARE(first.hwnd, hwnd);
    QCOMPARE(first.msg, msg);
    QCOMPARE(first.wParam, wParam == -1 ? HandleOf(form_.get()) : wParam);
    QCOMPARE(first.lParam, lParam);
    component_.UnsubscribeMessage(&probe, hwnd, msg);
}

void SubclassComponentTest::responseDecidesWhoGoesFirst_data() {
    QTest::addColumn<int>("response");
    QTest::addColumn<bool>("controlFirst");
    QTest::newRow("after-control") << kResponseAfterControl << true;
    QTest::newRow("before-control") << kResponseBeforeControl << false;
    QTest::newRow("any-other-answer-counts-as-before") << 3 << false;
}

void SubclassComponentTest::responseDecidesWhoGoesFirst() {
    QFETCH(int, response);
    QFETCH(bool, controlFirst);
    MessageProbe probe(response);
    int paintsSeenByProbe = -1;
    probe.onMessage = [&](std::int32_t) { paintsSeenByProbe = control_->paints; };
    const WindowHandle hwnd = HandleOf(control_);
    component_.SubscribeMessage(&probe, hwnd, kMsgPaint);
    const int paintsBefore = control_->paints;

    control_->repaint();

    QCOMPARE(control_->paints, paintsBefore + 1); // the control is never left out
    QCOMPARE(probe.Count(kMsgPaint), 1);
    QCOMPARE(paintsSeenByProbe, controlFirst ? paintsBefore + 1 : paintsBefore);
    component_.UnsubscribeMessage(&probe, hwnd, kMsgPaint);
}

void SubclassComponentTest::messageInProgressNamesTheDeliveredMessage() {
    MessageProbe probe;
    std::int32_t seen = 0;
    probe.onMessage = [&](std::int32_t) { seen = component_.MessageInProgress(); };
    const WindowHandle hwnd = HandleOf(control_);
    component_.SubscribeMessage(&probe, hwnd, kMsgGotFocus);

    control_->setFocus();

    QCOMPARE(seen, kMsgGotFocus);
    QCOMPARE(component_.MessageInProgress(), 0);
    component_.UnsubscribeMessage(&probe, hwnd, kMsgGotFocus);
}

void SubclassComponentTest::windowTimerTicksArriveAsWmTimer() {
    MessageProbe probe;
    const WindowHandle hwnd = HandleOf(control_);
    component_.SubscribeMessage(&probe, hwnd, kMsgTimer);

    QCOMPARE(StartWindowTimer(hwnd, 1, 10), 1);
    QTRY_VERIFY(probe.Count(kMsgTimer) >= 2);
    QCOMPARE(probe.received.front().wParam, 1);
    QVERIFY(StopWindowTimer(hwnd, 1));
    QVERIFY(!StopWindowTimer(hwnd, 1));
    const int ticks = probe.Count(kMsgTimer);
    QTest::qWait(50);
    QCOMPARE(probe.Count(kMsgTimer), ticks);
    component_.UnsubscribeMessage(&probe, hwnd, kMsgTimer);
}

void SubclassComponentTest::otherTimersAreNotWindowTimers() {
    MessageProbe probe;
    const WindowHandle hwnd = HandleOf(control_);
    component_.SubscribeMessage(&probe, hwnd, kMsgTimer);

    const int qtTimer = control_->startTimer(5);
    QTest::qWait(40);
    control_->killTimer(qtTimer);

    QCOMPARE(probe.Count(kMsgTimer), 0);
    component_.UnsubscribeMessage(&probe, hwnd, kMsgTimer);
}

void SubclassComponentTest::closingAComboListNotifiesItsParent() {
    auto *combo = new QComboBox(form_.get());
    combo->addItems({"0- Grams", "1- Kilograms"});
    combo->setGeometry(20, 80, 150, 24);
    combo->show();
    MessageProbe probe;
    const WindowHandle parent = HandleOf(form_.get());
    component_.SubscribeMessage(&probe, parent, kMsgCommand);

    combo->showPopup();
    QCoreApplication::processEvents();
    QCOMPARE(probe.Count(kMsgCommand), 0);
    combo->hidePopup();
    QCoreApplication::processEvents();

    QCOMPARE(probe.Count(kMsgCommand), 1);
    const auto &notification = probe.received.front();
    QCOMPARE(notification.hwnd, parent);
    QCOMPARE(HiWord(notification.wParam), kComboCloseUp);
    QCOMPARE(notification.lParam, HandleOf(combo));
    component_.UnsubscribeMessage(&probe, parent, kMsgCommand);
}

void SubclassComponentTest::unsubscribingStopsDelivery() {
    MessageProbe probe;
    const WindowHandle hwnd = HandleOf(control_);
    component_.SubscribeMessage(&probe, hwnd, kMsgPaint);
    component_.SubscribeMessage(&probe, hwnd, kMsgPaint);
    QCOMPARE(component_.SubscriptionCount(&probe), 1);
    control_->repaint();
    QCOMPARE(probe.Count(kMsgPaint), 1);

    component_.UnsubscribeMessage(&probe, hwnd, kMsgPaint);
    control_->repaint();

    QCOMPARE(probe.Count(kMsgPaint), 1);
    QCOMPARE(component_.SubscriptionCount(&probe), 0);
}

void SubclassComponentTest::subscriptionsEndWithTheirWidget() {
    MessageProbe probe;
    auto *edit = new QLineEdit(form_.get());
    const WindowHandle hwnd = HandleOf(edit);
    component_.SubscribeMessage(&probe, hwnd, kMsgPaint);
    component_.SubscribeMessage(&probe, hwnd, kMsgMouseMove);

    delete edit;

    QCOMPARE(component_.SubscriptionCount(&probe), 0);
    QCOMPARE(WidgetOf(hwnd), nullptr);
    component_.UnsubscribeMessage(&probe, hwnd, kMsgPaint); // a late unsubscription is harmless
}

void SubclassComponentTest::subscribingToNoWindowRaises() {
    MessageProbe probe;
    for (const WindowHandle hwnd : {WindowHandle{0}, WindowHandle{0x7FFFFFFF}}) {
        try {
            component_.SubscribeMessage(&probe, hwnd, kMsgPaint);
            QFAIL("subscribing to no window must raise");
        } catch (const RuntimeError &error) {
            QCOMPARE(error.Number(), 5);
        }
    }
    QCOMPARE(component_.SubscriptionCount(&probe), 0);
}

void SubclassComponentTest::mouseTrackingFollowsTheMoveSubscriptions() {
    MessageProbe first;
    MessageProbe second;
    const WindowHandle hwnd = HandleOf(control_);
    QVERIFY(!control_->hasMouseTracking());

    component_.SubscribeMessage(&first, hwnd, kMsgMouseMove);
    component_.SubscribeMessage(&second, hwnd, kMsgMouseMove);
    QVERIFY(control_->hasMouseTracking());
    component_.UnsubscribeMessage(&first, hwnd, kMsgMouseMove);
    QVERIFY(control_->hasMouseTracking());
    component_.UnsubscribeMessage(&second, hwnd, kMsgMouseMove);
    QVERIFY(!control_->hasMouseTracking());
}

QTEST_MAIN(SubclassComponentTest)
#include "SubclassComponentTest.moc"
