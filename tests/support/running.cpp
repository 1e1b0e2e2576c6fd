#include "support/running.h"

#include "base/profile.h"
#include "domain/language.h"
#include "ui/mainwindow.h"
#include "ui/programcontext.h"

#include <QDir>

namespace norvel::test {

RunningProgram::RunningProgram(const QByteArray &settings, Start when)
{
    if (!settings.isEmpty())
        folder.writeFile(QStringLiteral("norvel.ini"), settings);
    options.programPath = folder.programPath();
    options.dialogs = &dialogs;
    options.splashMilliseconds = -1;
    options.userFolders = {userSettingsFolder(), userDocumentsFolder()};
    if (when == Start::Now)
        start();
}

void RunningProgram::stop()
{
    delete ::norvel::test::mainWindow();
    resetProgramContext();
}

StartupResult RunningProgram::start()
{
    resetProgramContext();
    return startProgram(options);
}

QString RunningProgram::text(const char *language, const QString &section, const QString &key) const
{
    return Language(folder.file(QStringLiteral("Data/%1.lng").arg(QLatin1String(language))))
        .text(section, key);
}

QString RunningProgram::setting(const char *section, const char *key) const
{
    return ReadSetting(programContext().settingsFilePath, QLatin1String(section), QLatin1String(key));
}

QString RunningProgram::illustration(const QString &name) const
{
    return QDir(programContext().illustrationsFolder).filePath(name);
}

} // namespace norvel::test
