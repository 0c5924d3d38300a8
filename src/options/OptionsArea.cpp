#include "options/OptionsArea.h"

#include "controls/Controls.h"
#include "controls/FlatBttn.h"
#include "controls/Frame.h"

#include <QLabel>

using namespace Qt::StringLiterals;
using Controls::place;

namespace {

// The client area: the top strip and the main area with the same margin below as beside it, and
// with an options panel open, the panel and the bottom row below them.
constexpr int ClientWidth = 5565;
constexpr int CompactClientHeight = 3250;
constexpr int ExpandedClientHeight = 5250;
constexpr QPoint OpenedPanel(95, 3160);

Frame *panel(QWidget *window, const char *name, int designedTop) {
    return place(new Frame(window), name, QRect(95, designedTop, 5392, 1755));
}

// The panel's title sits on its top edge.
QLabel *panelTitle(Frame *panel, const char *name, const QString &caption) {
    return Controls::frameTitle(panel, name, caption, 120);
}

} // namespace

OptionsArea::OptionsArea(QWidget *window, QWidget *mainArea)
    : QObject(window)
    , Frame4(place(new Frame(mainArea), "Frame4", QRect(4190, 115, 1080, 1320)))
    , Frame5(panel(window, "Frame5", 5640))
    //: The bold title of the countdown's options panel.
    , Label2(panelTitle(Frame5, "Label2", tr("timer")))
    , Frame10(panel(window, "Frame10", 7680))
    //: The bold title of alarm I's options panel.
    , Label1(panelTitle(Frame10, "Label1", tr("alarm I")))
    , Frame16(panel(window, "Frame16", 9720))
    //: The bold title of alarm II's options panel.
    , Label15(panelTitle(Frame16, "Label15", tr("alarm II")))
    //: Short: a small button, 77 pixels, that hides the options panels.
    , FlatBttnClose(
          place(new FlatBttn(tr("close options"), window), "FlatBttnClose", QRect(4320, 4950, 1160, 270)))
    , m_window(window) {
    buildButtons();
    Label2->hide();
    Label15->hide();
}

void OptionsArea::buildButtons() {
    //: The caption over the three buttons that open the options panels, 65 pixels wide.
    Controls::groupCaption(Frame4, "lblNotify", tr("options"));
    const auto optionsButton = [this](const char *name, const QString &caption, const QString &accessibleName,
                                      int top) {
        auto *button = place(new FlatBttn(caption, Frame4), name, QRect(90, top, 900, 255));
        button->setAccessibleName(accessibleName);
        return button;
    };
    //: Short: a small button, 60 pixels, that opens the countdown's options.
    FlatBttnTimer = optionsButton("FlatBttnTimer", tr("timer"), tr("timer options"), 420);
    //: Short: a small button, 60 pixels, that opens alarm I's options.
    FlatBttnAlarm1 = optionsButton("FlatBttnAlarm1", tr("alarm I"), tr("alarm I options"), 720);
    //: Short: a small button, 60 pixels, that opens alarm II's options.
    FlatBttnAlarm2 = optionsButton("FlatBttnAlarm2", tr("alarm II"), tr("alarm II options"), 1020);
    connect(FlatBttnTimer, &FlatBttn::Click, this, &OptionsArea::FlatBttnTimer_Click);
    connect(FlatBttnAlarm1, &FlatBttn::Click, this, &OptionsArea::FlatBttnAlarm1_Click);
    connect(FlatBttnAlarm2, &FlatBttn::Click, this, &OptionsArea::FlatBttnAlarm2_Click);
    connect(FlatBttnClose, &FlatBttn::Click, this, &OptionsArea::FlatBttnClose_Click);
}

// What lies below the compact window's edge is hidden, so that the keyboard cannot reach it and
// assistive technology does not report it as showing.
void OptionsArea::applyCompactSize() {
    m_window->setFixedSize(twipsToPixels(ClientWidth), twipsToPixels(CompactClientHeight));
    for (QWidget *below : QList<QWidget *>{Frame5, Frame10, Frame16, FlatBttnClose} + bottomRow)
        below->hide();
}

void OptionsArea::applyExpandedSize() {
    m_window->setFixedSize(twipsToPixels(ClientWidth), twipsToPixels(ExpandedClientHeight));
    for (QWidget *row : QList<QWidget *>{FlatBttnClose} + bottomRow)
        row->show();
}

QLabel *OptionsArea::titleOf(Frame *panel) const {
    return panel == Frame5 ? Label2 : panel == Frame10 ? Label1 : Label15;
}

// The chosen panel is shown at its place under the main area with its title; the others are
// hidden where they are.
void OptionsArea::ShowOptionsPanel(Frame *panel) {
    applyExpandedSize();
    for (Frame *other : {Frame5, Frame10, Frame16})
        if (other != panel)
            other->hide();
    panel->show();
    panel->move(twipsToPixels(OpenedPanel.x()), twipsToPixels(OpenedPanel.y()));
    titleOf(panel)->show();
    for (QLabel *title : {Label1, Label2, Label15})
        if (title != titleOf(panel))
            title->hide();
}

void OptionsArea::FlatBttnTimer_Click() {
    ShowOptionsPanel(Frame5);
}

void OptionsArea::FlatBttnAlarm1_Click() {
    ShowOptionsPanel(Frame10);
}

void OptionsArea::FlatBttnAlarm2_Click() {
    ShowOptionsPanel(Frame16);
}

void OptionsArea::FlatBttnClose_Click() {
    for (QLabel *title : {Label1, Label2, Label15})
        title->hide();
    applyCompactSize();
    Q_EMIT optionsClosed();
}
