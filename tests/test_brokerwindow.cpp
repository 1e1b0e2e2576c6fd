// The broker's name and telephone: what is shown, what is saved, and what Cancel restores.
#include "support/brokershown.h"
#include "support/datarow.h"
#include "support/running.h"
#include "support/windows.h"
#include "ui/appstate.h"
#include "ui/brokerwindow.h"
#include "ui/mainwindow.h"
#include "ui/maskededit.h"

#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <QtTest>

using namespace norvel;
using namespace norvel::test;

class BrokerWindowTest : public QObject {
    Q_OBJECT

    std::unique_ptr<RunningProgram> program_;
    BrokerWindow *broker() const { return ::norvel::test::brokerWindow(); }

    void start(const QByteArray &settings)
    {
        program_ = std::make_unique<RunningProgram>(settings);
        QVERIFY(broker());
    }
    template <class F> void whileShown(F script) { QVERIFY(whileBrokerShown(*program_, script)); }

private Q_SLOTS:
    void cleanup() { program_.reset(); }

    void savedValuesAreShown_data()
    {
        QTest::addColumn<QByteArray>("settings");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("phone");
        row("nothing saved", QByteArray(), "", "(___)___-____");
        row("ten digits", QByteArray("[courtier]\r\nnom=  Jean Roy \r\ntelephone=5145551234\r\n"),
            "Jean Roy", "(514)555-1234");
        row("partial", QByteArray("[courtier]\r\ntelephone=514_______\r\n"), "", "(514)___-____");
        row("longer value cut", QByteArray("[courtier]\r\ntelephone=514555123499\r\n"), "",
            "(514)555-1234");
        row("blanks", QByteArray("[courtier]\r\ntelephone=\"   \"\r\n"), "", "(___)___-____");
    }
    void savedValuesAreShown()
    {
        QFETCH(QByteArray, settings);
        QFETCH(QString, name);
        QFETCH(QString, phone);
        start(settings);
        // Loaded hidden with the main window, the fields already hold the saved values.
        QVERIFY(!broker()->isVisible());
        QCOMPARE(broker()->txtNom->text(), name);
        QCOMPARE(broker()->mskTelephone->formattedText(), phone);
    }

    void okSavesTrimmedNameAndPartialPhone()
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
        QCOMPARE(broker()->ReadPhoneDigits(), QStringLiteral("418_______"));
    }

    void cancelRestoresTheSavedValues_data()
    {
        QTest::addColumn<int>("how");
        row("Annuler", 0);
        row("Esc", 1);
        row("close box", 2);
    }
    void cancelRestoresTheSavedValues()
    {
        QFETCH(int, how);
        start("[courtier]\r\nnom=Jean Roy\r\ntelephone=5145551234\r\n");
        whileShown([this, how] {
            broker()->txtNom->setText(QStringLiteral("Quelqu'un d'autre"));
            broker()->mskTelephone->setText(QStringLiteral("(999)999-9999"));
            if (how == 0)
                QTest::mouseClick(broker()->cmdCourtier[1], Qt::LeftButton);
            else if (how == 1)
                QTest::keyClick(broker()->txtNom, Qt::Key_Escape);
            else
                broker()->close();
        });
        QVERIFY(!broker()->isVisible());
        QCOMPARE(broker()->txtNom->text(), QStringLiteral("Jean Roy"));
        QCOMPARE(broker()->mskTelephone->formattedText(), QStringLiteral("(514)555-1234"));
        QCOMPARE(program_->setting("courtier", "nom"), QStringLiteral("Jean Roy"));
        QVERIFY(::norvel::test::brokerWindow()); // only ever hidden
    }

    void enterMovesOnThenAccepts()
    {
        start(QByteArray());
        whileShown([this] {
            QTest::keyClicks(broker()->txtNom, QStringLiteral("Luc"));
            QTest::keyClick(broker()->txtNom, Qt::Key_Return);
            QCOMPARE(QApplication::focusWidget(), broker()->mskTelephone);
            QTest::keyClick(broker()->mskTelephone, Qt::Key_Return);
            QCOMPARE(QApplication::focusWidget(), broker()->cmdCourtier[0]);
            QVERIFY(broker()->isVisible());
            QTest::keyClick(broker()->cmdCourtier[0], Qt::Key_Return);
        });
        QCOMPARE(program_->setting("courtier", "nom"), QStringLiteral("Luc"));
    }

    void windowIsCentredOnTheMainWindow()
    {
        start(QByteArray());
        MainWindow *main = program_->window();
        main->setGeometry(40, 30, 700, 500);
        whileShown([this, main] {
            const QRect b = broker()->geometry();
            const QPoint centre(main->x() + main->width() / 2, main->y() + main->height() / 2);
            QVERIFY(qAbs(broker()->x() + broker()->width() / 2 - centre.x()) <= 1);
            QVERIFY(qAbs(broker()->y() + broker()->height() / 2 - centre.y()) <= 1);
            Q_UNUSED(b);
        });
    }
};

QTEST_MAIN(BrokerWindowTest)
#include "test_brokerwindow.moc"
