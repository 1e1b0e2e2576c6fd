#include "ui/settingswriter.h"

#include "domain/language.h"
#include "ui/dialogs.h"
#include "ui/langstring.h"
#include "ui/programcontext.h"

#include <QDir>

namespace norvel {

bool SaveSettings(const QString &section, const ProfileValues &values)
{
    ProgramContext &state = programContext();
    QString why;
    if (WriteSettings(state.settingsFilePath, section, values, &why))
        return true;
    const QString kMessages = QStringLiteral("modCotalmira-Msg");
    if (state.dialogs)
        state.dialogs->tell(GetLangString(kMessages, QStringLiteral("ErrParam_1")) +
                                QDir::toNativeSeparators(state.settingsFilePath) +
                                GetLangString(kMessages, QStringLiteral("ErrParam_2")) +
                                QStringLiteral("\r\n(") + why + QLatin1Char(')'),
                            state.appTitle, Dialogs::Icon::Exclamation);
    return false;
}

} // namespace norvel
