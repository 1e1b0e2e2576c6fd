// Text lookup in the current language file, the paths stored in the settings, and the
// translation walk over real widgets (the report's sections are walked in test_quotecommand).
#include "base/paths.h"
#include "domain/language.h"
#include "domain/translation.h"
#include "support/datarow.h"
#include "support/programfolder.h"
#include "ui/langstring.h"
#include "ui/objectnode.h"
#include "ui/pendingpicture.h"
#include "ui/programcontext.h"
#include "ui/scripteddialogs.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QGroupBox>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

using namespace norvel;
using namespace norvel::test;

// A widget that holds a picture, as the main window and the splash window do.
class PictureBox : public QLabel {
    Q_OBJECT
public:
    using QLabel::QLabel;
    Q_INVOKABLE void setPicture(const QImage &image) { picture = image; }
    QImage picture;
};

// A control of a form, named as in its design.
template <class T, class... Args> T *named(const char *name, Args &&...args)
{
    auto *control = new T(std::forward<Args>(args)...);
    control->setObjectName(QLatin1String(name));
    return control;
}

class LanguageTest : public QObject {
    Q_OBJECT

    QTemporaryDir dir_;
    ScriptedDialogs dialogs_;

    QString writeLanguage(const QString &name, const QByteArray &content)
    {
        return writeBytes(dir_.filePath(name), content) ? dir_.filePath(name) : QString();
    }

    void useLanguage(const QByteArray &content)
    {
        programContext().language = Language(writeLanguage(QStringLiteral("test.lng"), content));
    }

private Q_SLOTS:
    void init()
    {
        resetProgramContext();
        programContext().programDir = dir_.path();
        dialogs_.messages.clear();
        programContext().dialogs = &dialogs_;
    }

    void lookup_data()
    {
        columns<QByteArray, QString>("value", "expected");
        row("plain", QByteArray("Norvel"), "Norvel");
        row("one character reads empty", QByteArray("F"), "");
        row("escapes", QByteArray("a\\sb\\nc"), "a b\r\nc");
        row("blanks around dropped", QByteArray("   Aide   "), "Aide");
        row("cut at 254 before escapes", (QByteArray(253, 'a') + "\\n"),
            (QString(253, QLatin1Char('a')) + QLatin1Char('\\')));
    }
    void lookup()
    {
        auto [value, expected] = fetch<QByteArray, QString>("value", "expected");
        const Language language(
            writeLanguage(QStringLiteral("t.lng"), "[modCotalmira-Msg]\r\nKey=" + value + "\r\n"));
        QCOMPARE(language.text(QStringLiteral("modCotalmira-Msg"), QStringLiteral("Key")),
                 expected);
    }

    void namesWithoutCaseAndChangesOnDiskAtOnce()
    {
        QCOMPARE(Language().text(QStringLiteral("a"), QStringLiteral("k")), QString()); // no file
        const Language live(
            writeLanguage(QStringLiteral("live.lng"), "[frmMDI]\r\nfrmMDI-Caption=one\r\n"));
        QCOMPARE(live.text(QStringLiteral("FRMMDI"), QStringLiteral("FrmMdi-caption")),
                 QStringLiteral("one"));
        writeLanguage(QStringLiteral("live.lng"), "[frmMDI]\r\nfrmMDI-Caption=two\r\n");
        QCOMPARE(live.text(QStringLiteral("frmMDI"), QStringLiteral("frmMDI-Caption")),
                 QStringLiteral("two"));
        // A held language keeps what it read; the live one, and its locale, follow the file.
        const Language held = live.held();
        QCOMPARE(live.locale().name(), QLocale().name());
        writeLanguage(QStringLiteral("live.lng"),
                      "[frmMDI]\r\nfrmMDI-Caption=three\r\n[modCotalmira-Val]\r\nLocale=fr_CA\r\n");
        QCOMPARE(held.text(QStringLiteral("frmMDI"), QStringLiteral("frmMDI-Caption")),
                 QStringLiteral("two"));
        QCOMPARE(live.locale().name(), QStringLiteral("fr_CA"));
        writeLanguage(QStringLiteral("live.lng"), "[modCotalmira-Val]\r\nLocale=en_CA\r\n");
        QCOMPARE(live.locale().name(), QStringLiteral("en_CA"));
    }

    void missingFileIsReportedAndOldOneKept()
    {
        const QString good = writeLanguage(QStringLiteral("good.lng"), "[a]\r\nk=ok\r\n");
        SetLanguageFile(good);
        QCOMPARE(programContext().language.path(), good);
        QVERIFY(dialogs_.messages.isEmpty());

        const QString missing = dir_.filePath(QStringLiteral("Data/English.lng"));
        SetLanguageFile(missing);
        QCOMPARE(programContext().language.path(), good);
        QCOMPARE(dialogs_.messages.size(), 1);
        QCOMPARE(dialogs_.messages.at(0).text, missing + QStringLiteral(" not found"));
        QCOMPARE(dialogs_.messages.at(0).title, QString());
        QCOMPARE(dialogs_.messages.at(0).icon, Dialogs::Icon::Critical);
        QCOMPARE(GetLangString(QStringLiteral("a"), QStringLiteral("k")), QStringLiteral("ok"));
        QVERIFY(FileExists(good));
        QVERIFY(!FileExists(dir_.path())); // a folder is no file
    }

    void resolvePath_data()
    {
        columns<QString, QString, QString>("path", "base", "expected");
        row("dot", ".\\Data\\French.lng", "/opt/norvel", "/opt/norvel/Data/French.lng");
        row("one up", "..\\Data\\x.jpg", "/opt/norvel/bin", "/opt/norvel/Data/x.jpg");
        row("more up than the base has", "..\\..\\..\\..\\x.jpg", "/a/b", "x.jpg");
        row("absolute unchanged", "/usr/share/x.lng", "/opt/norvel", "/usr/share/x.lng");
    }
    void resolvePath()
    {
        auto [path, base, expected] = fetch<QString, QString, QString>("path", "base", "expected");
        QCOMPARE(ResolvePath(path, base), QDir::toNativeSeparators(expected));
    }

    void translatesEveryKindOfControl()
    {
        QWidget form;
        form.setObjectName(QStringLiteral("frmTest"));
        markAsForm(&form);
        form.setWindowTitle(QStringLiteral("design"));
        const QString design = QStringLiteral("design");
        auto *label = named<QLabel>("lblNom", design, &form);
        auto *frame = named<QGroupBox>("fraCourtier", design, &form);
        auto *edit = named<QLineEdit>("txtNom", design, frame);
        QPushButton *buttons[2];
        for (int i = 0; i < 2; ++i) {
            buttons[i] = named<QPushButton>("cmdCourtier", design, frame);
            buttons[i]->setProperty("Index", i);
        }
        auto *check = named<QCheckBox>("chkCoemprunteur", design, &form);
        auto *combo = named<QComboBox>("cboChoix", &form);
        combo->addItems({QStringLiteral("d0"), QStringLiteral("d1"), QStringLiteral("d2")});
        auto *action = named<QAction>("indQuitter", design, &form);
        auto *untouched = named<QLabel>("lblSansCle", design, &form);

        useLanguage("[frmTest]\r\n"
                    "frmTest-Caption=Titre\r\n"
                    "lblNom-Caption=Nom :\r\n"
                    "lblNom-ToolTipText=Le nom\\sdu client\r\n"
                    "fraCourtier-Caption=Repr\xe9sentant\r\n"
                    "txtNom-Text=Texte\r\n"
                    "txtNom-AccessibleName=Nom du client\r\n"
                    "cmdCourtier(0)-Caption=&OK\r\n"
                    "cmdCourtier(1)-Caption=&Annuler\r\n"
                    "cmdCourtier-Caption=never\r\n"
                    "chkCoemprunteur-Caption=Coemprunteur\\nassur\xe9\r\n"
                    "cboChoix-List#0=Un\r\n"
                    "cboChoix-List#1=Deux\r\n"
                    "cboChoix-List#3=Quatre\r\n"
                    "indQuitter-Caption=&Quitter\r\n"
                    "lblSansCle-Caption=x\r\n");
        TranslateForm(static_cast<QObject *>(&form));

        QCOMPARE(form.windowTitle(), QStringLiteral("Titre"));
        QCOMPARE(label->text(), QStringLiteral("Nom :"));
        QCOMPARE(label->toolTip(), QStringLiteral("Le nom du client"));
        QCOMPARE(frame->title(), QString::fromUtf8("Représentant"));
        QCOMPARE(edit->text(), QStringLiteral("Texte"));
        QCOMPARE(edit->accessibleName(), QStringLiteral("Nom du client"));
        QCOMPARE(buttons[0]->text(), QStringLiteral("&OK"));
        QCOMPARE(buttons[1]->text(), QStringLiteral("&Annuler"));
        QCOMPARE(check->text(), QString::fromUtf8("Coemprunteur\nassuré"));
        QCOMPARE(combo->itemText(0), QStringLiteral("Un"));
        QCOMPARE(combo->itemText(1), QStringLiteral("Deux"));
        QCOMPARE(combo->itemText(2), QStringLiteral("d2")); // the chain stops at the first gap
        QCOMPARE(action->text(), QStringLiteral("&Quitter"));
        QCOMPARE(untouched->text(), design); // one character reads empty

        // A key the next language lacks keeps the previous language's text.
        useLanguage("[frmTest]\r\nlblB-Caption=other\r\n");
        TranslateForm(static_cast<QObject *>(&form));
        QCOMPARE(label->text(), QStringLiteral("Nom :"));
    }

    void childFormTranslatesItself()
    {
        QWidget frame;
        frame.setObjectName(QStringLiteral("frmMDI"));
        markAsForm(&frame);
        auto *child = named<QWidget>("frmCotalmira", &frame);
        markAsForm(child);
        auto *label = named<QLabel>("lblEffet", QStringLiteral("design"), child);

        useLanguage("[frmMDI]\r\nlblEffet-Caption=wrong\r\n[frmCotalmira]\r\nlblEffet-Caption=Date "
                    "du pr\xeat :\r\n");
        TranslateForm(static_cast<QObject *>(&frame));
        QCOMPARE(label->text(), QStringLiteral("design"));
        TranslateForm(static_cast<QObject *>(child));
        QCOMPARE(label->text(), QString::fromUtf8("Date du prêt :"));
    }

    void pictureLoadedFromItsTag()
    {
        QImage image(8, 6, QImage::Format_RGB32);
        image.fill(Qt::red);
        QDir(dir_.path()).mkpath(QStringLiteral("Img"));
        QVERIFY(image.save(dir_.filePath(QStringLiteral("Img/picture_en.png"))));

        QWidget form;
        form.setObjectName(QStringLiteral("frmTest"));
        auto *box = named<PictureBox>("Image1", &form);
        useLanguage("[frmTest]\r\nImage1-Picture#Tag=.\\Img\\picture_en.png\r\n");
        TranslateForm(static_cast<QObject *>(&form));
        QCOMPARE(box->property("Tag").toString(), QStringLiteral(".\\Img\\picture_en.png"));
        QCOMPARE(box->picture.size(), QSize(8, 6));

        // A large picture is decoded in place, into a buffer of its own: the same pixels, with
        // or without transparency.
        for (const char *name : {"Img/large.jpg", "Img/large.png"}) {
            QImage large(1200, 800, QImage::Format_ARGB32);
            large.fill(QColor(20, 40, 200, 128));
            for (int y = 0; y < large.height(); ++y)
                large.setPixel(y, y, qRgba(y % 256, 255 - y % 256, 0, 255));
            const QString file = dir_.filePath(QLatin1String(name));
            QVERIFY(large.save(file));
            QCOMPARE(readPicture(file), QImage(file));
        }

        // A picture that cannot be loaded leaves the one shown.
        useLanguage("[frmTest]\r\nImage1-Picture#Tag=.\\Img\\missing.jpg\r\n");
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("missing.jpg")));
        TranslateForm(static_cast<QObject *>(&form));
        QCOMPARE(box->picture.size(), QSize(8, 6));
    }
};

QTEST_MAIN(LanguageTest)
#include "test_language.moc"
