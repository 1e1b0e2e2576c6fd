// The report engine on the quote report: the page as PDF read back by a real reader, the
// preview's Print and Save as PDF driven without a dialog, and the failures they report; how
// captions and French amounts lay out.
#include "base/clock.h"
#include "domain/amountformat.h"
#include "domain/fieldhelp.h"
#include "domain/language.h"
#include "domain/quotereport.h"
#include "domain/report.h"
#include "support/datarow.h"
#include "support/pdftext.h"
#include "support/quoteentry.h"
#include "support/running.h"
#include "support/windows.h"
#include "ui/programcontext.h"
#include "ui/formutils.h"
#include "ui/mainwindow.h"
#include "ui/maskededit.h"
#include "ui/quotecommand.h"
#include "ui/quoteform.h"
#include "ui/reportoutput.h"
#include "ui/reportpainter.h"
#include "ui/reportpreview.h"

#include <QAction>
#include <QCheckBox>
#include <QFontMetricsF>
#include <QLineEdit>
#include <QPrinter>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QScrollArea>
#include <QTemporaryDir>
#include <QTextLayout>
#include <QToolBar>
#include <QtTest>

using namespace norvel;
using namespace norvel::test;

class ReportTest : public QObject {
    Q_OBJECT

    std::unique_ptr<RunningProgram> program_;
    QTemporaryDir out_;

    // A two-person quote through the real form.
    ReportPreview *quoteACouple()
    {
        QuoteForm *form = ::norvel::test::quoteForm();
        enterQuote(form, {42, 47, 1800, 250000});
        form->cmdCotation->click();
        return form->findChild<QuoteCommand *>()->preview();
    }

private Q_SLOTS:
    void init()
    {
        setToday(QDate(2010, 8, 31));
        program_ = std::make_unique<RunningProgram>();
        defaultPreviewChoosers() = PreviewChoosers{};
    }
    void cleanup()
    {
        program_.reset();
        setToday(QDate());
    }

    // Every caption fits its box in the report's font, with room for a space before the value
    // beside it.
    void captionsFitTheirBoxes_data()
    {
        QTest::addColumn<QString>("language");
        row("French", "French");
        row("English", "English");
    }
    void captionsFitTheirBoxes()
    {
        QFETCH(QString, language);
        const Language lang(program_->folder.file(QStringLiteral("Data/%1.lng").arg(language)));
        const std::unique_ptr<Report> report = newQuoteReport(lang, programContext().programDir);
        for (const ReportSection &section : report->sections())
            for (const ReportControl &c : section.controls) {
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
    }

    // Laid out at any width, a French amount never goes to a new line inside its digits.
    void frenchNumbersHoldTogether_data()
    {
        QTest::addColumn<QString>("control"); // its help, or an amount with cents
        row("loan amount's help", QStringLiteral("txtHypotheque"));
        row("payment's help", QStringLiteral("txtVersement"));
        row("an amount with cents", QString());
    }
    void frenchNumbersHoldTogether()
    {
        QFETCH(QString, control);
        const Language french(program_->folder.file(QStringLiteral("Data/French.lng")));
        QString line = control.isEmpty() ? FormaterMontant(french, 98765.25f, true)
                                         : fieldHelp(french, control);
        line.replace(QStringLiteral("\r\n"), QString(QChar::LineSeparator));
        for (int width = 10; width < 600; width += 5) {
            QTextLayout layout(line, QApplication::font());
            QTextOption option;
            option.setWrapMode(QTextOption::WordWrap);
            layout.setTextOption(option);
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

    // Within the screen at the page's width; closed, it keeps the size the broker gave it.
    void thePreviewFitsTheScreenAndKeepsItsSize()
    {
        ReportPreview *preview = quoteACouple();
        QVERIFY(preview->screen()->availableGeometry().contains(preview->frameGeometry()));
        const auto *view = preview->findChild<QScrollArea *>()->viewport();
        const int page = preview->findChild<QScrollArea *>()->widget()->width();
        QVERIFY2(page <= view->width() && page > view->width() * 0.9,
                 qPrintable(QStringLiteral("%1 in %2").arg(page).arg(view->width())));

        preview->resize(500, 400);
        QTest::keyClick(preview, Qt::Key_Escape);
        QVERIFY(!preview->isVisible());
        QCOMPARE(program_->setting("apercu", "largeur"), QStringLiteral("500"));
        QCOMPARE(program_->setting("apercu", "hauteur"), QStringLiteral("400"));
        QCOMPARE(program_->restart(), StartupResult::Running);
        QCOMPARE(quoteACouple()->size(), QSize(500, 400));
    }

    // Its keys act on it, Ctrl+S beside the program's Save; its tools follow the language.
    void thePreviewsKeysAndLanguage()
    {
        ReportPreview *preview = quoteACouple();
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

        program_->window()->item("indLangAnglais")->trigger();
        QStringList tools, english;
        for (const QAction *tool : preview->findChild<QToolBar *>()->actions())
            if (!tool->isSeparator())
                tools << tool->text();
        for (const char *key :
             {"Imprimer", "EnregistrerPDF", "ZoomMoins", "ZoomPlus", "PleineLargeur", "Fermer"})
            english << program_->text("English", QStringLiteral("frmApercu-Val"), key);
        QCOMPARE(tools, english);
        QTest::keyClick(preview, Qt::Key_W, Qt::ControlModifier);
        QVERIFY(!preview->isVisible());
    }
};

QTEST_MAIN(ReportTest)
#include "test_report.moc"
