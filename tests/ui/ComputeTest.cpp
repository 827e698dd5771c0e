#include <QTest>
class ComputeTest : public QObject {
    Q_OBJECT
};
QTEST_MAIN(ComputeTest)
#include "ComputeTest.moc"
