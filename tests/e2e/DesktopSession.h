#pragma once

#include <QProcess>
#include <QProcessEnvironment>
#include <QRegularExpression>
#include <QTest>

#include <X11/Xlib.h>

#include <memory>
#include <optional>
#include <vector>

// A private X desktop for end-to-end tests: Xvfb on a free display, the openbox window manager,
// the trayer notification area (unless asked for none) and a D-Bus session bus, each started only
// once the one before is ready. Everything started is stopped by its process, whatever happened.
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

    bool start(bool withTray = true) {
        QProcess *xvfb =
            spawn(QStringLiteral("Xvfb"),
                  {QStringLiteral("-displayfd"), QStringLiteral("1"), QStringLiteral("-screen"),
                   QStringLiteral("0"), QStringLiteral("1024x768x24"), QStringLiteral("-noreset"),
                   QStringLiteral("-nolisten"), QStringLiteral("tcp")});
        if (!QTest::qWaitFor([xvfb] { return xvfb->canReadLine(); }, 15000))
            return false;
        m_name = u':' + QString::fromLatin1(xvfb->readLine().trimmed());
        m_environment.insert(QStringLiteral("DISPLAY"), m_name);
        m_display = XOpenDisplay(m_name.toLatin1().constData());
        if (!m_display)
            return false;
        spawn(QStringLiteral("openbox"), {QStringLiteral("--sm-disable")});
        if (!waitForSelectionOwner("WM_S0") || !startSessionBus())
            return false;
        if (!withTray)
            return true;
        spawn(QStringLiteral("trayer"),
              {QStringLiteral("--edge"), QStringLiteral("bottom"), QStringLiteral("--align"),
               QStringLiteral("right"), QStringLiteral("--widthtype"), QStringLiteral("pixel"),
               QStringLiteral("--width"), QStringLiteral("200"), QStringLiteral("--height"),
               QStringLiteral("32")});
        return waitForSelectionOwner("_NET_SYSTEM_TRAY_S0");
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

    // Runs an X command line tool on this display and returns what it printed.
    QString run(const QString &program, const QStringList &arguments) const {
        QProcess tool;
        tool.setProcessEnvironment(m_environment);
        tool.start(program, arguments);
        tool.waitForFinished(10000);
        return QString::fromLocal8Bit(tool.readAllStandardOutput());
    }

    // The ids of the mapped windows whose title matches.
    QStringList visibleWindows(const QString &title) const {
        return run(QStringLiteral("xdotool"), {QStringLiteral("search"), QStringLiteral("--onlyvisible"),
                                               QStringLiteral("--name"), title})
            .split(u'\n', Qt::SkipEmptyParts);
    }

    // The centre of the first small mapped window of the class, as xwininfo gives it in screen
    // coordinates: a tray icon.
    std::optional<QPoint> trayIconCentre(const QString &windowClass) const {
        const QString tree =
            run(QStringLiteral("xwininfo"), {QStringLiteral("-root"), QStringLiteral("-tree")});
        const QRegularExpression line(
            QStringLiteral("\\(\"") + QRegularExpression::escape(windowClass) +
            QStringLiteral("\" \"[^\"]*\"\\)\\s+(\\d+)x(\\d+)\\+-?\\d+\\+-?\\d+\\s+\\+(-?\\d+)\\+(-?\\d+)"));
        for (const QRegularExpressionMatch &match : line.globalMatch(tree)) {
            const int width = match.captured(1).toInt();
            const int height = match.captured(2).toInt();
            if (width > 1 && width <= 64 && height > 1 && height <= 64)
                return QPoint(match.captured(3).toInt() + width / 2, match.captured(4).toInt() + height / 2);
        }
        return std::nullopt;
    }

    // The X window state of a window: "Normal", "Iconic" or "Withdrawn" (nothing: not managed).
    QString windowState(const QString &window) const {
        const QString state =
            run(QStringLiteral("xprop"), {QStringLiteral("-id"), window, QStringLiteral("WM_STATE")});
        const QRegularExpressionMatch match =
            QRegularExpression(QStringLiteral("window state: (\\w+)")).match(state);
        return match.hasMatch() ? match.captured(1) : QString();
    }

    // Whether the window manager keeps the window above others.
    bool isKeptAbove(const QString &window) const {
        return run(QStringLiteral("xprop"), {QStringLiteral("-id"), window, QStringLiteral("_NET_WM_STATE")})
            .contains(QStringLiteral("_NET_WM_STATE_ABOVE"));
    }

    QString activeWindow() const {
        return run(QStringLiteral("xdotool"), {QStringLiteral("getactivewindow")}).trimmed();
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
        run(QStringLiteral("xdotool"),
            {QStringLiteral("mousemove"), QString::number(at.x()), QString::number(at.y()),
             QStringLiteral("click"), QStringLiteral("--repeat"), QString::number(repeat),
             QStringLiteral("--delay"), QStringLiteral("80"), QString::number(button)});
    }

    void type(const QString &text) const {
        run(QStringLiteral("xdotool"),
            {QStringLiteral("type"), QStringLiteral("--delay"), QStringLiteral("30"), text});
    }

    void key(const QStringList &keys) const {
        run(QStringLiteral("xdotool"), QStringList{QStringLiteral("key")} + keys);
    }

private:
    bool startSessionBus() {
        QProcess *bus =
            spawn(QStringLiteral("dbus-daemon"), {QStringLiteral("--session"), QStringLiteral("--nofork"),
                                                  QStringLiteral("--print-address=1")});
        if (!QTest::qWaitFor([bus] { return bus->canReadLine(); }, 15000))
            return false;
        m_environment.insert(QStringLiteral("DBUS_SESSION_BUS_ADDRESS"),
                             QString::fromLatin1(bus->readLine().trimmed()));
        return true;
    }

    QProcess *spawn(const QString &program, const QStringList &arguments) {
        auto &process = m_processes.emplace_back(std::make_unique<QProcess>());
        process->setProcessEnvironment(m_environment);
        process->start(program, arguments);
        return process.get();
    }

    bool waitForSelectionOwner(const char *selection) {
        const Atom atom = XInternAtom(m_display, selection, False);
        return QTest::qWaitFor([this, atom] { return XGetSelectionOwner(m_display, atom) != None; }, 15000);
    }

    std::vector<std::unique_ptr<QProcess>> m_processes;
    QProcessEnvironment m_environment = QProcessEnvironment::systemEnvironment();
    QString m_name;
    Display *m_display = nullptr;
};
