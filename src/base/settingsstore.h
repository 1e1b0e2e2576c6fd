#pragma once

#include <QString>

namespace norvel {

// The per-user store in which applications keep settings under their name.
class SettingsStore {
public:
    virtual ~SettingsStore() = default;
    // Removes every section and key kept under the application name; failures are ignored.
    virtual void deleteApplication(const QString &application) = 0;
};

// The store Qt uses natively for an application name (on Linux a file in the user's
// configuration folder, on Windows the registry).
class NativeSettingsStore : public SettingsStore {
public:
    void deleteApplication(const QString &application) override;
};

} // namespace norvel
