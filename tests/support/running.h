#pragma once

#include "app/scripteddialogs.h"
#include "support/programfolder.h"

#include <QByteArray>
#include <QString>
#include <memory>

namespace norvel {
class MainWindow;
}

namespace norvel::test {

// The program started for real in a throw-away folder, with scripted dialogs and no splash.
class RunningProgram {
public:
    explicit RunningProgram(const QByteArray &settings = QByteArray());
    ~RunningProgram();

    MainWindow *window() const;
    // A text of one of the built language files ("French" or "English").
    QString text(const char *language, const QString &section, const QString &key) const;
    QString setting(const char *section, const char *key) const;
    // A file in the illustrations folder beside the program.
    QString illustration(const QString &name) const;

    ProgramFolder folder;
    ScriptedDialogs dialogs;
};

} // namespace norvel::test
