#include "options/StartOptions.h"

#include "persistence/SettingsStore.h"

using namespace Qt::StringLiterals;

namespace {

const QString Section = u"ControlSettings"_s;
const QString WithDesktopKey = u"CheckStartValue"_s;
const QString MinimizedKey = u"CheckMinValue"_s;
const QString RingsKey = u"CheckRepeatValue"_s;
const QString KeepKey = u"CheckKeepValue"_s;

QString flag(bool on) {
    return on ? u"1"_s : u"0"_s;
}

} // namespace

void StartOptions::setStartsWithDesktop(bool starts) {
    if (starts == m_withDesktop)
        return;
    m_withDesktop = starts;
    Q_EMIT startsWithDesktopChanged();
}

void StartOptions::setStartsMinimized(bool starts) {
    if (starts == m_minimized)
        return;
    m_minimized = starts;
    Q_EMIT startsMinimizedChanged();
}

void StartOptions::setRingsUntilSeen(bool rings) {
    if (rings == m_ringsUntilSeen)
        return;
    m_ringsUntilSeen = rings;
    Q_EMIT ringsUntilSeenChanged();
}

void StartOptions::setKeepsAlarms(bool keeps) {
    if (keeps == m_keepsAlarms)
        return;
    m_keepsAlarms = keeps;
    Q_EMIT keepsAlarmsChanged();
}

void StartOptions::load(SettingsStore &settings) {
    setStartsWithDesktop(settings.readInteger(Section, WithDesktopKey, 0, 0, 1) == 1);
    setStartsMinimized(settings.readInteger(Section, MinimizedKey, 0, 0, 1) == 1);
    setRingsUntilSeen(settings.readInteger(Section, RingsKey, 0, 0, 1) == 1);
    setKeepsAlarms(settings.readInteger(Section, KeepKey, 0, 0, 1) == 1);
}

void StartOptions::save(SettingsStore &settings) const {
    settings.write(Section, WithDesktopKey, flag(m_withDesktop));
    settings.write(Section, MinimizedKey, flag(m_minimized));
    settings.write(Section, RingsKey, flag(m_ringsUntilSeen));
    settings.write(Section, KeepKey, flag(m_keepsAlarms));
}
