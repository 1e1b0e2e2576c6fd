#pragma once

#include <QString>
#include <memory>

namespace norvel {

// The system's file associations, read the way the Windows registry's classes root presents
// them: the default value of an extension (".PDF") names a class, and the default value of
// "<class>\shell\open\command" is the command line that opens a file of that class, "%1"
// standing for the file.
class FileAssociations {
public:
    virtual ~FileAssociations() = default;
    // A value below the classes root (an empty name: the key's default value); empty when
    // the key or the value is missing.
    virtual QString value(const QString &key, const QString &name) = 0;
};

// The registry's classes root, through Qt's native settings (Windows only).
class RegistryAssociations : public FileAssociations {
public:
    QString value(const QString &key, const QString &name) override;
};

// The associations of the system the program runs on.
std::unique_ptr<FileAssociations> systemFileAssociations();

} // namespace norvel
