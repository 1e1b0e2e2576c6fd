#include "ui/recentillustrations.h"

#include "base/cp1252.h"
#include "base/profile.h"
#include "ui/programcontext.h"
#include "ui/settingswriter.h"

#include <QAction>
#include <QDir>
#include <QFileInfo>

namespace norvel {

namespace {

const QString kSection = QStringLiteral("recents");

QString key(int index)
{
    return QStringLiteral("fichier%1").arg(index + 1);
}

// The same file however its path was written.
bool sameFile(const QString &a, const QString &b)
{
    return QDir::cleanPath(QFileInfo(a).absoluteFilePath()) ==
           QDir::cleanPath(QFileInfo(b).absoluteFilePath());
}

// Whether the settings file gives the path back as it was written: it holds Windows-1252 text
// of limited length.
bool storable(const QString &path)
{
    const QString stored = QDir::toNativeSeparators(path);
    return stored.size() <= kProfileValueMax && fitsCp1252(stored);
}

} // namespace

RecentIllustrations::RecentIllustrations(QList<QAction *> items, QAction *separator)
    : items_(std::move(items))
    , separator_(separator)
{
    const QString settings = programContext().settingsFilePath;
    for (int i = 0; i < kSize; ++i) {
        const QString path = ReadSetting(settings, kSection, key(i));
        if (!path.isEmpty())
            files_ << QDir::fromNativeSeparators(path);
    }
    show();
}

void RecentIllustrations::add(const QString &path)
{
    if (!kept_ || !storable(path))
        return;
    const QString file = QFileInfo(path).absoluteFilePath();
    files_.removeIf([&](const QString &f) { return sameFile(f, file); });
    files_.prepend(file);
    files_ = files_.mid(0, kSize);
    save();
}

void RecentIllustrations::remove(const QString &path)
{
    if (files_.removeIf([&](const QString &f) { return sameFile(f, path); }) > 0)
        save();
}

void RecentIllustrations::save()
{
    ProfileValues values;
    for (int i = 0; i < kSize; ++i)
        values.append({key(i), QDir::toNativeSeparators(files_.value(i))});
    if (kept_)
        SaveSettings(kSection, values);
    show();
}

void RecentIllustrations::show()
{
    for (int i = 0; i < items_.size(); ++i) {
        const QString file = files_.value(i);
        // A file of the illustrations folder by its name, any other by its whole path; "&&"
        // shows an ampersand of the name instead of making it a mnemonic.
        const QFileInfo info(file);
        const bool inFolder = info.absolutePath() ==
                              QFileInfo(programContext().illustrationsFolder).absoluteFilePath();
        QString name = inFolder ? info.fileName() : QDir::toNativeSeparators(file);
        items_[i]->setText(QStringLiteral("&%1 ").arg(i + 1) +
                           name.replace(QLatin1Char('&'), QStringLiteral("&&")));
        items_[i]->setStatusTip(QDir::toNativeSeparators(file));
        items_[i]->setVisible(!file.isEmpty());
    }
    separator_->setVisible(!files_.isEmpty());
}

} // namespace norvel
