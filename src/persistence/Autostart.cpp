#include "persistence/Autostart.h"

#include "controls/MessageBox.h"
#include "core/ProductInfo.h"
#include "persistence/AtomicFile.h"

#include <QCoreApplication>
#include <QDir>

#include <exception>
#include <system_error>

using namespace Qt::StringLiterals;

namespace {

// A value as a desktop entry string.
QString escapedString(QString text) {
    return text.replace(u"\\"_s, u"\\\\"_s);
}

// An Exec argument quoted as the desktop entry rules ask, then escaped as a desktop entry string;
// a "%" would start a field code.
QString quotedExecArgument(QString argument) {
    for (QChar reserved : {u'\\', u'"', u'`', u'$'})
        argument.replace(reserved, QString(u'\\') + reserved);
    return escapedString(u'"' + argument + u'"').replace(u'%', u"%%"_s);
}

} // namespace

QString autostartEntry(const QString &name, const QString &command) {
    const bool runs = !command.isEmpty();
    return u"[Desktop Entry]\n"
           u"Type=Application\n"
           u"Name=%1\n"
           u"Comment=%6\n"
           u"Icon=org.example.tivvet\n"
           u"Exec=%2\n"
           u"%3"
           u"Hidden=%4\n"
           u"X-GNOME-Autostart-enabled=%5\n"_s.arg(
               name, runs ? quotedExecArgument(command) : QString(),
               // Once the program has been removed, the desktop skips the entry.
               runs ? u"TryExec="_s + escapedString(command) + u'\n' : QString(),
               runs ? u"false"_s : u"true"_s, runs ? u"true"_s : u"false"_s,
               //: The comment of the entry that starts the program at login, which some desktops show.
               escapedString(
                   QCoreApplication::translate("Autostart", "A countdown timer and two alarm clocks")));
}

QString runTimeErrorText(int number, const QString &message) {
    const QString numberText = number < 0 ? QString::number(number) : u' ' + QString::number(number);
    //: A box's text when the start at login cannot be set: %1 is the error's number, %2 the
    //: system's own words. The next line, "Please Exit and try again.", follows.
    return QCoreApplication::translate("Autostart", "ERROR #%1 : %2").arg(numberText, message) + u'\r' +
           QCoreApplication::translate("Autostart", "Please Exit and try again.");
}

Autostart::Autostart(const QString &configFolder, MessageBox &messages)
    : m_folder(configFolder + u"/autostart"_s)
    , m_messages(messages) {}

QString Autostart::entryPath(const QString &valueName) const {
    return m_folder + u'/' + valueName + u".desktop"_s;
}

// An entry that cannot be written fails silently; only an unexpected error is reported.
bool Autostart::writeEntry(const QString &valueName, const QString &command) {
    try {
        if (!QDir().mkpath(m_folder))
            return false;
        return writeFileAtomically(entryPath(valueName), autostartEntry(valueName, command).toUtf8())
            .isEmpty();
    } catch (const std::system_error &error) {
        m_messages.show(ProductInfo::applicationTitle(),
                        runTimeErrorText(error.code().value(), QString::fromLocal8Bit(error.what())));
    } catch (const std::exception &error) {
        m_messages.show(ProductInfo::applicationTitle(),
                        runTimeErrorText(0, QString::fromLocal8Bit(error.what())));
    }
    return false;
}
