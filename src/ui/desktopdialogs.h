#pragma once

#include "ui/dialogs.h"

class QWidget;

namespace norvel {

// Real message boxes, owned by the program's active window.
class DesktopDialogs : public Dialogs {
public:
    Answer ask(const Message &message) override;
    void beep() override;
    std::optional<QString> chooseFile(const FileRequest &request) override;
};

} // namespace norvel
