#include "support/readonlymark.h"

namespace norvel::test {

ReadOnlyMark::ReadOnlyMark(QString path)
    : path_(std::move(path))
    , saved_(QFile::permissions(path_))
{
    set_ = QFile::exists(path_) &&
           QFile::setPermissions(path_, saved_ & ~(QFile::WriteOwner | QFile::WriteUser |
                                                   QFile::WriteGroup | QFile::WriteOther));
}

ReadOnlyMark::~ReadOnlyMark()
{
    if (set_)
        QFile::setPermissions(path_, saved_);
}

} // namespace norvel::test
