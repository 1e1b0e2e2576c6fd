// The main window's menus: province rules, language and province switching, About, F1 and
// Ctrl+C; every window named and reachable; the broker's name and telephone: what is shown,
// what is saved, and what Cancel restores.
#include "base/clock.h"
#include "base/profile.h"
#include "base/version.h"
#include "domain/contrast.h"
#include "support/brokershown.h"
#include "support/program.h"
#include "support/quoteentry.h"
#include "ui/aboutwindow.h"
#include "ui/amountbox.h"
#include "ui/livepremiumline.h"
#include "ui/province.h"
#include "ui/quotecommand.h"
#include "ui/reportpreview.h"

#include <QAccessible>
#include <QClipboard>
#include <QLabel>
#include <QMdiArea>
#include <QMenu>
#include <QMenuBar>
#include <QStyle>
#include <QTimer>
#include <QToolBar>

using namespace norvel;
using namespace norvel::test;

class MainWindowTest : public QObject {
    Q_OBJECT

    std::unique_ptr<RunningProgram> program_;

    MainWindow *start(const QByteArray &settings)
    {
        program_ = std::make_unique<RunningProgram>(settings);
        return program_->window();
    }
    QString text(const char *language, const char *section, const char *key) const
    {
        return program_->text(language, QLatin1String(section), QLatin1String(key));
    }
    QString caption(const char *language, const char *key) const
    {
        return text(language, "frmMDI", key);
    }
    static bool shown(MainWindow *w, const char *name) { return w->item(name)->isVisible(); }

    BrokerWindow *broker() const { return ::norvel::test::brokerWindow(); }

    template <class F> void whileShown(F script) { QVERIFY(whileBrokerShown(*program_, script)); }

private Q_SLOTS:
    void cleanup()
    {
        program_.reset();
        QApplication::setPalette(QApplication::style()->standardPalette());
    }

    void menusFollowTheProvince_data()
    {
        columns<QString, bool, bool>("province", "languageMenus", "versionMenu");
        row("quebec", "quebec", true, false);
        row("ontario", "ontario", false, false);
        row("dev", "dev", true, true);
    }
    void menusFollowTheProvince()
    {
        auto [province, languageMenus, versionMenu] =
            fetch<QString, bool, bool>("province", "languageMenus", "versionMenu");
        MainWindow *w = start("[systeme]\r\nprovince=" + province.toLatin1() + "\r\n");
        QVERIFY(w);
        for (const char *name : {"indLangage", "mnu_docFran", "sep4"})
            QCOMPARE(shown(w, name), languageMenus);
        QCOMPARE(shown(w, "mnuVersion"), versionMenu);
        for (const char *always : {"indCourtier", "sep3", "mun_docAng", "indQuitter"})
            QVERIFY2(shown(w, always), always);
    }

    // The province is for this run only: the saved language stays the broker's, and Ontario
    // never saves one. About names the province of this run; the language file may override
    // the company.
    void provinceSwitchInDeveloperMode()
    {
        MainWindow *w = start("[systeme]\r\nprovince=dev\r\nlangage=.\\Data\\English.lng\r\n");
        QVERIFY(!w->item("indProvQuebec")->isChecked() && !w->item("indProvOntario")->isChecked());
        w->item("indProvOntario")->trigger();
        QVERIFY(w->item("indProvOntario")->isChecked() && !w->item("indProvQuebec")->isChecked());
        QVERIFY(!shown(w, "indLangage") && !shown(w, "mnu_docFran"));
        QCOMPARE(w->item("mnuFichier")->text(), caption("English", "mnuFichier-Caption"));
        QVERIFY(WriteSetting(programContext().language.path(), QStringLiteral("frmApropos"),
                             QStringLiteral("lblLigne3-Caption"),
                             QStringLiteral("Autre compagnie")));
        QStringList lines;
        QTimer::singleShot(0, [&] {
            auto *about = qobject_cast<AboutWindow *>(QApplication::activeModalWidget());
            QVERIFY(about);
            for (int i : {0, 1, 3, 4})
                lines << about->lblLigne[i]->text();
            QTest::keyClick(about, Qt::Key_Escape);
        });
        w->item("indAProposDe")->trigger();
        QCOMPARE(lines, (QStringList{
                            QString::fromUtf8(NORVEL_PRODUCT_NAME),
                            text("English", "modCotalmira-Msg", "Version") + ' ' +
                                text("English", "modCotalmira-Msg", "NoVersionontario"),
                            QStringLiteral("Autre compagnie"),
                            QStringLiteral("Rates: Tarifs 2010, in effect since 1 January 2010")}));
        QVERIFY(!QApplication::activeModalWidget());
        ChangeLanguage(*w, QLatin1String(kFrenchFile));

        w->item("indProvQuebec")->trigger();
        QCOMPARE(programContext().province, QStringLiteral("quebec"));
        QVERIFY(w->item("indProvQuebec")->isChecked() && !w->item("indProvOntario")->isChecked());
        QVERIFY(shown(w, "indLangage"));
        QVERIFY(shown(w, "mnuVersion")); // nothing hides it again
        QCOMPARE(program_->setting("systeme", "province"), QStringLiteral("dev"));
        QCOMPARE(program_->setting("systeme", "langage"), QStringLiteral(".\\Data\\English.lng"));
        QCOMPARE(programContext().language.path(),
                 program_->folder.file(QStringLiteral("Data/English.lng")));
    }

    void languageChoiceIsSavedAndRepresentsTheForm()
    {
        MainWindow *w = start(QByteArray());
        QuoteForm *form = ::norvel::test::quoteForm();
        form->txtHypotheque->setText(QStringLiteral("150000"));
        FormatCashChamp(form->txtHypotheque);
        QVERIFY(w->item("indLangFrancais")->isChecked() && !w->item("indLangAnglais")->isChecked());
        form->txtTerme->setFocus();
        w->item("indLangAnglais")->trigger();
        QVERIFY(w->item("indLangAnglais")->isChecked() && !w->item("indLangFrancais")->isChecked());
        QVERIFY(form->lblDescription->text().startsWith(
            text("English", "frmCotalmira-Msg", "TermePretDesc_1")));
        QCOMPARE(program_->setting("systeme", "langage"), QStringLiteral(".\\Data\\English.lng"));
        QCOMPARE(w->windowTitle(), caption("English", "frmMDI-Caption"));
        QCOMPARE(w->property("Tag").toString(), caption("English", "frmMDI-Picture#Tag"));
        QCOMPARE(w->item("indQuitter")->text(), caption("English", "indQuitter-Caption"));
        QCOMPARE(form->txtHypotheque->text(), QStringLiteral("$150,000"));
        QCOMPARE(form->windowTitle(), text("English", "modEnregistrement-Msg", "NouIllus"));
        // The caption names the illustration, whatever the language.
        form->setIllustrationName(QStringLiteral("Tremblay"));
        w->item("indLangFrancais")->trigger();
        w->item("indLangFrancais")->trigger(); // choosing it again keeps it checked
        QVERIFY(w->item("indLangFrancais")->isChecked() && !w->item("indLangAnglais")->isChecked());
        QVERIFY(form->lblDescription->text().startsWith(
            text("French", "frmCotalmira-Msg", "TermePretDesc_1")));
        QCOMPARE(program_->setting("systeme", "langage"), QStringLiteral(".\\Data\\French.lng"));
        QCOMPARE(w->item("indQuitter")->text(), caption("French", "indQuitter-Caption"));
        QCOMPARE(form->txtHypotheque->text(), QStringLiteral("150\u00A0000 $"));
        QCOMPARE(form->windowTitle(), QStringLiteral("Tremblay"));
    }

    void keysOfTheMainWindow()
    {
        MainWindow *w = start(QByteArray());
        w->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(w));
        QTest::keyClick(w, Qt::Key_F1);
        QCOMPARE(program_->dialogs.messages.size(), 1);
        const Dialogs::Message &m = program_->dialogs.messages.at(0);
        QCOMPARE(m.text, text("French", "frmMDI-Msg", "ConsulBrochSpecPoli"));
        QCOMPARE(m.title, text("French", "frmMDI-Msg", "Aide"));
        QCOMPARE(m.icon, Dialogs::Icon::Information);
        // The platform's Save beside the program's own: a new illustration asks for a name.
        QTest::keyClick(w, Qt::Key_S, Qt::ControlModifier);
        QCOMPARE(program_->dialogs.fileRequests.size(), 1);
        QCOMPARE(program_->dialogs.fileRequests.at(0).kind, Dialogs::FileRequest::Kind::Save);
        // Ctrl+C copies in a text box and opens the broker window elsewhere.
        QuoteForm *form = ::norvel::test::quoteForm();
        form->txtNom->setText(QStringLiteral("Tremblay"));
        form->txtNom->setFocus();
        form->txtNom->selectAll();
        QApplication::clipboard()->clear();
        QWidget *modal = nullptr;
        const auto closeModal = [&] {
            modal = QApplication::activeModalWidget();
            if (modal)
                modal->close();
        };
        QTimer::singleShot(0, closeModal);
        QTest::keyClick(form->txtNom, Qt::Key_C, Qt::ControlModifier);
        QTest::qWait(10);
        QVERIFY(!modal);
        QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("Tremblay"));

        form->optSexe[0]->setFocus();
        QTimer::singleShot(0, closeModal);
        QTest::keyClick(form->optSexe[0], Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(modal, static_cast<QWidget *>(::norvel::test::brokerWindow()));
    }

    // View > Live premiums hides the line and keeps the choice for the next start.
    void livePremiumsAreKeptInTheSettings()
    {
        start(QByteArray());
        for (const bool shownBefore : {true, false}) {
            MainWindow *w = program_->window();
            QCOMPARE(w->item("indPrimesDirect")->isChecked(), shownBefore);
            QCOMPARE(w->quoteForm()->lblPrimesDirect->isVisible(), shownBefore);
            w->item("indPrimesDirect")->trigger();
            QCOMPARE(w->quoteForm()->lblPrimesDirect->isVisible(), !shownBefore);
            QCOMPARE(program_->setting("systeme", "primesdirect"), shownBefore ? "0" : "1");
            QCOMPARE(program_->restart(), StartupResult::Running);
        }
    }

    // Each window, in French and light, in English (after a switch) and dark: the program's icon;
    // every focusable control named, a box by its label, a frame by its title, none twice in a
    // frame; every mnemonic leads somewhere, one per letter in a window or menu; all text reads.
    // The picture is decoded beside the window's building; the first paint must still show it.
    void theWorkAreaShowsTheLanguagesPicture()
    {
        MainWindow *w = start(QByteArray());
        QWidget *area = w->workspace()->viewport();
        auto shown = [area] {
            QImage image(area->size(), QImage::Format_RGB32);
            area->render(&image, QPoint(), QRegion(), QWidget::DrawWindowBackground);
            return image;
        };
        const QImage french = shown();
        QImage plain(french);
        plain.fill(w->workspace()->background().color());
        QVERIFY(french != plain);
        w->item("indLangAnglais")->trigger();
        QVERIFY(shown() != french);
    }

    void everyWindowReadsAndIsReachable_data()
    {
        QTest::addColumn<bool>("english");
        row("French, light", false);
        row("English, dark", true);
    }
    void everyWindowReadsAndIsReachable()
    {
        QFETCH(bool, english);
        QCOMPARE(qRound(contrastRatio(QColor(0x767676), Qt::white) * 100), 454); // WCAG's grey
        MainWindow *w = start(QByteArray());
        quoteForm()->chkCoemprunteur->click(); // its boxes take their colours now
        if (english)
            w->item("indLangAnglais")->trigger();
        QApplication::setPalette(english ? QPalette(QColor(0x31363b))
                                         : QApplication::style()->standardPalette());
        QEvent change(QEvent::ApplicationPaletteChange); // as the running event loop sends it
        for (QWidget *widget : QApplication::allWidgets())
            QCoreApplication::sendEvent(widget, &change);
        const auto nameOf = [](QWidget *c) {
            return QAccessible::queryAccessibleInterface(c)->text(QAccessible::Name);
        };
        const auto mnemonic = [](QMap<QString, QString> &seen, const QString &caption) {
            const QString key = QKeySequence::mnemonic(caption).toString();
            QVERIFY2(key.isEmpty() || !seen.contains(key), qPrintable(seen[key] + " / " + caption));
            seen[key] = caption;
        };
        AboutWindow about(w);
        setToday(QDate(2010, 8, 31));
        enterQuote(quoteForm(), {45, 47, 1500, 150000}); // the co-borrower is ticked
        quoteForm()->cmdCotation->click();
        setToday(QDate());
        ReportPreview *preview = quoteForm()->findChild<QuoteCommand *>()->preview();
        QVERIFY(preview);
        // The icon is drawn at the size asked: a white house on a night-blue tile, corners clear.
        const QImage icon = w->windowIcon().pixmap(QSize(48, 48)).toImage();
        QCOMPARE(icon.size(), QSize(48, 48));
        QCOMPARE(qAlpha(icon.pixel(0, 0)), 0);
        QCOMPARE(icon.pixelColor(15, 24), QColor(Qt::white));
        QVERIFY(qBlue(icon.pixel(24, 43)) > 2 * qRed(icon.pixel(24, 43)));
        QVERIFY(w->windowIcon().pixmap(QSize(48, 48), QIcon::Disabled).toImage() != icon);
        double least = 21;
        for (QWidget *window : QList<QWidget *>{w, brokerWindow(), &about, preview}) {
            QVERIFY(!window->windowIcon().isNull());
            QMap<QString, QString> mnemonics;
            QMap<QWidget *, QStringList> namesInFrame;
            for (QWidget *c : window->findChildren<QWidget *>()) {
                const auto *label = qobject_cast<QLabel *>(c);
                const auto *button = qobject_cast<QAbstractButton *>(c);
                const auto *frame = qobject_cast<QGroupBox *>(c);
                const QString caption = label    ? label->text()
                                        : button ? button->text()
                                        : frame  ? frame->title()
                                                 : QString();
                if (c->window() != window)
                    continue;
                mnemonic(mnemonics, caption);
                QVERIFY(!label || !caption.contains('&') || label->buddy());
                if ((frame && !caption.isEmpty()) || (label && label->buddy()))
                    QCOMPARE(nameOf(frame ? c : label->buddy()), QString(caption).remove('&'));
                // What shows text: a caption or an entry; a bare container draws none.
                if (c->isEnabled() && c->isVisible() &&
                    (!caption.isEmpty() || qobject_cast<QLineEdit *>(c)))
                    least = qMin(least, contrastRatio(c->palette().color(c->foregroundRole()),
                                                      c->palette().color(c->backgroundRole())));
                QVERIFY2(least >= 4.5, qPrintable(c->objectName()));
                if (!(c->focusPolicy() & Qt::TabFocus) || qobject_cast<QMenu *>(c))
                    continue;
                QStringList &siblings = namesInFrame[c->parentWidget()];
                QVERIFY2(!nameOf(c).isEmpty() && !siblings.contains(nameOf(c)),
                         qPrintable(nameOf(c)));
                siblings << nameOf(c);
            }
            for (QToolBar *tools : window->findChildren<QToolBar *>())
                for (QAction *tool : tools->actions())
                    if (tools->window() == window)
                        mnemonic(mnemonics, tool->text());
            for (QMenu *menu : window->findChildren<QMenu *>()) {
                QMap<QString, QString> items;
                for (QAction *item : menu->actions())
                    mnemonic(items, item->text());
            }
            if (auto *main = qobject_cast<QMainWindow *>(window))
                for (QAction *menu : main->menuBar()->actions())
                    mnemonic(mnemonics, menu->text());
        }
        qInfo("least contrast %.2f:1", least);
        QVERIFY(quoteForm()->txtTerme->accessibleDescription().contains(
            text(english ? "English" : "French", "frmCotalmira-Msg", "TermePretDesc_1")));
    }

    // Loaded hidden with the main window, the fields already hold the saved values.
    void savedValuesAreShown()
    {
        start("[courtier]\r\nnom=  Jean Roy \r\ntelephone=514555123499\r\n");
        QVERIFY(!broker()->isVisible());
        QCOMPARE(broker()->txtNom->text(), QStringLiteral("Jean Roy"));
        QCOMPARE(broker()->mskTelephone->formattedText(), QStringLiteral("(514)555-1234"));
    }

    // OK saves the name trimmed and the telephone as far as typed; Cancel restores them.
    void okSavesAndCancelRestores()
    {
        start(QByteArray());
        whileShown([this] {
            QCOMPARE(QApplication::focusWidget(), broker()->txtNom);
            QTest::keyClicks(broker()->txtNom, QStringLiteral("  Marie "));
            broker()->txtNom->insert(QStringLiteral("Lévesque  "));
            broker()->mskTelephone->setFocus();
            broker()->mskTelephone->setCursorPosition(0);
            QTest::keyClicks(broker()->mskTelephone, QStringLiteral("418"));
            QTest::mouseClick(broker()->cmdCourtier[0], Qt::LeftButton);
        });
        QVERIFY(!broker()->isVisible());
        QCOMPARE(program_->setting("courtier", "nom"), QString::fromUtf8("Marie Lévesque"));
        QCOMPARE(program_->setting("courtier", "telephone"), QStringLiteral("418_______"));
        whileShown([this] {
            broker()->txtNom->setText(QStringLiteral("Quelqu'un d'autre"));
            broker()->mskTelephone->setText(QStringLiteral("(999)999-9999"));
            QTest::keyClick(broker()->txtNom, Qt::Key_Escape);
        });
        QVERIFY(!broker()->isVisible());
        QCOMPARE(broker()->txtNom->text(), QString::fromUtf8("Marie Lévesque"));
        QCOMPARE(broker()->ReadPhoneDigits(), QStringLiteral("418_______"));
        QCOMPARE(program_->setting("courtier", "nom"), QString::fromUtf8("Marie Lévesque"));
        QVERIFY(::norvel::test::brokerWindow()); // only ever hidden
    }
};

QTEST_MAIN(MainWindowTest)
#include "test_mainwindow.moc"
