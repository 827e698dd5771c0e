#include "support/ModalDialogGuard.h"
#include "widgets/ClipboardText.h"
#include "widgets/ComboListIndex.h"
#include "widgets/ControlColors.h"
#include "widgets/StayOnTop.h"

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMimeData>
#include <QTest>
#include <QWindow>
#include <memory>

using namespace quorlex;

class WindowOperationsTest : public QObject {
    Q_OBJECT

private slots:
    void cleanup();

    void stayOnTopKeepsTheWindowInPlace_data();
    void stayOnTopKeepsTheWindowInPlace();
    void stayOnTopBeforeTheWindowIsShown();
    void clipboardHoldsOnlyThePlainText();
    void listIndexOfTypedText_data();
    void listIndexOfTypedText();
    void typingNeverAddsItems();
    void listIndexOfASelectionOnlyList();
    void colours_data();
    void colours();
    void untranslatableColourChangesNothing();

private:
    quorlex::test::ModalDialogGuard guard_;
};

void WindowOperationsTest::cleanup() {
    const QStringList dialogs = guard_.TakeUnexpected();
    QVERIFY2(dialogs.isEmpty(), qPrintable(dialogs.join(QStringLiteral(", "))));
}

void WindowOperationsTest::stayOnTopKeepsTheWindowInPlace_data() {
    QTest::addColumn<bool>("on");
    QTest::newRow("on") << true;
    QTest::newRow("on-then-off") << false;
}

void WindowOperationsTest::stayOnTopKeepsTheWindowInPlace() {
    QFETCH(bool, on);
    QWidget window;
    window.setFixedSize(448, 292);
    window.move(40, 30);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    const QRect before = window.geometry();
    const QWindow *handle = window.windowHandle();

    SetStayOnTop(window, true);
    if (!on) {
        SetStayOnTop(window, false);
    }
    QCOMPARE(IsStayOnTop(window), on);
    QCOMPARE(window.windowHandle()->flags().testFlag(Qt::WindowStaysOnTopHint), on);
    QCOMPARE(window.windowFlags().testFlag(Qt::WindowStaysOnTopHint), on);
    QVERIFY(window.isVisible());
    QCOMPARE(window.windowHandle(), handle);
    QCOMPARE(window.geometry(), before);
}

void WindowOperationsTest::stayOnTopBeforeTheWindowIsShown() {
    QWidget window;
    SetStayOnTop(window, true);
    QVERIFY(IsStayOnTop(window));
    QVERIFY(!window.isVisible());
}

void WindowOperationsTest::clipboardHoldsOnlyThePlainText() {
    auto *earlier = new QMimeData;
    earlier->setHtml(QStringLiteral("<b>old</b>"));
    earlier->setText(QStringLiteral("old"));
    QGuiApplication::clipboard()->setMimeData(earlier);

    PutPlainTextOnClipboard(QStringLiteral("0.03527"));
    const QMimeData *data = QGuiApplication::clipboard()->mimeData();
    QVERIFY(data);
    QCOMPARE(data->formats(), QStringList{QStringLiteral("text/plain")});
    QCOMPARE(data->text(), QStringLiteral("0.03527"));
}

void WindowOperationsTest::listIndexOfTypedText_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<int>("index");
    QTest::newRow("first-item") << "0- Joules " << 0;
    QTest::newRow("last-item") << "3- BTUs" << 3;
    QTest::newRow("without-trailing-blank") << "0- Joules" << -1;
    QTest::newRow("other-case") << "3- btus" << -1;
    QTest::newRow("other-text") << "abc" << -1;
    QTest::newRow("empty") << "" << -1;
}

void WindowOperationsTest::listIndexOfTypedText() {
    QFETCH(QString, typed);
    QFETCH(int, index);
    QComboBox combo;
    combo.setEditable(true);
    FollowTypedText(combo);
    combo.addItems({QStringLiteral("0- Joules "), QStringLiteral("1- Calories"),
                    QStringLiteral("2- Kilojoules"), QStringLiteral("3- BTUs")});
    combo.setCurrentIndex(1);
    combo.lineEdit()->clear();
    QTest::keyClicks(combo.lineEdit(), typed);
    QCOMPARE(combo.currentText(), typed);
    QCOMPARE(ListIndex(combo), index);
    if (index >= 0) {
        QCOMPARE(combo.currentIndex(), index);
    }
}

void WindowOperationsTest::typingNeverAddsItems() {
    QWidget form;
    auto *combo = new QComboBox(&form);
    combo->setEditable(true);
    FollowTypedText(*combo);
    combo->addItems({QStringLiteral("0- Grams"), QStringLiteral("1- Ounces")});
    form.show();
    combo->setFocus();
    combo->lineEdit()->selectAll();
    QTest::keyClicks(combo->lineEdit(), QStringLiteral("new unit"));
    QTest::keyClick(combo, Qt::Key_Return);
    QCOMPARE(combo->count(), 2);
    QCOMPARE(ListIndex(*combo), -1);
}

void WindowOperationsTest::listIndexOfASelectionOnlyList() {
    QComboBox combo;
    QCOMPARE(ListIndex(combo), -1);
    combo.addItems({QStringLiteral("0- Degrees"), QStringLiteral("1- Radians")});
    QCOMPARE(ListIndex(combo), 0);
    combo.setCurrentIndex(1);
    QCOMPARE(ListIndex(combo), 1);
}

void WindowOperationsTest::colours_data() {
    QTest::addColumn<quint32>("back");
    QTest::addColumn<QColor>("expected");
    QTest::newRow("light-green") << quint32{0xC0FFC0} << QColor(192, 255, 192);
    QTest::newRow("dark-orange") << quint32{OleRgb(192, 64, 0)} << QColor(192, 64, 0);
    QTest::newRow("Window") << quint32{SystemColor(SysColor::Window)}
                            << QApplication::palette().color(QPalette::Active, QPalette::Base);
}

void WindowOperationsTest::colours() {
    QFETCH(quint32, back);
    QFETCH(QColor, expected);
    QLabel label(QStringLiteral("0"));
    label.resize(60, 20);
    QVERIFY(SetBackColor(label, back));
    QVERIFY(SetForeColor(label, OleRgb(0, 64, 64)));
    const QImage look = label.grab().toImage();
    QCOMPARE(QColor(look.pixel(50, 10)), expected);
    QCOMPARE(label.palette().color(QPalette::Active, QPalette::WindowText), QColor(0, 64, 64));
    QCOMPARE(label.palette().color(QPalette::Inactive, QPalette::WindowText), QColor(0, 64, 64));
}

void WindowOperationsTest::untranslatableColourChangesNothing() {
    QLineEdit edit;
    const QPalette before = edit.palette();
    QVERIFY(!SetForeColor(edit, 0x80000063));
    QVERIFY(!SetBackColor(edit, 0x01000005));
    QCOMPARE(edit.palette(), before);
}

QTEST_MAIN(WindowOperationsTest)
#include "WindowOperationsTest.moc"
