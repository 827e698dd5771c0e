#include "WindowTest.h"

#include <QTest>

namespace quorlex::test {

void WindowTest::init() {
    QVERIFY(f.Open());
}

void WindowTest::cleanup() {
    f.Close();
    const QStringList dialogs = f.guard.TakeUnexpected();
    QVERIFY2(dialogs.isEmpty(), qPrintable(dialogs.join(QStringLiteral(", "))));
}

} // namespace quorlex::test
