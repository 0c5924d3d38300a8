#include "info/frmHelp.h"

#include "controls/Controls.h"
#include "controls/Frame.h"
#include "core/ProductInfo.h"

#include <QCoreApplication>
#include <QPlainTextEdit>
#include <QRegularExpression>
#include <QScrollBar>

using namespace Qt::StringLiterals;
using Controls::place;

namespace {

constexpr ColourValue LightGrey = 0xF0F0F0;

// The user guide, a message a section, so that it is translated section by section.
const char *const Sections[] = {
    //: A section of the user guide: its heading, a rule (a line of asterisks only, drawn as wide as
    //: the window) and lines of at most 59 characters. A caption in quotes is the window's own: write
    //: it as its translation reads there.
    QT_TRANSLATE_NOOP("frmHelp", "TIMER\n"
                                 "*********\n"
                                 "Type the time to count down into the three boxes under\n"
                                 "\"hrs\", \"mins\" and \"secs\", at most two digits each. The\n"
                                 "display under \"time remaining\" shows the whole time at\n"
                                 "once: 90 minutes shows as 01:30:00, and 99 hours, 99\n"
                                 "minutes and 99 seconds as 100:40:39. The countdown runs\n"
                                 "for the whole time entered, also beyond a day."),
    //: A section of the user guide, laid out as the first.
    QT_TRANSLATE_NOOP("frmHelp", "START BUTTON \n"
                                 "*********************\n"
                                 "Press \"start\" to count down one second every second.\n"
                                 "While the timer runs, \"reset\" is disabled. When the\n"
                                 "count reaches 00:00:00 the timer sound plays, the timer\n"
                                 "stops and the window comes back, even from the tray."),
    //: A section of the user guide, laid out as the first.
    QT_TRANSLATE_NOOP("frmHelp", "PAUSE BUTTON\n"
                                 "*********************\n"
                                 "Press \"pause\" to stop the count where it is. Press\n"
                                 "\"start\" to go on from there; the part of the second that\n"
                                 "had run is kept, so the timer still keeps exact time."),
    //: A section of the user guide, laid out as the first.
    QT_TRANSLATE_NOOP("frmHelp", "RESET BUTTON\n"
                                 "*********************\n"
                                 "Press \"reset\" (after \"pause\", or once the timer has gone\n"
                                 "off) to empty the three boxes and set the display back\n"
                                 "to 00:00:00. The cursor is then in the hours box."),
    //: A section of the user guide, laid out as the first.
    QT_TRANSLATE_NOOP("frmHelp", "ALARM  I and II\n"
                                 "*******************\n"
                                 "Each alarm shows its time as hour, minute and am or pm.\n"
                                 "Click a field, then use the arrows beside the alarm, or\n"
                                 "the Up and Down keys, to step it one up or down from\n"
                                 "what it shows: hours go from 01 to 12, minutes from 00\n"
                                 "to 59, and am and pm take turns. You may also type into\n"
                                 "the fields: an hour of 13 to 23 becomes 01 to 11 pm,\n"
                                 "and a or p sets am or pm. Click \"on\" to arm the alarm\n"
                                 "and \"off\" to disarm it; an alarm whose time cannot be\n"
                                 "read stays off, and a box tells you so. At the set\n"
                                 "minute the alarm plays its sound, brings the window\n"
                                 "back, shows its message and starts its program (when\n"
                                 "these are activated), and switches itself off. Switched\n"
                                 "on inside its own minute, it goes off at once."),
    //: A section of the user guide, laid out as the first.
    QT_TRANSLATE_NOOP("frmHelp", "TIMER OPTIONS\n"
                                 "*********************\n"
                                 "Press \"timer\" under \"options\" to open the timer's panel:\n"
                                 "its sound, the notify times and the custom notify time.\n"
                                 "Press \"close options\" to shrink the window again; the\n"
                                 "options are saved at once."),
    //: A section of the user guide, laid out as the first.
    QT_TRANSLATE_NOOP("frmHelp", "ALARM I OPTIONS\n"
                                 "***********************\n"
                                 "Press \"alarm I\" under \"options\" to open the panel of\n"
                                 "Alarm I: its sound, the program it starts and the\n"
                                 "message it shows."),
    //: A section of the user guide, laid out as the first.
    QT_TRANSLATE_NOOP("frmHelp", "ALARM II OPTIONS\n"
                                 "************************\n"
                                 "Press \"alarm II\" under \"options\" to open the panel of\n"
                                 "Alarm II, which has the same choices as Alarm I."),
    //: A section of the user guide, laid out as the first.
    QT_TRANSLATE_NOOP("frmHelp", "SELECT SOUND\n"
                                 "*********************\n"
                                 "Type the path of a WAV file into the sound box, or press\n"
                                 "\"browse\" to choose one. Press \"play\" to hear it; a file\n"
                                 "that cannot be played is reported. Press \"default\" to\n"
                                 "use the sound that comes with The Tivvet. A sound that\n"
                                 "cannot be played when a timer goes off is replaced by\n"
                                 "the default sound.\n"
                                 "\n"
                                 "* NOTE *  The complete file path must be used.\n"
                                 "\n"
                                 "/home/ann/Sounds/gong.wav"),
    //: A section of the user guide, laid out as the first.
    QT_TRANSLATE_NOOP("frmHelp", "SELECT PROGRAM\n"
                                 "*************************\n"
                                 "Type the program an alarm starts into the program box,\n"
                                 "with its arguments if it needs any, or press \"browse\" to\n"
                                 "choose it. Check \"activate\" to have the alarm start it.\n"
                                 "A program that cannot be started is reported.\n"
                                 "\n"
                                 "* NOTE *  The complete file path must be used.\n"
                                 "\n"
                                 "/home/ann/bin/backup.sh"),
    //: A section of the user guide, laid out as the first.
    QT_TRANSLATE_NOOP("frmHelp", "CUSTOM MESSAGE\n"
                                 "*************************\n"
                                 "Type a message into the message box and check\n"
                                 "\"activate\" to have the alarm show it. The program, if\n"
                                 "any, starts after you close the message with OK. Press\n"
                                 "\"clear\" to empty the box; an empty box cannot be\n"
                                 "activated."),
    //: A section of the user guide, laid out as the first.
    QT_TRANSLATE_NOOP("frmHelp", "NOTIFY TIMES  ( * timer only * )\n"
                                 "**************************************\n"
                                 "Check \"60 minutes\", \"30 minutes\", \"15 minutes\" or\n"
                                 "\"5 minutes\" to be warned when that much time is left:\n"
                                 "the timer sound plays and the window comes back."),
    //: A section of the user guide, laid out as the first.
    QT_TRANSLATE_NOOP("frmHelp", "CUSTOM NOTIFY TIME  ( * timer only * )\n"
                                 "*************************************************\n"
                                 "Set a time of your own with the three fields and the\n"
                                 "arrows beside them, then check \"activate\". The timer\n"
                                 "warns you when the time left reaches it. A time of\n"
                                 "00:00:00, or one that is not a time of day, cannot be\n"
                                 "activated."),
    //: A section of the user guide, laid out as the first.
    QT_TRANSLATE_NOOP("frmHelp", "RING UNTIL SEEN\n"
                                 "************************\n"
                                 "Check \"ring until seen\" (below \"start with windows\", shown\n"
                                 "while an options panel is open) to have the end of the\n"
                                 "countdown and each alarm play their sound again and\n"
                                 "again, a second apart, until you see the alert, or for\n"
                                 "5 minutes at most. You see it with OK or \"Snooze\" on its\n"
                                 "box, \"Show\" on its notification, Restore in the tray's\n"
                                 "menu, a click or a key in the window, or by closing its\n"
                                 "notification. The warnings before the end play once.\n"
                                 "Seeing an alert always stops its sound."),
    //: A section of the user guide, laid out as the first.
    QT_TRANSLATE_NOOP("frmHelp", "SNOOZE\n"
                                 "**************\n"
                                 "An alarm's notification has \"Snooze 10 minutes\", and its\n"
                                 "message box a \"Snooze\" button beside OK. Either keeps the\n"
                                 "alarm on: it goes off again at the start of the minute\n"
                                 "ten minutes later. Switching the alarm off, or setting a\n"
                                 "new time, ends the snooze."),
    //: A section of the user guide, laid out as the first.
    QT_TRANSLATE_NOOP("frmHelp", "KEEP ALARMS\n"
                                 "*********************\n"
                                 "Check \"keep alarms\" (beside \"ring until seen\") to have the\n"
                                 "alarms, their \"activate\" boxes and the countdown's notify\n"
                                 "times come back at the next start as they were at the\n"
                                 "end, useful with \"start with windows\". An alarm whose time\n"
                                 "passed while The Tivvet was not running goes off once the\n"
                                 "start has finished, saying how late it is and why; more\n"
                                 "than 12 hours late, it stays off and a notification says\n"
                                 "it was missed. Unchecked, The Tivvet starts with both\n"
                                 "alarms off and says once if one was on when it ended.\n"
                                 "The tray icon's tip shows the time the countdown has left\n"
                                 "and each alarm that is on."),
    //: A section of the user guide, laid out as the first.
    QT_TRANSLATE_NOOP("frmHelp", "CUSTOM COLOR\n"
                                 "**********************\n"
                                 "Press \"color\" to choose the colours of the four\n"
                                 "displays. Click a colour box to pick a colour; the\n"
                                 "display changes at once. Press \"default\" beside it to\n"
                                 "go back to the colour it had at first."),
    //: A section of the user guide, laid out as the first.
    QT_TRANSLATE_NOOP("frmHelp", "START MINIMIZED\n"
                                 "************************\n"
                                 "Check \"start minimized\" (in the options area) to have\n"
                                 "The Tivvet start with only its icon in the tray.\n"
                                 "Minimising the window also hides it in the tray; double\n"
                                 "click the icon, or use its menu, to bring it back."),
    //: A section of the user guide, laid out as the first; %1 is the program's path, on a line of
    //: its own.
    QT_TRANSLATE_NOOP("frmHelp", "START WITH WINDOWS ( * 95/98 only * )\n"
                                 "****************************************************\n"
                                 "Check \"start with windows\" to have The Tivvet start\n"
                                 "when you log in to your desktop: an entry is put into\n"
                                 "your autostart folder (~/.config/autostart). Uncheck\n"
                                 "it and the entry starts nothing.\n"
                                 "\n"
                                 "* NOTE *  If your desktop does not read the autostart\n"
                                 "folder, add the program itself to its startup list:\n"
                                 "%1"),
};

// A banner, the sections, and the contact and ownership lines; %1 in a section is the program.
QString helpText(const QString &programPath) {
    QString sections;
    for (const char *section : Sections)
        sections += frmHelp::tr(section) + u"\n\n\n"_s;
    return u"%1\n%2The Tivvet  3.0\n\n%1\n\n%3%1\n\n%4\n\n%1\n\n%5\n"_s.arg(
        QString(65, u'*'), QString(28, u' '), sections.arg(programPath),
        //: The help text's last lines but the copyright; %1 is the address to write to.
        frmHelp::tr("Questions and comments are welcome; please write to\n%1.")
            .arg(QLatin1StringView(ProductInfo::ContactAddress)),
        QCoreApplication::translate("ProductInfo", ProductInfo::Ownership));
}

} // namespace

frmHelp::frmHelp(const QString &programPath) {
    setObjectName(u"frmHelp"_s);
    //: The help window's title.
    Controls::setUpSecondaryWindow(this, tr("Help!"), 4680, 2445);
    auto *frame = place(new Frame(this), "Frame1", QRect(95, 10, 4500, 2340));
    m_text = place(new QPlainTextEdit(frame), "Text1", QRect(130, 220, 4230, 1990));
    m_text->setReadOnly(true);
    // Read top to bottom: lines wrap at the box's width, between words.
    m_text->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    m_text->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_text->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    m_text->setFont(Controls::captionFont());
    //: The help text's box, for assistive technology.
    m_text->setAccessibleName(tr("Help"));
    Controls::setBackColour(m_text, LightGrey);
    m_text->setPlainText(withRulesThatFit(helpText(programPath)));
}

// A line of asterisks only is a rule: as many as fit on one line of the box.
QString frmHelp::withRulesThatFit(QString text) const {
    // Before the window is shown, the box's parts do not have their sizes yet.
    const int room = m_text->width() - 2 * m_text->frameWidth() -
                     m_text->verticalScrollBar()->sizeHint().width() -
                     2 * int(m_text->document()->documentMargin());
    const QFontMetrics metrics(m_text->font());
    QString asterisks(room / std::max(1, metrics.horizontalAdvance(u'*')), u'*');
    while (!asterisks.isEmpty() && metrics.horizontalAdvance(asterisks) > room)
        asterisks.chop(1);
    static const QRegularExpression rule(u"^\\*+$"_s, QRegularExpression::MultilineOption);
    return text.replace(rule, asterisks);
}
