#include "ui/TopLevel.h"

#include "errors/RuntimeError.h"
#include "ui/MessageReporter.h"

#include <QString>
#include <exception>
#include <new>

namespace quorlex {

void RunAtTopLevel(MessageReporter &reporter, QWidget *window, const QString &title,
                   const std::function<void()> &handler) {
    ErrorReport report;
    try {
        handler();
        return;
    } catch (const RuntimeError &error) {
        report.description = QString::fromStdString(error.Description());
        report.number = error.Number();
        report.source = QString::fromStdString(error.Source());
    } catch (const std::bad_alloc &) {
        report.description = QStringLiteral("Out of memory");
        report.number = 7;
    } catch (const std::exception &error) {
        report.description = QString::fromUtf8(error.what());
    } catch (...) {
        report.description = QStringLiteral("An unknown error has occurred!");
    }
    try {
        reporter.ShowError(window, title, report);
    } catch (...) {
        // Telling the user failed too; the program goes on regardless.
    }
}

} // namespace quorlex
