#include "colours/ColourScheme.h"

#include "persistence/SettingsStore.h"
#include "platform/Controls.h"

#include <QString>
#include <QWidget>

using namespace Qt::StringLiterals;

namespace {

constexpr ColourValue Black = 0x000000;
constexpr ColourValue Grey = 0xB9B9B9;
constexpr ColourValue Red = 0x0000F0;
constexpr ColourValue Azure = 0xFFD700;
constexpr ColourValue LargestColour = 0xFFFFFF;
const QString Section = u"ColorSettings"_s;

struct ControlKey {
    const char *control;
    bool background;
    ColourValue defaultColour;
};

// The per-control keys, "<control>BackColor" or "<control>ForeColor", in their stored order.
const QList<ControlKey> &controlKeys() {
    static const QList<ControlKey> keys{
        {"Picture1", true, Black},   {"Picture2", true, Black},    {"Picture3", true, Black},
        {"Picture4", true, Black},   {"Picture5", true, Black},    {"Picture6", true, Black},
        {"lblCounter", true, Black}, {"txtHours", true, Black},    {"txtMinutes", true, Black},
        {"txtSeconds", true, Black}, {"txtHour", true, Black},     {"txtMinute", true, Black},
        {"txtAmPm", true, Black},    {"txtHour2", true, Black},    {"txtMinute2", true, Black},
        {"txtAmPm2", true, Black},   {"Label3", true, Black},      {"Label4", true, Black},
        {"Label3", false, Azure},    {"Label4", false, Azure},     {"lblCounter", false, Red},
        {"txtHours", false, Grey},   {"txtMinutes", false, Grey},  {"txtSeconds", false, Grey},
        {"txtHour", false, Azure},   {"txtMinute", false, Azure},  {"txtAmPm", false, Azure},
        {"txtHour2", false, Azure},  {"txtMinute2", false, Azure}, {"txtAmPm2", false, Azure},
    };
    return keys;
}

void paint(QWidget *control, bool background, ColourValue colour) {
    if (background)
        Controls::setBackColour(control, colour);
    else
        Controls::setForeColour(control, colour);
}

QString keyOf(const ControlKey &key) {
    return QString::fromLatin1(key.control) + (key.background ? u"BackColor"_s : u"ForeColor"_s);
}

} // namespace

const QList<ColourScheme::SlotInfo> &ColourScheme::slots() {
    static const QList<SlotInfo> all{
        {Black,
         "lblEnterBackColor",
         {{"Picture2", true},
          {"Picture3", true},
          {"Picture4", true},
          {"txtHours", true},
          {"txtMinutes", true},
          {"txtSeconds", true}}},
        {Grey, "lblEnter2BackColor", {{"txtHours", false}, {"txtMinutes", false}, {"txtSeconds", false}}},
        {Black, "lblRemainBackColor", {{"Picture5", true}, {"lblCounter", true}}},
        {Red, "lblRemain2BackColor", {{"lblCounter", false}}},
        {Black,
         "lblAlarmIbackBackColor",
         {{"Picture1", true}, {"Label3", true}, {"txtHour", true}, {"txtMinute", true}, {"txtAmPm", true}}},
        {Azure,
         "lblAlarmIfontBackColor",
         {{"Label3", false}, {"txtHour", false}, {"txtMinute", false}, {"txtAmPm", false}}},
        {Black,
         "lblAlarmIIbackBackColor",
         {{"Picture6", true},
          {"Label4", true},
          {"txtHour2", true},
          {"txtMinute2", true},
          {"txtAmPm2", true}}},
        {Azure,
         "lblAlarmIIfontBackColor",
         {{"Label4", false}, {"txtHour2", false}, {"txtMinute2", false}, {"txtAmPm2", false}}},
    };
    return all;
}

ColourScheme::ColourScheme(QWidget *mainWindow, SettingsStore &settings)
    : m_window(mainWindow)
    , m_settings(settings) {}

QWidget *ColourScheme::control(const char *name) const {
    return m_window->findChild<QWidget *>(QLatin1StringView(name));
}

void ColourScheme::load() {
    for (const ControlKey &key : controlKeys()) {
        const auto colour =
            ColourValue(m_settings.readInteger(Section, keyOf(key), key.defaultColour, 0, LargestColour));
        paint(control(key.control), key.background, colour);
    }
}

void ColourScheme::save() {
    for (const ControlKey &key : controlKeys()) {
        QWidget *target = control(key.control);
        const ColourValue colour =
            key.background ? Controls::backColour(target) : Controls::foreColour(target);
        m_settings.WriteSetting(Section, keyOf(key), QString::number(colour));
    }
}

void ColourScheme::applySlot(Slot slot, ColourValue colour) {
    for (const Target &target : slots()[slot].targets)
        paint(control(target.control), target.background, colour);
}
