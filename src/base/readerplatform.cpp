#include "base/readerplatform.h"

#include "base/fileassociations.h"
#include "base/programlauncher.h"
#include "base/shortpath.h"

#include <QDir>
#include <QFileInfo>

namespace norvel {

ReaderPlatform &readerPlatform()
{
    static const std::unique_ptr<FileAssociations> associations = systemFileAssociations();
    static DetachedLauncher launcher;
    static SystemShortPaths shortPaths;
#ifdef Q_OS_WIN
    constexpr ReaderConvention convention = ReaderConvention::Windows;
#else
    constexpr ReaderConvention convention = ReaderConvention::Desktop;
#endif
    static ReaderPlatform platform{associations.get(), &launcher, &shortPaths, convention};
    return platform;
}

QStringList readerArguments(ReaderConvention convention, const QString &document)
{
    if (convention == ReaderConvention::Windows)
        return {QStringLiteral("/s"), document};
    return {document};
}

QStringList commandArguments(const QString &command, const QString &document)
{
    QStringList arguments;
    bool documentGiven = false;
    for (qsizetype i = 0; i < command.size();) {
        if (command.at(i).isSpace()) {
            ++i;
            continue;
        }
        const bool quoted = command.at(i) == QLatin1Char('"');
        const qsizetype begin = quoted ? i + 1 : i;
        qsizetype end = quoted ? command.indexOf(QLatin1Char('"'), begin) : begin;
        if (end < 0)
            end = command.size();
        while (!quoted && end < command.size() && !command.at(end).isSpace())
            ++end;
        QString argument = command.mid(begin, end - begin);
        documentGiven = documentGiven || argument.contains(QLatin1String("%1"));
        arguments << argument.replace(QLatin1String("%1"), document);
        i = end + (quoted ? 1 : 0);
    }
    if (!arguments.isEmpty() && !documentGiven)
        arguments << document;
    return arguments;
}

bool isReaderProgram(ReaderConvention convention, const QString &path, const QString &name)
{
    if (convention == ReaderConvention::Windows)
        return name == QLatin1String("Acrobat.exe") || name == QLatin1String("AcroRd32.exe");
    const QFileInfo file(path);
    return file.isFile() && file.isExecutable();
}

QString readerFilter(ReaderConvention convention, const QString &description)
{
    if (convention == ReaderConvention::Windows)
        return description + QStringLiteral("|*.EXE");
    return QString();
}

QString readerStartFolder(ReaderConvention convention, const QString &programDir)
{
    // Readers there live with the other installed programs, not beside this one.
    const QString programs = QStringLiteral("/usr/bin");
    if (convention == ReaderConvention::Desktop && QFileInfo(programs).isDir())
        return programs;
    return QDir::toNativeSeparators(programDir);
}

} // namespace norvel
