#include "domain/fieldhelp.h"

#include "domain/language.h"

#include <QHash>

namespace norvel {

namespace {

// Each control's help as its keys in section "frmCotalmira-Msg": "/" starts a new line,
// "+" runs the next text on.
const QHash<QString, QString> &helpKeys()
{
    static const QHash<QString, QString> keys = {
        {"mskEffet", "FormatDate/BarreEspaceDateAct"},
        {"txtTerme", "TermePretDesc_1/TermePretDesc_2/BarreEspaceTermeMax"},
        {"txtHypotheque", "InsMontantPret"},
        {"txtVersement", "CapIntTxFonSiIncluse"},
        {"optEcheance", "ChoixDateFinTermeOuDureeAmor"},
        {"mskEcheance", "FormatDate/DateCalculDureeAmor/BarreEspaceDateMax"},
        {"txtEcheance", "DureeAmorDesc_1+DureeAmorDesc_2"},
        {"txtPrenom", "PrenomEmpLimitLettre"},
        {"txtNom", "NomEmpLimitLettre"},
        {"optNaisEmp", "ChoixDateNaisOuAge_1/ChoixDateNaisOuAge_2"},
        {"optNaisCo", "ChoixDateNaisOuAge_1/ChoixDateNaisOuAge_2"},
        {"mskDateEmp", "FormatDate/DateNaisCalculAge"},
        {"mskDateCo", "FormatDate/DateNaisCalculAge"},
        {"txtAge", "InsAge_1/InsAge_2+InsAge_3/InsAge_4"},
        {"txtAgeCo", "InsAge_1/InsAge_2+InsAge_3/InsAge_4"},
        {"optSexe", "SelEmpSexe"},
        {"optSexeCo", "SelCoempSexe"},
        {"optFumeur", "SelEmpFumeur_1/SelEmpFumeur_2+SelEmpFumeur_3"},
        {"optFumCo", "SelCoempFumeur_1/SelCoempFumeur_2+SelCoempFumeur_3"},
        {"chkCoemprunteur", "AccesSectCoemp"},
        {"txtPrenomCo", "PrenomCoempLimitLettre"},
        {"txtNomCo", "NomCoempLimitLettre"},
        {"cmdCotation", "VisualiSoumission"},
    };
    return keys;
}

} // namespace

QString fieldHelp(const Language &language, const QString &controlName)
{
    const QString section = QStringLiteral("frmCotalmira-Msg");
    const QString keys = helpKeys().value(controlName);
    QString help;
    QString key;
    for (QChar c : keys + QLatin1Char('/')) {
        if (c != QLatin1Char('/') && c != QLatin1Char('+')) {
            key += c;
            continue;
        }
        help += language.text(section, key);
        key.clear();
        if (c == QLatin1Char('/'))
            help += QLatin1String("\r\n");
    }
    return help.left(help.size() - 2); // the last line has no break after it
}

} // namespace norvel
