#pragma once

#include <QLocale>
#include <QStringList>

class QProcessEnvironment;

// The user's locale as the environment names it, whether or not the system has that locale
// generated.
struct UserLocale {
    // How times of day and dates are written: the locale of LC_ALL, else LC_TIME, else LANG.
    QLocale formats;
    // The languages whose catalogues are looked in, in order: those of LANGUAGE, unless the
    // messages' locale (LC_ALL, else LC_MESSAGES, else LANG) is exactly C or POSIX, else that
    // locale's. The list ends before the first English one: English needs no catalogue, and a
    // user who put it before another language wants English.
    QStringList languages;
};

UserLocale userLocale(const QProcessEnvironment &environment);
