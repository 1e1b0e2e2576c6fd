#pragma once

#include <QFile>
#include <QString>

namespace norvel::test {

// Clears every write bit of a file or folder while it lives, as a user marks it read-only or
// an installed program's folder is; the program must respect that mark even when run as root.
class ReadOnlyMark {
public:
    explicit ReadOnlyMark(QString path)
        : path_(std::move(path))
        , saved_(QFile::permissions(path_))
        , set_(QFile::exists(path_) &&
               QFile::setPermissions(path_, saved_ & ~(QFile::WriteOwner | QFile::WriteUser |
                                                       QFile::WriteGroup | QFile::WriteOther)))
    {
    }
    ~ReadOnlyMark()
    {
        if (set_)
            QFile::setPermissions(path_, saved_);
    }
    ReadOnlyMark(const ReadOnlyMark &) = delete;
    ReadOnlyMark &operator=(const ReadOnlyMark &) = delete;
    bool isSet() const { return set_; }

private:
    QString path_;
    QFile::Permissions saved_;
    bool set_;
};

} // namespace norvel::test
