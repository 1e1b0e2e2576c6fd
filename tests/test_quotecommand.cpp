// The quote button from click to report: the real form filled as the broker fills it, the
// progress bar, the preview and its tools, the PDF and the print read back by a real reader, and
// what fails. The arrangement rules themselves are tested on the quote as data (test_quote).
#include "base/clock.h"
#include "domain/databaserates.h"
#include "domain/language.h"
#include "domain/quotereport.h"
#include "domain/ratedatabase.h"
#include "domain/report.h"
#include "support/program.h"
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
#include "ui/reportpreview.h"

#include <QFileDialog>
#include <QPrinter>
#include <QProcess>
#include <QProgressBar>
#include <QTemporaryDir>
#include <QTimer>

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

int pdfPages(const QString &path)
{
    QProcess info;
    info.start(QStringLiteral("pdfinfo"), {path});
    info.waitForFinished(30000);
    const QRegularExpressionMatch m = QRegularExpression(QStringLiteral("Pages:\\s+(\\d+)"))
                                          .match(QString::fromUtf8(info.readAllStandardOutput()));
    return m.hasMatch() ? m.captured(1).toInt() : -1;
}

} // namespace

class QuoteCommandTest : public QObject {
    Q_OBJECT

    std::unique_ptr<RunningProgram> program_;
    QuoteForm *form_ = nullptr;
    QTemporaryDir out_;

    ReportPreview *preview() const
    {
        auto *command = form_->findChild<QuoteCommand *>();
        return command ? command->preview() : nullptr;
    }
    const Report *quote(const QuoteEntry &entry)
    {
        enterQuote(form_, entry);
        form_->cmdCotation->click();
        return preview() ? preview()->report() : nullptr;
    }
    QStringList told() const
    {
        QStringList texts;
        for (const Dialogs::Message &m : program_->dialogs.messages)
            texts << m.text;
        return texts;
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

    void aCoupleIsQuoted()
    {
        const Report *report = quote({45, 45, 1500, 150000});
        QVERIFY2(report, qPrintable(told().join(u'\n')));
        const Report &r = *report;
        for (const char *name : {"lblCo1", "lblCo2", "lblCo3", "lblCo42", "lblTotalPrime4",
                                 "lblRabaisApplique", "lblTitreCo"})
            QVERIFY2(r[QLatin1String(name)].visible, name);
        QVERIFY(!r[QStringLiteral("lblSlash18")].visible);
        for (const auto &[name, caption] : {std::pair{"lblMntAnn11", "454,58 $"},
                                            {"lblMntAnn17", "1\u00A0496,25 $"},
                                            {"lblMntAnn37", "4\u00A0807,95 $"},
                                            {"lblTotalAA", "1\u00A0892,40 $"},
                                            {"lblTotalBM", "275,96 $"},
                                            {"lblMntAnn28", ""}})
            QCOMPARE(r[QLatin1String(name)].caption, QString::fromUtf8(caption));
        // Every quote reaches the end of the bar, hides it and gives the button back.
        QCOMPARE(form_->prgBar->value(), 13);
        QVERIFY(!form_->fraProgress->isVisible());
        QVERIFY(form_->cmdCotation->isEnabled());
        QVERIFY(told().isEmpty());
        // The quote form stays usable behind the modeless preview.
        QVERIFY(preview()->isVisible() && !preview()->isModal() && form_->isEnabled());
        QCOMPARE(preview()->windowTitle(),
                 program_->window()->windowTitle() +
                     program_->text("French", "frmCotalmira-Val", "RapportBracket"));
    }

    void aSecondQuoteStartsFromTheDesign()
    {
        const Report &r = *quote({45, 52, 2600, 600000});
        QCOMPARE(r[QStringLiteral("lblHypotheque")].caption, QStringLiteral("600\u00A0000 $"));
        QCOMPARE(
            r[QStringLiteral("lblNormeVie1")].caption,
            QString::fromUtf8(
                "Profil sanguin\r\nAnalyse d'urine et test VIH\r\nEntrevue tél., signes vitaux"));
        form_->txtAge->setText(QStringLiteral("61"));
        form_->chkCoemprunteur->click();
        form_->cmdCotation->click();
        QVERIFY(!(*preview()->report())[QStringLiteral("lblAssInv")].visible);
        form_->txtAge->setText(QStringLiteral("40"));
        form_->cmdCotation->click();
        QVERIFY((*preview()->report())[QStringLiteral("lblAssInv")].visible);
        QVERIFY((*preview()->report())[QStringLiteral("lblNormeInvl1")].visible);
    }

    void aMissingRateEndsTheQuote()
    {
        const QString table = QStringLiteral("TarAssInvFNF");
        programContext().rates =
            std::make_unique<MissingRate>(*programContext().rateDatabase, table, 45);
        QVERIFY(!quote({45, 0, 1500, 150000}));
        QCOMPARE(told().size(), 1);
        const QString text = told().at(0);
        QVERIFY2(text.startsWith(program_->text("French", "frmCotalmira-Msg", "ErrTaux")) &&
                     text.contains(table) && text.contains(QStringLiteral("45")),
                 qPrintable(text));
        QVERIFY(!form_->fraProgress->isVisible());
        QVERIFY(form_->cmdCotation->isEnabled());
    }

    // Every control is named once, an unknown one is a fault, and the translation reaches
    // every section and the picture.
    void theReportLayout()
    {
        std::unique_ptr<Report> report =
            newQuoteReport(programContext().language, programContext().programDir);
        QSet<QString> names;
        int count = 0;
        for (const ReportSection &section : report->sections())
            for (const ReportControl &control : section.controls) {
                names.insert(control.name);
                ++count;
            }
        QCOMPARE(names.size(), count);
        QVERIFY_THROWS_EXCEPTION(std::out_of_range, (*report)[QStringLiteral("lblNothing")]);
        QVERIFY(!report->find(QStringLiteral("lblNothing")));
        for (const auto &[section, control] : {std::pair{"PageHeader", "lblTitre"},
                                               {"Detail", "lblTitrePrime"},
                                               {"PageFooter", "lblSEO"}})
            QCOMPARE((*report)[QLatin1String(control)].caption,
                     program_->text("French", QStringLiteral("actCotalmira#") + section,
                                    QLatin1String(control) + QStringLiteral("-Caption")));
        QVERIFY(!(*report)[QStringLiteral("Image1")].picture.isNull());
    }

    // Save as PDF and Print, read back by a real reader; cancelled, nothing is written; a PDF
    // that cannot be written is told.
    void pdfAndPrint()
    {
        QVERIFY(quote({42, 47, 1800, 250000}));
        ReportPreview *p = preview();
        const QString path = out_.filePath(QStringLiteral("couple.pdf"));
        const QString printed = out_.filePath(QStringLiteral("printed.pdf"));
        p->choosers.pdfPath = [&](QWidget *, const QString &suggested) {
            return suggested.endsWith(QStringLiteral(".pdf")) ? path : QString();
        };
        p->choosers.printer = [&](QWidget *, QPrinter &printer) {
            printer.setOutputFormat(QPrinter::PdfFormat);
            printer.setOutputFileName(printed);
            return true;
        };
        QVERIFY(p->saveAsPdf());
        QVERIFY(p->print());
        for (const QString &file : {path, printed}) {
            QCOMPARE(pdfPages(file), 1);
            const QString text = pdfText(file);
            for (const char *name :
                 {"lblTitre", "txtEmprunteur", "lblMntMens11", "lblMntAnn27", "lblMntAnn37",
                  "lblTotalBA", "lblMntAnn425", "lblDate", "lblRabaisApplique"}) {
                const QString caption = (*p->report())[QLatin1String(name)].caption;
                QVERIFY2(!caption.isEmpty() && text.contains(asPdfReads(caption)), name);
            }
        }
        QVERIFY(told().isEmpty());

        p->choosers.pdfPath = [](QWidget *, const QString &) { return QString(); };
        p->choosers.printer = [](QWidget *, QPrinter &) { return false; };
        QVERIFY(!p->saveAsPdf());
        QVERIFY(!p->print());
        QVERIFY(told().isEmpty());
        const QString unwritable = out_.filePath(QStringLiteral("no-such-folder/quote.pdf"));
        p->choosers.pdfPath = [&](QWidget *, const QString &) { return unwritable; };
        QVERIFY(!p->saveAsPdf());
        QCOMPARE(told().size(), 1);
        QVERIFY(told().at(0).contains(QDir::toNativeSeparators(unwritable)));
        QVERIFY(!QFile::exists(unwritable));
    }

    // The tool bar's zoom stays within its limits; the page is drawn at any zoom; the desktop
    // asks for the PDF's name in a real dialog.
    void previewTools()
    {
        QVERIFY(quote({45, 0, 1500, 150000}));
        ReportPreview *p = preview();
        QList<QAction *> actions = p->findChildren<QAction *>();
        const auto tool = [&](const char *key) {
            const QString text = program_->text("French", "frmApercu-Val", QLatin1String(key));
            for (QAction *a : actions)
                if (a->text() == text)
                    return a;
            return static_cast<QAction *>(nullptr);
        };
        p->setZoom(3.5);
        tool("ZoomPlus")->trigger();
        QCOMPARE_EQ(p->zoom(), 4.0);
        p->setZoom(0.3);
        tool("ZoomMoins")->trigger();
        QCOMPARE_EQ(p->zoom(), 0.25);
        tool("PleineLargeur")->trigger();
        QVERIFY(p->zoom() > 0.25);
        QVERIFY(!p->grab().isNull());

        QString title;
        QTimer::singleShot(0, [&] {
            if (auto *dialog = qobject_cast<QFileDialog *>(QApplication::activeModalWidget())) {
                title = dialog->windowTitle();
                dialog->close();
            }
        });
        QCOMPARE(PreviewChoosers::desktop().pdfPath(p, out_.filePath("x.pdf")), QString());
        QCOMPARE(title, program_->text("French", "frmApercu-Val", "EnregistrerPDF"));
    }
};

QTEST_MAIN(QuoteCommandTest)
#include "test_quotecommand.moc"
