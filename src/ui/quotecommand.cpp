#include "ui/quotecommand.h"

#include "base/clock.h"
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

// The broker line: the broker window's name and telephone.
std::optional<QuotePage::Broker> brokerLine(const BrokerWindow *broker)
{
    if (!broker)
        return std::nullopt;
    return QuotePage::Broker{broker->txtNom->text(), broker->mskTelephone->formattedText()};
}

} // namespace

QuoteSources quoteSources()
{
    const ProgramContext &state = programContext();
    return {programContext().quoteRates(), state.monthlyFactor, state.language, state.programDir,
            state.rateVintage};
}

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

void QuoteCommand::tellRatesNotInEffect(const QDate &effective)
{
    if (Dialogs *dialogs = programContext().dialogs)
        dialogs->tell(ratesNotInEffectMessage(effective, programContext().language),
                      programContext().appTitle, Dialogs::Icon::Exclamation);
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
    Quote quote =
        makeQuote(form_->snapshot(), page, quoteSources(), [this](const char *key) { step(key); });
    prices_ = quote.prices;
    if (quote.ratesFrom) {
        tellRatesNotInEffect(*quote.ratesFrom);
        return false;
    }
    if (quote.rateError) {
        if (Dialogs *dialogs = programContext().dialogs)
            dialogs->tell(rateErrorMessage(quote, state.language), state.appTitle,
                          Dialogs::Icon::Critical);
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
