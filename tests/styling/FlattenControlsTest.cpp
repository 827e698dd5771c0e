#include "styling/FlattenControls.h"

#include "TestPalette.h"
#include "errors/RuntimeError.h"
#include "styling/messages/SubclassComponent.h"
#include "styling/messages/WindowMessages.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTest>
#include <memory>

using namespace quorlex;
using namespace quorlex::messages;

namespace {

// A small form with the kinds of controls of the conversion window. Its eligible controls, in the order
// of its controls: cboSource, txtIn, cboDest (txtLocked is read-only).
std::unique_ptr<QWidget> ConversionForm() {
    auto form = std::make_unique<QWidget>();
    form->resize(448, 292);
    auto *frame = new QGroupBox("Convert ", form.get());
    frame->setGeometry(10, 2, 433, 138);
    new QRadioButton("Weight", frame);
    auto *label = new QLabel("Original Units and Value", form.get());
    label->setGeometry(7, 144, 149, 17);
    auto *source = new QComboBox(form.get());
    source->setObjectName("cboSource");
    source->addItems({"0- Grams", "1- Kilograms"});
    source->setGeometry(7, 163, 235, 21);
    auto *value = new QLineEdit("1", form.get());
    value->setObjectName("txtIn");
    value->setGeometry(247, 163, 82, 21);
    auto *locked = new QLineEdit("12", form.get());
    locked->setObjectName("txtLocked");
    locked->setReadOnly(true);
    locked->setGeometry(247, 240, 82, 21);
    auto *dest = new QComboBox(form.get());
    dest->setObjectName("cboDest");
    dest->setEditable(true);
    dest->setGeometry(7, 209, 235, 21);
    new QCheckBox("On Top", form.get());
    new QScrollBar(Qt::Horizontal, form.get());
    (new QPushButton("Compute", form.get()))->setObjectName("cmdCompute");
    return form;
}

template <class Control>
Control *Named(QWidget &form, const char *name) {
    return form.findChild<Control *>(name);
}

bool PaintsFor(std::int32_t index, QWidget *control) {
    return SubclassComponent::Global().IsSubscribed(&FlatControls(index), HandleOf(control), kMsgPaint);
}

} // namespace

class FlattenControlsTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    // Runs first: the list of painters only grows.
    void formWithoutComboOrTextBoxesGetsNoPainters();
    void everyComboAndUnlockedTextBoxGetsAPainterInOrder();
    void listIsIndexedFromOneToTheCount_data();
    void listIsIndexedFromOneToTheCount();
    void secondCallGivesEveryControlASecondPainter();
    void flattenedFormShowsTheFrames();

private:
    test::TestPalette palette_;
};

void FlattenControlsTest::initTestCase() {
    palette_.Apply();
}

void FlattenControlsTest::formWithoutComboOrTextBoxesGetsNoPainters() {
    QWidget form;
    auto *frame = new QGroupBox("Convert ", &form);
    new QRadioButton("Weight", frame);
    new QLabel("Decimal Places:", &form);
    new QCheckBox("On Top", &form);
    new QPushButton("Exit", &form);

    FlattenControls(form);

    QCOMPARE(FlatControlCount(), 0);
}

void FlattenControlsTest::everyComboAndUnlockedTextBoxGetsAPainterInOrder() {
    const auto form = ConversionForm();
    auto *source = Named<QComboBox>(*form, "cboSource");
    auto *value = Named<QLineEdit>(*form, "txtIn");
    auto *locked = Named<QLineEdit>(*form, "txtLocked");
    auto *dest = Named<QComboBox>(*form, "cboDest");
    const int before = FlatControlCount();

    FlattenControls(*form);

    QCOMPARE(FlatControlCount(), before + 3);
    QVERIFY(PaintsFor(before + 1, source));
    QVERIFY(PaintsFor(before + 2, value));
    QVERIFY(PaintsFor(before + 3, dest));
    // Flat look for all four; the value box makes room for its frame, the locked box gets none.
    QVERIFY(!source->hasFrame());
    QVERIFY(!dest->hasFrame());
    QVERIFY(!value->hasFrame());
    QVERIFY(!locked->hasFrame());
    QCOMPARE(value->geometry(), QRect(248, 164, 80, 19));
    QCOMPARE(locked->geometry(), QRect(247, 240, 82, 21));
    QCOMPARE(source->geometry(), QRect(7, 163, 235, 21));
}

void FlattenControlsTest::listIsIndexedFromOneToTheCount_data() {
    QTest::addColumn<int>("fromCount"); // the index, relative to FlatControlCount()
    QTest::addColumn<bool>("valid");
    QTest::newRow("newest") << 0 << true;
    QTest::newRow("past-the-newest") << 1 << false;
}

void FlattenControlsTest::listIsIndexedFromOneToTheCount() {
    QFETCH(int, fromCount);
    QFETCH(bool, valid);
    QVERIFY(FlatControlCount() >= 1);
    (void)FlatControls(1);
    for (const std::int32_t index : {FlatControlCount() + fromCount, valid ? 1 : 0}) {
        try {
            (void)FlatControls(index);
            QVERIFY2(valid, "an index outside 1 to the count must raise");
        } catch (const RuntimeError &error) {
            QVERIFY(!valid);
            QCOMPARE(error.Number(), 9);
        }
    }
}

void FlattenControlsTest::secondCallGivesEveryControlASecondPainter() {
    const auto form = ConversionForm();
    auto *value = Named<QLineEdit>(*form, "txtIn");
    FlattenControls(*form);
    const int afterFirst = FlatControlCount();

    FlattenControls(*form);

    QCOMPARE(FlatControlCount(), afterFirst + 3);
    QVERIFY(PaintsFor(afterFirst - 1, value));
    QVERIFY(PaintsFor(afterFirst + 2, value));
    QCOMPARE(value->geometry(), QRect(249, 165, 78, 17));
}

void FlattenControlsTest::flattenedFormShowsTheFrames() {
    const auto form = ConversionForm();
    auto *source = Named<QComboBox>(*form, "cboSource");
    auto *value = Named<QLineEdit>(*form, "txtIn");
    FlattenControls(*form);
    form->show();
    QVERIFY(QTest::qWaitForWindowExposed(form.get()));
    Named<QPushButton>(*form, "cmdCompute")->setFocus();
    auto ringOfValueBox = [&] {
        QCoreApplication::processEvents();
        const QRect designed = value->geometry().adjusted(-1, -1, 1, 1);
        return form->grab().toImage().pixelColor(designed.left() - 1, designed.center().y());
    };
    auto ringOfSource = [&] {
        QCoreApplication::processEvents();
        const QImage image = source->grab().toImage();
        return image.pixelColor(0, image.height() / 2);
    };
    QCOMPARE(ringOfValueBox(), palette_.face);
    QCOMPARE(ringOfSource(), palette_.face);

    value->setFocus();
    QCOMPARE(ringOfValueBox(), palette_.highlight);
    QTest::mouseMove(source, source->rect().center());
    QCOMPARE(ringOfSource(), palette_.highlight);
}

QTEST_MAIN(FlattenControlsTest)
#include "FlattenControlsTest.moc"
