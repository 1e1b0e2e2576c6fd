#include "cli/filequote.h"

#include "base/clock.h"
#include "domain/report.h"
#include "domain/validation.h"
#include "ui/filecommands.h"
#include "ui/mainwindow.h"
#include "ui/quotecommand.h"
#include "ui/quoteform.h"
#include "ui/reportpreview.h"
#include "ui/scripteddialogs.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QPushButton>

namespace norvel {

namespace {

// Read failures show this message; a rate that cannot be read shows the one of its own key.
const QString kReadFailure = QStringLiteral("ErrAffSoumission");
const QString kRateFailure = QStringLiteral("ErrTaux");
constexpr int kFilesPerEventPass = 25;

QString lastMessage(const ScriptedDialogs &dialogs)
{
    return dialogs.messages.isEmpty() ? QString() : dialogs.messages.last().text;
}

// File > Open on the file; false, with its message recorded, when it cannot be read.
bool openFile(MainWindow &main, const QString &file, ScriptedDialogs &dialogs)
{
    // The tool types nothing: whatever the last quote reformatted is never offered for saving
    // over the previous input.
    if (QuoteForm *form = main.quoteForm())
        form->illustration() = {false, QString(), form->illustration().coempMemoire};
    const QString path = QFileInfo(file).absoluteFilePath();
    dialogs.scriptFiles({path});
    OuvrirIllustration(main);
    return main.quoteForm() && main.quoteForm()->illustration().fileName == path;
}

} // namespace

std::vector<std::pair<QString, QString>> FileQuote::reportTexts() const
{
    std::vector<std::pair<QString, QString>> texts;
    if (!report)
        return texts;
    for (const ReportSection &section : report->sections())
        for (const ReportControl &control : section.controls) {
            const bool text =
                control.kind == ControlKind::Label || control.kind == ControlKind::TextField;
            if (text && control.visible && !control.caption.isEmpty())
                texts.emplace_back(control.name, control.caption);
        }
    return texts;
}

FileQuote quoteFile(MainWindow &main, const QString &file, ScriptedDialogs &dialogs)
{
    // The program's event loop would have handled what each quote leaves it (layouts, queued
    // calls); the tool runs none, so it hands them over every few files: often enough that
    // they never pile up, seldom enough that the layouts they ask for are done once for many.
    static int sinceEvents = 0;
    if (++sinceEvents == kFilesPerEventPass) {
        sinceEvents = 0;
        QCoreApplication::processEvents();
    }
    // Each file's messages are its own; kept, they would grow for as long as the run.
    dialogs.clearRecord();
    FileQuote quote;
    quote.file = file;
    if (!openFile(main, file, dialogs)) {
        quote.errorKey = kReadFailure;
        quote.errorMessage = lastMessage(dialogs);
        return quote;
    }
    QuoteForm *form = main.quoteForm();
    const qsizetype told = dialogs.messages.size();
    form->cmdCotation->click();
    if (dialogs.messages.size() > told) {
        const std::optional<ValidationFault> fault =
            validateQuote(form->validationSnapshot(), today());
        quote.errorKey = fault ? fault->key : kRateFailure;
        quote.errorMessage = lastMessage(dialogs);
        return quote;
    }
    const QuoteCommand *command = form->findChild<QuoteCommand *>();
    if (!command || !command->preview() || !command->preview()->report()) {
        quote.errorKey = kRateFailure;
        quote.errorMessage = QStringLiteral("no report was made");
        return quote;
    }
    quote.ok = true;
    quote.prices = command->prices();
    quote.report = command->preview()->report();
    quote.document = command->preview()->document();
    return quote;
}

bool rewriteFile(MainWindow &main, const QString &file, const QString &out,
                 ScriptedDialogs &dialogs, QString *error)
{
    if (!openFile(main, file, dialogs)) {
        *error = lastMessage(dialogs);
        return false;
    }
    const QString path = QFileInfo(out).absoluteFilePath();
    dialogs.scriptFiles({path});
    EnregistrerIllustrationSous(main);
    const QuoteForm *form = main.quoteForm();
    if (form && form->illustration().fileName == path && !form->illustration().modified)
        return true;
    *error = lastMessage(dialogs);
    return false;
}

} // namespace norvel
