#include "app/Translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include <utility>

using namespace Qt::StringLiterals;

void installTranslations(const QStringList &languages) {
    QCoreApplication *application = QCoreApplication::instance();
    qDeleteAll(application->findChildren<QTranslator *>(Qt::FindDirectChildrenOnly));
    const std::pair<QString, QString> catalogues[] = {
        {u"tivvet"_s, u":/i18n"_s}, {u"qtbase"_s, QLibraryInfo::path(QLibraryInfo::TranslationsPath)}};
    for (const auto &[name, folder] : catalogues)
        for (const QString &language : languages) {
            auto *translator = new QTranslator(application);
            if (translator->load(QLocale(language), name, u"_"_s, folder)) {
                QCoreApplication::installTranslator(translator);
                break;
            }
            delete translator;
        }
}
