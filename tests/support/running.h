#pragma once

#include "app/startup.h"
#include "support/programfolder.h"
#include "support/windows.h"
#include "ui/scripteddialogs.h"

#include <QByteArray>
#include <QString>
#include <QTemporaryDir>
#include <memory>

namespace norvel::test {

// The program started for real in a throw-away folder, with scripted dialogs and no splash.
// The user's own folders are throw-away too, so no test ever writes into the real home.
class RunningProgram {
public:
    enum class Start { Now, Later };
    explicit RunningProgram(const QByteArray &settings = QByteArray(), Start when = Start::Now);
    ~RunningProgram() { stop(); }

    // The start-up sequence with `options`, which a test may change first.
    StartupResult start();
    // Ends the run as a closed program would, without its questions, and starts again.
    StartupResult restart()
    {
        stop();
        return start();
    }

    MainWindow *window() const { return mainWindow(); }
    // A text of one of the built language files ("French" or "English").
    QString text(const char *language, const QString &section, const QString &key) const;
    // A value of the settings file the program uses.
    QString setting(const char *section, const char *key) const;
    // A file in the program's illustrations folder.
    QString illustration(const QString &name) const;
    // The user's configuration and documents folders.
    QString userSettingsFolder() const { return user.filePath(QStringLiteral("config/norvel")); }
    QString userDocumentsFolder() const { return user.filePath(QStringLiteral("Documents")); }

    ProgramFolder folder;
    QTemporaryDir user;
    ScriptedDialogs dialogs;
    StartupOptions options;

private:
    void stop();
};

} // namespace norvel::test
