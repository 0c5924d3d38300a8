#include "controls/ColourDialog.h"
#include "platform/Clock.h"
#include "platform/RegularFile.h"
#include "platform/WindowSystem.h"

#include "Rows.h"

#include <QApplication>
#include <QColorDialog>
#include <QProcessEnvironment>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

#include <ctime>
#include <fcntl.h>
#include <unistd.h>

using namespace Qt::StringLiterals;

// The system's and the desktop's services as the program meets them: the clock, the window system
// chosen and the colour dialog.
class TestPlatform : public QObject {
    Q_OBJECT

private Q_SLOTS:
    // The kernel's own news of a clock set, raised by setting the clock to the time it shows.
    void theSystemClockTellsOfAClockSetAtOnce() {
        SystemClock clock;
        QSignalSpy told(&clock, &Clock::minuteChanged);
        if (QTime::currentTime().second() >= 58) // not mistaken for the minute's own start
            QVERIFY(told.wait(4000));
        told.clear();
        timespec now{};
        clock_gettime(CLOCK_REALTIME, &now);
        if (clock_settime(CLOCK_REALTIME, &now) != 0)
            QSKIP("the clock cannot be set here");
        QTRY_COMPARE_WITH_TIMEOUT(told.count(), 1, 1000);
    }

    // Started with standard input closed, as some launchers start programs, the clock's timer or a
    // file may be descriptor 0: it serves, and is given back.
    void aDescriptorOfZeroServes() {
        const int input = ::dup(STDIN_FILENO);
        ::close(STDIN_FILENO);
        const auto restore = qScopeGuard([input] { ::dup2(input, STDIN_FILENO), ::close(input); });
        QTest::failOnWarning(QRegularExpression(u"."_s));
        delete new SystemClock;
        QVERIFY(::fcntl(STDIN_FILENO, F_GETFD) == -1);
        QVERIFY(openRegularDescriptor(u"/"_s) == -1 && ::fcntl(STDIN_FILENO, F_GETFD) == -1);
        QCOMPARE(openRegularDescriptor(QCoreApplication::applicationFilePath()), STDIN_FILENO);
    }

    // Each row: the session's and the user's variables, the platform the command line names; the
    // platform the program chooses before it starts (none: Qt's own choice).
    void theWindowIsOnXWhereItCanBeKeptOnTop_data() {
        addRows({
            {"", "WAYLAND_DISPLAY", "DISPLAY", "QT_QPA_PLATFORM", "-platform", "chosen"},
            {"Wayland with XWayland", "wayland-0", ":0", "", "", "xcb"},
            {"Wayland without X", "wayland-0", "", "", "", ""},
            {"X11", "", ":0", "", "", ""},
            {"Wayland chosen", "wayland-0", ":0", "wayland", "", ""},
            {"on the command line", "wayland-0", ":0", "", "wayland", ""},
        });
    }

    void theWindowIsOnXWhereItCanBeKeptOnTop() {
        QProcessEnvironment environment;
        for (const char *name : {"WAYLAND_DISPLAY", "DISPLAY", "QT_QPA_PLATFORM"})
            if (!column(name).isEmpty())
                environment.insert(QString::fromLatin1(name), column(name));
        QCOMPARE(WindowSystem::platformToRunOn(environment, column("-platform")),
                 column("chosen").toLatin1());
    }

    // The list of custom colours that Qt shares with every other program (and stores for them) is put
    // back as it was.
    void colourDialogKeepsTheirOwnColoursToOthers() {
        QColorDialog::setCustomColor(0, Qt::green);
        QWidget owner;
        owner.show();
        CustomColours mine{};
        mine[0] = 0x0000FF;
        QColor shownFirst;
        QTimer::singleShot(0, this, [&shownFirst] {
            auto *dialog = qobject_cast<QColorDialog *>(QApplication::activeModalWidget());
            shownFirst = QColorDialog::customColor(0);
            QColorDialog::setCustomColor(1, Qt::blue); // the user's own, kept while the colour window is open
            dialog->setCurrentColor(Qt::yellow);
            dialog->accept();
        });
        QCOMPARE(QtColourDialog().choose(&owner, mine), 0x00FFFF);
        QCOMPARE(shownFirst, QColor(Qt::red));
        QCOMPARE(mine[1], 0xFF0000);
        QCOMPARE(QColorDialog::customColor(0), QColor(Qt::green));
    }
};

QTEST_MAIN(TestPlatform)
#include "test_platform.moc"
