#include <QTest>
class WindowCommandsTest : public QObject {
    Q_OBJECT
};
QTEST_MAIN(WindowCommandsTest)
#include "WindowCommandsTest.moc"
