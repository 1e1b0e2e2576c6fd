// The translation walk over real widgets (the report's sections are walked in test_quotecommand).
#include "domain/translation.h"
#include "support/programfolder.h"
#include "ui/programcontext.h"
#include "ui/objectnode.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
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

class TranslationTest : public QObject {
    Q_OBJECT

    QTemporaryDir dir_;

    void useLanguage(const QByteArray &content)
    {
        const QString path = dir_.filePath(QStringLiteral("test.lng"));
        QVERIFY(writeBytes(path, content));
        programContext().language = Language(path);
    }

private Q_SLOTS:
    void init()
    {
        resetProgramContext();
        programContext().programDir = dir_.path();
    }

    void translatesEveryKindOfControl()
    {
        QWidget form;
        form.setObjectName(QStringLiteral("frmTest"));
        markAsForm(&form);
        form.setWindowTitle(QStringLiteral("design"));
        auto *label = new QLabel(QStringLiteral("design"), &form);
        label->setObjectName(QStringLiteral("lblNom"));
        auto *frame = new QGroupBox(QStringLiteral("design"), &form);
        frame->setObjectName(QStringLiteral("fraCourtier"));
        auto *edit = new QLineEdit(QStringLiteral("design"), frame);
        edit->setObjectName(QStringLiteral("txtNom"));
        QPushButton *buttons[2];
        for (int i = 0; i < 2; ++i) {
            buttons[i] = new QPushButton(QStringLiteral("design"), frame);
            buttons[i]->setObjectName(QStringLiteral("cmdCourtier"));
            buttons[i]->setProperty("Index", i);
        }
        auto *check = new QCheckBox(QStringLiteral("design"), &form);
        check->setObjectName(QStringLiteral("chkCoemprunteur"));
        auto *combo = new QComboBox(&form);
        combo->setObjectName(QStringLiteral("cboChoix"));
        combo->addItems({QStringLiteral("d0"), QStringLiteral("d1"), QStringLiteral("d2")});
        auto *action = new QAction(QStringLiteral("design"), &form);
        action->setObjectName(QStringLiteral("indQuitter"));
        auto *untouched = new QLabel(QStringLiteral("design"), &form);
        untouched->setObjectName(QStringLiteral("lblSansCle"));

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
        QCOMPARE(untouched->text(), QStringLiteral("design")); // one character reads empty
    }

    void childFormTranslatesItself()
    {
        QWidget frame;
        frame.setObjectName(QStringLiteral("frmMDI"));
        markAsForm(&frame);
        auto *child = new QWidget(&frame);
        child->setObjectName(QStringLiteral("frmCotalmira"));
        markAsForm(child);
        auto *label = new QLabel(QStringLiteral("design"), child);
        label->setObjectName(QStringLiteral("lblEffet"));

        useLanguage("[frmMDI]\r\nlblEffet-Caption=wrong\r\n[frmCotalmira]\r\nlblEffet-Caption=Date "
                    "du pr\xeat :\r\n");
        TranslateForm(static_cast<QObject *>(&frame));
        QCOMPARE(label->text(), QStringLiteral("design"));
        TranslateForm(static_cast<QObject *>(child));
        QCOMPARE(label->text(), QString::fromUtf8("Date du prêt :"));
    }

    void missingKeyKeepsThePreviousLanguage()
    {
        QWidget form;
        form.setObjectName(QStringLiteral("frmTest"));
        auto *label = new QLabel(QStringLiteral("design"), &form);
        label->setObjectName(QStringLiteral("lblA"));
        useLanguage("[frmTest]\r\nlblA-Caption=French text\r\n");
        TranslateForm(static_cast<QObject *>(&form));
        useLanguage("[frmTest]\r\nlblB-Caption=other\r\n");
        TranslateForm(static_cast<QObject *>(&form));
        QCOMPARE(label->text(), QStringLiteral("French text"));
    }

    void pictureLoadedFromItsTag()
    {
        QImage image(8, 6, QImage::Format_RGB32);
        image.fill(Qt::red);
        QDir(dir_.path()).mkpath(QStringLiteral("Img"));
        QVERIFY(image.save(dir_.filePath(QStringLiteral("Img/picture_en.png"))));

        QWidget form;
        form.setObjectName(QStringLiteral("frmTest"));
        auto *box = new PictureBox(&form);
        box->setObjectName(QStringLiteral("Image1"));
        useLanguage("[frmTest]\r\nImage1-Picture#Tag=.\\Img\\picture_en.png\r\n");
        TranslateForm(static_cast<QObject *>(&form));
        QCOMPARE(box->property("Tag").toString(), QStringLiteral(".\\Img\\picture_en.png"));
        QCOMPARE(box->picture.size(), QSize(8, 6));

        // A picture that cannot be loaded leaves the one shown.
        useLanguage("[frmTest]\r\nImage1-Picture#Tag=.\\Img\\missing.jpg\r\n");
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("missing.jpg")));
        TranslateForm(static_cast<QObject *>(&form));
        QCOMPARE(box->picture.size(), QSize(8, 6));
    }
};

QTEST_MAIN(TranslationTest)
#include "test_translation.moc"
#include "domain/language.h"
