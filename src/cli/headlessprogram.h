#pragma once

#include "ui/scripteddialogs.h"

#include <QPointer>
#include <QString>
#include <QTemporaryDir>

namespace norvel {

class MainWindow;

// The program started without a display, splash or single-instance lock. It works on a private
// copy of the settings file, so reading an illustration may make its broker current for that
// file's report while the broker's own norvel.ini is never written.
class HeadlessProgram {
public:
    HeadlessProgram() = default;
    ~HeadlessProgram();
    HeadlessProgram(const HeadlessProgram &) = delete;
    HeadlessProgram &operator=(const HeadlessProgram &) = delete;

    // Starts the program of `programDir`; `province` and `language` ("fr", "en"), when given,
    // stand in for the settings file's. False with the reason when it could not start.
    bool start(const QString &programDir, const QString &province, const QString &language,
               QString *error);

    ScriptedDialogs dialogs;
    // The program's main window while it runs.
    MainWindow *window() const;

private:
    bool copySettings(const QString &from, QString *error);

    QTemporaryDir settingsDir_;
    bool started_ = false;
    QPointer<MainWindow> window_;
};

} // namespace norvel
