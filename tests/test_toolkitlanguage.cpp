// The toolkit's own words (standard buttons, the file dialogs) follow the program's language,
// through the real dialog seam, and follow a switch while the program runs.
#include "support/datarow.h"
#include "support/programfolder.h"
#include "ui/desktopdialogs.h"
#include "ui/langstring.h"

#include <QAbstractButton>
#include <QApplication>
#include <QFileDialog>
#include <QLabel>
#include <QMessageBox>
#include <QTimer>
#include <QtTest>

using namespace norvel;
using namespace norvel::test;

namespace {

// Reads the next modal dialog the program shows, then dismisses it.
template <class Dialog, class Read> void readWhenShown(Read read)
{
    QTimer::singleShot(0, [read] {
        if (auto *dialog = qobject_cast<Dialog *>(QApplication::activeModalWidget())) {
            read(*dialog);
            dialog->reject();
        }
    });
}

} // namespace

class ToolkitLanguageTest : public QObject {
    Q_OBJECT

    ProgramFolder folder_;

private Q_SLOTS:
    void followsTheLanguageFile_data()
    {
        // binding: one the toolkit lacks: from the language file
        columns<QString, QStringList, QString, QString>("file", "buttons", "lookIn", "binding");
        // In this order: each row switches from the language of the row before.
        const QStringList french{QStringLiteral("&Non"), QStringLiteral("&Oui"),
                                 QStringLiteral("Annuler")};
        const QStringList english{QStringLiteral("&No"), QStringLiteral("&Yes"),
                                  QStringLiteral("Cancel")};
        const QString longSide = QStringLiteral("Reliure côté long");
        row("French", QStringLiteral("French.lng"), french, QStringLiteral("Voir dans :"),
            longSide);
        row("English", QStringLiteral("English.lng"), english, QStringLiteral("Look in:"),
            QStringLiteral("Long side binding"));
        row("French again", QStringLiteral("French.lng"), french, QStringLiteral("Voir dans :"),
            longSide);
        // A locale the toolkit has no words for falls back to its English, silently; the
        // language file still gives its own.
        row("no translation", QStringLiteral("Swahili.lng"), english, QStringLiteral("Look in:"),
            longSide);
    }
    void followsTheLanguageFile()
    {
        auto [file, buttons, lookIn, binding] =
            fetch<QString, QStringList, QString, QString>("file", "buttons", "lookIn", "binding");
        const QString french = folder_.file(QStringLiteral("Data/French.lng"));
        folder_.writeFile(QStringLiteral("Data/Swahili.lng"),
                          bytesOf(french).replace("Locale=fr_CA", "Locale=sw_KE"));
        SetLanguageFile(folder_.file(QStringLiteral("Data/") + file));

        DesktopDialogs dialogs;
        QStringList shown;
        readWhenShown<QMessageBox>([&shown](QMessageBox &box) {
            for (const QAbstractButton *button : box.buttons())
                shown << button->text();
        });
        dialogs.ask({QStringLiteral("?"), QString(), Dialogs::Icon::Question,
                     Dialogs::Buttons::YesNoCancel, Dialogs::Answer::Yes});
        shown.sort();
        QCOMPARE(shown, buttons);

        QString label;
        readWhenShown<QFileDialog>([&label](QFileDialog &dialog) {
            if (const auto *look = dialog.findChild<QLabel *>(QStringLiteral("lookInLabel")))
                label = look->text();
        });
        Dialogs::FileRequest request;
        request.folder = folder_.path();
        request.filter = QStringLiteral("Illustrations (*.nvl)|*.nvl");
        QVERIFY(!dialogs.chooseFile(request));
        QCOMPARE(label, lookIn);
        QCOMPARE(QCoreApplication::translate("QPrintSettingsOutput", "Long side binding"), binding);
    }
};

QTEST_MAIN(ToolkitLanguageTest)
#include "test_toolkitlanguage.moc"
