#include "ui/filecommands.h"

#include "base/writeaccess.h"
#include "domain/illusrecord.h"
#include "domain/language.h"
#include "ui/dialogs.h"
#include "ui/illustrationio.h"
#include "ui/langstring.h"
#include "ui/mainwindow.h"
#include "ui/programcontext.h"
#include "ui/quoteform.h"
#include "ui/recentillustrations.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace norvel {

namespace {

const QString kMessages = QStringLiteral("modEnregistrement-Msg");

QString text(const QString &key)
{
    return GetLangString(kMessages, key);
}

QString displayName(const QString &path)
{
    return NomIllustration(QFileInfo(path).fileName());
}

// The dialog as every file command configures it: illustrations, in their folder, starting
// from the name given.
Dialogs::FileRequest fileRequest(Dialogs::FileRequest::Kind kind, const QString &titleKey,
                                 const QString &fileName)
{
    Dialogs::FileRequest request;
    request.kind = kind;
    request.title = text(titleKey);
    request.folder = programContext().illustrationsFolder;
    request.fileName = fileName;
    request.filter = GetLangString(QStringLiteral("frmMDI-Val"), QStringLiteral("DialogFilter"));
    request.defaultSuffix = QStringLiteral("NVL");
    return request;
}

Dialogs::Answer askYesNo(const QString &message, Dialogs::Buttons buttons,
                         Dialogs::Answer defaultAnswer)
{
    ProgramContext &state = programContext();
    return state.dialogs->ask(
        {message, state.appTitle, Dialogs::Icon::Question, buttons, defaultAnswer});
}

// The open illustration's file; empty for a new one.
QString currentFile(const MainWindow &main)
{
    const QuoteForm *form = main.quoteForm();
    return form ? form->illustration().fileName : QString();
}

// The file goes first in the File menu's recent illustrations.
void remember(MainWindow &main, const QString &path)
{
    if (RecentIllustrations *recent = main.recentIllustrations())
        recent->add(path);
}

QuoteForm *openQuoteForm(MainWindow &main)
{
    if (!main.quoteFormOpen())
        main.showQuoteForm();
    return main.quoteForm();
}

void readChosenFile(MainWindow &main, const QString &chosen)
{
    if (!openQuoteForm(main))
        return;
    // A file that cannot be read leaves the illustration in the form the current one, so a
    // later Save never overwrites the damaged file.
    if (!LireIllustration(main, chosen))
        return;
    main.quoteForm()->illustration().fileName = chosen;
    remember(main, chosen);
}

} // namespace

bool DemanderEnregistrement(MainWindow &main)
{
    QuoteForm *form = main.quoteForm();
    if (!form || !form->illustration().modified)
        return true;
    const QString fileName = form->illustration().fileName;
    const QString question = fileName.isEmpty()
                                 ? text(QStringLiteral("NouIllus_t"))
                                 : text(QStringLiteral("NouIllus_1")) + displayName(fileName) +
                                       text(QStringLiteral("NouIllus_2"));
    switch (askYesNo(question, Dialogs::Buttons::YesNoCancel, Dialogs::Answer::Yes)) {
    case Dialogs::Answer::No:
        return true;
    case Dialogs::Answer::Yes:
        // A cancelled dialog or a file that could not be written keeps the entries.
        return EnregistrerIllustration(main) == SaveResult::Saved;
    default:
        return false;
    }
}

void NouvelleIllustration(MainWindow &main)
{
    QuoteForm *form = openQuoteForm(main);
    if (!form || !DemanderEnregistrement(main))
        return;
    form->illustration().fileName.clear();
    form->resetToNewIllustration();
}

void OuvrirIllustration(MainWindow &main)
{
    ProgramContext &state = programContext();
    if (!DemanderEnregistrement(main))
        return;
    const std::optional<QString> chosen = state.dialogs->chooseFile(fileRequest(
        Dialogs::FileRequest::Kind::Open, QStringLiteral("OuvIllus"), currentFile(main)));
    if (chosen)
        readChosenFile(main, *chosen);
}

void OuvrirFichierIllustration(MainWindow &main, const QString &path)
{
    if (DemanderEnregistrement(main))
        readChosenFile(main, path);
}

SaveResult EnregistrerIllustration(MainWindow &main)
{
    const QString fileName = currentFile(main);
    if (fileName.isEmpty())
        return EnregistrerIllustrationSous(main);
    if (!EcrireIllustration(main, fileName))
        return SaveResult::Failed;
    remember(main, fileName);
    return SaveResult::Saved;
}

SaveResult EnregistrerIllustrationSous(MainWindow &main)
{
    Dialogs::FileRequest request = fileRequest(Dialogs::FileRequest::Kind::Save,
                                               QStringLiteral("EnrIllus_t"), currentFile(main));
    request.mustExist = false;
    request.confirmOverwrite = true;
    const std::optional<QString> chosen = programContext().dialogs->chooseFile(request);
    if (!chosen)
        return SaveResult::Cancelled;
    if (!EcrireIllustration(main, *chosen))
        return SaveResult::Failed;
    if (QuoteForm *form = main.quoteForm())
        form->illustration().fileName = *chosen;
    remember(main, *chosen);
    return SaveResult::Saved;
}

void EffacerIllustration(MainWindow &main)
{
    ProgramContext &state = programContext();
    // The dialog starts without a name; the open illustration keeps its own.
    Dialogs::FileRequest request =
        fileRequest(Dialogs::FileRequest::Kind::Open, QStringLiteral("EffIllus_t"), QString());
    request.acceptLabel = text(QStringLiteral("EffIllus_b"));
    const std::optional<QString> chosen = state.dialogs->chooseFile(request);
    if (!chosen)
        return;
    const QString question = text(QStringLiteral("EffIllus_1")) + displayName(*chosen) +
                             text(QStringLiteral("EffIllus_2"));
    // A file or folder marked read-only keeps its files, even where the system would not.
    if (askYesNo(question, Dialogs::Buttons::YesNo, Dialogs::Answer::No) != Dialogs::Answer::Yes ||
        isMarkedReadOnly(*chosen) || isMarkedReadOnly(QFileInfo(*chosen).absolutePath()))
        return;
    QFile file(*chosen);
    if (!file.remove()) {
        // The broker believes it gone otherwise.
        state.dialogs->tell(text(QStringLiteral("ErrEffIllus_1")) +
                                QDir::toNativeSeparators(*chosen) +
                                text(QStringLiteral("ErrEffIllus_2")) + QStringLiteral("\r\n(") +
                                file.errorString() + QLatin1Char(')'),
                            state.appTitle, Dialogs::Icon::Critical);
        return;
    }
    if (RecentIllustrations *recent = main.recentIllustrations())
        recent->remove(*chosen);
}

bool ConfirmerFermeture(MainWindow &main)
{
    if (!DemanderEnregistrement(main))
        return false;
    if (QuoteForm *form = main.quoteForm()) {
        form->markClosing();
        form->illustration().modified = false;
    }
    return true;
}

} // namespace norvel
