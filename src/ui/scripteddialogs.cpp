#include "ui/scripteddialogs.h"

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

void ScriptedDialogs::clearRecord()
{
    messages.clear();
    fileRequests.clear();
    beeps = 0;
}

void ScriptedDialogs::script(std::initializer_list<Answer> answers)
{
    answers_.insert(answers_.end(), answers);
}

std::optional<QString> ScriptedDialogs::chooseFile(const FileRequest &request)
{
    fileRequests.append(request);
    if (files_.empty())
        return std::nullopt;
    const std::optional<QString> file = files_.front();
    files_.pop_front();
    return file;
}

void ScriptedDialogs::scriptFiles(std::initializer_list<std::optional<QString>> files)
{
    files_.insert(files_.end(), files);
}

} // namespace norvel
