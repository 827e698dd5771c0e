#include "widgets/CoolButton.h"

#include "support/ModalDialogGuard.h"

#include <QApplication>
#include <QEnterEvent>
#include <QSignalSpy>
#include <QTest>
#include <memory>

using namespace quorlex;

class CoolButtonTest : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void clicksOnlyWhileEnabled_data();
    void clicksOnlyWhileEnabled();
    void reportsPointerEnteringAndLeaving();
    void paintsItsColours_data();
    void paintsItsColours();
    void untranslatableColourFallsBackToThePalette();
    void disabledLooksDisabled();
    void takesFocusFromTab();

private:
    std::unique_ptr<QWidget> form_;
    CoolButton *button_ = nullptr;
    quorlex::test::ModalDialogGuard guard_;
};

void CoolButtonTest::init() {
    form_ = std::make_unique<QWidget>();
    form_->resize(200, 60);
    button_ = new CoolButton(form_.get());
    button_->setGeometry(10, 10, 98, 21);
    button_->setText(QStringLiteral("Compute"));
    form_->show();
    form_->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(form_.get()));
}

void CoolButtonTest::cleanup() {
    form_.reset();
    const QStringList dialogs = guard_.TakeUnexpected();
    QVERIFY2(dialogs.isEmpty(), qPrintable(dialogs.join(QStringLiteral(", "))));
}

void CoolButtonTest::clicksOnlyWhileEnabled_data() {
    QTest::addColumn<QString>("how");
    QTest::addColumn<bool>("enabled");
    QTest::addColumn<int>("clicks");
    QTest::newRow("mouse-enabled") << "mouse" << true << 1;
    QTest::newRow("mouse-disabled") << "mouse" << false << 0;
    QTest::newRow("space-enabled") << "space" << true << 1;
    QTest::newRow("space-disabled") << "space" << false << 0;
    QTest::newRow("code-disabled") << "code" << false << 0;
    QTest::newRow("return-enabled") << "return" << true << 1;
    QTest::newRow("enter-enabled") << "enter" << true << 1;
    QTest::newRow("return-disabled") << "return" << false << 0;
}

void CoolButtonTest::clicksOnlyWhileEnabled() {
    QFETCH(QString, how);
    QFETCH(bool, enabled);
    QFETCH(int, clicks);
    QSignalSpy clicked(button_, &CoolButton::clicked);
    button_->setFocus();
    button_->setEnabled(enabled);
    if (how == QLatin1String("mouse")) {
        QTest::mouseClick(button_, Qt::LeftButton);
    } else if (how == QLatin1String("space")) {
        QTest::keyClick(button_, Qt::Key_Space);
    } else if (how == QLatin1String("code")) {
        button_->click();
    } else {
        QTest::keyClick(button_, how == QLatin1String("return") ? Qt::Key_Return : Qt::Key_Enter);
    }
    QCOMPARE(clicked.count(), clicks);
}

void CoolButtonTest::reportsPointerEnteringAndLeaving() {
    QSignalSpy entered(button_, &CoolButton::MouseEnter);
    QSignalSpy left(button_, &CoolButton::MouseLeave);
    const QPointF centre(40, 10);
    QEnterEvent enter(centre, button_->mapToGlobal(centre), button_->mapToGlobal(centre));
    QApplication::sendEvent(button_, &enter);
    QCOMPARE(entered.count(), 1);
    QCOMPARE(left.count(), 0);
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(button_, &leave);
    QCOMPARE(entered.count(), 1);
    QCOMPARE(left.count(), 1);
}

void CoolButtonTest::paintsItsColours_data() {
    QTest::addColumn<quint32>("face");
    QTest::addColumn<quint32>("edges");
    QTest::newRow("plain") << quint32{0xFFC0C0} << quint32{0x000000};
    QTest::newRow("hover") << quint32{0xC0FFFF} << quint32{0x0080FF};
}

void CoolButtonTest::paintsItsColours() {
    QFETCH(quint32, face);
    QFETCH(quint32, edges);
    button_->SetBackColor(face);
    button_->SetColorDarkShadow(edges);
    button_->SetColorLightShadow(edges);
    button_->SetColorHighlight(edges);
    const auto expected = [](quint32 ole) {
        return QColor(static_cast<int>(ole & 0xFF), static_cast<int>((ole >> 8) & 0xFF),
                      static_cast<int>((ole >> 16) & 0xFF));
    };
    const QImage look = button_->grab().toImage();
    // Inside the focus ring, which runs three pixels in from the edges.
    QCOMPARE(QColor(look.pixel(5, 10)), expected(face));
    QCOMPARE(QColor(look.pixel(0, 0)), expected(edges));
    QCOMPARE(QColor(look.pixel(97, 20)), expected(edges));
    QCOMPARE(QColor(look.pixel(96, 10)), expected(edges));
}

void CoolButtonTest::untranslatableColourFallsBackToThePalette() {
    button_->SetBackColor(0x80000063);
    QCOMPARE(button_->FaceColor(), QApplication::palette().color(QPalette::Active, QPalette::Button));
    button_->SetBackColor(0x8000000F); // SysColor::BtnFace
    QCOMPARE(button_->FaceColor(), QApplication::palette().color(QPalette::Active, QPalette::Button));
}

void CoolButtonTest::disabledLooksDisabled() {
    button_->SetBackColor(0xFFC0C0);
    const QImage enabled = button_->grab().toImage();
    button_->setEnabled(false);
    const QImage disabled = button_->grab().toImage();
    QVERIFY(enabled != disabled);
    // The caption is no longer drawn dark: count the dark pixels inside the edges.
    const auto darkPixels = [](const QImage &image) {
        int dark = 0;
        for (int y = 2; y < image.height() - 2; ++y) {
            for (int x = 2; x < image.width() - 2; ++x) {
                dark += qGray(image.pixel(x, y)) < 96;
            }
        }
        return dark;
    };
    QVERIFY(darkPixels(enabled) > 20);
    QCOMPARE(darkPixels(disabled), 0);
}

void CoolButtonTest::takesFocusFromTab() {
    QCOMPARE(button_->focusPolicy(), Qt::StrongFocus);
    button_->setFocus();
    QCOMPARE(QApplication::focusWidget(), button_);
}

QTEST_MAIN(CoolButtonTest)
#include "CoolButtonTest.moc"
