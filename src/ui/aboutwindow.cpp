#include "ui/aboutwindow.h"

#include "base/version.h"
#include "domain/language.h"
#include "ui/langstring.h"
#include "ui/objectnode.h"
#include "ui/programcontext.h"

#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace norvel {

AboutWindow::AboutWindow(QWidget *parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("frmApropos"));
    markAsForm(this);
    setWindowTitle(QString::fromUtf8(" À propos de..."));
    setModal(true);
    auto *layout = new QVBoxLayout(this);
    const char *design[5] = {"Norvel - MOR", "", "", "Maison Orléane", ""};
    for (int i = 0; i < 5; ++i) {
        lblLigne[i] = new QLabel(QString::fromUtf8(design[i]), this);
        lblLigne[i]->setObjectName(QStringLiteral("lblLigne%1").arg(i));
        lblLigne[i]->setAlignment(Qt::AlignCenter);
        layout->addWidget(lblLigne[i]);
    }
    auto *cmdOK = new QPushButton(QStringLiteral("&OK"), this);
    cmdOK->setObjectName(QStringLiteral("cmdOK"));
    cmdOK->setDefault(true);
    cmdOK->setFocus();
    layout->addWidget(cmdOK, 0, Qt::AlignHCenter);
    connect(cmdOK, &QPushButton::clicked, this, &QDialog::accept);

    // The version record first; the language file may still override any line.
    const QString messages = QStringLiteral("modCotalmira-Msg");
    lblLigne[0]->setText(QString::fromUtf8(NORVEL_PRODUCT_NAME));
    lblLigne[1]->setText(
        GetLangString(messages, QStringLiteral("Version")) + QLatin1Char(' ') +
        GetLangString(messages, QStringLiteral("NoVersion") + programContext().province));
    lblLigne[2]->setText(QString::fromUtf8(NORVEL_COPYRIGHT));
    lblLigne[3]->setText(QString::fromUtf8(NORVEL_COMPANY));
    if (const std::optional<RateVintage> &rates = programContext().rateVintage) {
        const QString values = QStringLiteral("frmApropos-Val");
        lblLigne[4]->setText(GetLangString(values, QStringLiteral("Tarifs_1")) + rates->name +
                             GetLangString(values, QStringLiteral("Tarifs_2")) +
                             effectiveDate(programContext().language, rates->effective));
    }
    TranslateForm(static_cast<QObject *>(this));
}

} // namespace norvel
