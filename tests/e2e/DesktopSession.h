#pragma once

#include <QPoint>
#include <QProcess>
#include <QRegularExpression>
#include <QTest>

#include <X11/Xlib.h>

#include <memory>
#include <optional>
#include <vector>

// A private X desktop for end-to-end tests: Xvfb on a free display, the openbox window manager, a
// D-Bus session bus and the trayer notification area, each started only once the one before is
// ready. Everything started is stopped by its process, whatever happened.
class DesktopSession {
public:
    DesktopSession() = default;
    ~DesktopSession() {
        // Closed first: Xlib ends the process when its server goes away under it.
        if (m_display)
            XCloseDisplay(m_display);
        for (auto it = m_processes.rbegin(); it != m_processes.rend(); ++it) {
            (*it)->terminate();
            if (!(*it)->waitForFinished(3000))
                (*it)->kill();
            (*it)->waitForFinished(3000);
        }
    }
    DesktopSession(const DesktopSession &) = delete;
    DesktopSession &operator=(const DesktopSession &) = delete;

    bool start() {
        QProcess *xvfb =
            spawn(QStringLiteral("Xvfb -displayfd 1 -screen 0 1024x768x24 -noreset -nolisten tcp"));
        if (!QTest::qWaitFor([xvfb] { return xvfb->canReadLine(); }, 15000))
            return false;
        const QString name = u':' + QString::fromLatin1(xvfb->readLine().trimmed());
        m_environment.insert(QStringLiteral("DISPLAY"), name);
        if (!(m_display = XOpenDisplay(name.toLatin1().constData())))
            return false;
        // Owning its selection, openbox is still starting: a window mapped then stays unmanaged and
        // unseen. Its start-up command runs once it manages windows.
        QProcess *manager = spawn(QStringLiteral("openbox --sm-disable --startup \"echo managing\""));
        QProcess *bus = spawn(QStringLiteral("dbus-daemon --session --nofork --print-address=1"));
        if (!QTest::qWaitFor([manager] { return manager->canReadLine(); }, 15000) ||
            !QTest::qWaitFor([bus] { return bus->canReadLine(); }, 15000))
            return false;
        m_environment.insert(QStringLiteral("DBUS_SESSION_BUS_ADDRESS"),
                             QString::fromLatin1(bus->readLine().trimmed()));
        return startTray();
    }

    // The notification area, as a panel that starts late or ends.
    bool startTray() {
        m_tray = spawn(
            QStringLiteral("trayer --edge bottom --align right --widthtype pixel --width 200 --height 32"));
        return waitForSelectionOwner("_NET_SYSTEM_TRAY_S0");
    }
    void stopTray() {
        m_tray->terminate();
        m_tray->waitForFinished(5000);
    }

    const QProcessEnvironment &environment() const { return m_environment; }

    // For a program on this desktop through X, with a home (and configuration folder) of its own.
    QProcessEnvironment environmentWithHome(const QString &home) const {
        QProcessEnvironment environment = m_environment;
        environment.insert(QStringLiteral("HOME"), home);
        environment.insert(QStringLiteral("XDG_CONFIG_HOME"), home + QStringLiteral("/.config"));
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
        return environment;
    }

    // Runs an X tool on this display and returns what it printed.
    QString run(const QString &program, const QStringList &arguments) const {
        QProcess tool;
        tool.setProcessEnvironment(m_environment);
        tool.start(program, arguments);
        tool.waitForFinished(10000);
        return QString::fromLocal8Bit(tool.readAllStandardOutput());
    }
    QString xdotool(const QString &commandLine) const {
        return run(QStringLiteral("xdotool"), QProcess::splitCommand(commandLine));
    }

    // The ids of the mapped windows whose title matches.
    QStringList visibleWindows(const QString &title) const {
        return run(QStringLiteral("xdotool"), {QStringLiteral("search"), QStringLiteral("--onlyvisible"),
                                               QStringLiteral("--name"), title})
            .split(u'\n', Qt::SkipEmptyParts);
    }

    // The centre on the screen of the first small mapped window of the class: a tray icon.
    std::optional<QPoint> trayIconCentre(const QString &windowClass) const {
        const QString tree =
            run(QStringLiteral("xwininfo"), {QStringLiteral("-root"), QStringLiteral("-tree")});
        const QRegularExpression line(
            QStringLiteral("\\(\"%1\" \"[^\"]*\"\\)\\s+(\\d+)x(\\d+)\\+-?\\d+\\+-?\\d+\\s+"
                           "\\+(-?\\d+)\\+(-?\\d+)")
                .arg(QRegularExpression::escape(windowClass)));
        for (const QRegularExpressionMatch &match : line.globalMatch(tree)) {
            const QPoint size(match.captured(1).toInt(), match.captured(2).toInt());
            if (size.x() > 1 && size.x() <= 64 && size.y() > 1 && size.y() <= 64)
                return QPoint(match.captured(3).toInt(), match.captured(4).toInt()) + size / 2;
        }
        return std::nullopt;
    }

    // A property of the window as xprop prints it, such as WM_STATE or _NET_WM_STATE.
    QString property(const QString &window, const QString &name) const {
        return run(QStringLiteral("xprop"), {QStringLiteral("-id"), window, name});
    }
    bool isKeptAbove(const QString &window) const {
        return property(window, QStringLiteral("_NET_WM_STATE"))
            .contains(QStringLiteral("_NET_WM_STATE_ABOVE"));
    }

    // The top left corner of a window's client area on the screen.
    QPoint windowOrigin(const QString &window) const {
        const QString info = run(QStringLiteral("xwininfo"), {QStringLiteral("-id"), window});
        const auto value = [&info](const char *label) {
            return QRegularExpression(QString::fromLatin1(label) + QStringLiteral(":\\s+(-?\\d+)"))
                .match(info)
                .captured(1)
                .toInt();
        };
        return {value("Absolute upper-left X"), value("Absolute upper-left Y")};
    }

    void click(const QPoint &at, int button = 1, int repeat = 1) const {
        xdotool(QStringLiteral("mousemove %1 %2 click --repeat %3 --delay 80 %4")
                    .arg(at.x())
                    .arg(at.y())
                    .arg(repeat)
                    .arg(button));
    }
    void type(const QString &text) const {
        run(QStringLiteral("xdotool"),
            {QStringLiteral("type"), QStringLiteral("--delay"), QStringLiteral("30"), text});
    }
    void key(const QStringList &keys) const {
        run(QStringLiteral("xdotool"), QStringList{QStringLiteral("key")} + keys);
    }

private:
    QProcess *spawn(const QString &commandLine) {
        auto &process = m_processes.emplace_back(std::make_unique<QProcess>());
        process->setProcessEnvironment(m_environment);
        const QStringList words = QProcess::splitCommand(commandLine);
        process->start(words.first(), words.mid(1));
        return process.get();
    }

    bool waitForSelectionOwner(const char *selection) const {
        const Atom atom = XInternAtom(m_display, selection, False);
        return QTest::qWaitFor([this, atom] { return XGetSelectionOwner(m_display, atom) != None; }, 15000);
    }

    std::vector<std::unique_ptr<QProcess>> m_processes;
    QProcess *m_tray = nullptr;
    QProcessEnvironment m_environment = QProcessEnvironment::systemEnvironment();
    Display *m_display = nullptr;
};
