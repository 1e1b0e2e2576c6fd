#pragma once

#include "domain/illustration.h"
#include "domain/quoteformstate.h"
#include "domain/quoteinput.h"
#include "domain/quotesnapshot.h"
#include "domain/validation.h"

#include <QWidget>
#include <functional>

class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;
class QRadioButton;

namespace norvel {

class FieldEvents;
class LivePremiumLine;
class MaskedEdit;

// frmCotalmira: the window in which the broker enters one quote. Its controls carry the names
// the rules, the files and the language files use; other parts of the program reach them
// directly, as the form's own record of the quote.
class QuoteForm : public QWidget {
    Q_OBJECT
public:
    explicit QuoteForm(QWidget *parent = nullptr);

    // The form's load: marks it open, makes sure the illustrations folder exists, starts a
    // fresh co-borrower memory and translates it.
    void load();

    // The form part of a new illustration: every field back to its default, the "new" caption,
    // the focus on the loan date.
    void resetToNewIllustration();
    // The caption names the illustration: the file's display name, or the "new" text.
    void setIllustrationName(const QString &displayName);
    // After a change of language: texts, caption and the two amounts in the new language.
    void retranslate();

    bool ValiderSaisie();
    // The entries as they stand, for the quote; and what validation judges of them.
    QuoteSnapshot snapshot() const;
    ValidationSnapshot validationSnapshot() const;
    void AfficherProgression(const QString &message = QString());
    void EcheanceMaximale();
    void CalculerDureeAmortissement();
    QuoteInput quoteInput() const;
    // The controls as data, and the data shown: what showing it changes raises no reaction.
    QuoteFormState state() const;
    void showState(const QuoteFormState &state);

    // The illustration the form edits.
    Illustration &illustration() { return illustration_; }
    const Illustration &illustration() const { return illustration_; }
    void markModified() { illustration_.modified = true; }
    // Open from its load until the broker agrees to close it.
    bool isOpen() const { return open_; }
    void markClosing() { open_ = false; }

    MaskedEdit *mskEffet, *mskEcheance, *mskDateEmp, *mskDateCo;
    QLineEdit *txtTerme, *txtHypotheque, *txtVersement, *txtEcheance;
    QLineEdit *txtPrenom, *txtNom, *txtAge, *txtPrenomCo, *txtNomCo, *txtAgeCo;
    QRadioButton *optEcheance[2], *optNaisEmp[2], *optSexe[2], *optFumeur[2];
    QRadioButton *optNaisCo[2], *optSexeCo[2], *optFumCo[2];
    QCheckBox *chkCoemprunteur;
    QGroupBox *fraEcheance, *fraNaisCo, *fraSexeCo, *fraFumCo, *fraProgress;
    QLabel *lblPrenomCo, *lblNomCo, *lblDescription, *lblProgress;
    QProgressBar *prgBar;
    QPushButton *cmdCotation;
    LivePremiumLine *lblPrimesDirect;

Q_SIGNALS:
    // The entries passed validation: the quote command takes over.
    void quoteRequested();

protected:
    void closeEvent(QCloseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    void build();
    void connectRules();
    void connectChanges();
    // Runs a reaction on the controls as data and shows the outcome.
    void react(const std::function<void(QuoteFormReactions &)> &reaction);
    void setTabOrder();
    void describeFields();
    void coBorrowerClicked();
    void quoteClicked();

    Illustration illustration_;
    bool open_ = false;
    bool showing_ = false;
    FieldEvents *fieldEvents_ = nullptr;
    QWidget *fraProg_ = nullptr;
    QString illustrationName_;
};

} // namespace norvel
