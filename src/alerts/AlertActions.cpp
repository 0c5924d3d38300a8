#include "alerts/AlertActions.h"

#include "alerts/AlertWindow.h"
#include "alerts/ProgramCommand.h"
#include "controls/MessageBox.h"
#include "core/ProductInfo.h"
#include "platform/Notifier.h"
#include "platform/ProgramLauncher.h"
#include "sound/SoundPlayer.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>

#include <algorithm>
#include <utility>

using namespace Qt::StringLiterals;

namespace {

// Whether an ordinary file (not hidden) matches the path, whose last part may hold the wildcards
// * and ?; names match as the file system has them, case and all.
bool ordinaryFileMatches(const QString &path) {
    const QFileInfo info(path);
    if (path.isEmpty() || info.fileName().isEmpty())
        return false;
    QString expression = QRegularExpression::escape(info.fileName());
    expression.replace(u"\\*"_s, u".*"_s).replace(u"\\?"_s, u"."_s);
    const QRegularExpression name(QRegularExpression::anchoredPattern(expression));
    const QStringList files = info.dir().entryList(QDir::Files);
    return std::any_of(files.begin(), files.end(),
                       [&name](const QString &file) { return name.match(file).hasMatch(); });
}

// A line under an alert's notification.
QString noSoundText(SoundPlayer::Failure failure) {
    switch (failure) {
    case SoundPlayer::Failure::NoServer:
        //: A line under an alert's notification, as the next ones.
        return AlertActions::tr("No sound could be played: no sound server answered");
    case SoundPlayer::Failure::NoDevice:
        return AlertActions::tr("No sound could be played: no sound device");
    case SoundPlayer::Failure::NoLibrary:
        break;
    }
    return AlertActions::tr("No sound could be played: the sound library could not be loaded");
}

} // namespace

AlertActions::AlertActions(SoundPlayer &sound, MessageBox &messages, ProgramLauncher &launcher,
                           Notifier &notifier, AlertWindow &window, std::chrono::milliseconds ringsAtMost)
    : m_sound(sound)
    , m_messages(messages)
    , m_launcher(launcher)
    , m_notifier(notifier)
    , m_window(window) {
    m_ringLimit.setSingleShot(true);
    m_ringLimit.setInterval(ringsAtMost);
    connect(&m_ringLimit, &QTimer::timeout, this, &AlertActions::rangUnanswered);
}

// Another alert's sound, not seen yet, is heard to its end, the end of its ring too: this one
// follows it.
void AlertActions::playSound(const QString &source, const QString &path, Sound sound) {
    const bool afterAnother = m_soundSource != source && m_unseen.contains(m_soundSource);
    const bool rings = sound == Sound::GoingOff && m_ringsUntilSeen;
    m_unseen[source] = {};
    m_soundSource = source;
    setRinging(rings ? source : QString());
    m_sound.play(path, {.orDefault = true, .afterPlaying = afterAnother, .repeat = rings},
                 [this, source](SoundPlayer::Failure failure) {
                     if (m_ringing == source)
                         setRinging({});
                     const auto alert = m_unseen.find(source);
                     if (alert == m_unseen.end())
                         return;
                     alert->lastLine = noSoundText(failure);
                     if (!alert->body.isEmpty()) // notified already
                         notifyAlert(source);
                 });
}

void AlertActions::setRinging(const QString &source) {
    const bool wasRinging = isRinging();
    m_ringing = source;
    if (isRinging())
        m_ringLimit.start();
    else
        m_ringLimit.stop();
    if (wasRinging != isRinging())
        Q_EMIT ringingChanged();
}

void AlertActions::endRing() {
    if (!isRinging())
        return;
    m_sound.stop();
    setRinging({});
}

void AlertActions::rangUnanswered() {
    m_sound.stop();
    const QString source = m_ringing;
    setRinging({});
    const auto alert = m_unseen.find(source);
    if (alert == m_unseen.end())
        return;
    //: A line under an alert's notification once its sound, rung until seen, has stopped.
    alert->lastLine = tr("It rang for 5 minutes unanswered.");
    if (!alert->body.isEmpty())
        notifyAlert(source);
}

void AlertActions::tryPlaying(const QString &path) {
    const auto failedLate = [this](SoundPlayer::Failure) {
        m_messages.show(ProductInfo::applicationTitle(), tr("Unable to play the sound!"));
    };
    if (m_sound.play(path, {.orDefault = false}, failedLate))
        return;
    m_messages.show(ProductInfo::applicationTitle(), ordinaryFileMatches(path)
                                                         ? tr("Unable to play the sound!")
                                                         : tr("Unable to play the sound! File not found!"));
}

void AlertActions::restoreWindow() {
    m_window.restore();
}

void AlertActions::notify(const QString &source, const QString &body, bool urgent, bool offersSnooze) {
    Alert &alert = m_unseen[source];
    alert = {body, urgent, offersSnooze, alert.lastLine};
    notifyAlert(source);
}

// Sent again when the sound fails later: the notification of the same source replaces the first.
void AlertActions::notifyAlert(const QString &source) {
    const Alert &alert = m_unseen[source];
    m_notifier.notify(source, alert.lastLine.isEmpty() ? alert.body : alert.body + u'\n' + alert.lastLine,
                      alert.urgent, alert.offersSnooze);
}

void AlertActions::alertSeen() {
    for (const QString &source : m_unseen.keys())
        alertSeen(source);
}

// A sound still waiting for a slow server would come too late to tell anything.
void AlertActions::alertSeen(const QString &source) {
    const auto alert = m_unseen.find(source);
    if (alert == m_unseen.end())
        return;
    if (!alert->body.isEmpty())
        m_notifier.withdraw(source);
    if (source == m_soundSource)
        m_sound.stop();
    if (source == m_ringing)
        setRinging({});
    m_unseen.erase(alert);
}

// Another alarm's box may open while one waits: the window is kept on top again only once the last
// has closed.
Alerts::Answer AlertActions::showMessage(const QString &source, const QString &text) {
    if (m_messagesOpen++ == 0)
        m_window.setOnTop(false);
    //: A button beside OK on an alarm's message box: the alarm goes off again in 10 minutes.
    const bool snoozed = m_messages.showUnasked(ProductInfo::applicationTitle(), text, tr("Snooze"), source);
    if (--m_messagesOpen == 0)
        m_window.setOnTop(true);
    // Ended by a signal rather than by OK, the box may not have been seen.
    if (!m_window.isLeaving())
        alertSeen(source);
    return snoozed ? Answer::Snooze : Answer::Ok;
}

bool AlertActions::isLeaving() const {
    return m_window.isLeaving();
}

void AlertActions::runProgram(const QString &commandLine) {
    const ProgramCommand command = programCommand(commandLine, m_launcher.homeFolder());
    if (command.program.isEmpty() || !m_launcher.startDetached(command.program, command.arguments))
        m_messages.show(ProductInfo::applicationTitle(), tr("Unable to start the program!"));
}
