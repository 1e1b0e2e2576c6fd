#pragma once

#include <QByteArray>
#include <QString>
#include <memory>

class QLocale;

namespace norvel {

struct LanguageCache;

// A language file and the texts it holds. Lookups read the file again whenever its bytes
// change, so an edit of the file shows at once; a copy shares what has been read.
class Language {
public:
    Language(); // no file: every text is empty
    explicit Language(const QString &path);

    const QString &path() const { return path_; }
    bool isEmpty() const { return path_.isEmpty(); }

    // The text of a key, escapes replaced ("\s" a space, then "\n" a CR LF line break); empty
    // for a missing entry, for a stored value shorter than two characters, or without a file.
    QString text(const QString &section, const QString &key) const;

    // Changes whenever the texts may have (the file's bytes read anew and found different);
    // languages of one revision hold the same texts. 0 without a readable file.
    quint64 revision() const;

    // The file's locale (dates, the toolkit's words); the machine's when it names none.
    QLocale locale() const;

    // This language as its file holds it now, read once: a copy whose lookups do not look at
    // the file again, for a walk that reads a whole window's texts at once.
    Language held() const;

    // Why a file cannot serve as a language file (" not found", ...); empty when it can.
    static QString problemWith(const QString &path);

private:
    // The texts as the file now holds them; none when it cannot be read.
    LanguageCache *current() const;

    QString path_;
    std::shared_ptr<LanguageCache> cache_;
    bool held_ = false;
};

// The same lookup over a language file's content.
QString langText(const QByteArray &content, const QString &section, const QString &key);

// True for an existing ordinary file (not a folder, not a hidden file).
bool FileExists(const QString &path);

} // namespace norvel
