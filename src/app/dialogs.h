#pragma once

#include <QString>
#include <QStringList>

namespace norvel {

// Everything modal goes through this seam: the desktop shows real dialogs, tests and the
// headless tool script the answers and record what was asked.
class Dialogs {
public:
    enum class Icon { None, Information, Exclamation, Critical, Question };
    enum class Buttons { Ok, YesNo, YesNoCancel };
    enum class Answer { Ok, Yes, No, Cancel };

    struct Message {
        QString text;
        QString title; // empty: the program's own name
        Icon icon = Icon::None;
        Buttons buttons = Buttons::Ok;
        Answer defaultAnswer = Answer::Ok;
    };

    virtual ~Dialogs() = default;
    virtual Answer ask(const Message &message) = 0;
    virtual void beep() = 0;

    // A message with one OK button.
    void tell(const QString &text, const QString &title, Icon icon)
    {
        ask({text, title, icon, Buttons::Ok, Answer::Ok});
    }
};

} // namespace norvel
