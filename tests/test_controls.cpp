#include <QTest>
class TestControls : public QObject {
    Q_OBJECT
};
QTEST_APPLESS_MAIN(TestControls)
#include "test_controls.moc"
