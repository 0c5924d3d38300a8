#include "platform/UserLocale.h"

#include <QProcessEnvironment>

using namespace Qt::StringLiterals;

namespace {

// The first of the variables that is set and not empty, as the C library reads them.
QString firstSet(const QProcessEnvironment &environment, std::initializer_list<QString> names) {
    for (const QString &name : names)
        if (const QString value = environment.value(name); !value.isEmpty())
            return value;
    return u"C"_s;
}

// "de_DE.UTF-8@euro" is "de_DE".
QString withoutCodesetOrModifier(const QString &locale) {
    return locale.section(u'.', 0, 0).section(u'@', 0, 0);
}

bool isEnglish(const QString &locale) {
    const QString language = locale.section(u'_', 0, 0);
    return language == u"en"_s || language == u"C"_s || language == u"POSIX"_s;
}

} // namespace

UserLocale userLocale(const QProcessEnvironment &environment) {
    const QString time = firstSet(environment, {u"LC_ALL"_s, u"LC_TIME"_s, u"LANG"_s});
    const QString messages = firstSet(environment, {u"LC_ALL"_s, u"LC_MESSAGES"_s, u"LANG"_s});
    const QString language = environment.value(u"LANGUAGE"_s);
    const bool plainC = messages == u"C"_s || messages == u"POSIX"_s;
    UserLocale locale{QLocale(withoutCodesetOrModifier(time)), {}};
    for (const QString &entry : plainC || language.isEmpty() ? QStringList{messages} : language.split(u':')) {
        const QString name = withoutCodesetOrModifier(entry);
        if (isEnglish(name))
            break;
        if (!name.isEmpty())
            locale.languages << name;
    }
    return locale;
}
