#pragma once

#include <QObject>
#include <QPointer>

class QFocusEvent;
class QKeyEvent;
class QLineEdit;
class QRadioButton;
class QWidget;

namespace norvel {

class MaskedEdit;
class QuoteForm;

// Set on an entry box when a digit typed on its option starts the entry: its next arrival
// keeps the caret after that digit instead of selecting the whole content.
inline constexpr char kStartedByKey[] = "startedByKey";

// The reactions of the quote form's entry controls to the focus and to the keyboard: the help
// line and the selection on arrival, the key filters and space-bar shortcuts, Enter moving on,
// and the warning given on leaving a field for another one. Leaving the whole window (another
// application, a menu, a dialog, the form closing) is not leaving the field: the broker comes
// back to it as it was, and is warned only on moving to another field.
class FieldEvents : public QObject {
    Q_OBJECT
public:
    explicit FieldEvents(QuoteForm *form);

    // True while this text, given on leaving a field, is still to be shown or on screen.
    bool warns(const QString &text) const { return !text.isEmpty() && text == warning_; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void focusGained(QWidget *control, QFocusEvent *event);
    void focusLost(QWidget *control, QFocusEvent *event);
    void arrive(QWidget *control);
    void leave(QWidget *control);
    void warn(QWidget *control);

    // The boxes that hold a number and take digits only, whatever the way they change.
    QList<QLineEdit *> numberBoxes() const;
    void guardNumberBoxes();
    // Each returns true when the key is swallowed.
    bool keyPressed(QWidget *control, QKeyEvent *event);
    bool numberKey(QLineEdit *box, QKeyEvent *event);
    bool optionKey(QRadioButton *option, QKeyEvent *event);
    void spaceShortcut(QLineEdit *box);
    void digitAccepted(QLineEdit *box);
    void startEntry(QRadioButton *option, const QString &digit);

    QuoteForm *form_;
    // The field the focus went out of the window from: coming back to it is no arrival, and
    // moving on from the window to another field is its leaving.
    QPointer<QWidget> awayFrom_;
    // Where an entry box's caret stood before the box placed its own on arrival.
    int caretBefore_ = 0;
    QString warning_;
};

} // namespace norvel
