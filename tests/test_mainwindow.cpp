// The main window: menus by province, the language choice and what it re-presents, Ctrl+C.
#include "domain/language.h"
#include "support/datarow.h"
#include "support/running.h"
#include "support/windows.h"
#include "ui/amountbox.h"
#include "ui/appstate.h"
#include "ui/brokerwindow.h"
#include "ui/formutils.h"
#include "ui/mainwindow.h"
#include "ui/province.h"
#include "ui/quoteform.h"

#include <QAction>
#include <QClipboard>
#include <QDialog>
#include <QLineEdit>
#include <QRadioButton>
#include <QTimer>
#include <QtTest>

using namespace norvel;
using namespace norvel::test;

class MainWindowTest : public QObject {
    Q_OBJECT

    static bool shown(MainWindow *w, const char *name) { return w->item(name)->isVisible(); }

private Q_SLOTS:
    void menusFollowTheProvince_data()
    {
        QTest::addColumn<QString>("province");
        QTest::addColumn<bool>("languageMenus");
        QTest::addColumn<bool>("versionMenu");
        QTest::addColumn<QString>("language"); // Ontario is English whatever the saved choice
        row("ontario", "ontario", false, false, "English");
        row("dev", "dev", true, true, "French");
    }
    void menusFollowTheProvince()
    {
        QFETCH(QString, province);
        QFETCH(bool, languageMenus);
        QFETCH(bool, versionMenu);
        QFETCH(QString, language);
        RunningProgram program("[systeme]\r\nprovince=" + province.toLatin1() +
                               "\r\nlangage=.\\Data\\French.lng\r\n");
        QCOMPARE(appState().language.path(), program.folder.file("Data/" + language + ".lng"));
        MainWindow *w = program.window();
        QVERIFY(w);
        QCOMPARE(shown(w, "indLangage"), languageMenus);
        QCOMPARE(shown(w, "mnu_docFran"), languageMenus);
        QCOMPARE(shown(w, "mnuVersion"), versionMenu);
        QVERIFY(shown(w, "indCourtier"));
    }

    void languageChoiceIsSavedAndUsedNextTime()
    {
        RunningProgram program;
        MainWindow *w = program.window();
        w->item("indLangAnglais")->trigger();
        QCOMPARE(program.setting("systeme", "langage"), QStringLiteral(".\\Data\\English.lng"));
        QCOMPARE(w->item("indQuitter")->text(),
                 program.text("English", "frmMDI", "indQuitter-Caption"));
        QVERIFY(w->item("indQuitter")->text() !=
                program.text("French", "frmMDI", "indQuitter-Caption"));
        QCOMPARE(program.restart(), StartupResult::Running);
        QCOMPARE(appState().language.path(),
                 program.folder.file(QStringLiteral("Data/English.lng")));
    }

    void languageChangeRepresentsTheQuoteForm()
    {
        RunningProgram program;
        QuoteForm *form = ::norvel::test::quoteForm();
        form->txtHypotheque->setText(QStringLiteral("150000"));
        FormatCashChamp(form->txtHypotheque);
        QCOMPARE(form->txtHypotheque->text(), QStringLiteral("150 000 $"));
        ChangeLanguage(*::norvel::test::mainWindow(), QLatin1String(kEnglishFile));
        QCOMPARE(form->txtHypotheque->text(), QStringLiteral("$150,000"));
        QCOMPARE(form->windowTitle(), program.text("English", "modEnregistrement-Msg", "NouIllus"));
        // The caption names the illustration, whatever the language.
        form->setIllustrationName(QStringLiteral("Tremblay"));
        ChangeLanguage(*::norvel::test::mainWindow(), QLatin1String(kFrenchFile));
        QCOMPARE(form->txtHypotheque->text(), QStringLiteral("150 000 $"));
        QCOMPARE(form->windowTitle(), QStringLiteral("Tremblay"));
    }

    void ctrlCCopiesInATextBoxAndOpensTheBrokerElsewhere()
    {
        RunningProgram program;
        MainWindow *w = program.window();
        w->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(w));
        QuoteForm *form = ::norvel::test::quoteForm();
        form->txtNom->setText(QStringLiteral("Tremblay"));
        form->txtNom->setFocus();
        form->txtNom->selectAll();
        QApplication::clipboard()->clear();
        bool brokerShown = false;
        const auto watch = [&] {
            QTimer::singleShot(0, [&] {
                QWidget *modal = QApplication::activeModalWidget();
                brokerShown = modal && modal == static_cast<QWidget *>(::norvel::test::brokerWindow());
                if (modal)
                    static_cast<QDialog *>(modal)->reject();
            });
        };
        watch();
        QTest::keyClick(form->txtNom, Qt::Key_C, Qt::ControlModifier);
        QTest::qWait(10);
        QVERIFY(!brokerShown);
        QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("Tremblay"));

        form->optSexe[0]->setFocus();
        watch();
        QTest::keyClick(form->optSexe[0], Qt::Key_C, Qt::ControlModifier);
        QVERIFY(brokerShown);
    }
};

QTEST_MAIN(MainWindowTest)
#include "test_mainwindow.moc"
