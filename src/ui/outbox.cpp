#include "ui/outbox.h"

#include "ui/programcontext.h"

#include <QDir>
#include <QTemporaryDir>

namespace norvel {

QString newOutboxFolder(QString *error)
{
    std::unique_ptr<QTemporaryDir> &outbox = programContext().outbox;
    if (!outbox)
        outbox = std::make_unique<QTemporaryDir>(
            QDir::temp().filePath(QStringLiteral("norvel-mail-XXXXXX")));
    if (!outbox->isValid()) {
        *error = outbox->errorString();
        outbox.reset();
        return {};
    }
    const QDir folder(outbox->path());
    for (int n = 1;; ++n) {
        const QString name = QString::number(n);
        if (folder.exists(name))
            continue;
        if (folder.mkdir(name))
            return folder.filePath(name);
        *error = QStringLiteral("cannot make a folder in ") + folder.path();
        return {};
    }
}

} // namespace norvel
