#include "app/Translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include <utility>

using namespace Qt::StringLiterals;

void installTranslations() {
    QCoreApplication *application = QCoreApplication::instance();
    qDeleteAll(application->findChildren<QTranslator *>(Qt::FindDirectChildrenOnly));
    const std::pair<QString, QString> catalogues[] = {
        {u"tivvet"_s, u":/i18n"_s}, {u"qtbase"_s, QLibraryInfo::path(QLibraryInfo::TranslationsPath)}};
    for (const auto &[name, folder] : catalogues) {
        auto *translator = new QTranslator(application);
        if (translator->load(QLocale(), name, u"_"_s, folder))
            QCoreApplication::installTranslator(translator);
        else
            delete translator;
    }
}
