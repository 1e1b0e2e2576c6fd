// The main window's menus: province rules, language and province switching, shortcuts.
#include "app/startup.h"
#include "base/profile.h"
#include "base/version.h"
#include "domain/amountformat.h"
#include "domain/language.h"
#include "support/datarow.h"
#include "support/programfolder.h"
#include "support/windows.h"
#include "ui/aboutwindow.h"
#include "ui/amountbox.h"
#include "ui/programcontext.h"
#include "ui/brokerwindow.h"
#include "ui/langstring.h"
#include "ui/mainwindow.h"
#include "ui/objectnode.h"
#include "ui/province.h"
#include "ui/quoteform.h"
#include "ui/scripteddialogs.h"

#include <QAction>
#include <QClipboard>
#include <QLabel>
#include <QRadioButton>
#include <QTimer>
#include <QLineEdit>
#include <QtTest>

using namespace norvel;
using namespace norvel::test;

class MainWindowTest : public QObject {
    Q_OBJECT

    std::unique_ptr<ProgramFolder> folder_;
    ScriptedDialogs dialogs_;

    MainWindow *startWith(const QByteArray &settings)
    {
        if (!settings.isEmpty())
            folder_->writeFile(QStringLiteral("norvel.ini"), settings);
        StartupOptions options;
        options.programPath = folder_->programPath();
        options.dialogs = &dialogs_;
        options.splashMilliseconds = -1;
        if (startProgram(options) != StartupResult::Running)
            return nullptr;
        return ::norvel::test::mainWindow();
    }
    QString saved(const char *key) const
    {
        return ReadSetting(folder_->file(QStringLiteral("norvel.ini")), QStringLiteral("systeme"),
                           QLatin1String(key));
    }
    QString text(const char *language, const QString &section, const QString &key) const
    {
        const QString saved = programContext().language.path();
        programContext().language = Language(folder_->file(QStringLiteral("Data/%1.lng").arg(QLatin1String(language))));
        const QString t = GetLangString(section, key);
        programContext().language = Language(saved);
        return t;
    }
    static bool shown(MainWindow *w, const char *name) { return w->item(name)->isVisible(); }

private Q_SLOTS:
    void init()
    {
        resetProgramContext();
        folder_ = std::make_unique<ProgramFolder>();
        dialogs_ = ScriptedDialogs();
    }
    void cleanup()
    {
        delete ::norvel::test::mainWindow();
        resetProgramContext();
    }

    void menusFollowTheProvince_data()
    {
        QTest::addColumn<QString>("province");
        QTest::addColumn<bool>("languageMenus");
        QTest::addColumn<bool>("versionMenu");
        row("quebec", "quebec", true, false);
        row("ontario", "ontario", false, false);
        row("dev", "dev", true, true);
    }
    void menusFollowTheProvince()
    {
        QFETCH(QString, province);
        QFETCH(bool, languageMenus);
        QFETCH(bool, versionMenu);
        MainWindow *w = startWith("[systeme]\r\nprovince=" + province.toLatin1() + "\r\n");
        QVERIFY(w);
        QCOMPARE(shown(w, "indLangage"), languageMenus);
        QCOMPARE(shown(w, "mnu_docFran"), languageMenus);
        QCOMPARE(shown(w, "sep4"), languageMenus);
        QCOMPARE(shown(w, "mnuVersion"), versionMenu);
        for (const char *always :
             {"indCourtier", "sep3", "mun_docAng", "indQuitter", "indAProposDe"})
            QVERIFY2(shown(w, always), always);
    }

    void provinceSwitchInDeveloperMode()
    {
        MainWindow *w = startWith("[systeme]\r\nprovince=dev\r\nlangage=.\\Data\\French.lng\r\n");
        QVERIFY(w);
        QVERIFY(!w->item("indProvQuebec")->isChecked() && !w->item("indProvOntario")->isChecked());
        w->item("indProvOntario")->trigger();
        QCOMPARE(programContext().province, QStringLiteral("ontario"));
        QVERIFY(w->item("indProvOntario")->isChecked() && !w->item("indProvQuebec")->isChecked());
        QVERIFY(!shown(w, "indLangage"));
        QVERIFY(!shown(w, "mnu_docFran"));
        QCOMPARE(w->item("mnuFichier")->text(), text("English", "frmMDI", "mnuFichier-Caption"));

        w->item("indProvQuebec")->trigger();
        QCOMPARE(programContext().province, QStringLiteral("quebec"));
        QVERIFY(w->item("indProvQuebec")->isChecked() && !w->item("indProvOntario")->isChecked());
        QVERIFY(shown(w, "indLangage"));
        QVERIFY(shown(w, "mnuVersion")); // nothing hides it again
        QCOMPARE(w->item("mnuFichier")->text(), text("French", "frmMDI", "mnuFichier-Caption"));
        // The province is for this run only, and the saved language stays the broker's.
        QCOMPARE(saved("province"), QStringLiteral("dev"));
        QCOMPARE(saved("langage"), QStringLiteral(".\\Data\\French.lng"));
    }

    void provinceSwitchKeepsTheSavedLanguage()
    {
        MainWindow *w = startWith("[systeme]\r\nprovince=dev\r\nlangage=.\\Data\\English.lng\r\n");
        QVERIFY(w);
        w->item("indProvQuebec")->trigger();
        QCOMPARE(saved("langage"), QStringLiteral(".\\Data\\English.lng"));
        QCOMPARE(programContext().language.path(), folder_->file(QStringLiteral("Data/English.lng")));
    }

    void languageChoiceIsSaved()
    {
        MainWindow *w = startWith(QByteArray());
        QVERIFY(w);
        QVERIFY(w->item("indLangFrancais")->isChecked() && !w->item("indLangAnglais")->isChecked());
        w->item("indLangAnglais")->trigger();
        QVERIFY(w->item("indLangAnglais")->isChecked() && !w->item("indLangFrancais")->isChecked());
        QCOMPARE(saved("langage"), QStringLiteral(".\\Data\\English.lng"));
        QCOMPARE(w->windowTitle(), text("English", "frmMDI", "frmMDI-Caption"));
        QCOMPARE(w->property("Tag").toString(), text("English", "frmMDI", "frmMDI-Picture#Tag"));
        QCOMPARE(w->item("indQuitter")->text(), text("English", "frmMDI", "indQuitter-Caption"));
        QVERIFY(w->item("indQuitter")->text() != text("French", "frmMDI", "indQuitter-Caption"));

        w->item("indLangFrancais")->trigger();
        w->item("indLangFrancais")->trigger(); // choosing it again keeps it checked
        QVERIFY(w->item("indLangFrancais")->isChecked() && !w->item("indLangAnglais")->isChecked());
        QCOMPARE(saved("langage"), QStringLiteral(".\\Data\\French.lng"));
        QCOMPARE(w->item("indQuitter")->text(), text("French", "frmMDI", "indQuitter-Caption"));

        // The next start uses the language chosen last.
        w->item("indLangAnglais")->trigger();
        delete w;
        resetProgramContext();
        w = startWith(QByteArray());
        QVERIFY(w);
        QCOMPARE(programContext().language.path(), folder_->file(QStringLiteral("Data/English.lng")));
    }

    void ontarioNeverSavesALanguage()
    {
        QVERIFY(startWith("[systeme]\r\nprovince=ontario\r\n"));
        ChangeLanguage(*::norvel::test::mainWindow(), QLatin1String(kFrenchFile));
        QCOMPARE(saved("langage"), QString());
    }

    void missingLanguageFileKeepsTheCurrentOne()
    {
        MainWindow *w = startWith(QByteArray());
        QVERIFY(w);
        folder_->remove(QStringLiteral("Data/English.lng"));
        w->item("indLangAnglais")->trigger();
        QCOMPARE(dialogs_.messages.size(), 1);
        QVERIFY(dialogs_.messages.at(0).text.endsWith(QLatin1String("English.lng not found")));
        QCOMPARE(programContext().language.path(), folder_->file(QStringLiteral("Data/French.lng")));
        QCOMPARE(w->item("indQuitter")->text(), text("French", "frmMDI", "indQuitter-Caption"));
    }

    void languageChangeRepresentsTheQuoteForm()
    {
        QVERIFY(startWith(QByteArray()));
        QuoteForm *form = ::norvel::test::quoteForm();
        QVERIFY(form);
        form->txtHypotheque->setText(QStringLiteral("150000"));
        FormatCashChamp(form->txtHypotheque);
        form->txtVersement->setText(QStringLiteral("1250"));
        FormatCashChamp(form->txtVersement);
        QCOMPARE(form->txtHypotheque->text(), QStringLiteral("150\u00A0000 $"));

        form->txtTerme->setFocus();
        ChangeLanguage(*::norvel::test::mainWindow(), QLatin1String(kEnglishFile));
        QVERIFY(form->lblDescription->text().startsWith(
            text("English", "frmCotalmira-Msg", "TermePretDesc_1")));
        QCOMPARE(form->txtHypotheque->text(), QStringLiteral("$150,000"));
        QCOMPARE(form->txtVersement->text(), QStringLiteral("$1,250"));
        QCOMPARE(form->windowTitle(), text("English", "modEnregistrement-Msg", "NouIllus"));
        form->setIllustrationName(QStringLiteral("Tremblay"));
        ChangeLanguage(*::norvel::test::mainWindow(), QLatin1String(kFrenchFile));
        QVERIFY(form->lblDescription->text().startsWith(
            text("French", "frmCotalmira-Msg", "TermePretDesc_1")));
        QCOMPARE(form->txtHypotheque->text(), QStringLiteral("150\u00A0000 $"));
        QCOMPARE(form->txtVersement->text(), QStringLiteral("1\u00A0250 $"));
        // The caption names the illustration, whatever the language.
        QCOMPARE(form->windowTitle(), QStringLiteral("Tremblay"));
    }

    // A shortcut of the File menu, and F1 pressed on the window.
    void shortcutsAndF1()
    {
        MainWindow *w = startWith(QByteArray());
        QVERIFY(w);
        QCOMPARE(w->item("indEnregistrer")->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_R));
        w->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(w));
        QTest::keyClick(w, Qt::Key_F1);
        QCOMPARE(dialogs_.messages.size(), 1);
        QCOMPARE(dialogs_.messages.at(0).text, text("French", "frmMDI-Msg", "ConsulBrochSpecPoli"));
        QCOMPARE(dialogs_.messages.at(0).title, text("French", "frmMDI-Msg", "Aide"));
        QCOMPARE(dialogs_.messages.at(0).icon, Dialogs::Icon::Information);
        // The platform's Save beside the program's own: a new illustration asks for a name.
        QTest::keyClick(w, Qt::Key_S, Qt::ControlModifier);
        QCOMPARE(dialogs_.fileRequests.size(), 1);
        QCOMPARE(dialogs_.fileRequests.at(0).kind, Dialogs::FileRequest::Kind::Save);
    }

    void aboutShowsTheCurrentProvince()
    {
        MainWindow *w = startWith("[systeme]\r\nprovince=dev\r\n");
        QVERIFY(w);
        w->item("indProvOntario")->trigger();
        QString versionLine, product;
        QTimer::singleShot(0, [&] {
            auto *about = qobject_cast<AboutWindow *>(QApplication::activeModalWidget());
            QVERIFY(about);
            versionLine = about->lblLigne[1]->text();
            product = about->lblLigne[0]->text();
            QTest::keyClick(about, Qt::Key_Escape);
        });
        w->item("indAProposDe")->trigger();
        QCOMPARE(versionLine, text("English", "modCotalmira-Msg", "Version") + QLatin1Char(' ') +
                                  text("English", "modCotalmira-Msg", "NoVersionontario"));
        QCOMPARE(product, QString::fromUtf8(NORVEL_PRODUCT_NAME));
        QVERIFY(!QApplication::activeModalWidget());
    }

    void languageFileOverridesTheVersionRecord()
    {
        MainWindow *w = startWith(QByteArray());
        QVERIFY(w);
        QVERIFY(WriteSetting(programContext().language.path(), QStringLiteral("frmApropos"),
                             QStringLiteral("lblLigne3-Caption"),
                             QStringLiteral("Autre compagnie")));
        QString company;
        QTimer::singleShot(0, [&] {
            auto *about = qobject_cast<AboutWindow *>(QApplication::activeModalWidget());
            QVERIFY(about);
            company = about->lblLigne[3]->text();
            about->accept();
        });
        w->item("indAProposDe")->trigger();
        QCOMPARE(company, QStringLiteral("Autre compagnie"));
    }

    void ctrlCCopiesInATextBoxAndOpensTheBrokerElsewhere()
    {
        MainWindow *w = startWith(QByteArray());
        QVERIFY(w);
        w->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(w));
        QuoteForm *form = ::norvel::test::quoteForm();
        form->txtNom->setText(QStringLiteral("Tremblay"));
        form->txtNom->setFocus();
        form->txtNom->selectAll();
        QApplication::clipboard()->clear();
        bool brokerShown = false;
        QTimer::singleShot(0, [&] {
            if (QWidget *modal = QApplication::activeModalWidget()) {
                brokerShown = true;
                modal->close();
            }
        });
        QTest::keyClick(form->txtNom, Qt::Key_C, Qt::ControlModifier);
        QTest::qWait(10);
        QVERIFY(!brokerShown);
        QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("Tremblay"));

        form->optSexe[0]->setFocus();
        QTimer::singleShot(0, [&] {
            QWidget *modal = QApplication::activeModalWidget();
            brokerShown = modal && modal == static_cast<QWidget *>(::norvel::test::brokerWindow());
            if (modal)
                static_cast<QDialog *>(modal)->reject();
        });
        QTest::keyClick(form->optSexe[0], Qt::Key_C, Qt::ControlModifier);
        QVERIFY(brokerShown);
    }
};

QTEST_MAIN(MainWindowTest)
#include "test_mainwindow.moc"
