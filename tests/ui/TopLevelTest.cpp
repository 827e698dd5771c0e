#include <QTest>
class TopLevelTest : public QObject {
    Q_OBJECT
};
QTEST_MAIN(TopLevelTest)
#include "TopLevelTest.moc"
