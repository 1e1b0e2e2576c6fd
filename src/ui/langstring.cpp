#include "ui/langstring.h"

#include "domain/language.h"
#include "ui/appstate.h"
#include "ui/dialogs.h"

namespace norvel {

QString GetLangString(const QString &section, const QString &key)
{
    return appState().language.text(section, key);
}

void SetLanguageFile(const QString &path)
{
    const QString problem = Language::problemWith(path);
    if (problem.isEmpty()) {
        if (path != appState().language.path())
            appState().language = Language(path);
        return;
    }
    if (Dialogs *dialogs = appState().dialogs)
        dialogs->tell(path + problem, QString(), Dialogs::Icon::Critical);
}

} // namespace norvel
