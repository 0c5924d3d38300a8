#pragma once

#include <QPoint>
#include <QProcess>
#include <QRegularExpression>
#include <QTest>

#include <X11/Xlib.h>

#include <optional>

// The X desktop that tests/desktop/session made, with the trayer notification area, for the
// benchmarks that run programs on it.
class DesktopSession {
public:
    DesktopSession() = default;
    ~DesktopSession() {
        // Closed first: Xlib ends the process when its server goes away under it.
        if (m_display)
            XCloseDisplay(m_display);
        m_tray.terminate();
        m_tray.waitForFinished(5000);
    }
    DesktopSession(const DesktopSession &) = delete;
    DesktopSession &operator=(const DesktopSession &) = delete;

    bool start() {
        m_display = XOpenDisplay(nullptr);
        if (!m_display)
            return false;
        m_tray.start(QStringLiteral("trayer"),
                     QProcess::splitCommand(QStringLiteral("--edge bottom --align right --widthtype pixel "
                                                           "--width 200 --height 32")));
        const Atom selection = XInternAtom(m_display, "_NET_SYSTEM_TRAY_S0", False);
        return QTest::qWaitFor([&] { return XGetSelectionOwner(m_display, selection) != None; }, 15000);
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
    QProcess m_tray;
    QProcessEnvironment m_environment = QProcessEnvironment::systemEnvironment();
    Display *m_display = nullptr;
};
