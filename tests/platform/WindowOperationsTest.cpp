#include <QTest>
class WindowOperationsTest : public QObject {
    Q_OBJECT
};
QTEST_MAIN(WindowOperationsTest)
#include "WindowOperationsTest.moc"
