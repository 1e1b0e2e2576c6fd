#include "cli/filequote.h"

#include "base/clock.h"
#include "base/regularfile.h"
#include "domain/illusrecord.h"
#include "domain/quote.h"
#include "domain/report.h"
#include "ui/filecommands.h"
#include "ui/langstring.h"
#include "ui/mainwindow.h"
#include "ui/programcontext.h"
#include "ui/quotecommand.h"
#include "ui/quoteform.h"
#include "ui/scripteddialogs.h"

#include <QFileInfo>

namespace norvel {

namespace {

// Read failures show this message; a rate that cannot be read shows the one of its own key.
const QString kReadFailure = QStringLiteral("ErrAffSoumission");
const QString kRateFailure = QStringLiteral("ErrTaux");
constexpr int kBrokerNameLength = 30; // what the broker window's name box takes

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

FileQuote FileQuoter::quote(const QString &file)
{
    ProgramContext &program = programContext();
    const Language &language = program.language;
    FileQuote quote;
    quote.file = file;
    // Read as File > Open reads it: the whole file checked before anything uses it.
    std::optional<IllustrationFile> read;
    if (const auto bytes =
            readRegularFile(QFileInfo(file).absoluteFilePath(), kIllustrationFileSize))
        read = decodeIllustration(*bytes);
    if (!read) {
        quote.errorKey = kReadFailure;
        quote.errorMessage = GetLangString(QStringLiteral("modEnregistrement-Msg"), kReadFailure);
        return quote;
    }
    form_ = loadRecord(form_, read->quote, language, today());
    formatAmountsForQuote(form_, language);
    const QuotePage page{QuotePage::Broker{read->broker.nom.trimmed().left(kBrokerNameLength),
                                           shownTelephone(read->broker.telephone)},
                         today(), program.versionText};
    Quote made = makeQuote(form_.snapshot(), page, quoteSources());
    if (made.fault) {
        quote.errorKey = made.fault->key;
        quote.errorMessage = validationMessage(*made.fault, language);
    } else if (made.ratesFrom) {
        quote.errorKey = QStringLiteral("TarifsFuturs");
        quote.errorMessage = ratesNotInEffectMessage(*made.ratesFrom, language);
    } else if (!made.ok()) {
        quote.errorKey = kRateFailure;
        quote.errorMessage = rateErrorMessage(made, language);
    } else {
        quote.ok = true;
        quote.prices = made.prices;
        quote.report = std::move(made.report);
        quote.document = made.document;
    }
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
