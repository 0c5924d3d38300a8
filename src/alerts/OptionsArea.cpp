#include "alerts/OptionsArea.h"

#include "platform/Controls.h"
#include "platform/FlatBttn.h"
#include "platform/Frame.h"

#include <QLabel>

using namespace Qt::StringLiterals;
using Controls::place;

namespace {

constexpr ColourValue Maroon = 0x000080;

Frame *panel(QWidget *window, const char *name, int designedTop) {
    return place(new Frame(window), name, QRect(95, designedTop, 5392, 1755));
}

// The panel's title sits on its top edge.
QLabel *panelTitle(Frame *panel, const char *name, const QString &caption) {
    QLabel *title = Controls::label(panel, name, caption, 120, 0);
    title->setFont(Controls::captionFont(true));
    title->setMargin(2);
    title->adjustSize();
    title->setAutoFillBackground(true);
    Controls::setForeColour(title, Maroon);
    return title;
}

} // namespace

OptionsArea::OptionsArea(QWidget *window, QWidget *mainArea)
    : QObject(window)
    , Frame4(place(new Frame(mainArea), "Frame4", QRect(4190, 115, 1080, 1320)))
    , Frame5(panel(window, "Frame5", 5640))
    , Label2(panelTitle(Frame5, "Label2", u"timer"_s))
    , Frame10(panel(window, "Frame10", 7680))
    , Label1(panelTitle(Frame10, "Label1", u"alarm I"_s))
    , Frame16(panel(window, "Frame16", 9720))
    , Label15(panelTitle(Frame16, "Label15", u"alarm II"_s))
    , FlatBttnClose(
          place(new FlatBttn(u"close options"_s, window), "FlatBttnClose", QRect(4320, 4950, 1160, 270))) {
    buildButtons();
    // As designed: only the Alarm II panel and the Alarm I title are visible, all below the
    // compact window's bottom edge.
    Frame5->hide();
    Frame10->hide();
    Label2->hide();
    Label15->hide();
}

void OptionsArea::buildButtons() {
    Controls::groupCaption(Frame4, "lblNotify", u"options"_s);
    const auto optionsButton = [this](const char *name, const QString &caption, int top) {
        return place(new FlatBttn(caption, Frame4), name, QRect(90, top, 900, 270));
    };
    FlatBttnTimer = optionsButton("FlatBttnTimer", u"timer"_s, 420);
    FlatBttnAlarm1 = optionsButton("FlatBttnAlarm1", u"alarm I"_s, 720);
    FlatBttnAlarm2 = optionsButton("FlatBttnAlarm2", u"alarm II"_s, 1020);
}
