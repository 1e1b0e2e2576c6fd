#include "ui/brokerwindow.h"

#include "base/profile.h"
#include "domain/quote.h"
#include "ui/formutils.h"
#include "ui/maskededit.h"
#include "ui/objectnode.h"
#include "ui/programcontext.h"
#include "ui/settingswriter.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>

namespace norvel {

namespace {

const QString kSection = QStringLiteral("courtier");
const QString kPhoneMask = QStringLiteral("(###)###-####");
// Where the ten digits sit in the 13 characters of the telephone field.
constexpr int kDigitPositions[10] = {1, 2, 3, 5, 6, 7, 9, 10, 11, 12};

QString saved(const char *key)
{
    return ReadSetting(programContext().settingsFilePath, kSection, QLatin1String(key));
}

} // namespace

BrokerWindow::BrokerWindow(QWidget *parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("frmCourtier"));
    markAsForm(this);
    setWindowTitle(QString::fromUtf8(" Information sur le représentant"));
    setModal(true);

    auto *fraCourtier = new QGroupBox(QString::fromUtf8("Représentant"), this);
    fraCourtier->setObjectName(QStringLiteral("fraCourtier"));
    auto *lblCourtier = new QLabel(QStringLiteral("Nom :"), fraCourtier);
    lblCourtier->setObjectName(QStringLiteral("lblCourtier"));
    txtNom = new QLineEdit(fraCourtier);
    txtNom->setObjectName(QStringLiteral("txtNom"));
    txtNom->setMaxLength(30);
    txtNom->setMinimumWidth(txtNom->fontMetrics().averageCharWidth() * 32);
    auto *lblTelephone = new QLabel(QString::fromUtf8("Téléphone :"), fraCourtier);
    lblTelephone->setObjectName(QStringLiteral("lblTelephone"));
    mskTelephone = new MaskedEdit(kPhoneMask, fraCourtier);
    mskTelephone->setObjectName(QStringLiteral("mskTelephone"));
    lblCourtier->setBuddy(txtNom);
    lblTelephone->setBuddy(mskTelephone);
    auto *fields = new QGridLayout(fraCourtier);
    fields->addWidget(lblCourtier, 0, 0);
    fields->addWidget(txtNom, 0, 1);
    fields->addWidget(lblTelephone, 1, 0);
    fields->addWidget(mskTelephone, 1, 1, Qt::AlignLeft);

    auto *fraCommandes = new QWidget(this);
    fraCommandes->setObjectName(QStringLiteral("fraCommandes"));
    auto *buttons = new QHBoxLayout(fraCommandes);
    buttons->addStretch();
    const char *captions[2] = {"&OK", "&Annuler"};
    for (int i = 0; i < 2; ++i) {
        cmdCourtier[i] = new QPushButton(QString::fromLatin1(captions[i]), fraCommandes);
        cmdCourtier[i]->setObjectName(QStringLiteral("cmdCourtier"));
        cmdCourtier[i]->setProperty("Index", i);
        buttons->addWidget(cmdCourtier[i]);
    }
    connect(cmdCourtier[0], &QPushButton::clicked, this, &BrokerWindow::accepted);
    connect(cmdCourtier[1], &QPushButton::clicked, this, &BrokerWindow::reject);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(fraCourtier);
    layout->addWidget(fraCommandes);
    QWidget::setTabOrder(txtNom, mskTelephone);
    QWidget::setTabOrder(mskTelephone, cmdCourtier[0]);
    QWidget::setTabOrder(cmdCourtier[0], cmdCourtier[1]);
    for (QLineEdit *box : {txtNom, static_cast<QLineEdit *>(mskTelephone)})
        box->installEventFilter(this);
}

void BrokerWindow::activate()
{
    TranslateForm(static_cast<QObject *>(this));
    showBroker(saved("nom"), saved("telephone"));
    if (isVisible())
        txtNom->setFocus();
}

void BrokerWindow::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    activate();
}

QString BrokerWindow::ReadPhoneDigits() const
{
    const QString text = mskTelephone->formattedText();
    QString digits;
    for (int position : kDigitPositions)
        digits += position < text.size() ? text.at(position) : QLatin1Char('_');
    return digits;
}

void BrokerWindow::showBroker(const QString &name, const QString &telephone)
{
    txtNom->setText(name.trimmed());
    showPhone(telephone);
}

void BrokerWindow::ShowSavedPhone()
{
    showPhone(saved("telephone"));
}

void BrokerWindow::showPhone(const QString &telephone)
{
    // Only digits fill a position; anything else leaves it unfilled, in its place (the box,
    // given the whole text, would move the digits after a gap into it).
    telephone_ = telephone;
    const QString shown = shownTelephone(telephone);
    ViderMasque(mskTelephone);
    for (int position : kDigitPositions)
        if (shown.at(position).isDigit()) {
            mskTelephone->setCursorPosition(position);
            mskTelephone->insert(shown.at(position));
        }
    mskTelephone->setCursorPosition(0);
}

void BrokerWindow::accepted()
{
    QDialog::accept();
    telephone_ = ReadPhoneDigits();
    SaveSettings(kSection, {{QStringLiteral("nom"), txtNom->text().trimmed()},
                            {QStringLiteral("telephone"), telephone_}});
}

void BrokerWindow::reject()
{
    QDialog::reject();
    txtNom->setText(saved("nom").trimmed());
    ShowSavedPhone();
}

bool BrokerWindow::eventFilter(QObject *watched, QEvent *event)
{
    auto *box = qobject_cast<QLineEdit *>(watched);
    if (box && event->type() == QEvent::FocusIn)
        QTimer::singleShot(0, box, [box] { SelectionnerTout(box); });
    if (box && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent *>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            focusNextChild();
            return true; // Enter moves on; it never closes the window from a field
        }
    }
    return QDialog::eventFilter(watched, event);
}

} // namespace norvel
