#pragma once

#include <QFile>
#include <QString>

namespace norvel::test {

// Clears every write bit of a file or folder while it lives, as a user marks it read-only or
// an installed program's folder is; the program must respect that mark even when run as root.
class ReadOnlyMark {
public:
    explicit ReadOnlyMark(QString path);
    ~ReadOnlyMark();
    ReadOnlyMark(const ReadOnlyMark &) = delete;
    ReadOnlyMark &operator=(const ReadOnlyMark &) = delete;
    bool isSet() const { return set_; }

private:
    QString path_;
    QFile::Permissions saved_;
    bool set_ = false;
};

} // namespace norvel::test
