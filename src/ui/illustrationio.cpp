#include "ui/illustrationio.h"

#include "base/clock.h"
#include "base/profile.h"
#include "base/privatefile.h"
#include "base/regularfile.h"
#include "base/writeaccess.h"
#include "domain/amountformat.h"
#include "domain/illusrecord.h"
#include "domain/language.h"
#include "domain/quoteformstate.h"
#include "ui/brokerwindow.h"
#include "ui/dialogs.h"
#include "ui/formutils.h"
#include "ui/langstring.h"
#include "ui/mainwindow.h"
#include "ui/maskededit.h"
#include "ui/programcontext.h"
#include "ui/quoteform.h"
#include "ui/settingswriter.h"

#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QRadioButton>
#include <QSaveFile>

namespace norvel {

namespace {

const QString kMessages = QStringLiteral("modEnregistrement-Msg");
constexpr qint16 kTrue = -1;

qint16 stored(bool value)
{
    return value ? kTrue : 0;
}

// Plain digits, without grouping ("#####0"): empty when there is none.
QString plainDigits(const QString &text)
{
    const QString digits = ChiffresSeulement(text);
    return digits.isEmpty() ? digits : QString::number(digits.toLongLong());
}

IllusRecord recordOf(const QuoteForm &form, const CoempMemoire &memory)
{
    IllusRecord r;
    r.optEcheance = stored(form.optEcheance[0]->isChecked());
    r.fumeurCo = stored(memory.fumeur);
    r.fumeur = stored(form.optFumeur[1]->isChecked());
    r.parDateCo = stored(memory.parDate);
    r.parDate = stored(form.optNaisEmp[0]->isChecked());
    r.homme = stored(form.optSexe[0]->isChecked());
    r.hommeCo = stored(memory.homme);
    r.coemprunteur = form.chkCoemprunteur->isChecked() ? 1 : 0;
    r.dateNais = form.mskDateEmp->digits();
    r.dateNaisCo = memory.dateNais;
    r.echeance = form.mskEcheance->digits();
    r.effet = form.mskEffet->digits();
    r.age = form.txtAge->text();
    r.ageCo = memory.age;
    r.duree = form.txtEcheance->text();
    r.montant = plainDigits(form.txtHypotheque->text());
    r.nom = form.txtNom->text();
    r.nomCo = memory.nom;
    r.prenom = form.txtPrenom->text();
    r.prenomCo = memory.prenom;
    r.terme = form.txtTerme->text();
    r.versement = plainDigits(form.txtVersement->text());
    return r;
}

void tellFailure(const QString &text)
{
    ProgramContext &state = programContext();
    state.dialogs->tell(text, state.appTitle, Dialogs::Icon::Critical);
}

} // namespace

bool EcrireIllustration(MainWindow &main, const QString &path)
{
    ProgramContext &state = programContext();
    QuoteForm *form = main.quoteForm();
    if (!form)
        return false;
    // The broker the window holds, as the file that was opened gave it even when the settings
    // file could not take it: saving again must not lose the file's telephone.
    const BrokerWindow *window = main.brokerWindow();
    const QString broker = window ? window->txtNom->text() : QString();
    const QString telephone =
        window ? window->storedTelephone()
               : ReadSetting(state.settingsFilePath, QStringLiteral("courtier"),
                             QStringLiteral("telephone"));
    const QByteArray bytes =
        encodeIllustration(broker, telephone, recordOf(*form, form->illustration().coempMemoire));

    QSaveFile file(path);
    // A file or folder marked read-only stays as it is, whoever runs the program: replacing
    // the file by a rename would go around the mark.
    QString refused;
    if (QFileInfo(path).isFile() && isMarkedReadOnly(path))
        refused = QStringLiteral("read-only file");
    else if (isMarkedReadOnly(QFileInfo(path).absolutePath()))
        refused = QStringLiteral("read-only folder");
    // The explicit flush: a write that fails in the buffer (a full disk) must never be
    // committed in place of the old file.
    const bool written = refused.isEmpty() && openPrivately(file) &&
                         file.write(bytes) == bytes.size() && file.flush() && file.commit();
    if (!written) {
        tellFailure(GetLangString(kMessages, QStringLiteral("ErrEnrIllus_1")) +
                    QDir::toNativeSeparators(path) +
                    GetLangString(kMessages, QStringLiteral("ErrEnrIllus_2")) +
                    QStringLiteral("\r\n(") + (refused.isEmpty() ? file.errorString() : refused) +
                    QLatin1Char(')'));
        return false;
    }
    form->setIllustrationName(NomIllustration(QFileInfo(path).fileName()));
    form->illustration().modified = false;
    return true;
}

bool LireIllustration(MainWindow &main, const QString &path)
{
    QuoteForm *form = main.quoteForm();
    if (!form)
        return false;
    std::optional<IllustrationFile> read;
    if (const std::optional<QByteArray> bytes = readRegularFile(path, kIllustrationFileSize))
        read = decodeIllustration(*bytes);
    if (!read) {
        tellFailure(GetLangString(kMessages, QStringLiteral("ErrAffSoumission")));
        return false;
    }
    SaveSettings(QStringLiteral("courtier"),
                 {{QStringLiteral("nom"), read->broker.nom},
                  {QStringLiteral("telephone"), read->broker.telephone}});
    // The file's broker even when the settings could not take it: a quote never goes out
    // under the previous file's broker.
    if (BrokerWindow *broker = main.brokerWindow()) {
        broker->activate();
        broker->showBroker(read->broker.nom, read->broker.telephone);
    }
    form->showState(loadRecord(form->state(), read->quote, programContext().language, today()));
    form->setIllustrationName(NomIllustration(QFileInfo(path).fileName()));
    form->show();
    form->mskEffet->setFocus();
    form->illustration().modified = false;
    return true;
}

} // namespace norvel
