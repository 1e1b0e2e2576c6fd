// The quote button from click to report: the real form filled as the broker fills it, the
// report's arrangement and its figures, the progress bar, the preview and its PDF, and a rate
// that cannot be read.
#include "base/clock.h"
#include "domain/databaserates.h"
#include "domain/language.h"
#include "domain/ratedatabase.h"
#include "domain/report.h"
#include "support/datarow.h"
#include "support/pdftext.h"
#include "support/quoteentry.h"
#include "support/running.h"
#include "support/windows.h"
#include "ui/formutils.h"
#include "ui/mainwindow.h"
#include "ui/maskededit.h"
#include "ui/programcontext.h"
#include "ui/province.h"
#include "ui/quotecommand.h"
#include "ui/quoteform.h"
#include "ui/reportpreview.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QDir>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

using namespace norvel;
using namespace norvel::test;

namespace {

// The rate database with one age taken out of one table.
class MissingRate : public RateSource {
public:
    MissingRate(RateDatabase &database, QString table, double age)
        : inner_(database)
        , table_(std::move(table))
        , age_(age)
    {
    }
    RateResult LireTaux(const QString &table, double age, int column) override
    {
        if (table == table_ && age == age_)
            return {0, RateError{RateError::Kind::NoRow, table, age, column, {}}};
        return inner_.LireTaux(table, age, column);
    }

private:
    DatabaseRates inner_;
    QString table_;
    double age_;
};

} // namespace

Q_DECLARE_METATYPE(QuoteEntry)

class QuoteCommandTest : public QObject {
    Q_OBJECT

    std::unique_ptr<RunningProgram> program_;
    QuoteForm *form_ = nullptr;

    const Report *quote()
    {
        form_->cmdCotation->click();
        auto *command = form_->findChild<QuoteCommand *>();
        return command && command->preview() ? command->preview()->report() : nullptr;
    }

private Q_SLOTS:
    void init()
    {
        setToday(QDate(2010, 8, 31));
        program_ = std::make_unique<RunningProgram>();
        defaultPreviewChoosers() = PreviewChoosers{};
        form_ = ::norvel::test::quoteForm();
        QVERIFY(form_);
    }
    void cleanup()
    {
        program_.reset();
        setToday(QDate());
    }

    // The quote button's path, for one couple: the arrangement rules themselves are tested on
    // the quote as data.
    void arrangement_data()
    {
        QTest::addColumn<QuoteEntry>("entry"); // ages, payment, amount
        QTest::addColumn<QStringList>("shown");
        QTest::addColumn<QStringList>("hidden");
        QTest::addColumn<QString>("figures");
        row("couple 45 and 45", QuoteEntry{45, 45, 1500, 150000},
            names("lblCo1 lblCo2 lblCo3 lblCo42 lblTotalPrime4 lblRabaisApplique lblTitreCo"),
            names("lblSlash18"),
            QStringLiteral(
                "lblMntAnn11=454,58 $;lblMntAnn17=1\u00A0496,25 $;lblMntAnn37=4\u00A0807,95 $;"
                "lblTotalAA=1\u00A0892,40 $;lblTotalBM=275,96 $;lblMntAnn28="));
    }

    void arrangement()
    {
        QFETCH(QuoteEntry, entry);
        QFETCH(QStringList, shown);
        QFETCH(QStringList, hidden);
        QFETCH(QString, figures);
        enterQuote(form_, entry);
        const Report *report = quote();
        QVERIFY2(report, qPrintable(program_->dialogs.messages.value(0).text));
        for (const QString &name : shown)
            QVERIFY2((*report)[name].visible, qPrintable(name));
        for (const QString &name : hidden)
            QVERIFY2(!(*report)[name].visible, qPrintable(name));
        for (const QString &figure : figures.split(QLatin1Char(';'))) {
            const QString name = figure.section(QLatin1Char('='), 0, 0);
            QCOMPARE((*report)[name].caption, figure.section(QLatin1Char('='), 1));
        }
        // Every quote reaches the end of the bar, hides it and gives the button back.
        QCOMPARE(form_->prgBar->value(), 13);
        QVERIFY(!form_->fraProgress->isVisible());
        QVERIFY(form_->cmdCotation->isEnabled());
        QVERIFY(program_->dialogs.messages.isEmpty());
    }

    void bothPersonsAndTheLoanAreWritten()
    {
        enterQuote(form_, {45, 52, 2600, 600000});
        const Report *report = quote();
        QVERIFY(report);
        const Report &r = *report;
        QCOMPARE(r[QStringLiteral("lblHypotheque")].caption, QStringLiteral("600\u00A0000 $"));
        QCOMPARE(
            r[QStringLiteral("lblNormeVie1")].caption,
            QString::fromUtf8(
                "Profil sanguin\r\nAnalyse d'urine et test VIH\r\nEntrevue tél., signes vitaux"));
        ReportPreview *preview = form_->findChild<QuoteCommand *>()->preview();
        QVERIFY(preview->isVisible());
        QCOMPARE(preview->windowTitle(),
                 program_->window()->windowTitle() +
                     program_->text("French", "frmCotalmira-Val", "RapportBracket"));
        // The quote form stays usable behind the modeless preview.
        QVERIFY(form_->isEnabled());
        QVERIFY(!preview->isModal());

        // A second quote starts from the design, not from the first one's arrangement.
        form_->txtAge->setText(QStringLiteral("61"));
        form_->chkCoemprunteur->click();
        QVERIFY(!(*quote())[QStringLiteral("lblAssInv")].visible);
        form_->txtAge->setText(QStringLiteral("40"));
        const Report *second = quote();
        QVERIFY((*second)[QStringLiteral("lblAssInv")].visible);
        QVERIFY((*second)[QStringLiteral("lblNormeInvl1")].visible);
    }

    void aMissingRateEndsTheQuote()
    {
        const QString table = QStringLiteral("TarAssInvFNF");
        const int age = 45;
        programContext().rates = std::make_unique<MissingRate>(*programContext().rateDatabase, table, age);
        enterQuote(form_, {age, 0, 1500, 150000});
        form_->cmdCotation->click();
        QCOMPARE(program_->dialogs.messages.size(), 1);
        const QString text = program_->dialogs.messages.at(0).text;
        QVERIFY2(text.startsWith(program_->text("French", "frmCotalmira-Msg", "ErrTaux")),
                 qPrintable(text));
        QVERIFY2(text.contains(table) && text.contains(QString::number(age)), qPrintable(text));
        QVERIFY(!form_->findChild<QuoteCommand *>()->preview());
        QVERIFY(!form_->fraProgress->isVisible());
        QVERIFY(form_->cmdCotation->isEnabled());
    }

    // The preview's Save as PDF, read back by a real reader, and a save that fails.
    void thePdfHoldsTheQuote()
    {
        enterQuote(form_, {42, 47, 1800, 250000});
        const Report *report = quote();
        QVERIFY(report);
        ReportPreview *preview = form_->findChild<QuoteCommand *>()->preview();
        QTemporaryDir out;
        const QString path = out.filePath(QStringLiteral("couple.pdf"));
        preview->choosers.pdfPath = [&](QWidget *, const QString &suggested) {
            return suggested.endsWith(QStringLiteral(".pdf")) ? path : QString();
        };
        QVERIFY(preview->saveAsPdf());
        const QString text = pdfText(path);
        for (const char *name : {"txtEmprunteur", "lblMntAnn11", "lblMntAnn27", "lblTotalAA"}) {
            const QString caption = (*report)[QLatin1String(name)].caption;
            QVERIFY2(!caption.isEmpty() && text.contains(asPdfReads(caption)), name);
        }

        const QString unwritable = out.filePath(QStringLiteral("no-such-folder/quote.pdf"));
        preview->choosers.pdfPath = [&](QWidget *, const QString &) { return unwritable; };
        QVERIFY(!preview->saveAsPdf());
        QCOMPARE(program_->dialogs.messages.size(), 1);
        QVERIFY(
            program_->dialogs.messages.at(0).text.contains(QDir::toNativeSeparators(unwritable)));
        QVERIFY(!QFile::exists(unwritable));
    }
};

QTEST_MAIN(QuoteCommandTest)
#include "test_quotecommand.moc"
