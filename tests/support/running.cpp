#include "support/running.h"

#include "app/appstate.h"
#include "app/mainwindow.h"
#include "app/startup.h"
#include "common/profile.h"
#include "lang/language.h"

namespace norvel::test {

RunningProgram::RunningProgram(const QByteArray &settings)
{
    resetAppState();
    if (!settings.isEmpty())
        folder.writeFile(QStringLiteral("norvel.ini"), settings);
    StartupOptions options;
    options.programPath = folder.programPath();
    options.dialogs = &dialogs;
    options.splashMilliseconds = -1;
    startProgram(options);
}

RunningProgram::~RunningProgram()
{
    delete appState().mainWindow.data();
    resetAppState();
}

MainWindow *RunningProgram::window() const
{
    return appState().mainWindow;
}

QString RunningProgram::text(const char *language, const QString &section, const QString &key) const
{
    QString &current = appState().languageFilePath;
    const QString saved = current;
    current = folder.file(QStringLiteral("Data/%1.lng").arg(QLatin1String(language)));
    const QString t = GetLangString(section, key);
    current = saved;
    return t;
}

QString RunningProgram::setting(const char *section, const char *key) const
{
    return ReadSetting(folder.file(QStringLiteral("norvel.ini")), QLatin1String(section),
                       QLatin1String(key));
}

QString RunningProgram::illustration(const QString &name) const
{
    return folder.file(QStringLiteral("Illust/") + name);
}

} // namespace norvel::test
