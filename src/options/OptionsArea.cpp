#include "options/OptionsArea.h"

#include "controls/Controls.h"
#include "controls/FlatBttn.h"
#include "controls/Frame.h"
#include "options/StartOptions.h"

#include <QCheckBox>
#include <QLabel>

#include <utility>

using namespace Qt::StringLiterals;
using Controls::place;

namespace {

// The client area: the top strip and the main area with the same margin below as beside it, and
// with an options panel open, the panel and the bottom row below them.
constexpr int ClientWidth = 5565;
constexpr int CompactClientHeight = 3250;
constexpr int ExpandedClientHeight = 5580;
constexpr QPoint OpenedPanel(95, 3160);

Frame *newPanel(QWidget *window, const char *name, int designedTop) {
    return place(new Frame(window), name, QRect(95, designedTop, 5392, 1755));
}

// The panel's title sits on its top edge.
QLabel *panelTitle(Frame *panel, const char *name, const QString &caption) {
    return Controls::frameTitle(panel, name, caption, 120);
}

} // namespace

OptionsArea::OptionsArea(QWidget *window, QWidget *mainArea, StartOptions &startOptions)
    : QObject(window)
    , m_startOptions(startOptions)
    , m_window(window)
    , m_buttons(place(new Frame(mainArea), "Frame4", QRect(4190, 115, 1080, 1320)))
    , m_panels{newPanel(window, "Frame5", 5640), newPanel(window, "Frame10", 7680),
               newPanel(window, "Frame16", 9720)} //: The bold title of the countdown's options panel.
    , m_titles{panelTitle(m_panels[Timer], "Label2", tr("timer")),
               //: The bold title of alarm I's options panel.
               panelTitle(m_panels[AlarmI], "Label1", tr("alarm I")),
               //: The bold title of alarm II's options panel.
               panelTitle(m_panels[AlarmII], "Label15", tr("alarm II"))} {
    buildButtons();
    buildBottomRow();
    m_titles[Timer]->hide();
    m_titles[AlarmII]->hide();
}

void OptionsArea::buildButtons() {
    //: The caption over the three buttons that open the options panels, 65 pixels wide.
    Controls::groupCaption(m_buttons, "lblNotify", tr("options"));
    const auto optionsButton = [this](const char *name, const QString &caption, const QString &accessibleName,
                                      int top, Panel opened) {
        auto *button = place(new FlatBttn(caption, m_buttons), name, QRect(90, top, 900, 255));
        button->setAccessibleName(accessibleName);
        connect(button, &FlatBttn::Click, this, [this, opened] { showPanel(opened); });
        return button;
    };
    //: Short: a small button, 60 pixels, that opens the countdown's options.
    optionsButton("FlatBttnTimer", tr("timer"), tr("timer options"), 420, Timer);
    //: Short: a small button, 60 pixels, that opens alarm I's options.
    optionsButton("FlatBttnAlarm1", tr("alarm I"), tr("alarm I options"), 720, AlarmI);
    //: Short: a small button, 60 pixels, that opens alarm II's options.
    m_alarmIIButton = optionsButton("FlatBttnAlarm2", tr("alarm II"), tr("alarm II options"), 1020, AlarmII);
}

// The start options above, "ring until seen", "keep alarms" and "close options" below, in the keyboard's
// order from left to right and top to bottom.
void OptionsArea::buildBottomRow() {
    //: Beside a check box, 130 pixels: the program starts when the user logs in to the desktop. Say
    //: it as your language's desktops do, not word for word.
    m_startWithDesktop = Controls::labelledButton<QCheckBox>(m_window, "CheckStart", "Label17",
                                                             tr("start with windows"), 95, 4980);
    //: Beside a check box, 110 pixels: the program starts with only its icon in the tray.
    m_startMinimized = Controls::labelledButton<QCheckBox>(m_window, "CheckMin", "Label16",
                                                           tr("start minimized"), 2330, 4980);
    //: Beside a check box, 130 pixels: the sound of an alarm or of the countdown's end plays again
    //: and again until the user answers it.
    m_ringUntilSeen = Controls::labelledButton<QCheckBox>(m_window, "CheckRepeat", "lblRepeat",
                                                          tr("ring until seen"), 95, 5310);
    //: Beside a check box, 110 pixels: the alarms set at the end come back at the next start.
    m_keepAlarms =
        Controls::labelledButton<QCheckBox>(m_window, "CheckKeep", "lblKeep", tr("keep alarms"), 2330, 5310);
    //: Short: a small button, 77 pixels, that hides the options panels.
    m_close =
        place(new FlatBttn(tr("close options"), m_window), "FlatBttnClose", QRect(4320, 5280, 1160, 270));
    m_bottomRow = {m_startWithDesktop,
                   m_startMinimized,
                   m_ringUntilSeen,
                   m_keepAlarms,
                   m_window->findChild<QWidget *>(u"Label17"_s),
                   m_window->findChild<QWidget *>(u"Label16"_s),
                   m_window->findChild<QWidget *>(u"lblRepeat"_s),
                   m_window->findChild<QWidget *>(u"lblKeep"_s),
                   m_close};
    connect(m_close, &FlatBttn::Click, this, &OptionsArea::close);

    connect(m_startWithDesktop, &QCheckBox::toggled, &m_startOptions, &StartOptions::setStartsWithDesktop);
    connect(m_startMinimized, &QCheckBox::toggled, &m_startOptions, &StartOptions::setStartsMinimized);
    connect(m_ringUntilSeen, &QCheckBox::toggled, &m_startOptions, &StartOptions::setRingsUntilSeen);
    connect(m_keepAlarms, &QCheckBox::toggled, &m_startOptions, &StartOptions::setKeepsAlarms);
    connect(&m_startOptions, &StartOptions::startsWithDesktopChanged, m_startWithDesktop,
            [this] { m_startWithDesktop->setChecked(m_startOptions.startsWithDesktop()); });
    connect(&m_startOptions, &StartOptions::startsMinimizedChanged, m_startMinimized,
            [this] { m_startMinimized->setChecked(m_startOptions.startsMinimized()); });
    connect(&m_startOptions, &StartOptions::ringsUntilSeenChanged, m_ringUntilSeen,
            [this] { m_ringUntilSeen->setChecked(m_startOptions.ringsUntilSeen()); });
    connect(&m_startOptions, &StartOptions::keepsAlarmsChanged, m_keepAlarms,
            [this] { m_keepAlarms->setChecked(m_startOptions.keepsAlarms()); });
}

QWidget *OptionsArea::panel(Panel which) const {
    return m_panels[which];
}

QWidget *OptionsArea::lastOptionsButton() const {
    return m_alarmIIButton;
}

void OptionsArea::chainBottomRowAfter(QWidget *previous) {
    for (QWidget *next : std::initializer_list<QWidget *>{m_startWithDesktop, m_startMinimized,
                                                          m_ringUntilSeen, m_keepAlarms, m_close})
        QWidget::setTabOrder(std::exchange(previous, next), next);
}

// What lies below the compact window's edge is hidden, so that the keyboard cannot reach it and
// assistive technology does not report it as showing.
void OptionsArea::applyCompactSize() {
    m_window->setFixedSize(twipsToPixels(ClientWidth), twipsToPixels(CompactClientHeight));
    for (QWidget *below : QList<QWidget *>(m_panels.begin(), m_panels.end()) + m_bottomRow)
        below->hide();
}

void OptionsArea::applyExpandedSize() {
    m_window->setFixedSize(twipsToPixels(ClientWidth), twipsToPixels(ExpandedClientHeight));
    for (QWidget *row : m_bottomRow)
        row->show();
}

// The chosen panel is shown at its place under the main area with its title; the others are
// hidden where they are.
void OptionsArea::showPanel(Panel which) {
    applyExpandedSize();
    for (qsizetype other = 0; other < m_panels.size(); ++other) {
        m_panels[other]->setVisible(other == which);
        m_titles[other]->setVisible(other == which);
    }
    m_panels[which]->move(twipsToPixels(OpenedPanel.x()), twipsToPixels(OpenedPanel.y()));
}

void OptionsArea::close() {
    for (QLabel *title : m_titles)
        title->hide();
    applyCompactSize();
    Q_EMIT optionsClosed();
}
