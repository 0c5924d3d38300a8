#pragma once

#include <QObject>
#include <QTimer>

// The countdown's tick source: Timer is raised on the user-interface thread once per interval
// while enabled, and never while disabled.
class SOTimer : public QObject {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(SOTimer)

public:
    explicit SOTimer(QObject *parent = nullptr);

    int interval() const { return m_timer.interval(); }
    void setInterval(int milliseconds);
    bool isEnabled() const { return m_enabled; }
    void setEnabled(bool enabled);

Q_SIGNALS:
    void Timer();

private:
    void tick();

    QTimer m_timer;
    bool m_enabled = false;
};
