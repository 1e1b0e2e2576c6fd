#include "ui/quotecommand.h"

#include "base/clock.h"
#include "domain/databaserates.h"
#include "domain/quote.h"
#include "domain/report.h"
#include "ui/brokerwindow.h"
#include "ui/dialogs.h"
#include "ui/langstring.h"
#include "ui/mainwindow.h"
#include "ui/maskededit.h"
#include "ui/programcontext.h"
#include "ui/quoteform.h"
#include "ui/reportpreview.h"

#include <QGroupBox>
#include <QLineEdit>
#include <QProgressBar>

namespace norvel {

namespace {

const QString kMessages = QStringLiteral("frmCotalmira-Msg");

// The rate lookup kept for the run, made on the first quote.
RateSource *rates()
{
    ProgramContext &state = programContext();
    if (!state.rateDatabase) {
        state.rates.reset();
        return nullptr;
    }
    if (!state.rates)
        state.rates = std::make_unique<DatabaseRates>(*state.rateDatabase);
    return state.rates.get();
}

// The broker line: the broker window's name and telephone.
std::optional<QuotePage::Broker> brokerLine(const BrokerWindow *broker)
{
    if (!broker)
        return std::nullopt;
    return QuotePage::Broker{broker->txtNom->text(), broker->mskTelephone->formattedText()};
}

} // namespace

QuoteCommand::QuoteCommand(QuoteForm *form, MainWindow *main)
    : QObject(form)
    , form_(form)
    , main_(main)
{
}

void QuoteCommand::step(const char *key)
{
    form_->AfficherProgression(GetLangString(kMessages, QLatin1String(key)));
}

void QuoteCommand::tellRateError(const QString &table, double age, const QString &detail)
{
    if (Dialogs *dialogs = programContext().dialogs)
        dialogs->tell(
            GetLangString(kMessages, QStringLiteral("ErrTaux")) + QStringLiteral("\r\n\r\n") +
                GetLangString(kMessages, QStringLiteral("ErrTauxDetail_1")) + table +
                GetLangString(kMessages, QStringLiteral("ErrTauxDetail_2")) + QString::number(age) +
                QStringLiteral("\r\n(") + detail + QLatin1Char(')'),
            programContext().appTitle, Dialogs::Icon::Critical);
}

bool QuoteCommand::run()
{
    form_->prgBar->setValue(0);
    form_->fraProgress->show();
    form_->fraProgress->repaint();
    // Whatever happens below, the progress frame does not stay on screen.
    struct HideProgress {
        QGroupBox *frame;
        ~HideProgress() { frame->hide(); }
    } hideProgress{form_->fraProgress};

    const ProgramContext &state = programContext();
    const QuotePage page{brokerLine(main_ ? main_->brokerWindow() : nullptr), today(),
                         state.versionText};
    Quote quote = makeQuote(form_->snapshot(), page,
                            {rates(), state.monthlyFactor, state.language, state.programDir},
                            [this](const char *key) { step(key); });
    prices_ = quote.prices;
    if (quote.rateError) {
        const RateError &error = *quote.rateError;
        tellRateError(error.table, error.age,
                      quote.noRateDatabase ? error.detail : error.describe());
        return false;
    }
    if (!quote.ok())
        return false; // the form has shown the entries' fault
    showReport(std::move(quote.report), quote.document);
    return true;
}

void QuoteCommand::showReport(std::unique_ptr<Report> report, const PdfDocumentInfo &document)
{
    if (!preview_)
        preview_ = new ReportPreview(main_);
    preview_->retranslate();
    preview_->setReport(std::move(report), document);
    preview_->present();
}

} // namespace norvel
