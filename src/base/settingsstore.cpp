#include "base/settingsstore.h"

#include <QSettings>

namespace norvel {

void NativeSettingsStore::deleteApplication(const QString &application)
{
    QSettings store(QSettings::NativeFormat, QSettings::UserScope, application);
    // Clearing an empty store would leave an empty file behind.
    if (store.allKeys().isEmpty())
        return;
    store.clear();
    store.sync();
}

} // namespace norvel
