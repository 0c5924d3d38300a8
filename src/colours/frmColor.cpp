#include "colours/frmColor.h"

#include "controls/Controls.h"
#include "controls/FlatBttn.h"
#include "controls/Frame.h"

#include <QCloseEvent>
#include <QFrame>
#include <QLabel>

using namespace Qt::StringLiterals;
using Controls::place;
using Slot = ColourScheme::Slot;

namespace {

const QString ColorSettings = u"ColorSettings"_s;

struct Row {
    const char *swatch, *picture, *button, *name;
    bool background;
};

// The rows in slot order: swatch, its picture box, its "default" button, and the name of what it
// colours.
constexpr std::array<Row, 8> Rows{{
    //: The colour boxes, for assistive technology.
    {"lblEnter", "Picture1", "FlatBttnEnter", QT_TRANSLATE_NOOP("frmColor", "timer entry background"), true},
    {"lblEnter2", "Picture2", "FlatBttnEnter2", QT_TRANSLATE_NOOP("frmColor", "timer entry text"), false},
    {"lblRemain", "Picture3", "FlatBttnRemain", QT_TRANSLATE_NOOP("frmColor", "timer remaining background"),
     true},
    {"lblRemain2", "Picture4", "FlatBttnRemain2", QT_TRANSLATE_NOOP("frmColor", "timer remaining text"),
     false},
    {"lblAlarmIback", "Picture5", "FlatBttnAlarmI", QT_TRANSLATE_NOOP("frmColor", "alarm I background"),
     true},
    {"lblAlarmIfont", "Picture6", "FlatBttnAlarmI2", QT_TRANSLATE_NOOP("frmColor", "alarm I text"), false},
    {"lblAlarmIIback", "Picture7", "FlatBttnAlarmII", QT_TRANSLATE_NOOP("frmColor", "alarm II background"),
     true},
    {"lblAlarmIIfont", "Picture8", "FlatBttnAlarmII2", QT_TRANSLATE_NOOP("frmColor", "alarm II text"), false},
}};

// A bold maroon title centred on the frame's top edge.
void frameTitle(Frame *frame, const char *name, const QString &caption) {
    QLabel *title = Controls::frameTitle(frame, name, caption, 0);
    title->move((frame->width() - title->width()) / 2, 0);
}

void subHeading(QWidget *frame, const char *name, const QString &caption, int top) {
    Controls::setForeColour(Controls::label(frame, name, caption, 100, top), Colour::Navy);
}

} // namespace

frmColor::frmColor(const QString &configFolder, ColourDialog &dialog)
    : m_settings(configFolder)
    , m_dialog(dialog) {
    setObjectName(u"frmColor"_s);
    //: The colour window's title.
    Controls::setUpSecondaryWindow(this, tr("Custom Color"), 4830, 2505);
    buildFrames();
    load();
}

void frmColor::buildFrames() {
    auto *outer = place(new Frame(this), "Frame1", QRect(0, 0, 4830, 2505));
    auto *timer = place(new Frame(outer), "Frame2", QRect(115, 120, 2160, 2190));
    auto *alarm1 = place(new Frame(outer), "Frame7", QRect(2380, 120, 2160, 1090));
    auto *alarm2 = place(new Frame(outer), "Frame8", QRect(2380, 1230, 2160, 1080));
    //: A bold title on a frame's top edge: the countdown's colours.
    frameTitle(timer, "lblTimer", tr("timer"));
    //: A bold title on a frame's top edge: alarm I's colours.
    frameTitle(alarm1, "lblAlarmI", tr("alarm I"));
    //: A bold title on a frame's top edge: alarm II's colours.
    frameTitle(alarm2, "lblAlarmII", tr("alarm II"));
    //: Over the colours of the countdown's boxes for the time entered.
    subHeading(timer, "lblEnterTime", tr("enter time"), 180);
    //: Over the colours of the countdown's display of the time left.
    subHeading(timer, "lblTimeRemaining", tr("time remaining"), 1140);
    buildRow(timer, ColourScheme::EntryBack, 430);
    buildRow(timer, ColourScheme::EntryText, 780);
    buildRow(timer, ColourScheme::RemainingBack, 1410);
    buildRow(timer, ColourScheme::RemainingText, 1760);
    buildRow(alarm1, ColourScheme::AlarmIBack, 270);
    buildRow(alarm1, ColourScheme::AlarmIText, 620);
    buildRow(alarm2, ColourScheme::AlarmIIBack, 270);
    buildRow(alarm2, ColourScheme::AlarmIIText, 620);
}

void frmColor::buildRow(QWidget *frame, Slot slot, int top) {
    const Row &row = Rows[slot];
    //: Beside a colour box, 65 pixels: the display's background colour.
    const QString backCaption = tr("back color");
    //: Beside a colour box, 65 pixels: the display's text colour.
    const QString caption = row.background ? backCaption : tr("font color");
    const QString name = tr(row.name);
    auto *box = place(new QFrame(frame), row.picture, QRect(100, top, 300, 275));
    box->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    // A button that shows only its colour, so that the keyboard reaches it too.
    auto *swatch = place(new FlatBttn(QString(), box), row.swatch, QRect(15, 15, 270, 245));
    swatch->setBorderless(true);
    swatch->setAccessibleName(name);
    swatch->setCursor(Qt::PointingHandCursor);
    connect(swatch, &FlatBttn::Click, this, [this, slot] { chooseColour(slot); });
    m_swatches[slot] = swatch;
    Controls::label(frame, nullptr, caption, 480, top + 30);
    //: Short: a small button, 40 pixels, that puts the colour it had at first back.
    auto *button = place(new FlatBttn(tr("default"), frame), row.button, QRect(1450, top, 600, 275));
    //: The "default" button of a colour, for assistive technology.
    button->setAccessibleName(tr("%1 default").arg(name));
    connect(button, &FlatBttn::Click, this, [this, slot] { restoreDefault(slot); });
}

void frmColor::load() {
    customColours.fill(0);
    for (int slot = 0; slot < int(m_swatches.size()); ++slot) {
        const ColourScheme::SlotInfo &info = ColourScheme::slots()[slot];
        const qint64 stored = m_settings.readInteger(ColorSettings, QLatin1StringView(info.swatchKey),
                                                     info.defaultColour, 0, 0xFFFFFF);
        Controls::setBackColour(m_swatches[size_t(slot)], ColourValue(stored));
    }
}

ColourValue frmColor::swatchColour(Slot slot) const {
    return Controls::backColour(m_swatches[slot]);
}

// On OK: the swatch, then the main window, then the custom colours; the key in any case.
void frmColor::chooseColour(Slot slot) {
    CustomColours chosenCustom = customColours;
    if (const std::optional<ColourValue> colour = m_dialog.choose(this, chosenCustom)) {
        Controls::setBackColour(m_swatches[slot], *colour);
        Q_EMIT slotApplied(slot, *colour);
        customColours = chosenCustom;
    }
    if (ownsUserFiles) {
        writeSwatchKey(slot);
        m_settings.sync();
    }
}

// The key takes the default when the window closes.
void frmColor::restoreDefault(Slot slot) {
    const ColourValue colour = ColourScheme::slots()[slot].defaultColour;
    Controls::setBackColour(m_swatches[slot], colour);
    Q_EMIT slotApplied(slot, colour);
}

void frmColor::writeSwatchKey(Slot slot) {
    m_settings.write(ColorSettings, QLatin1StringView(ColourScheme::slots()[slot].swatchKey),
                     QString::number(swatchColour(slot)));
}

void frmColor::closeEvent(QCloseEvent *event) {
    if (ownsUserFiles) {
        for (int slot = 0; slot < int(m_swatches.size()); ++slot)
            writeSwatchKey(Slot(slot));
        m_settings.sync();
    }
    event->accept();
}
