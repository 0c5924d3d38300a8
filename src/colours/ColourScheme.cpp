#include "colours/ColourScheme.h"

#include "persistence/SettingsStore.h"

#include <QString>

using namespace Qt::StringLiterals;

namespace {

constexpr ColourValue LargestColour = 0xFFFFFF;
const QString Section = u"ColorSettings"_s;

struct ControlKey {
    ColourScheme::Target target;
    ColourValue defaultColour;
};

// The per-control keys, "<control>BackColor" or "<control>ForeColor", in their stored order.
const QList<ControlKey> &controlKeys() {
    static const QList<ControlKey> keys{
        {"Picture1", true, Colour::Black},    {"Picture2", true, Colour::Black},
        {"Picture3", true, Colour::Black},    {"Picture4", true, Colour::Black},
        {"Picture5", true, Colour::Black},    {"Picture6", true, Colour::Black},
        {"lblCounter", true, Colour::Black},  {"txtHours", true, Colour::Black},
        {"txtMinutes", true, Colour::Black},  {"txtSeconds", true, Colour::Black},
        {"txtHour", true, Colour::Black},     {"txtMinute", true, Colour::Black},
        {"txtAmPm", true, Colour::Black},     {"txtHour2", true, Colour::Black},
        {"txtMinute2", true, Colour::Black},  {"txtAmPm2", true, Colour::Black},
        {"Label3", true, Colour::Black},      {"Label4", true, Colour::Black},
        {"Label3", false, Colour::Azure},     {"Label4", false, Colour::Azure},
        {"lblCounter", false, Colour::Red},   {"txtHours", false, Colour::Grey},
        {"txtMinutes", false, Colour::Grey},  {"txtSeconds", false, Colour::Grey},
        {"txtHour", false, Colour::Azure},    {"txtMinute", false, Colour::Azure},
        {"txtAmPm", false, Colour::Azure},    {"txtHour2", false, Colour::Azure},
        {"txtMinute2", false, Colour::Azure}, {"txtAmPm2", false, Colour::Azure},
    };
    return keys;
}

QString keyOf(const ColourScheme::Target &target) {
    return QString::fromLatin1(target.control) + (target.background ? u"BackColor"_s : u"ForeColor"_s);
}

} // namespace

const QList<ColourScheme::SlotInfo> &ColourScheme::slots() {
    static const QList<SlotInfo> all{
        {Colour::Black,
         "lblEnterBackColor",
         {{"Picture2", true},
          {"Picture3", true},
          {"Picture4", true},
          {"txtHours", true},
          {"txtMinutes", true},
          {"txtSeconds", true}}},
        {Colour::Grey,
         "lblEnter2BackColor",
         {{"txtHours", false}, {"txtMinutes", false}, {"txtSeconds", false}}},
        {Colour::Black, "lblRemainBackColor", {{"Picture5", true}, {"lblCounter", true}}},
        {Colour::Red, "lblRemain2BackColor", {{"lblCounter", false}}},
        {Colour::Black,
         "lblAlarmIbackBackColor",
         {{"Picture1", true}, {"Label3", true}, {"txtHour", true}, {"txtMinute", true}, {"txtAmPm", true}}},
        {Colour::Azure,
         "lblAlarmIfontBackColor",
         {{"Label3", false}, {"txtHour", false}, {"txtMinute", false}, {"txtAmPm", false}}},
        {Colour::Black,
         "lblAlarmIIbackBackColor",
         {{"Picture6", true},
          {"Label4", true},
          {"txtHour2", true},
          {"txtMinute2", true},
          {"txtAmPm2", true}}},
        {Colour::Azure,
         "lblAlarmIIfontBackColor",
         {{"Label4", false}, {"txtHour2", false}, {"txtMinute2", false}, {"txtAmPm2", false}}},
    };
    return all;
}

ColourScheme::ColourScheme(SettingsStore &settings, QObject *parent)
    : QObject(parent)
    , m_settings(settings) {
    for (const ControlKey &key : controlKeys())
        m_colours[keyOf(key.target)] = key.defaultColour;
}

void ColourScheme::load() {
    for (const ControlKey &key : controlKeys())
        set(key.target, ColourValue(m_settings.readInteger(Section, keyOf(key.target), key.defaultColour, 0,
                                                           LargestColour)));
}

void ColourScheme::save() {
    for (const ControlKey &key : controlKeys())
        m_settings.write(Section, keyOf(key.target), QString::number(colour(key.target)));
}

void ColourScheme::applySlot(Slot slot, ColourValue colour) {
    for (const Target &target : slots()[slot].targets)
        set(target, colour);
}

ColourValue ColourScheme::colour(const Target &target) const {
    return m_colours.value(keyOf(target));
}

void ColourScheme::set(const Target &target, ColourValue colour) {
    m_colours[keyOf(target)] = colour;
    Q_EMIT colourChanged(target, colour);
}
