#pragma once

#include "ui/dialogs.h"

#include <QList>
#include <deque>

namespace norvel {

// Answers from a script and a record of every message, for tests and for the headless tool,
// where nothing may wait for a person.
class ScriptedDialogs : public Dialogs {
public:
    Answer ask(const Message &message) override;
    void beep() override { ++beeps; }
    std::optional<QString> chooseFile(const FileRequest &request) override;

    // Answers given in order; when none is left the default button is pressed.
    void script(std::initializer_list<Answer> answers);

    // Files chosen in order; nothing stands for a cancelled dialog, as does an empty script.
    void scriptFiles(std::initializer_list<std::optional<QString>> files);

    // Forgets what was shown and asked, so a long run does not keep it all.
    void clearRecord();

    QList<Message> messages;
    QList<FileRequest> fileRequests;
    int beeps = 0;

private:
    std::deque<Answer> answers_;
    std::deque<std::optional<QString>> files_;
};

} // namespace norvel
