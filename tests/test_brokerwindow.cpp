// The broker's name and telephone: what is shown, what is saved, and what Cancel restores.
#include "support/brokershown.h"
#include "support/program.h"
#include "support/running.h"
#include "support/windows.h"
#include "ui/brokerwindow.h"
#include "ui/mainwindow.h"
#include "ui/maskededit.h"
#include "ui/programcontext.h"

#include <QTimer>

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

    // Loaded hidden with the main window, the fields already hold the saved values.
    void savedValuesAreShown()
    {
        start("[courtier]\r\nnom=  Jean Roy \r\ntelephone=514555123499\r\n");
        QVERIFY(!broker()->isVisible());
        QCOMPARE(broker()->txtNom->text(), QStringLiteral("Jean Roy"));
        QCOMPARE(broker()->mskTelephone->formattedText(), QStringLiteral("(514)555-1234"));
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

    void cancelRestoresTheSavedValues()
    {
        start("[courtier]\r\nnom=Jean Roy\r\ntelephone=5145551234\r\n");
        whileShown([this] {
            broker()->txtNom->setText(QStringLiteral("Quelqu'un d'autre"));
            broker()->mskTelephone->setText(QStringLiteral("(999)999-9999"));
            QTest::keyClick(broker()->txtNom, Qt::Key_Escape);
        });
        QVERIFY(!broker()->isVisible());
        QCOMPARE(broker()->txtNom->text(), QStringLiteral("Jean Roy"));
        QCOMPARE(broker()->mskTelephone->formattedText(), QStringLiteral("(514)555-1234"));
        QCOMPARE(program_->setting("courtier", "nom"), QStringLiteral("Jean Roy"));
        QVERIFY(::norvel::test::brokerWindow()); // only ever hidden
    }
};

QTEST_MAIN(BrokerWindowTest)
#include "test_brokerwindow.moc"
