#include "domain/language.h"

#include "base/cp1252.h"
#include "base/profile.h"

#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QLocale>
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

// The texts found in a language file, kept while its bytes stay the same: a quote makes
// hundreds of lookups, and each would otherwise read and parse the whole file.
struct LangCache {
    FileStamp stamp;
    QByteArray content;
    ProfileIndex index;
    QHash<QString, QString> texts;
    std::optional<QLocale> locale; // the one the file names, once asked
    bool read = false;
    quint64 revision = 0;
};

// Revisions are counted across every language, so that no two contents ever share one.
quint64 lastRevision = 0;

} // namespace

struct LanguageCache : LangCache {};

namespace {

// A text of the file as last read, kept once looked up.
QString lookup(LanguageCache &cache, const QString &section, const QString &key)
{
    const QString id = section + QChar(u'\n') + key;
    const auto found = cache.texts.constFind(id);
    if (found != cache.texts.cend())
        return *found;
    return *cache.texts.insert(id, textOf(cache.index.value(section, key)));
}

} // namespace

Language::Language() = default;

Language::Language(const QString &path)
    : path_(path)
    , cache_(path.isEmpty() ? nullptr : std::make_shared<LanguageCache>())
{
}

QLocale Language::locale() const
{
    LanguageCache *cache = current();
    const QString name =
        cache ? lookup(*cache, QStringLiteral("modCotalmira-Val"), QStringLiteral("Locale"))
              : QString();
    if (name.isEmpty())
        return QLocale();
    // Made again only when the texts are read again: a locale costs more to make than a lookup.
    if (!cache->locale)
        cache->locale = QLocale(name);
    return *cache->locale;
}

Language Language::held() const
{
    Language copy = *this;
    if (!current())
        copy.cache_.reset(); // unreadable now: every text empty, as a lookup would find
    copy.held_ = true;
    return copy;
}

LanguageCache *Language::current() const
{
    if (!cache_)
        return nullptr;
    if (held_)
        return cache_.get();
    LanguageCache &cache = *cache_;
    const std::optional<FileStamp> stamp = stampOf(path_);
    if (!stamp)
        return nullptr;
    // A file changed within the last seconds may have changed again inside one tick of the
    // file system's clock without its stamp showing it: its bytes are compared instead.
    const bool recent = std::time(nullptr) - stamp->modified.tv_sec < 3;
    if (!cache.read || !(*stamp == cache.stamp) || recent) {
        QFile file(path_);
        if (!file.open(QIODevice::ReadOnly))
            return nullptr;
        const QByteArray content = file.readAll();
        if (!cache.read || content != cache.content) {
            cache.content = content;
            cache.index = ProfileIndex(content);
            cache.texts.clear();
            cache.locale.reset();
            cache.revision = ++lastRevision;
        }
        cache.read = true;
        cache.stamp = *stamp;
    }
    return &cache;
}

quint64 Language::revision() const
{
    const LanguageCache *cache = current();
    return cache ? cache->revision : 0;
}

QString Language::text(const QString &section, const QString &key) const
{
    LanguageCache *cache = current();
    return cache ? lookup(*cache, section, key) : QString();
}

QString Language::problemWith(const QString &path)
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

bool FileExists(const QString &path)
{
    if (path.isEmpty())
        return false;
    const QFileInfo info(path);
    return info.isFile() && !info.isHidden();
}

} // namespace norvel
