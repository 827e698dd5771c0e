#pragma once

#include <QString>
#include <cstdint>
#include <optional>

class QWidget;

namespace quorlex {

// A run-time error that reached the window's top level, as the user is told about it.
struct ErrorReport {
    QString description;
    std::optional<std::int32_t> number; // none for a failure that is not a numbered run-time error
    QString source;
};

// How the window tells the user something: a plain notice about a request it cannot carry out, a
// run-time error that no handler dealt with, or a beep. The program shows message boxes; tests put a
// recorder in its place, so that no test ever waits on a dialog.
class MessageReporter {
public:
    virtual ~MessageReporter() = default;

    virtual void ShowNotice(QWidget *parent, const QString &title, const QString &text) = 0;
    virtual void ShowError(QWidget *parent, const QString &title, const ErrorReport &report) = 0;
    virtual void Beep() = 0;
};

// The message text of an error report: the description, then the error number and the source, each on
// its own line when known.
QString ErrorReportText(const ErrorReport &report);

// Message boxes, modal to the given window, and the system's beep.
class MessageBoxReporter : public MessageReporter {
public:
    void ShowNotice(QWidget *parent, const QString &title, const QString &text) override;
    void ShowError(QWidget *parent, const QString &title, const ErrorReport &report) override;
    void Beep() override;
};

} // namespace quorlex
