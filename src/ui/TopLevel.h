#pragma once

#include <functional>

class QString;
class QWidget;

namespace quorlex {

class MessageReporter;

// Runs one of the window's handlers as the program's top level: a run-time error (or any other failure)
// that escapes it is shown through the reporter with its description, number and source, and the program
// goes on. Nothing escapes this function.
void RunAtTopLevel(MessageReporter &reporter, QWidget *window, const QString &title,
                   const std::function<void()> &handler);

} // namespace quorlex
