#pragma once

#include <QApplication>
#include <QDialog>
#include <QEvent>
#include <QStringList>
#include <QTimer>
#include <QWidget>
#include <utility>

namespace quorlex::test {

// Watches for modal dialogs while a test runs: each one that appears is noted and closed at once, so that a
// message box can never leave a test waiting. A test fails when TakeUnexpected() is not empty (call it in
// the test class's cleanup()).
class ModalDialogGuard : public QObject {
public:
    ModalDialogGuard() { qApp->installEventFilter(this); }

    // The dialogs that appeared since the last call, by class and title.
    QStringList TakeUnexpected() { return std::exchange(seen_, {}); }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override {
        if (event->type() != QEvent::Show || !watched->isWidgetType()) {
            return false;
        }
        auto *widget = static_cast<QWidget *>(watched);
        auto *dialog = qobject_cast<QDialog *>(widget);
        if (!widget->isWindow() || (!dialog && !widget->isModal())) {
            return false;
        }
        seen_ << QStringLiteral("%1 \"%2\"")
                     .arg(QString::fromLatin1(widget->metaObject()->className()), widget->windowTitle());
        QTimer::singleShot(0, widget, [widget, dialog] {
            if (dialog) {
                dialog->reject();
            } else {
                widget->close();
            }
        });
        return false;
    }

private:
    QStringList seen_;
};

} // namespace quorlex::test
