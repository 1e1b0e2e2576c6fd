#include "ui/quoteform.h"

#include "ui/fieldevents.h"
#include "ui/formutils.h"
#include "ui/livepremiumline.h"
#include "ui/maskededit.h"
#include "ui/objectnode.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>

namespace norvel {

namespace {

const QString kDateMask = QStringLiteral("##/##/####");

// A frame's two rows, each a caption and its box.
void twoRows(QGroupBox *frame, QWidget *first, QWidget *firstBox, QWidget *second,
             QWidget *secondBox)
{
    auto *grid = new QGridLayout(frame);
    grid->addWidget(first, 0, 0);
    grid->addWidget(firstBox, 0, 1);
    grid->addWidget(second, 1, 0);
    grid->addWidget(secondBox, 1, 1);
}

template <class T> T *named(T *widget, const char *name, int index = -1)
{
    widget->setObjectName(QLatin1String(name));
    if (index >= 0)
        widget->setProperty("Index", index);
    return widget;
}

// A caption tied to its box: its mnemonic moves there and readers name the box after it.
QLabel *label(const char *name, const char *caption, QWidget *buddy)
{
    auto *label = named(new QLabel(QString::fromUtf8(caption), buddy->parentWidget()), name);
    label->setBuddy(buddy);
    return label;
}

QGroupBox *frame(const char *name, const char *caption, QWidget *parent)
{
    return named(new QGroupBox(QString::fromUtf8(caption), parent), name);
}

QLineEdit *textBox(const char *name, int maxLength, QWidget *parent)
{
    auto *box = named(new QLineEdit(parent), name);
    box->setMaxLength(maxLength);
    return box;
}

MaskedEdit *dateBox(const char *name, QWidget *parent)
{
    auto *box = named(new MaskedEdit(kDateMask, parent), name);
    box->setMinimumWidth(box->fontMetrics().horizontalAdvance(QStringLiteral("00/00/00000")) + 12);
    return box;
}

// A pair of option buttons, a control array of two members.
void options(QRadioButton *pair[2], const char *name, const char *first, const char *second,
             QWidget *parent)
{
    auto *group = new QButtonGroup(parent);
    pair[0] = named(new QRadioButton(QString::fromUtf8(first), parent), name, 0);
    pair[1] = named(new QRadioButton(QString::fromUtf8(second), parent), name, 1);
    group->addButton(pair[0], 0);
    group->addButton(pair[1], 1);
}

QGroupBox *pairFrame(const char *name, const char *caption, QRadioButton *pair[2],
                     const char *optionName, const char *first, const char *second, QWidget *parent)
{
    QGroupBox *box = frame(name, caption, parent);
    options(pair, optionName, first, second, box);
    auto *layout = new QVBoxLayout(box);
    layout->addWidget(pair[0]);
    layout->addWidget(pair[1]);
    return box;
}

// The birth block of one person: the two options, each with its box.
QGroupBox *birthFrame(const char *name, QRadioButton *pair[2], const char *optionName,
                      MaskedEdit *&date, const char *dateName, QLineEdit *&age, const char *ageName,
                      QWidget *parent)
{
    QGroupBox *box = frame(name, "Naissance", parent);
    options(pair, optionName, "Date de naissance :", "Âge :", box);
    date = dateBox(dateName, box);
    age = textBox(ageName, 3, box);
    age->setMaximumWidth(date->minimumWidth());
    twoRows(box, pair[0], date, pair[1], age);
    return box;
}

} // namespace

QuoteForm::QuoteForm(QWidget *parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("frmCotalmira"));
    markAsForm(this);
    setWindowTitle(QStringLiteral("Nouvelle soumission"));
    build();
    setTabOrder();
    connectRules();
    connectChanges();
    fieldEvents_ = new FieldEvents(this);
}

void QuoteForm::build()
{
    fraProg_ = named(new QWidget(this), "fraProg");
    auto *grid = new QGridLayout(fraProg_);

    // The loan.
    QGroupBox *fraEffet = frame("fraEffet", "Prise d'effet", fraProg_);
    mskEffet = dateBox("mskEffet", fraEffet);
    txtTerme = textBox("txtTerme", 2, fraEffet);
    twoRows(fraEffet, label("lblEffet", "Date du prêt :", mskEffet), mskEffet,
            label("lblTerme", "Terme du prêt :", txtTerme), txtTerme);

    QGroupBox *fraMontant = frame("fraMontant", "Montants", fraProg_);
    txtHypotheque = textBox("txtHypotheque", 8, fraMontant);
    txtVersement = textBox("txtVersement", 5, fraMontant);
    txtHypotheque->setAlignment(Qt::AlignRight);
    txtVersement->setAlignment(Qt::AlignRight);
    twoRows(fraMontant, label("lblHypotheque", "Montant du prêt :", txtHypotheque), txtHypotheque,
            label("lblVersement", "Versement mensuel :", txtVersement), txtVersement);

    fraEcheance = frame("fraEcheance", "Échéance", fraProg_);
    options(optEcheance, "optEcheance",
            "Date de la fin du terme :", "Durée d'amortissement :", fraEcheance);
    mskEcheance = dateBox("mskEcheance", fraEcheance);
    txtEcheance = textBox("txtEcheance", 3, fraEcheance);
    twoRows(fraEcheance, optEcheance[0], mskEcheance, optEcheance[1], txtEcheance);

    // The borrower.
    QGroupBox *fraEmprunteur = frame("fraEmprunteur", "Emprunteur", fraProg_);
    txtPrenom = textBox("txtPrenom", 15, fraEmprunteur);
    txtNom = textBox("txtNom", 15, fraEmprunteur);
    auto *emp = new QGridLayout(fraEmprunteur);
    emp->addWidget(label("lblPrenomEmp", "Prénom :", txtPrenom), 0, 0);
    emp->addWidget(txtPrenom, 0, 1);
    emp->addWidget(label("lblNomEmp", "Nom :", txtNom), 1, 0);
    emp->addWidget(txtNom, 1, 1);
    emp->addWidget(birthFrame("fraNaisEmp", optNaisEmp, "optNaisEmp", mskDateEmp, "mskDateEmp",
                              txtAge, "txtAge", fraEmprunteur),
                   0, 2, 2, 1);
    emp->addWidget(
        pairFrame("fraSexeEmp", "Sexe", optSexe, "optSexe", "Homme", "Femme", fraEmprunteur), 0, 3,
        2, 1);
    emp->addWidget(pairFrame("fraFumEmp", "Risque", optFumeur, "optFumeur", "Non-fumeur", "Fumeur",
                             fraEmprunteur),
                   0, 4, 2, 1);

    // The co-borrower.
    QGroupBox *fraCoemprunteur = frame("fraCoemprunteur", "", fraProg_);
    chkCoemprunteur =
        named(new QCheckBox(QStringLiteral("Coemprunteur"), fraCoemprunteur), "chkCoemprunteur");
    txtPrenomCo = textBox("txtPrenomCo", 15, fraCoemprunteur);
    txtNomCo = textBox("txtNomCo", 15, fraCoemprunteur);
    lblPrenomCo = label("lblPrenomCo", "Prénom :", txtPrenomCo);
    lblNomCo = label("lblNomCo", "Nom :", txtNomCo);
    fraNaisCo = birthFrame("fraNaisCo", optNaisCo, "optNaisCo", mskDateCo, "mskDateCo", txtAgeCo,
                           "txtAgeCo", fraCoemprunteur);
    fraSexeCo =
        pairFrame("fraSexeCo", "Sexe", optSexeCo, "optSexeCo", "Homme", "Femme", fraCoemprunteur);
    fraFumCo = pairFrame("fraFumCo", "Risque", optFumCo, "optFumCo", "Non-fumeur", "Fumeur",
                         fraCoemprunteur);
    auto *co = new QGridLayout(fraCoemprunteur);
    co->addWidget(chkCoemprunteur, 0, 0, 1, 2);
    co->addWidget(lblPrenomCo, 1, 0);
    co->addWidget(txtPrenomCo, 1, 1);
    co->addWidget(lblNomCo, 2, 0);
    co->addWidget(txtNomCo, 2, 1);
    co->addWidget(fraNaisCo, 0, 2, 3, 1);
    co->addWidget(fraSexeCo, 0, 3, 3, 1);
    co->addWidget(fraFumCo, 0, 4, 3, 1);

    // Help line, progress and the quote button.
    lblDescription = named(new QLabel(fraProg_), "lblDescription");
    lblDescription->setFrameShape(QFrame::StyledPanel);
    lblDescription->setWordWrap(true);
    lblDescription->setMinimumHeight(3 * fontMetrics().lineSpacing() + 8);
    lblDescription->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    fraProgress = frame("fraProgress", "", fraProg_);
    prgBar = named(new QProgressBar(fraProgress), "prgBar");
    prgBar->setRange(0, 13);
    prgBar->setTextVisible(false);
    lblProgress = named(new QLabel(fraProgress), "lblProgress");
    auto *progress = new QVBoxLayout(fraProgress);
    progress->addWidget(lblProgress);
    progress->addWidget(prgBar);
    fraProgress->hide();
    cmdCotation = named(new QPushButton(QStringLiteral("C&otation"), fraProg_), "cmdCotation");
    cmdCotation->setMinimumHeight(2 * cmdCotation->sizeHint().height());
    cmdCotation->setAutoDefault(true); // Enter on the button presses it

    grid->addWidget(fraEffet, 0, 0);
    grid->addWidget(fraMontant, 0, 1);
    grid->addWidget(fraEcheance, 0, 2);
    grid->addWidget(fraEmprunteur, 1, 0, 1, 3);
    grid->addWidget(fraCoemprunteur, 2, 0, 1, 3);
    lblPrimesDirect = new LivePremiumLine(this, fraProg_);
    grid->addWidget(lblPrimesDirect, 3, 0, 1, 2); // beside the quote button
    grid->addWidget(lblDescription, 4, 0, 1, 2);
    grid->addWidget(fraProgress, 5, 0, 1, 2);
    grid->addWidget(cmdCotation, 3, 2, 3, 1);

    // Design state: end-of-term date chosen, age given, man, non-smoker, no co-borrower.
    optEcheance[0]->setChecked(true);
    ActiverChamp(false, txtEcheance);
    // No end of term without a loan date to count from.
    fraEcheance->setEnabled(false);
    optEcheance[0]->setEnabled(false);
    optEcheance[1]->setEnabled(false);
    mskEcheance->setEnabled(false);
    setEntryColours(mskEcheance, false);
    optNaisEmp[1]->setChecked(true);
    mskDateEmp->setEnabled(false);
    setEntryColours(mskDateEmp, false);
    optSexe[0]->setChecked(true);
    optFumeur[0]->setChecked(true);
    for (QLineEdit *box : {txtPrenomCo, txtNomCo, txtAgeCo})
        ActiverChamp(false, box);
    mskDateCo->setEnabled(false);
    setEntryColours(mskDateCo, false, true);
    lblPrenomCo->setEnabled(false);
    lblNomCo->setEnabled(false);
    for (QGroupBox *box : {fraNaisCo, fraSexeCo, fraFumCo})
        box->setEnabled(false);

    fraProg_->adjustSize();
    setMinimumSize(fraProg_->sizeHint());
    resize(fraProg_->sizeHint() + QSize(24, 24));
}

void QuoteForm::setTabOrder()
{
    const QList<QWidget *> order = {
        mskEffet,        txtTerme,     txtHypotheque, txtVersement, optEcheance[0], optEcheance[1],
        mskEcheance,     txtEcheance,  txtPrenom,     txtNom,       optNaisEmp[0],  optNaisEmp[1],
        mskDateEmp,      txtAge,       optSexe[0],    optSexe[1],   optFumeur[0],   optFumeur[1],
        chkCoemprunteur, txtPrenomCo,  txtNomCo,      optNaisCo[0], optNaisCo[1],   mskDateCo,
        txtAgeCo,        optSexeCo[0], optSexeCo[1],  optFumCo[0],  optFumCo[1],    cmdCotation,
    };
    for (int i = 0; i + 1 < order.size(); ++i)
        QWidget::setTabOrder(order.at(i), order.at(i + 1));
}

void QuoteForm::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    // The entry stays centred, at its own size.
    const QSize size = fraProg_->sizeHint();
    fraProg_->setGeometry((width() - size.width()) / 2, (height() - size.height()) / 2,
                          size.width(), size.height());
}

} // namespace norvel
