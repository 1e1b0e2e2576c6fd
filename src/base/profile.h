#pragma once

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QPair>
#include <QString>
#include <optional>

namespace norvel {

// Private-profile (INI) files with the Windows rules: section and key names without regard to
// case, blanks around names and values dropped, one pair of surrounding double quotes dropped,
// CR LF, LF or CR line ends, ";" comment lines, the first of duplicate sections or keys wins.

// The stored value of a key (quotes removed, cut at a NUL), or nothing when the section or key
// is missing.
std::optional<QByteArray> profileValue(const QByteArray &content, const QString &section,
                                       const QString &key);

// Every value of a content, each found as profileValue finds it: for a content looked up
// many times, which profileValue would parse again at every lookup.
class ProfileIndex {
public:
    ProfileIndex() = default;
    explicit ProfileIndex(const QByteArray &content);
    std::optional<QByteArray> value(const QString &section, const QString &key) const;

private:
    QHash<QByteArray, QByteArray> values_; // folded section name, a line feed, folded key name
};

// True when the content holds at least one "key=value" line inside a section, as every
// settings or language file does and an empty or binary file does not.
bool profileHasEntries(const QByteArray &content);

// The content with the key set: a value replaced in place, a new key appended at the end of
// its section, a new section at the end of the file; every other line is kept as it was.
// Lines end with CR LF. Line breaks inside the value become spaces; other control characters
// are dropped.
QByteArray profileWithValue(const QByteArray &content, const QString &section, const QString &key,
                            const QString &value);

// Reads a key of an INI file: empty when the file, section or key is missing or the value is
// empty; at most 254 characters.
QString ReadSetting(const QString &file, const QString &section, const QString &key);

// Writes a key of an INI file, creating what is missing. The file is replaced as a whole
// (written beside it, then renamed over it), so a failed write leaves the old file intact.
// Returns false when nothing could be written, and then says why in `why` when given. A file
// or folder marked read-only, and a file that is not text, are never replaced.
bool WriteSetting(const QString &file, const QString &section, const QString &key,
                  const QString &value, QString *why = nullptr);

// Several keys of one section in one replacement of the file: all of them or none.
using ProfileValues = QList<QPair<QString, QString>>;
bool WriteSettings(const QString &file, const QString &section, const ProfileValues &values,
                   QString *why = nullptr);

// Whether content can be an INI file: a NUL byte means a binary file, or text in UTF-16,
// which writing single-byte lines into would ruin.
bool isProfileText(const QByteArray &content);

// Longest value a read returns: the classic 255-character buffer less its terminating NUL.
constexpr int kProfileValueMax = 254;

} // namespace norvel
