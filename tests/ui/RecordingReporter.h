#pragma once

#include "ui/MessageReporter.h"

#include <QStringList>
#include <vector>

namespace quorlex::test {

// Takes the window's messages instead of showing them, for the tests to read.
class RecordingReporter : public MessageReporter {
public:
    void ShowNotice(QWidget *, const QString &, const QString &text) override { notices << text; }
    void ShowError(QWidget *, const QString &, const ErrorReport &report) override {
        errors.push_back(report);
    }
    void Beep() override { ++beeps; }

    bool Silent() const { return notices.isEmpty() && errors.empty() && beeps == 0; }

    QStringList notices;
    std::vector<ErrorReport> errors;
    int beeps = 0;
};

} // namespace quorlex::test
