// The quote button from click to report: the real form filled as the broker fills it, the
// progress bar, the preview and its tools, keys and reading text, the PDF and the print read
// back by a real reader, and what fails; how captions and French amounts lay out. The
// arrangement rules themselves are tested on the quote as data (test_quote).
#include "base/clock.h"
#include "base/version.h"
#include "domain/databaserates.h"
#include "domain/fieldhelp.h"
#include "domain/language.h"
#include "domain/quotereport.h"
#include "domain/ratedatabase.h"
#include "domain/report.h"
#include "domain/reporttext.h"
#include "support/pdftext.h"
#include "support/program.h"
#include "support/quoteentry.h"
#include "ui/livepremiumline.h"
#include "ui/quotecommand.h"
#include "ui/reportpainter.h"
#include "ui/reportpreview.h"

#include <QAccessible>
#include <QClipboard>
#include <QFileDialog>
#include <QFontMetricsF>
#include <QPrinter>
#include <QProgressBar>
#include <QScreen>
#include <QScrollArea>
#include <QTemporaryDir>
#include <QTextLayout>
#include <QTimer>
#include <QToolBar>

using namespace norvel;
using namespace norvel::test;

Q_DECLARE_METATYPE(QuoteEntry)

namespace {

const QString kTitle = QStringLiteral("Soumission - Hélène Tremblay - 2010-08-31");

// The rate database with one rate taken out: TarAssInvFNF at 45.
struct MissingRate : DatabaseRates {
    using DatabaseRates::DatabaseRates;
    RateResult LireTaux(const QString &table, double age, int column) override
    {
        if (table == QLatin1String("TarAssInvFNF") && age == 45)
            return {0, RateError{RateError::Kind::NoRow, table, age, column, {}}};
        return DatabaseRates::LireTaux(table, age, column);
    }
};

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

    // A two-person quote through the real form.
    ReportPreview *quoteACouple()
    {
        form_ = ::norvel::test::quoteForm(); // a restart makes another
        quote({42, 47, 1800, 250000});
        return preview();
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
        // What the report shows is the quote's own (test_quote), as the tool's (test_norvelquote).
        QVERIFY2(quote({45, 45, 1500, 150000}), qPrintable(told().join(u'\n')));
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
        // The next quote starts from the design.
        const Report &next = *quote({45, 52, 2600, 600000});
        QCOMPARE(next[QStringLiteral("lblHypotheque")].caption, QStringLiteral("600\u00A0000 $"));
        QCOMPARE(
            next[QStringLiteral("lblNormeVie1")].caption,
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

    // A missing rate, or rates not yet in effect, price nothing: the broker is told which rate,
    // or from when the rates apply, and gets the button back.
    void anUnpricedQuoteIsTold()
    {
        programContext().rates = std::make_unique<MissingRate>(*programContext().rateDatabase);
        QVERIFY(!quote({45, 0, 1500, 150000}));
        QCOMPARE(told().size(), 1);
        const QString text = told().at(0);
        QVERIFY2(text.startsWith(program_->text("French", "frmCotalmira-Msg", "ErrTaux")) &&
                     text.contains(QLatin1String("TarAssInvFNF")) &&
                     text.contains(QStringLiteral("45")),
                 qPrintable(text));
        QVERIFY(!form_->fraProgress->isVisible());
        QVERIFY(form_->cmdCotation->isEnabled());
        program_->dialogs.clearRecord();
        programContext().rateVintage->effective = QDate(2010, 9, 1);
        QVERIFY(!quote({45}));
        QCOMPARE(told(),
                 QStringList{program_->text("French", "frmCotalmira-Msg", "TarifsFuturs_1") +
                             QStringLiteral("1 septembre 2010") +
                             program_->text("French", "frmCotalmira-Msg", "TarifsFuturs_2")});
    }

    // The live line shows the report's own monthly figures, option by option, and only reads
    // the form: no message, no focus move, the illustration left unmodified. A screen reader
    // hears its new text as its name once typing pauses, not at each keystroke.
    void liveLineShowsTheReportsFigures_data()
    {
        columns<QuoteEntry, QString>("entry", "cells");
        row("borrower alone", QuoteEntry{45, 0, 1500, 150000}, "11 28 38");
        row("couple", QuoteEntry{45, 45, 1500, 150000}, "11 17 23 27 33 37");
        row("borrower over 59", QuoteEntry{61, 0, 1500, 150000}, "11");
        row("payment of 0", QuoteEntry{45, 0, 0, 150000}, "11");
    }
    void liveLineShowsTheReportsFigures()
    {
        auto [entry, cells] = fetch<QuoteEntry, QString>("entry", "cells");
        const QLabel *line = form_->lblPrimesDirect;
        const auto text = [&](const char *key) {
            return program_->text("French", "frmCotalmira-Val", key);
        };
        QTRY_COMPARE(line->text(), text("PrimesAttente") + QStringLiteral("date du prêt"));
        enterQuote(form_, entry);
        QWidget *focus = QApplication::focusWidget();
        form_->illustration().modified = false;
        QTRY_VERIFY(line->text().startsWith(text("PrimesMensuelles")));
        QTRY_COMPARE(line->accessibleName(), line->text());
        QVERIFY(!form_->illustration().modified && QApplication::focusWidget() == focus);
        QVERIFY(told().isEmpty());
        form_->cmdCotation->click();
        QStringList want, shown;
        for (const QString &cell : cells.split(u' '))
            want << (*preview()->report())[QStringLiteral("lblMntMens") + cell].caption;
        static const QRegularExpression amount(
            QStringLiteral("[0-9][0-9\\x{A0}]*,[0-9]{2}\\x{A0}\\$"));
        for (const QRegularExpressionMatch &m : amount.globalMatch(line->text()))
            shown << m.captured().replace(QStringLiteral("\u00A0$"), QStringLiteral(" $"));
        QCOMPARE(shown, want);
        const QString settled = line->text();
        form_->txtAge->setText(QStringLiteral("4"));
        QCoreApplication::processEvents();
        QVERIFY(line->text() != settled);
        QCOMPARE(
            QAccessible::queryAccessibleInterface(form_->lblPrimesDirect)->text(QAccessible::Name),
            settled);
    }

    // Save as PDF, offered under the quote's name, and Print, read back by a real reader; a PDF
    // that cannot be written is told.
    void pdfAndPrint()
    {
        program_->window()->brokerWindow()->txtNom->setText(QStringLiteral("Luc Roy"));
        QVERIFY(quote({42, 47, 1800, 250000}));
        ReportPreview *p = preview();
        const QString path = out_.filePath(QStringLiteral("couple.pdf"));
        const QString printed = out_.filePath(QStringLiteral("printed.pdf"));
        QString offered;
        p->choosers.pdfPath = [&](QWidget *, const QString &suggested) {
            offered = suggested;
            return path;
        };
        p->choosers.printer = [&](QWidget *, QPrinter &printer) {
            printer.setOutputFormat(QPrinter::PdfFormat);
            printer.setOutputFileName(printed);
            return true;
        };
        QVERIFY(p->saveAsPdf());
        QVERIFY(p->print());
        for (const QString &file : {path, printed}) {
            QCOMPARE(pdfInfo(file, QStringLiteral("Pages")), QStringLiteral("1"));
            const QString text = pdfText(file);
            for (const char *name :
                 {"lblTitre", "txtEmprunteur", "lblMntMens11", "lblMntAnn27", "lblMntAnn37",
                  "lblTotalBA", "lblMntAnn425", "lblDate", "lblRabaisApplique"}) {
                const QString caption = (*p->report())[QLatin1String(name)].caption;
                QVERIFY2(!caption.isEmpty() && text.contains(asPdfReads(caption)), name);
            }
        }
        QVERIFY(told().isEmpty());
        QCOMPARE(offered, program_->illustration(kTitle + QStringLiteral(".pdf")));
        for (const auto &[field, value] :
             {std::pair{"Title", kTitle},
              {"Author", QStringLiteral("Luc Roy")},
              {"Subject", program_->text("French", "frmApercu-Val", "Regime") +
                              QStringLiteral(" - Tarifs 2010 (2010-01-01)")},
              {"Creator", QStringLiteral("Norvel " NORVEL_VERSION)}})
            QCOMPARE(pdfInfo(path, QLatin1String(field)), value);

        const QString unwritable = out_.filePath(QStringLiteral("no-such-folder/quote.pdf"));
        p->choosers.pdfPath = [&](QWidget *, const QString &) { return unwritable; };
        QVERIFY(!p->saveAsPdf());
        QCOMPARE(told().size(), 1);
        QVERIFY(told().at(0).contains(QDir::toNativeSeparators(unwritable)));
        QVERIFY(!QFile::exists(unwritable));
    }

    // File > Send by e-mail quotes the entries and hands their PDF, in a private folder, to the
    // mail composer with its title as subject; without a mail program, or with one that fails,
    // the broker is told where the PDF is and nothing is lost. The folder goes with the program.
    void sendByEmail_data()
    {
        QTest::addColumn<QByteArray>("composer"); // the stand-in xdg-email's script; none: empty
        row("a mail program", QByteArray("[ -f \"$5\" ] && printf '%s\\n' \"$@\" > \"$0.args\""));
        row("none", QByteArray());
        row("one that fails", QByteArray("exit 3"));
    }
    void sendByEmail()
    {
        QFETCH(QByteArray, composer);
        QTemporaryDir bin;
        const QString standIn = bin.filePath(QStringLiteral("xdg-email"));
        if (!composer.isEmpty()) {
            QVERIFY(writeBytes(standIn, "#!/bin/sh\n" + composer));
            QFile::setPermissions(standIn, QFile::ReadOwner | QFile::ExeOwner);
        }
        const QByteArray path = qgetenv("PATH");
        qputenv("PATH", QFile::encodeName(bin.path()));
        enterQuote(form_, {45, 0, 1500, 150000});
        program_->window()->item("indEnvoyerCourriel")->trigger();
        qputenv("PATH", path);
        QVERIFY(preview() && preview()->isVisible());
        const QString outbox = programContext().outbox->path();
        const QString pdf = outbox + QStringLiteral("/1/") + kTitle + QStringLiteral(".pdf");
        QCOMPARE(pdfInfo(pdf, QStringLiteral("Title")), kTitle);
        QVERIFY(!(QFileInfo(outbox).permissions() & (QFile::ReadGroup | QFile::ReadOther)));
        QFile args(standIn + QStringLiteral(".args"));
        if (args.open(QIODevice::ReadOnly))
            QCOMPARE(QString::fromUtf8(args.readAll()).split(u'\n'),
                     QStringList({"--utf8", "--subject", kTitle, "--attach", pdf, ""}));
        const bool sent = composer.startsWith('[');
        QCOMPARE(args.exists(), sent);
        QCOMPARE(told().size(), sent ? 0 : 1);
        QVERIFY(sent || told().at(0).contains(pdf));
        QCOMPARE(form_->txtNom->text(), QStringLiteral("Tremblay"));
        program_.reset();
        QVERIFY(!QFileInfo::exists(outbox));
    }

    // In either language, every control is named once and an unknown one is a fault; the
    // translation reaches every section and the picture; every caption fits its box in the
    // report's font, with room for a space before the value beside it.
    void theReportLayout_data()
    {
        QTest::addColumn<QString>("language");
        row("French", "French");
        row("English", "English");
    }
    void theReportLayout()
    {
        QFETCH(QString, language);
        const Language lang(program_->folder.file(QStringLiteral("Data/%1.lng").arg(language)));
        const std::unique_ptr<Report> report = newQuoteReport(lang, programContext().programDir);
        QSet<QString> names;
        int count = 0;
        for (const ReportSection &section : report->sections())
            for (const ReportControl &c : section.controls) {
                names.insert(c.name);
                ++count;
                if (c.kind != ControlKind::Label || c.caption.isEmpty())
                    continue;
                const QFontMetricsF metrics(reportFont(c));
                const QRectF text = metrics.boundingRect(
                    QRectF(c.twips), int(Qt::TextWordWrap | c.alignment), c.caption);
                // As many lines as the box is high, and always one.
                const qreal lines = qMax(1.0, std::floor(c.twips.height() / metrics.lineSpacing()));
                QVERIFY2(text.width() + metrics.horizontalAdvance(QLatin1Char(' ')) <=
                                 c.twips.width() &&
                             text.height() <= lines * metrics.lineSpacing(),
                         qPrintable(c.name + QStringLiteral(": ") + c.caption));
            }
        QCOMPARE(names.size(), count);
        QVERIFY_THROWS_EXCEPTION(std::out_of_range, (*report)[QStringLiteral("lblNothing")]);
        QVERIFY(!report->find(QStringLiteral("lblNothing")));
        for (const auto &[section, control] : {std::pair{"PageHeader", "lblTitre"},
                                               {"Detail", "lblTitrePrime"},
                                               {"PageFooter", "lblSEO"}})
            QCOMPARE((*report)[QLatin1String(control)].caption,
                     program_->text(qPrintable(language), QStringLiteral("actCotalmira#") + section,
                                    QLatin1String(control) + QStringLiteral("-Caption")));
        QVERIFY(!(*report)[QStringLiteral("Image1")].picture.isNull());
    }

    // Laid out at any width, a French help never goes to a new line inside a number's digits.
    void frenchNumbersHoldTogether_data()
    {
        QTest::addColumn<QString>("control"); // whose help
        row("loan amount's help", QStringLiteral("txtHypotheque"));
        row("payment's help", QStringLiteral("txtVersement"));
    }
    void frenchNumbersHoldTogether()
    {
        QFETCH(QString, control);
        const Language french(program_->folder.file(QStringLiteral("Data/French.lng")));
        QString line = fieldHelp(french, control);
        line.replace(QStringLiteral("\r\n"), QString(QChar::LineSeparator));
        for (int width = 10; width < 600; width += 5) {
            QTextLayout layout(line, QApplication::font()); // wrapped at word boundaries
            layout.beginLayout();
            for (QTextLine l = layout.createLine(); l.isValid(); l = layout.createLine()) {
                l.setLineWidth(width);
                const int at = l.textStart();
                QVERIFY2(at < 2 || !line.at(at).isDigit() || !line.at(at - 2).isDigit(),
                         qPrintable(QStringLiteral("%1 px: ").arg(width) + line.mid(at)));
            }
            layout.endLayout();
        }
    }

    // Within the screen at the page's width; its keys act on it, Ctrl+S beside the program's
    // Save, and cancelled, write nothing; the zoom stays within its limits and the page is drawn
    // at any zoom; its tools follow the language; the desktop asks for the PDF's name in a real
    // dialog; closed, it keeps the size the broker gave it.
    void thePreviewWindow()
    {
        ReportPreview *preview = quoteACouple();
        QVERIFY(preview->screen()->availableGeometry().contains(preview->frameGeometry()));
        const auto *view = preview->findChild<QScrollArea *>()->viewport();
        const int page = preview->findChild<QScrollArea *>()->widget()->width();
        QVERIFY2(page <= view->width() && page > view->width() * 0.9,
                 qPrintable(QStringLiteral("%1 in %2").arg(page).arg(view->width())));

        QVERIFY(QTest::qWaitForWindowActive(preview));
        int printed = 0, saved = 0;
        preview->choosers.printer = [&](QWidget *, QPrinter &) {
            ++printed;
            return false;
        };
        preview->choosers.pdfPath = [&](QWidget *, const QString &) {
            ++saved;
            return QString();
        };
        QTest::keyClick(preview, Qt::Key_P, Qt::ControlModifier);
        QTest::keyClick(preview, Qt::Key_S, Qt::ControlModifier);
        QCOMPARE(printed, 1);
        QCOMPARE(saved, 1);
        QVERIFY(program_->dialogs.fileRequests.isEmpty()); // not the illustration's Save
        QVERIFY(!preview->saveAsPdf() && !preview->print());
        QVERIFY(told().isEmpty());
        preview->setZoom(3.5);
        QTest::keySequence(preview, QKeySequence::ZoomIn);
        QCOMPARE_EQ(preview->zoom(), 4.0);
        preview->setZoom(0.3);
        QTest::keySequence(preview, QKeySequence::ZoomOut);
        QCOMPARE_EQ(preview->zoom(), 0.25);
        QTest::keyClick(preview, Qt::Key_0, Qt::ControlModifier);
        QVERIFY(preview->zoom() > 0.25);
        QVERIFY(!preview->grab().isNull());

        const auto tools = [&](const char *language) {
            QStringList shown, texts;
            for (const QAction *tool : preview->findChild<QToolBar *>()->actions())
                if (!tool->isSeparator())
                    shown << tool->text();
            for (const char *key : {"Imprimer", "EnregistrerPDF", "EnvoyerCourriel", "ZoomMoins",
                                    "ZoomPlus", "PleineLargeur", "Copier", "Fermer"})
                texts << program_->text(language, QStringLiteral("frmApercu-Val"), key);
            return std::pair{shown, texts};
        };
        QCOMPARE(tools("French").first, tools("French").second);
        program_->window()->item("indLangAnglais")->trigger();
        QCOMPARE(tools("English").first, tools("English").second);
        // The page, where the focus starts, reads and copies the quote, not the broker window.
        QWidget *focus = QApplication::focusWidget();
        QAccessibleInterface *reader = QAccessible::queryAccessibleInterface(focus);
        QCOMPARE(reader->text(QAccessible::Name),
                 program_->text("English", QStringLiteral("frmApercu-Val"), "Page"));
        QTest::keyClick(focus, Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(QApplication::clipboard()->text(), reader->textInterface()->text(0, 100000));
        QString title;
        QTimer::singleShot(0, [&] {
            if (auto *dialog = qobject_cast<QFileDialog *>(QApplication::activeModalWidget())) {
                title = dialog->windowTitle();
                dialog->close();
            }
        });
        QCOMPARE(PreviewChoosers::desktop().pdfPath(preview, out_.filePath("x.pdf")), QString());
        QCOMPARE(title, program_->text("English", "frmApercu-Val", "EnregistrerPDF"));

        preview->resize(500, 400);
        QTest::keyClick(preview, Qt::Key_W, Qt::ControlModifier);
        QVERIFY(!preview->isVisible());
        QCOMPARE(program_->setting("apercu", "largeur"), QStringLiteral("500"));
        QCOMPARE(program_->setting("apercu", "hauteur"), QStringLiteral("400"));
        QCOMPARE(program_->restart(), StartupResult::Running);
        preview = quoteACouple();
        QCOMPARE(preview->size(), QSize(500, 400));
        QTest::keyClick(preview, Qt::Key_Escape);
        QVERIFY(!preview->isVisible());
    }

    // Row by row from the top, left to right; far apart by a tab, side by side by a space.
    void theReportReadsInRows()
    {
        const auto label = [](const char *caption, int left, int top, int width = 800) {
            ReportControl c{"lbl", ControlKind::Label, QRect(left, top, width, 270), caption};
            c.visible = left >= 0;
            c.alignment = width > 800 ? Qt::AlignHCenter : Qt::AlignLeft;
            return c;
        };
        const Report report(
            QStringLiteral("act"),
            {{"Detail",
              9000,
              {label("12,00 $", 3600, 300), label("Emprunteur :", 900, 330), label("/", 4420, 300),
               label("hidden", -1, 300), label("/", 4420, 300), label("Nom :", 900, 0),
               label("A\r\nB ", 2100, 0)}},
             {"PageFooter", 750, {label("Page 1", 0, 0, 10800), label("Tel :", 0, 0)}}});
        QCOMPARE(reportReadingText(report),
                 QString::fromUtf8("Nom :\tA B\nEmprunteur :\t12,00 $ /\nTel : Page 1"));
    }
};

QTEST_MAIN(QuoteCommandTest)
#include "test_quotecommand.moc"
