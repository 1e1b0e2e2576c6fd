#include "ui/langstring.h"

#include "base/toolkitlanguage.h"
#include "domain/language.h"
#include "ui/dialogs.h"
#include "ui/programcontext.h"
#include "ui/toolkitwords.h"

#include <QLocale>

namespace norvel {

QString GetLangString(const QString &section, const QString &key)
{
    return programContext().language.text(section, key);
}

void SetLanguageFile(const QString &path)
{
    const QString problem = Language::problemWith(path);
    if (problem.isEmpty()) {
        if (path != programContext().language.path())
            programContext().language = Language(path);
        supplyToolkitWords(programContext().language);
        useToolkitLanguage(programContext().language.locale());
        return;
    }
    if (Dialogs *dialogs = programContext().dialogs)
        dialogs->tell(path + problem, QString(), Dialogs::Icon::Critical);
}

} // namespace norvel
