#include "platform/AROnTop.h"
#include "platform/FlatBttn.h"
#include "platform/SOTimer.h"
#include "platform/UpDown.h"

#include <QSignalSpy>
#include <QTest>
#include <QThread>
#include <QToolButton>

using namespace Qt::StringLiterals;

class TestControls : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void upDownWrapsBothWays_data();
    void upDownWrapsBothWays();
    void upDownReportsTheSteppedValue();
    void upDownClampsIntoANewRange();
    void upDownWithoutWrapStopsAtTheEnds();
    void flatBttnClicksOnlyWhileEnabled();
    void soTimerTicksOnlyWhileEnabled();
    void soTimerDropsATickDueWhenDisabled();
    void onTopKeepsTheWindowShownInPlace();
};

void TestControls::upDownWrapsBothWays_data() {
    QTest::addColumn<int>("minimum");
    QTest::addColumn<int>("maximum");
    QTest::newRow("hours 1-12") << 1 << 12;
    QTest::newRow("minutes 0-59") << 0 << 59;
    QTest::newRow("am/pm 0-1") << 0 << 1;
}

void TestControls::upDownWrapsBothWays() {
    QFETCH(int, minimum);
    QFETCH(int, maximum);
    UpDown spin;
    spin.setWrappingRange(minimum, maximum);
    QCOMPARE(spin.value(), minimum);

    for (int expected = minimum + 1; expected <= maximum; ++expected) {
        spin.upArrow()->click();
        QCOMPARE(spin.value(), expected);
    }
    spin.upArrow()->click();
    QCOMPARE(spin.value(), minimum);
    spin.downArrow()->click();
    QCOMPARE(spin.value(), maximum);
    spin.downArrow()->click();
    QCOMPARE(spin.value(), maximum - 1);
}

void TestControls::upDownReportsTheSteppedValue() {
    UpDown spin;
    QList<int> reported;
    connect(&spin, &UpDown::UpClick, this, [&] { reported << spin.value(); });
    connect(&spin, &UpDown::DownClick, this, [&] { reported << -spin.value(); });
    spin.upArrow()->click();
    spin.upArrow()->click();
    spin.downArrow()->click();
    QCOMPARE(reported, (QList<int>{1, 2, -1}));
}

void TestControls::upDownClampsIntoANewRange() {
    UpDown spin;
    spin.setWrappingRange(0, 59);
    for (int click = 0; click < 45; ++click)
        spin.upArrow()->click();
    QCOMPARE(spin.value(), 45);
    spin.setWrappingRange(1, 12);
    QCOMPARE(spin.value(), 12);
    spin.setWrappingRange(0, 1);
    QCOMPARE(spin.value(), 1);

    UpDown fresh; // starts at 0, below an hour range
    fresh.setWrappingRange(1, 12);
    QCOMPARE(fresh.value(), 1);
}

void TestControls::upDownWithoutWrapStopsAtTheEnds() {
    UpDown spin; // designed range 0 to 10, no wrap
    QCOMPARE(spin.maximum(), 10);
    QVERIFY(!spin.wrap());
    spin.downArrow()->click();
    QCOMPARE(spin.value(), 0);
    for (int click = 0; click < 12; ++click)
        spin.upArrow()->click();
    QCOMPARE(spin.value(), 10);
}

void TestControls::flatBttnClicksOnlyWhileEnabled() {
    FlatBttn button(u"reset"_s);
    button.resize(60, 20);
    button.show();
    QSignalSpy clicks(&button, &FlatBttn::Click);
    QTest::mouseClick(&button, Qt::LeftButton);
    QCOMPARE(clicks.count(), 1);

    button.setEnabled(false);
    QTest::mouseClick(&button, Qt::LeftButton);
    button.click();
    QTest::keyClick(&button, Qt::Key_Space);
    QCOMPARE(clicks.count(), 1);
}

void TestControls::soTimerTicksOnlyWhileEnabled() {
    SOTimer timer;
    timer.setInterval(10);
    QSignalSpy ticks(&timer, &SOTimer::Timer);
    QVERIFY(!ticks.wait(60));

    timer.setEnabled(true);
    QVERIFY(ticks.wait(1000));
    timer.setEnabled(false);
    const auto counted = ticks.count();
    QTest::qWait(60);
    QCOMPARE(ticks.count(), counted);
}

void TestControls::soTimerDropsATickDueWhenDisabled() {
    SOTimer timer;
    timer.setInterval(20);
    QSignalSpy ticks(&timer, &SOTimer::Timer);
    timer.setEnabled(true);
    // Let the tick fall due without handling events, then disable before it is delivered.
    QThread::msleep(40);
    timer.setEnabled(false);
    QTest::qWait(60);
    QCOMPARE(ticks.count(), 0);
}

void TestControls::onTopKeepsTheWindowShownInPlace() {
    QWidget window;
    AROnTop onTop(&window);
    QVERIFY(onTop.ontop());
    QVERIFY(window.windowFlags().testFlag(Qt::WindowStaysOnTopHint));

    window.setGeometry(120, 80, 200, 100);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    const QPoint position = window.pos();

    onTop.setOntop(false);
    QVERIFY(!onTop.ontop());
    QVERIFY(window.isVisible());
    QCOMPARE(window.pos(), position);

    onTop.setOntop(true);
    QVERIFY(onTop.ontop());
    QVERIFY(window.isVisible());
    QCOMPARE(window.pos(), position);
}

QTEST_MAIN(TestControls)
#include "test_controls.moc"
