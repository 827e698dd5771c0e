#include "ui/MessageReporter.h"

#include <QApplication>
#include <QMessageBox>
#include <QStringList>
#include <charconv>

namespace quorlex {

namespace {

QString DecimalText(std::int32_t number) {
    char digits[16];
    const auto written = std::to_chars(digits, digits + sizeof digits, number);
    return QString::fromLatin1(digits, static_cast<qsizetype>(written.ptr - digits));
}

} // namespace

QString ErrorReportText(const ErrorReport &report) {
    QString text =
        report.description.isEmpty() ? QStringLiteral("An unknown error has occurred!") : report.description;
    QStringList details;
    if (report.number) {
        details << QStringLiteral("Error number: ") + DecimalText(*report.number);
    }
    if (!report.source.isEmpty()) {
        details << QStringLiteral("Source: ") + report.source;
    }
    if (!details.isEmpty()) {
        text += QStringLiteral("\n\n") + details.join(QLatin1Char('\n'));
    }
    return text;
}

void MessageBoxReporter::ShowNotice(QWidget *parent, const QString &title, const QString &text) {
    QMessageBox::information(parent, title, text);
}

void MessageBoxReporter::ShowError(QWidget *parent, const QString &title, const ErrorReport &report) {
    QMessageBox::critical(parent, title, ErrorReportText(report));
}

void MessageBoxReporter::Beep() {
    QApplication::beep();
}

} // namespace quorlex
