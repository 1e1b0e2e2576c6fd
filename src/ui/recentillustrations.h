#pragma once

#include <QList>
#include <QStringList>

class QAction;

namespace norvel {

// The File menu's last illustrations opened or saved, most recent first, kept in the settings
// file. Each entry is one of the menu's numbered items; the items show only while the list
// holds a file.
class RecentIllustrations {
public:
    static constexpr int kSize = 4;

    // The menu items, then the separator that closes the list; the list is read from the
    // settings file.
    RecentIllustrations(QList<QAction *> items, QAction *separator);

    // The files, most recent first.
    const QStringList &files() const { return files_; }
    // The file of a numbered item (from 0), or empty.
    QString file(int index) const { return files_.value(index); }

    // Puts the file first. Nothing is kept when `keep` is off (the headless tool).
    void add(const QString &path);
    void remove(const QString &path);
    void setKept(bool keep) { kept_ = keep; }

private:
    void save();
    void show();

    QStringList files_;
    QList<QAction *> items_;
    QAction *separator_;
    bool kept_ = true;
};

} // namespace norvel
