#include <QTest>
class TestCore : public QObject {
    Q_OBJECT
};
QTEST_APPLESS_MAIN(TestCore)
#include "test_core.moc"
