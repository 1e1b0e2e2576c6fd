#include "base/toolkitlanguage.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QLocale>
#include <QPointer>
#include <QTranslator>

namespace norvel {

namespace {

// Debian's translations first, then a folder beside the program (a Windows installation).
bool loadToolkitTranslation(QTranslator &translator, const QLocale &locale)
{
    const QString folders[] = {
        QLibraryInfo::path(QLibraryInfo::TranslationsPath),
        QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("translations")),
    };
    for (const QString &folder : folders)
        if (translator.load(locale, QStringLiteral("qtbase"), QStringLiteral("_"), folder))
            return true;
    return false;
}

} // namespace

void useToolkitLanguage(const QLocale &locale)
{
    QCoreApplication *application = QCoreApplication::instance();
    if (!application)
        return;
    static QPointer<QTranslator> installed;
    static QString installedFor;
    if (installed && installedFor == locale.name())
        return;
    if (installed) {
        QCoreApplication::removeTranslator(installed);
        delete installed;
    }
    auto *translator = new QTranslator(application);
    if (loadToolkitTranslation(*translator, locale)) {
        QCoreApplication::installTranslator(translator);
        installed = translator;
        installedFor = locale.name();
    } else {
        delete translator;
    }
}

} // namespace norvel
