// What the keys typed in the quote form's entry controls do.
#include "base/clock.h"
#include "ui/dialogs.h"
#include "ui/fieldevents.h"
#include "ui/formutils.h"
#include "ui/formvalues.h"
#include "ui/programcontext.h"
#include "ui/quoteform.h"

#include <QApplication>
#include <QKeyEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpressionValidator>

namespace norvel {

namespace {

bool isEnter(const QKeyEvent *event)
{
    return event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
}

bool isSpace(const QKeyEvent *event)
{
    return event->key() == Qt::Key_Space;
}

bool isDigit(const QString &text)
{
    return text.size() == 1 && text.at(0) >= QLatin1Char('0') && text.at(0) <= QLatin1Char('9');
}

// A key that types a character, as opposed to one that moves or edits (Ctrl+X is a command
// whatever text the system gives with it).
bool typesCharacter(const QKeyEvent *event)
{
    return !event->text().isEmpty() && event->text().at(0).isPrint() &&
           !(event->modifiers() & (Qt::ControlModifier | Qt::MetaModifier));
}

// Moves the focus on as the Tab key does.
void sendTab(QWidget *from)
{
    QKeyEvent tab(QEvent::KeyPress, Qt::Key_Tab, Qt::NoModifier);
    QCoreApplication::sendEvent(from, &tab);
}

void beep()
{
    programContext().dialogs->beep();
}

} // namespace

QList<QLineEdit *> FieldEvents::numberBoxes() const
{
    const QuoteForm &f = *form_;
    return {f.txtTerme, f.txtHypotheque, f.txtVersement, f.txtEcheance, f.txtAge, f.txtAgeCo};
}

void FieldEvents::guardNumberBoxes()
{
    // Typing is filtered key by key; a paste, an input method or the middle button brings its
    // text at once, and is refused when anything but digits would get in.
    auto *digits =
        new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*")), this);
    for (QLineEdit *box : numberBoxes()) {
        box->setValidator(digits);
        // Cutting, deleting, undoing and redoing change the number as typing does.
        connect(box, &QLineEdit::textEdited, this, [this, box] { digitAccepted(box); });
    }
}

bool FieldEvents::keyPressed(QWidget *control, QKeyEvent *event)
{
    QuoteForm &f = *form_;
    if (control == f.cmdCotation)
        return false;
    for (QRadioButton **pair : {f.optEcheance, f.optNaisEmp, f.optNaisCo})
        if (control == pair[0] || control == pair[1])
            return optionKey(static_cast<QRadioButton *>(control), event);
    if (isEnter(event)) {
        sendTab(control);
        return true;
    }
    if (control == f.mskEffet && isSpace(event)) {
        ViderMasque(f.mskEffet, today().toString(QStringLiteral("ddMMyyyy")));
        f.mskEffet->setCursorPosition(int(f.mskEffet->displayText().size()));
        f.CalculerDureeAmortissement();
        return true;
    }
    if (control == f.mskEcheance && isSpace(event)) {
        f.EcheanceMaximale();
        f.mskEcheance->setCursorPosition(int(f.mskEcheance->displayText().size()));
        return true;
    }
    for (QLineEdit *box : numberBoxes())
        if (control == box)
            return numberKey(box, event);
    return false;
}

bool FieldEvents::numberKey(QLineEdit *box, QKeyEvent *event)
{
    if (isSpace(event)) {
        spaceShortcut(box);
        return true;
    }
    if (isDigit(event->text()) || event->key() == Qt::Key_Backspace) {
        digitAccepted(box);
        return false;
    }
    return typesCharacter(event);
}

void FieldEvents::spaceShortcut(QLineEdit *box)
{
    QuoteForm &f = *form_;
    const auto usual = [box](const char *value) {
        box->setText(QLatin1String(value));
        box->setCursorPosition(int(box->text().size()));
        beep();
    };
    if (box == f.txtTerme) {
        usual("60");
    } else if (box == f.txtHypotheque) {
        usual("10000");
    } else if (box == f.txtVersement) {
        usual("100");
    } else if (box == f.txtEcheance) {
        f.EcheanceMaximale();
        f.txtEcheance->setCursorPosition(3);
    }
}

void FieldEvents::digitAccepted(QLineEdit *box)
{
    QuoteForm &f = *form_;
    // A number typed replaces the date it would otherwise be derived from.
    if (box == f.txtEcheance) {
        form_->markModified();
        if (!f.mskEcheance->digits().isEmpty())
            ViderMasque(f.mskEcheance);
    } else if (box == f.txtAge) {
        form_->markModified();
        if (!f.mskDateEmp->digits().isEmpty())
            ViderMasque(f.mskDateEmp);
    } else if (box == f.txtAgeCo) {
        form_->markModified();
        if (!f.mskDateCo->digits().isEmpty() && !ownEnabled(f.mskDateCo))
            ViderMasque(f.mskDateCo);
    }
}

bool FieldEvents::optionKey(QRadioButton *option, QKeyEvent *event)
{
    if (isEnter(event)) {
        startEntry(option, QString());
        return true;
    }
    if (isDigit(event->text())) {
        startEntry(option, event->text());
        return true;
    }
    return typesCharacter(event);
}

void FieldEvents::startEntry(QRadioButton *option, const QString &digit)
{
    QuoteForm &f = *form_;
    QRadioButton **pair = f.optNaisEmp;
    MaskedEdit *date = f.mskDateEmp;
    QLineEdit *number = f.txtAge;
    if (option == f.optEcheance[0] || option == f.optEcheance[1]) {
        pair = f.optEcheance;
        date = f.mskEcheance;
        number = f.txtEcheance;
    } else if (option == f.optNaisCo[0] || option == f.optNaisCo[1]) {
        pair = f.optNaisCo;
        date = f.mskDateCo;
        number = f.txtAgeCo;
    }
    QLineEdit *target = option == pair[0] ? static_cast<QLineEdit *>(date) : number;

    // Enter moves on as Tab does, to a box whose content typing replaces; only a digit
    // starts the entry itself, and the box then keeps the caret after it.
    if (!digit.isEmpty()) {
        target->setProperty(kStartedByKey, true);
        ViderMasque(date);
        number->clear();
        if (target == date)
            ViderMasque(date, digit);
        else
            number->setText(digit);
        target->setCursorPosition(1);
    }
    sendTab(option);
    // The marker is meant for this one arrival only.
    if (QApplication::focusWidget() != target)
        target->setProperty(kStartedByKey, false);
}

} // namespace norvel
