#pragma once

#include <QString>
#include <QStringList>
#include <optional>

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

    // A file to open or to save to.
    struct FileRequest {
        enum class Kind { Open, Save } kind = Kind::Open;
        QString title;
        QString folder;        // where the dialog starts
        QString fileName;      // the name it starts with (may be a full path)
        QString filter;        // description|pattern pairs: "Quotes (*.nvl)|*.nvl|All (*.*)|*.*"
        QString defaultSuffix; // added to a name typed without one
        bool mustExist = true; // Open: only an existing file
        bool confirmOverwrite = false; // Save: ask before replacing a file
        QString acceptLabel;           // the accept button's word; empty: Open or Save
    };

    virtual ~Dialogs() = default;
    virtual Answer ask(const Message &message) = 0;
    virtual void beep() = 0;
    // The chosen file's full path, or nothing when the broker cancels.
    virtual std::optional<QString> chooseFile(const FileRequest &request) = 0;

    // A message with one OK button.
    void tell(const QString &text, const QString &title, Icon icon)
    {
        ask({text, title, icon, Buttons::Ok, Answer::Ok});
    }
};

} // namespace norvel
