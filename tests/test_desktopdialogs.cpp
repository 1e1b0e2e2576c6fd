// The real dialogs behind the seam: the message box's buttons, icon, text and answer, and the
// file dialog as a file command configures it, answered as the broker would.
#include "support/datarow.h"
#include "ui/desktopdialogs.h"

#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>
#include <functional>

using namespace norvel;
using namespace norvel::test;

using Answer = Dialogs::Answer;
using Buttons = Dialogs::Buttons;
using Icon = Dialogs::Icon;

namespace {

// Runs `answer` on the modal dialog once it is up.
template <class W> void whenShown(const std::function<void(W *)> &answer)
{
    QTimer::singleShot(0, [answer] {
        if (auto *dialog = qobject_cast<W *>(QApplication::activeModalWidget()))
            answer(dialog);
        else
            whenShown(answer);
    });
}

} // namespace

class DesktopDialogsTest : public QObject {
    Q_OBJECT

    DesktopDialogs dialogs_;

private Q_SLOTS:
    void initTestCase() { QApplication::setApplicationName(QStringLiteral("norvel")); }

    void messageBox_data()
    {
        QTest::addColumn<int>("buttons");
        QTest::addColumn<int>("icon");
        QTest::addColumn<int>("defaultAnswer");
        QTest::addColumn<int>("pressed"); // a QMessageBox button, or 0 for Esc
        QTest::addColumn<int>("answer");
        QTest::addColumn<QStringList>("shown"); // the buttons' texts, in the box's order
        QTest::addColumn<int>("boxIcon");
        const auto b = [](Buttons x) { return int(x); };
        const auto i = [](Icon x) { return int(x); };
        const auto a = [](Answer x) { return int(x); };
        row("OK", b(Buttons::Ok), i(Icon::Information), a(Answer::Ok), int(QMessageBox::Ok),
            a(Answer::Ok), QStringList{"OK"}, int(QMessageBox::Information));
        row("Yes/No, Esc is No", b(Buttons::YesNo), i(Icon::Question), a(Answer::No), 0,
            a(Answer::No), QStringList{"&Yes", "&No"}, int(QMessageBox::Question));
        row("Yes of three", b(Buttons::YesNoCancel), i(Icon::Exclamation), a(Answer::Yes),
            int(QMessageBox::Yes), a(Answer::Yes), QStringList{"&Yes", "&No", "Cancel"},
            int(QMessageBox::Warning));
        row("Cancel of three", b(Buttons::YesNoCancel), i(Icon::Critical), a(Answer::Cancel),
            int(QMessageBox::Cancel), a(Answer::Cancel), QStringList{"&Yes", "&No", "Cancel"},
            int(QMessageBox::Critical));
        row("no icon", b(Buttons::YesNo), i(Icon::None), a(Answer::Yes), int(QMessageBox::No),
            a(Answer::No), QStringList{"&Yes", "&No"}, int(QMessageBox::NoIcon));
    }
    void messageBox()
    {
        QFETCH(int, buttons);
        QFETCH(int, icon);
        QFETCH(int, defaultAnswer);
        QFETCH(int, pressed);
        QFETCH(int, answer);
        QFETCH(QStringList, shown);
        QFETCH(int, boxIcon);
        const QMessageBox::StandardButton byAnswer[] = {QMessageBox::Ok, QMessageBox::Yes,
                                                        QMessageBox::No, QMessageBox::Cancel};
        QMessageBox *seen = nullptr;
        QString text, title, defaultText;
        QStringList texts;
        whenShown<QMessageBox>([&](QMessageBox *box) {
            seen = box;
            text = box->text();
            title = box->windowTitle();
            defaultText = box->defaultButton() ? box->defaultButton()->text() : QString();
            for (QAbstractButton *button : box->buttons())
                texts << button->text();
            QCOMPARE(int(box->icon()), boxIcon);
            if (pressed)
                box->button(QMessageBox::StandardButton(pressed))->click();
            else
                QTest::keyClick(box, Qt::Key_Escape);
        });
        const Answer got = dialogs_.ask(
            {"Line one\r\nline two", "", Icon(icon), Buttons(buttons), Answer(defaultAnswer)});
        QVERIFY(seen);
        QCOMPARE(int(got), answer);
        QCOMPARE(text, QStringLiteral("Line one\nline two"));
        QCOMPARE(title, QStringLiteral("norvel"));
        texts.sort();
        shown.sort();
        QCOMPARE(texts, shown);
        QCOMPARE(defaultText,
                 QMessageBox().addButton(byAnswer[defaultAnswer])->text());
    }

    void fileDialog_data()
    {
        QTest::addColumn<bool>("save");
        QTest::addColumn<bool>("accept");
        row("open, chosen", false, true);
        row("save, chosen", true, true);
        row("cancelled", false, false);
    }
    void fileDialog()
    {
        QFETCH(bool, save);
        QFETCH(bool, accept);
        QTemporaryDir folder;
        const QString existing = folder.filePath(QStringLiteral("Roy.NVL"));
        QFile(existing).open(QIODevice::WriteOnly);
        Dialogs::FileRequest request;
        request.kind = save ? Dialogs::FileRequest::Kind::Save : Dialogs::FileRequest::Kind::Open;
        request.title = QStringLiteral("Ouvrir");
        request.folder = folder.path();
        request.fileName = save ? QStringLiteral("Gagnon") : QStringLiteral("Roy.NVL");
        request.filter = QStringLiteral("Illustrations (*.nvl)|*.nvl|Tous|*.*;*.bak");
        request.defaultSuffix = QStringLiteral("NVL");
        request.mustExist = !save;
        request.confirmOverwrite = save;
        whenShown<QFileDialog>([&](QFileDialog *dialog) {
            QCOMPARE(dialog->windowTitle(), QStringLiteral("Ouvrir"));
            QCOMPARE(dialog->acceptMode(),
                     save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
            QCOMPARE(dialog->fileMode(), save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
            QCOMPARE(dialog->testOption(QFileDialog::DontConfirmOverwrite), !save);
            QCOMPARE(dialog->nameFilters(), (QStringList{"Illustrations (*.nvl)",
                                                         "Tous (*.* *.bak)"}));
            QCOMPARE(dialog->defaultSuffix(), QStringLiteral("NVL"));
            QCOMPARE(dialog->directory().absolutePath(), QDir(folder.path()).absolutePath());
            QMetaObject::invokeMethod(dialog, accept ? "accept" : "reject");
        });
        const std::optional<QString> chosen = dialogs_.chooseFile(request);
        QCOMPARE(chosen.has_value(), accept);
        if (accept)
            QCOMPARE(QFileInfo(*chosen).fileName(),
                     save ? QStringLiteral("Gagnon.NVL") : QStringLiteral("Roy.NVL"));
    }
};

QTEST_MAIN(DesktopDialogsTest)
#include "test_desktopdialogs.moc"
