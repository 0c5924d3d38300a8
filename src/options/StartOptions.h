#pragma once

#include <QObject>

class SettingsStore;

// The choices of the options' bottom rows, kept in the settings file: the two start options, "start
// with windows" and "start minimized", "ring until seen" and "keep alarms".
class StartOptions : public QObject {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(StartOptions)

public:
    using QObject::QObject;

    bool startsWithDesktop() const { return m_withDesktop; }
    void setStartsWithDesktop(bool starts);
    bool startsMinimized() const { return m_minimized; }
    void setStartsMinimized(bool starts);
    bool ringsUntilSeen() const { return m_ringsUntilSeen; }
    void setRingsUntilSeen(bool rings);
    // The alarms come back at the next start as they were at the end.
    bool keepsAlarms() const { return m_keepsAlarms; }
    void setKeepsAlarms(bool keeps);

    void load(SettingsStore &settings);
    void save(SettingsStore &settings) const;

Q_SIGNALS:
    // Also when it is restored on at the start: the program registers again at every start.
    void startsWithDesktopChanged();
    void startsMinimizedChanged();
    void ringsUntilSeenChanged();
    void keepsAlarmsChanged();

private:
    bool m_withDesktop = false;
    bool m_minimized = false;
    bool m_ringsUntilSeen = false;
    bool m_keepsAlarms = false;
};
