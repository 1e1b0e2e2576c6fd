#pragma once

#include "app/dialogs.h"

#include <QList>
#include <deque>

namespace norvel {

// Answers from a script and a record of every message, for tests and for the headless tool,
// where nothing may wait for a person.
class ScriptedDialogs : public Dialogs {
public:
    Answer ask(const Message &message) override;
    void beep() override { ++beeps; }

    // Answers given in order; when none is left the default button is pressed.
    void script(std::initializer_list<Answer> answers);

    QList<Message> messages;
    int beeps = 0;

private:
    std::deque<Answer> answers_;
};

} // namespace norvel
