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
                           Notifier &notifier, AlertWindow &window)
    : m_sound(sound)
    , m_messages(messages)
    , m_launcher(launcher)
    , m_notifier(notifier)
    , m_window(window) {}

// Another alert's sound, not seen yet, is heard to its end: this one follows it.
void AlertActions::playSound(const QString &source, const QString &path) {
    const bool afterAnother = m_soundSource != source && m_unseen.contains(m_soundSource);
    m_unseen[source] = {};
    m_soundSource = source;
    m_sound.play(path, {.orDefault = true, .afterPlaying = afterAnother},
                 [this, source](SoundPlayer::Failure failure) {
                     const auto alert = m_unseen.find(source);
                     if (alert == m_unseen.end())
                         return;
                     alert->noSound = noSoundText(failure);
                     if (!alert->body.isEmpty()) // notified already
                         notifyAlert(source);
                 });
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

void AlertActions::notify(const QString &source, const QString &body, bool urgent) {
    Alert &alert = m_unseen[source];
    alert = {body, urgent, alert.noSound};
    notifyAlert(source);
}

// Sent again when the sound fails later: the notification of the same source replaces the first.
void AlertActions::notifyAlert(const QString &source) {
    const Alert &alert = m_unseen[source];
    m_notifier.notify(source, alert.noSound.isEmpty() ? alert.body : alert.body + u'\n' + alert.noSound,
                      alert.urgent);
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
        m_sound.dropWaitingSound();
    m_unseen.erase(alert);
}

// Another alarm's box may open while one waits: the window is kept on top again only once the last
// has closed.
void AlertActions::showMessage(const QString &source, const QString &text) {
    if (m_messagesOpen++ == 0)
        m_window.setOnTop(false);
    m_messages.showUnasked(ProductInfo::applicationTitle(), text);
    if (--m_messagesOpen == 0)
        m_window.setOnTop(true);
    // Ended by a signal rather than by OK, the box may not have been seen.
    if (!m_window.isLeaving())
        alertSeen(source);
}

bool AlertActions::isLeaving() const {
    return m_window.isLeaving();
}

void AlertActions::runProgram(const QString &commandLine) {
    const ProgramCommand command = programCommand(commandLine, m_launcher.homeFolder());
    if (command.program.isEmpty() || !m_launcher.startDetached(command.program, command.arguments))
        m_messages.show(ProductInfo::applicationTitle(), tr("Unable to start the program!"));
}
