#include "lang/language.h"

#include "app/appstate.h"
#include "app/dialogs.h"
#include "common/cp1252.h"
#include "common/profile.h"

#include <QFile>
#include <QFileInfo>

namespace norvel {

QString langText(const QByteArray &content, const QString &section, const QString &key)
{
    const std::optional<QByteArray> value = profileValue(content, section, key);
    if (!value)
        return {};
    const QByteArray cut = value->left(kProfileValueMax);
    if (cut.size() < 2)
        return {};
    QString text = fromCp1252(cut);
    text.replace(QLatin1String("\\s"), QLatin1String(" "));
    text.replace(QLatin1String("\\n"), QLatin1String("\r\n"));
    return text;
}

QString GetLangString(const QString &section, const QString &key)
{
    const QString &path = appState().languageFilePath;
    if (path.isEmpty())
        return {};
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return langText(file.readAll(), section, key);
}

void SetLanguageFile(const QString &path)
{
    if (FileExists(path)) {
        appState().languageFilePath = path;
        return;
    }
    if (Dialogs *dialogs = appState().dialogs)
        dialogs->tell(path + QStringLiteral(" not found"), QString(), Dialogs::Icon::Critical);
}

bool FileExists(const QString &path)
{
    if (path.isEmpty())
        return false;
    const QFileInfo info(path);
    return info.isFile() && !info.isHidden();
}

} // namespace norvel
