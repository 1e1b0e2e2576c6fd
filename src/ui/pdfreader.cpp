#include "ui/pdfreader.h"

#include "base/fileassociations.h"
#include "base/profile.h"
#include "base/programlauncher.h"
#include "base/readerplatform.h"
#include "base/shortpath.h"
#include "domain/language.h"
#include "ui/dialogs.h"
#include "ui/langstring.h"
#include "ui/programcontext.h"
#include "ui/settingswriter.h"

#include <QDir>
#include <QFileInfo>

namespace norvel {

namespace {

const QString kSection = QStringLiteral("systeme");
const QString kReaderKey = QStringLiteral("acrobat");
const QString kCommandSuffix = QStringLiteral("\\shell\\open\\command");
const QString kParagraph = QStringLiteral("\r\n\r\n");

QString message(const char *key)
{
    return GetLangString(QStringLiteral("modCotalmira-Msg"), QLatin1String(key));
}

// The texts that name Acrobat's programs are for the machines that have them; elsewhere the
// same place speaks of the PDF reader.
QString readerMessage(ReaderConvention convention, const char *key)
{
    return convention == ReaderConvention::Windows
               ? message(key)
               : message((QByteArray(key) + "Lecteur").constData());
}

Dialogs::Answer askCritical(const QString &text, const QString &title, Dialogs::Buttons buttons)
{
    const Dialogs::Answer first =
        buttons == Dialogs::Buttons::YesNo ? Dialogs::Answer::Yes : Dialogs::Answer::Ok;
    return programContext().dialogs->ask({text, title, Dialogs::Icon::Critical, buttons, first});
}

void tellCritical(const QString &text)
{
    askCritical(text, programContext().exeBaseName, Dialogs::Buttons::Ok);
}

bool startReader(ReaderPlatform &platform, const QString &reader, const QString &document)
{
    return !reader.isEmpty() &&
           platform.launcher->start(reader, readerArguments(platform.convention, document));
}

void rememberReader(const QString &reader)
{
    SaveSettings(kSection, {{kReaderKey, reader}});
}

// The open command of a class of the associations (on a free desktop, an entry).
QString commandOf(FileAssociations &associations, const QString &classe)
{
    return LireRegistre(associations, classe + kCommandSuffix, QString());
}

// The class that opens PDF files: the one of ".PDF", or else Acrobat's.
QString associatedClass(FileAssociations &associations)
{
    const QString classe = LireRegistre(associations, QStringLiteral(".PDF"), QString()).trimmed();
    return classe.isEmpty() ? QStringLiteral("AcroExch.Document") : classe;
}

// Acrobat's convention starts the command's program with its own arguments; a desktop entry
// is started as a whole, as it says (`env VAR=1 /opt/reader %U` runs the reader, not env).
bool startCommand(ReaderPlatform &platform, const QString &command, const QString &document)
{
    if (platform.convention == ReaderConvention::Windows)
        return startReader(platform, readerOfCommand(command), document);
    const QStringList arguments = commandArguments(command, document);
    return !arguments.isEmpty() && platform.launcher->start(arguments.first(), arguments.mid(1));
}

// The reader question, then the dialog. A reader that starts is kept for the next document.
void locateReader(ReaderPlatform &platform, const QString &document)
{
    const QString question =
        message("OuvErrPDF2_1") + kParagraph + readerMessage(platform.convention, "OuvErrPDF2_2");
    if (askCritical(question, programContext().exeBaseName, Dialogs::Buttons::YesNo) !=
        Dialogs::Answer::Yes)
        return;
    const QString reader = ChercherLecteurPdf(platform);
    if (reader.isEmpty())
        return;
    // Kept only once it has started: a program that cannot start would only fail again.
    if (startReader(platform, reader, document))
        rememberReader(reader);
    else
        tellCritical(message("ErrLancerLecteur_1") + reader + message("ErrLancerLecteur_2"));
}

} // namespace

QString LireRegistre(FileAssociations &associations, const QString &key, const QString &name)
{
    QString value = associations.value(key, name);
    while (value.endsWith(QChar(0)))
        value.chop(1);
    return value;
}

QString readerOfCommand(const QString &command)
{
    if (command.startsWith(QLatin1Char('"'))) {
        const qsizetype close = command.indexOf(QLatin1Char('"'), 2);
        if (close > 0)
            return command.mid(1, close - 1);
    }
    return command;
}

QString ChercherLecteurPdf(const ReaderPlatform &platform)
{
    const ProgramContext &state = programContext();
    Dialogs::FileRequest request;
    request.title = message("RchAcroread");
    request.filter = readerFilter(platform.convention, message("FiltreApp_1"));
    request.folder = readerStartFolder(platform.convention, state.programDir);
    request.mustExist = false;
    for (;;) {
        const std::optional<QString> chosen = state.dialogs->chooseFile(request);
        const QString path = chosen ? QDir::toNativeSeparators(chosen->trimmed()) : QString();
        if (path.isEmpty())
            return QString();
        const QFileInfo file(path);
        if (isReaderProgram(platform.convention, path, file.fileName()))
            return path;
        const QString question = message("RchErrAcroread_1") + file.fileName() +
                                 readerMessage(platform.convention, "RchErrAcroread_2") +
                                 kParagraph + message("RchErrAcroread_3");
        if (askCritical(question, message("RchErrAcroread_t"), Dialogs::Buttons::YesNo) !=
            Dialogs::Answer::Yes)
            return QString();
        request.folder = QDir::toNativeSeparators(file.absolutePath());
    }
}

void OuvrirDocument(const QString &document)
{
    OuvrirDocument(document, readerPlatform());
}

void OuvrirDocument(const QString &document, ReaderPlatform &platform)
{
    if (!QFileInfo(document).isFile()) {
        tellCritical(message("OuvErrPDF_1") + document + message("OuvErrPDF_2"));
        return;
    }
    // Blanks in the path would split it on a reader's command line; without a short form
    // the path goes as it is, as one argument.
    QString path = platform.shortPaths->shortPath(document);
    if (path.isEmpty())
        path = document;

    // The reader kept: a program, or on a free desktop the entry that was found.
    QString reader = ReadSetting(programContext().settingsFilePath, kSection, kReaderKey).trimmed();
    const bool program = !reader.isEmpty() && QFileInfo(reader).isFile();
    const bool desktop = platform.convention == ReaderConvention::Desktop;
    QString command = !program && desktop && !reader.isEmpty()
                          ? commandOf(*platform.associations, reader)
                          : QString();
    const bool lookedUp = !program && command.isEmpty();
    if (lookedUp) {
        const QString classe = associatedClass(*platform.associations);
        command = commandOf(*platform.associations, classe);
        if (command.isEmpty()) {
            locateReader(platform, path);
            return;
        }
        reader = desktop ? classe : readerOfCommand(command);
    }
    const bool started = program ? startReader(platform, reader, path)
                                 : startCommand(platform, command, path);
    if (!started) {
        locateReader(platform, path);
        return;
    }
    if (lookedUp)
        rememberReader(reader);
}

} // namespace norvel
