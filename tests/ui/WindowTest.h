#pragma once

#include "WindowFixture.h"

#include <QObject>

namespace quorlex::test {

// Base of the window's Qt test classes: every test function gets a freshly made, shown and active window
// (`f`), and fails when any dialog appeared that the test did not expect.
class WindowTest : public QObject {
    Q_OBJECT

protected:
    WindowFixture f;

private slots:
    void init();
    void cleanup();
};

} // namespace quorlex::test
