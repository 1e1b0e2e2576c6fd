// The real dialogs behind the seam: the message box's buttons, icon, text and answer, and the
// file dialog as a file command configures it, answered as the broker would; the toolkit's own
// words in them follow the program's language, and a switch while it runs.
#include "support/datarow.h"
#include "support/programfolder.h"
#include "ui/desktopdialogs.h"
#include "ui/langstring.h"

#include <QPushButton>
#include <QFileDialog>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>
#include <functional>

using namespace norvel;
using namespace norvel::test;

using Answer = Dialogs::Answer;
using Buttons = Dialogs::Buttons;
using Icon = Dialogs::Icon;
Q_DECLARE_METATYPE(Buttons)
Q_DECLARE_METATYPE(Icon)
Q_DECLARE_METATYPE(Answer)

class DesktopDialogsTest : public QObject {
    Q_OBJECT

    DesktopDialogs dialogs_;
    ProgramFolder folder_;

    // Runs `answer` on the modal dialog once it is up.
    template <class W> static void whenShown(const std::function<void(W *)> &answer)
    {
        QTimer::singleShot(0, [answer] {
            if (auto *dialog = qobject_cast<W *>(QApplication::activeModalWidget()))
                answer(dialog);
            else
                whenShown(answer);
        });
    }

private Q_SLOTS:
    void initTestCase() { QApplication::setApplicationName(QStringLiteral("norvel")); }

    void messageBox_data()
    {
        // pressed: a QMessageBox button, or 0 for Esc; standard: the box's buttons
        columns<Buttons, Icon, Answer, int, Answer, int, int>(
            "buttons", "icon", "defaultAnswer", "pressed", "answer", "standard", "boxIcon");
        using B = QMessageBox;
        const int yesNo = B::Yes | B::No;
        row("OK", Buttons::Ok, Icon::Information, Answer::Ok, int(B::Ok), Answer::Ok, int(B::Ok),
            int(B::Information));
        row("Yes/No, Esc is No", Buttons::YesNo, Icon::Question, Answer::No, 0, Answer::No, yesNo,
            int(B::Question));
        row("Yes of three", Buttons::YesNoCancel, Icon::Exclamation, Answer::Yes, int(B::Yes),
            Answer::Yes, yesNo | B::Cancel, int(B::Warning));
        row("Cancel of three", Buttons::YesNoCancel, Icon::Critical, Answer::Cancel, int(B::Cancel),
            Answer::Cancel, yesNo | B::Cancel, int(B::Critical));
        row("no icon", Buttons::YesNo, Icon::None, Answer::Yes, int(B::No), Answer::No, yesNo,
            int(B::NoIcon));
    }
    void messageBox()
    {
        auto [buttons, icon, defaultAnswer, answer, standard, boxIcon] =
            fetch<Buttons, Icon, Answer, Answer, int, int>("buttons", "icon", "defaultAnswer",
                                                           "answer", "standard", "boxIcon");
        QFETCH(int, pressed); // a lambda uses it: a variable, not a binding
        const QMessageBox::StandardButton byAnswer[] = {QMessageBox::Ok, QMessageBox::Yes,
                                                        QMessageBox::No, QMessageBox::Cancel};
        QStringList seen; // text, title, buttons, default button, icon
        whenShown<QMessageBox>([&](QMessageBox *box) {
            seen << box->text() << box->windowTitle() << QString::number(box->standardButtons())
                 << QString::number(box->standardButton(box->defaultButton()))
                 << QString::number(box->icon());
            if (pressed)
                box->button(QMessageBox::StandardButton(pressed))->click();
            else
                QTest::keyClick(box, Qt::Key_Escape);
        });
        QCOMPARE(dialogs_.ask({"Line one\r\nline two", "", icon, buttons, defaultAnswer}), answer);
        QCOMPARE(seen, (QStringList{"Line one\nline two", "norvel", QString::number(standard),
                                    QString::number(byAnswer[int(defaultAnswer)]),
                                    QString::number(boxIcon)}));
    }

    void fileDialog_data()
    {
        columns<bool, bool>("save", "accept");
        row("open, chosen", false, true);
        row("save, chosen", true, true);
        row("cancelled, from no name", false, false);
    }
    void fileDialog()
    {
        QFETCH(bool, save); // lambdas use them: variables, not bindings
        QFETCH(bool, accept);
        QTemporaryDir folder;
        QFile(folder.filePath(QStringLiteral("Roy.NVL"))).open(QIODevice::WriteOnly);
        Dialogs::FileRequest request;
        request.kind = save ? Dialogs::FileRequest::Kind::Save : Dialogs::FileRequest::Kind::Open;
        request.title = QStringLiteral("Ouvrir");
        request.folder = folder.path();
        request.fileName = accept ? QLatin1String(save ? "Gagnon" : "Roy.NVL") : QLatin1String();
        request.filter = QStringLiteral("Illustrations (*.nvl)|*.nvl|Tous|*.*;*.bak");
        request.defaultSuffix = QStringLiteral("NVL");
        request.mustExist = !save;
        request.confirmOverwrite = save;
        request.acceptLabel = save ? QString() : QStringLiteral("Effacer"); // Save keeps its word
        QString acceptWord;
        whenShown<QFileDialog>([&](QFileDialog *dialog) {
            acceptWord = dialog->labelText(QFileDialog::Accept);
            QCOMPARE(dialog->windowTitle(), QStringLiteral("Ouvrir"));
            QCOMPARE(dialog->acceptMode(),
                     save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
            QCOMPARE(dialog->fileMode(), save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
            QCOMPARE(dialog->testOption(QFileDialog::DontConfirmOverwrite), !save);
            QCOMPARE(dialog->nameFilters(),
                     (QStringList{"Illustrations (*.nvl)", "Tous (*.* *.bak)"}));
            QCOMPARE(dialog->defaultSuffix(), QStringLiteral("NVL"));
            QCOMPARE(dialog->directory().absolutePath(), QDir(folder.path()).absolutePath());
            QMetaObject::invokeMethod(dialog, accept ? "accept" : "reject");
        });
        const std::optional<QString> chosen = dialogs_.chooseFile(request);
        QCOMPARE(chosen.has_value(), accept);
        QCOMPARE(acceptWord == QStringLiteral("Effacer"), !save);
        if (accept)
            QCOMPARE(QFileInfo(*chosen).fileName(),
                     save ? QStringLiteral("Gagnon.NVL") : QStringLiteral("Roy.NVL"));
    }

    void followsTheLanguageFile_data()
    {
        // binding: one the toolkit lacks: from the language file
        columns<QString, QStringList, QString, QString>("file", "buttons", "lookIn", "binding");
        // In this order: each row switches from the language of the row before.
        const QStringList french{"&Non", "&Oui", "Annuler"}, english{"&No", "&Yes", "Cancel"};
        const QString longSide = QString::fromUtf8("Reliure côté long");
        row("French", "French.lng", french, "Voir dans :", longSide);
        row("English", "English.lng", english, "Look in:", "Long side binding");
        row("French again", "French.lng", french, "Voir dans :", longSide);
        // A locale the toolkit has no words for falls back to its English, silently; the
        // language file still gives its own.
        row("no translation", "Swahili.lng", english, "Look in:", longSide);
    }
    void followsTheLanguageFile()
    {
        auto [file, buttons, lookIn, binding] =
            fetch<QString, QStringList, QString, QString>("file", "buttons", "lookIn", "binding");
        const QString french = folder_.file(QStringLiteral("Data/French.lng"));
        folder_.writeFile(QStringLiteral("Data/Swahili.lng"),
                          bytesOf(french).replace("Locale=fr_CA", "Locale=sw_KE"));
        SetLanguageFile(folder_.file(QStringLiteral("Data/") + file));

        // The words the message box and the file dialog take from the toolkit.
        QCOMPARE((QStringList{QCoreApplication::translate("QPlatformTheme", "&No"),
                              QCoreApplication::translate("QPlatformTheme", "&Yes"),
                              QCoreApplication::translate("QPlatformTheme", "Cancel")}),
                 buttons);
        QCOMPARE(QCoreApplication::translate("QFileDialog", "Look in:"), lookIn);
        QCOMPARE(QCoreApplication::translate("QPrintSettingsOutput", "Long side binding"), binding);
    }
};

QTEST_MAIN(DesktopDialogsTest)
#include "test_desktopdialogs.moc"
