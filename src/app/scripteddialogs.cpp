#include "app/scripteddialogs.h"

namespace norvel {

Dialogs::Answer ScriptedDialogs::ask(const Message &message)
{
    messages.append(message);
    if (answers_.empty())
        return message.defaultAnswer;
    const Answer answer = answers_.front();
    answers_.pop_front();
    return answer;
}

void ScriptedDialogs::script(std::initializer_list<Answer> answers)
{
    answers_.insert(answers_.end(), answers);
}

} // namespace norvel
