#include "ui/fieldevents.h"

#include "base/clock.h"
#include "base/vbnumber.h"
#include "domain/amountformat.h"
#include "domain/fieldhelp.h"
#include "domain/leavingwarnings.h"
#include "ui/amountbox.h"
#include "ui/dialogs.h"
#include "ui/formvalues.h"
#include "ui/programcontext.h"
#include "ui/quoteform.h"

#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QFocusEvent>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>

namespace norvel {

namespace {

// The focus left with the whole window or comes back with it, not from one field to another.
bool isWindowReason(Qt::FocusReason reason)
{
    return reason == Qt::ActiveWindowFocusReason || reason == Qt::PopupFocusReason ||
           reason == Qt::MenuBarFocusReason;
}

void selectWhole(QLineEdit *box)
{
    // A masked box's Text leaves out the blanks still to type; the selection covers them too.
    box->setSelection(0, int(box->displayText().size()));
}

} // namespace

FieldEvents::FieldEvents(QuoteForm *form)
    : QObject(form)
    , form_(form)
{
    QuoteForm &f = *form;
    const QList<QWidget *> controls = {
        f.mskEffet,       f.txtTerme,      f.txtHypotheque, f.txtVersement,    f.optEcheance[0],
        f.optEcheance[1], f.mskEcheance,   f.txtEcheance,   f.txtPrenom,       f.txtNom,
        f.optNaisEmp[0],  f.optNaisEmp[1], f.mskDateEmp,    f.txtAge,          f.optSexe[0],
        f.optSexe[1],     f.optFumeur[0],  f.optFumeur[1],  f.chkCoemprunteur, f.txtPrenomCo,
        f.txtNomCo,       f.optNaisCo[0],  f.optNaisCo[1],  f.mskDateCo,       f.txtAgeCo,
        f.optSexeCo[0],   f.optSexeCo[1],  f.optFumCo[0],   f.optFumCo[1],     f.cmdCotation};
    for (QWidget *control : controls)
        control->installEventFilter(this);
    guardNumberBoxes();
}

bool FieldEvents::eventFilter(QObject *watched, QEvent *event)
{
    auto *control = static_cast<QWidget *>(watched);
    switch (event->type()) {
    case QEvent::FocusIn:
        if (auto *box = qobject_cast<QLineEdit *>(control))
            caretBefore_ = box->cursorPosition();
        // The control first places its own caret; the form's choice then holds.
        watched->event(event);
        focusGained(control, static_cast<QFocusEvent *>(event));
        return true;
    case QEvent::FocusOut:
        watched->event(event);
        focusLost(control, static_cast<QFocusEvent *>(event));
        return true;
    case QEvent::KeyPress:
        return keyPressed(control, static_cast<QKeyEvent *>(event));
    case QEvent::DragEnter:
    case QEvent::DragMove:
    case QEvent::Drop:
        // A drop lands wherever the pointer is, even in a box that shows "---" or a grouped
        // amount: number boxes take none.
        if (!numberBoxes().contains(qobject_cast<QLineEdit *>(control)))
            return false;
        event->ignore();
        return true;
    default:
        return false;
    }
}

void FieldEvents::focusGained(QWidget *control, QFocusEvent *event)
{
    // Tab stops at the chosen option of a pair, as the broker expects.
    auto *option = qobject_cast<QRadioButton *>(control);
    if (option && !option->isChecked() && option->group() && !isWindowReason(event->reason())) {
        QAbstractButton *chosen = option->group()->checkedButton();
        if (chosen && chosen->isEnabled() &&
            (event->reason() == Qt::TabFocusReason || event->reason() == Qt::BacktabFocusReason)) {
            chosen->setFocus(event->reason());
            return;
        }
    }

    QWidget *away = awayFrom_;
    awayFrom_ = nullptr;
    if (away == control) {
        // Back from another window: the field is as the broker left it.
        form_->lblDescription->setText(fieldHelp(programContext().language, control->objectName()));
        return;
    }
    if (away)
        leave(away);
    arrive(control);
}

void FieldEvents::focusLost(QWidget *control, QFocusEvent *event)
{
    QWidget *next = QApplication::focusWidget();
    if (isWindowReason(event->reason()) || !next || !form_->isAncestorOf(next)) {
        awayFrom_ = control;
        return;
    }
    leave(control);
}

void FieldEvents::arrive(QWidget *control)
{
    form_->lblDescription->setText(fieldHelp(programContext().language, control->objectName()));
    auto *box = qobject_cast<QLineEdit *>(control);
    if (!box)
        return;
    if (box == form_->txtHypotheque || box == form_->txtVersement) {
        // The amount is typed as plain digits, as many as it may hold.
        const bool loan = box == form_->txtHypotheque;
        box->setText(ChiffresSeulement(box->text()));
        FormaterChamp(box, loan ? QStringLiteral("######") : QStringLiteral("####"), loan ? 6 : 4);
        selectWhole(box);
        return;
    }
    if (box->property(kStartedByKey).toBool()) {
        box->setProperty(kStartedByKey, false);
        box->setCursorPosition(caretBefore_);
    } else {
        selectWhole(box);
    }
    if ((box == form_->txtAge || box == form_->txtAgeCo) && !isNumeric(box->text()))
        box->clear();
}

void FieldEvents::leave(QWidget *control)
{
    if (control == form_->txtHypotheque || control == form_->txtVersement) {
        FormatCashChamp(static_cast<QLineEdit *>(control));
        return;
    }
    warn(control);
}

void FieldEvents::warn(QWidget *control)
{
    QuoteForm &f = *form_;
    LeavingWarning warning;
    if (control == f.mskEffet)
        warning = loanDateWarning(maskedValue(f.mskEffet), today());
    else if (control == f.txtTerme)
        warning = termWarning(f.txtTerme->text());
    else if (control == f.mskEcheance)
        warning = endOfTermWarning(maskedValue(f.mskEcheance), f.txtEcheance->text());
    else if (control == f.txtEcheance)
        warning = amortizationWarning(f.txtEcheance->text());
    else if (control == f.mskDateEmp)
        warning = birthDateWarning(maskedValue(f.mskDateEmp), f.txtAge->text(), false);
    else if (control == f.txtAge)
        warning = ageWarning(f.txtAge->text(), false);
    else if (control == f.mskDateCo)
        warning = birthDateWarning(maskedValue(f.mskDateCo), f.txtAgeCo->text(), true);
    else if (control == f.txtAgeCo && ownEnabled(f.txtAgeCo))
        warning = ageWarning(f.txtAgeCo->text(), true);
    if (!warning)
        return;
    // Shown once the focus has settled in the next field, never in the middle of the move.
    warning_ = validationMessage(*warning, programContext().language);
    QMetaObject::invokeMethod(
        this,
        [this, text = warning_] {
            ProgramContext &state = programContext();
            state.dialogs->tell(text, state.appTitle, Dialogs::Icon::Exclamation);
            if (warning_ == text)
                warning_.clear();
        },
        Qt::QueuedConnection);
}

} // namespace norvel
