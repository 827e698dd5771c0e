#include <QTest>
class PrecisionTest : public QObject {
    Q_OBJECT
};
QTEST_MAIN(PrecisionTest)
#include "PrecisionTest.moc"
