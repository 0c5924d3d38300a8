#include <QTest>
class TestMainWindow : public QObject {
    Q_OBJECT
};
QTEST_APPLESS_MAIN(TestMainWindow)
#include "test_main_window.moc"
