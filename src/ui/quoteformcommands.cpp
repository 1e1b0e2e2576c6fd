// What the quote form does for the rest of the program: load, a new illustration, validation,
// progress, the dates it derives, and the record of its entries.
#include "base/clock.h"
#include "base/privatefile.h"
#include "domain/amountformat.h"
#include "domain/fieldhelp.h"
#include "domain/language.h"
#include "domain/quotedates.h"
#include "domain/validation.h"
#include "ui/amountbox.h"
#include "ui/dialogs.h"
#include "ui/fieldevents.h"
#include "ui/livepremiumline.h"
#include "ui/filecommands.h"
#include "ui/formutils.h"
#include "ui/livepremiumline.h"
#include "ui/formvalues.h"
#include "ui/langstring.h"
#include "ui/mainwindow.h"
#include "ui/maskededit.h"
#include "ui/objectnode.h"
#include "ui/programcontext.h"
#include "ui/quoteform.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMdiSubWindow>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>

namespace norvel {

namespace {

void reformatAmount(QLineEdit *box)
{
    box->setText(ChiffresSeulement(box->text()));
    FormatCashChamp(box);
}

QuoteInput::Person person(const QLineEdit *first, const QLineEdit *last,
                          QRadioButton *const birth[2], const MaskedEdit *date,
                          const QLineEdit *age, QRadioButton *const sex[2],
                          QRadioButton *const smoker[2])
{
    QuoteInput::Person p;
    p.prenom = first->text();
    p.nom = last->text();
    p.optionNais = birth[0]->isChecked() ? 0 : 1;
    p.dateNais = date->formattedText();
    p.age = age->text();
    p.sexe = sex[0]->isChecked() ? 0 : 1;
    p.fumeur = smoker[1]->isChecked() ? 1 : 0;
    return p;
}

} // namespace

void QuoteForm::load()
{
    open_ = true;
    makePrivateFolder(programContext().illustrationsFolder);
    InitCoemprunteur(illustration_.coempMemoire);
    illustration_.modified = false;
    TranslateForm(static_cast<QObject *>(this));
    describeFields();
}

void QuoteForm::describeFields()
{
    // A screen reader gives, after a control's name, the help the line shows for it.
    for (QWidget *control : findChildren<QWidget *>()) {
        QString help = fieldHelp(programContext().language, control->objectName());
        control->setAccessibleDescription(help.replace(QLatin1String("\r\n"), QLatin1String("\n")));
    }
}

void QuoteForm::resetToNewIllustration()
{
    InitCoemprunteur(illustration_.coempMemoire);
    ViderMasque(mskEffet);
    txtTerme->setText(QString());
    txtHypotheque->setText(QStringLiteral("10000"));
    FormatCashChamp(txtHypotheque);
    txtVersement->setText(QStringLiteral("100"));
    FormatCashChamp(txtVersement);
    optEcheance[0]->setChecked(true);
    txtEcheance->setText(QString());
    ViderMasque(mskEcheance);
    txtPrenom->setText(QString());
    txtNom->setText(QString());
    optNaisEmp[1]->setChecked(true);
    ViderMasque(mskDateEmp);
    txtAge->setText(QString());
    optSexe[0]->setChecked(true);
    optFumeur[0]->setChecked(true);
    chkCoemprunteur->setChecked(false);
    setIllustrationName(QString());
    mskEffet->setFocus();
    illustration_.modified = false;
}

void QuoteForm::setIllustrationName(const QString &displayName)
{
    illustrationName_ = displayName;
    const QString caption =
        displayName.isEmpty()
            ? GetLangString(QStringLiteral("modEnregistrement-Msg"), QStringLiteral("NouIllus"))
            : displayName;
    if (!caption.isEmpty())
        setWindowTitle(caption);
}

void QuoteForm::retranslate()
{
    TranslateForm(static_cast<QObject *>(this));
    describeFields();
    // The caption names the illustration, not the window.
    setIllustrationName(illustrationName_);
    reformatAmount(txtHypotheque);
    reformatAmount(txtVersement);
    // The help line speaks the new language too.
    if (QWidget *field = focusWidget())
        lblDescription->setText(fieldHelp(programContext().language, field->objectName()));
    lblPrimesDirect->refresh();
}

QuoteSnapshot QuoteForm::snapshot() const
{
    return state().snapshot();
}

ValidationSnapshot QuoteForm::validationSnapshot() const
{
    return snapshot().validation();
}

bool QuoteForm::ValiderSaisie()
{
    const std::optional<ValidationFault> fault = validateQuote(validationSnapshot(), today());
    if (!fault)
        return true;
    ProgramContext &state = programContext();
    // Quoting from a faulty field: the warning on leaving it already tells the fault.
    const QString text = validationMessage(*fault, state.language);
    if (!fieldEvents_ || !fieldEvents_->warns(text))
        state.dialogs->tell(text, state.appTitle, Dialogs::Icon::Exclamation);
    QWidget *const targets[] = {mskEffet,   txtTerme, mskEcheance, txtEcheance,
                                mskDateEmp, txtAge,   mskDateCo,   txtAgeCo};
    targets[int(fault->focus)]->setFocus();
    return false;
}

void QuoteForm::AfficherProgression(const QString &message)
{
    lblProgress->setText(message);
    lblProgress->repaint();
    if (prgBar->value() < prgBar->maximum())
        prgBar->setValue(prgBar->value() + 1);
}

void QuoteForm::EcheanceMaximale()
{
    ViderMasque(mskEcheance, norvel::EcheanceMaximale(mskEffet->digits()));
    CalculerDureeAmortissement();
}

void QuoteForm::CalculerDureeAmortissement()
{
    react([](QuoteFormReactions &r) { r.amortizationFromDates(); });
}

QuoteInput QuoteForm::quoteInput() const
{
    QuoteInput input;
    input.datePret = mskEffet->formattedText();
    input.termePret = txtTerme->text();
    input.optionEcheance = optEcheance[0]->isChecked() ? 0 : 1;
    input.dateFinTerme = mskEcheance->formattedText();
    input.dureeAmorti = txtEcheance->text();
    input.montantPret = txtHypotheque->text();
    input.versementMensuel = txtVersement->text();
    input.emprunteur =
        person(txtPrenom, txtNom, optNaisEmp, mskDateEmp, txtAge, optSexe, optFumeur);
    input.coemprunteur = chkCoemprunteur->isChecked();
    input.coemprunteurPerson =
        person(txtPrenomCo, txtNomCo, optNaisCo, mskDateCo, txtAgeCo, optSexeCo, optFumCo);
    return input;
}

void QuoteForm::quoteClicked()
{
    cmdCotation->setEnabled(false);
    // The amounts are shown in the language's format even when validation then fails.
    for (QLineEdit *box : {txtHypotheque, txtVersement}) {
        box->setMaxLength(32767);
        box->setText(FormatCashChamp(box).trimmed());
    }
    if (ValiderSaisie())
        Q_EMIT quoteRequested();
    cmdCotation->setEnabled(true);
}

void QuoteForm::closeEvent(QCloseEvent *event)
{
    // Unsaved entries are offered for saving; the broker may keep the form open.
    auto *main = qobject_cast<MainWindow *>(window());
    if (!main || ConfirmerFermeture(*main))
        event->accept();
    else
        event->ignore();
}

void QuoteForm::keyPressEvent(QKeyEvent *event)
{
    if (event->key() != Qt::Key_Escape) {
        QWidget::keyPressEvent(event);
        return;
    }
    // The form lives in a sub-window of the main window: closing that closes the form.
    if (auto *sub = qobject_cast<QMdiSubWindow *>(parentWidget()))
        sub->close();
    else
        close();
}

} // namespace norvel
