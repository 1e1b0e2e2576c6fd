#include "lang/language.h"

#include "app/appstate.h"
#include "app/dialogs.h"
#include "common/cp1252.h"
#include "common/profile.h"

#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <ctime>
#include <optional>
#include <sys/stat.h>

namespace norvel {

namespace {

QString textOf(const std::optional<QByteArray> &value)
{
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

} // namespace

QString langText(const QByteArray &content, const QString &section, const QString &key)
{
    return textOf(profileValue(content, section, key));
}

namespace {

// What the system says of a file; any write changes it (size, times or, for a replaced file,
// the inode).
struct FileStamp {
    dev_t device = 0;
    ino_t inode = 0;
    off_t size = -1;
    timespec modified{}, changed{};
    bool operator==(const FileStamp &o) const
    {
        return device == o.device && inode == o.inode && size == o.size &&
               modified.tv_sec == o.modified.tv_sec && modified.tv_nsec == o.modified.tv_nsec &&
               changed.tv_sec == o.changed.tv_sec && changed.tv_nsec == o.changed.tv_nsec;
    }
};

std::optional<FileStamp> stampOf(const QString &path)
{
    struct stat info;
    if (::stat(QFile::encodeName(path).constData(), &info) != 0)
        return std::nullopt;
    return FileStamp{info.st_dev, info.st_ino, info.st_size, info.st_mtim, info.st_ctim};
}

// The texts found in the current language file, kept while its bytes stay the same: a quote
// makes hundreds of lookups, and each would otherwise read and parse the whole file.
struct LangCache {
    QString path;
    FileStamp stamp;
    QByteArray content;
    ProfileIndex index;
    QHash<QString, QString> texts;
};

} // namespace

QString GetLangString(const QString &section, const QString &key)
{
    const QString &path = appState().languageFilePath;
    if (path.isEmpty())
        return {};
    static LangCache cache;
    const std::optional<FileStamp> stamp = stampOf(path);
    if (!stamp)
        return {};
    // A file changed within the last seconds may have changed again inside one tick of the
    // file system's clock without its stamp showing it: its bytes are compared instead.
    const bool recent = std::time(nullptr) - stamp->modified.tv_sec < 3;
    if (path != cache.path || !(*stamp == cache.stamp) || recent) {
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly))
            return {};
        const QByteArray content = file.readAll();
        if (path != cache.path || content != cache.content) {
            cache.content = content;
            cache.index = ProfileIndex(content);
            cache.texts.clear();
        }
        cache.path = path;
        cache.stamp = *stamp;
    }
    const QString id = section + QChar(u'\n') + key;
    const auto found = cache.texts.constFind(id);
    if (found != cache.texts.cend())
        return *found;
    return *cache.texts.insert(id, textOf(cache.index.value(section, key)));
}

namespace {

// Why a file cannot serve as the language file; empty when it can.
QString languageFileProblem(const QString &path)
{
    if (!FileExists(path))
        return QStringLiteral(" not found");
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QStringLiteral(" cannot be read: ") + file.errorString();
    // An empty or binary file would silently blank every text of the program.
    if (!profileHasEntries(file.readAll()))
        return QStringLiteral(" is not a language file (it holds no texts)");
    return {};
}

} // namespace

void SetLanguageFile(const QString &path)
{
    const QString problem = languageFileProblem(path);
    if (problem.isEmpty()) {
        appState().languageFilePath = path;
        return;
    }
    if (Dialogs *dialogs = appState().dialogs)
        dialogs->tell(path + problem, QString(), Dialogs::Icon::Critical);
}

bool FileExists(const QString &path)
{
    if (path.isEmpty())
        return false;
    const QFileInfo info(path);
    return info.isFile() && !info.isHidden();
}

} // namespace norvel
