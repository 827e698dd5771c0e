#include <QTest>
class CoolButtonTest : public QObject {
    Q_OBJECT
};
QTEST_MAIN(CoolButtonTest)
#include "CoolButtonTest.moc"
