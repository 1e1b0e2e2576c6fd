#pragma once

#include <QLineEdit>

namespace norvel {

// A masked edit box: digit positions and fixed separators ("##/##/####", "(###)###-####"),
// "_" in the positions not yet typed. It changes (textChanged) whether the broker types or
// code sets it.
class MaskedEdit : public QLineEdit {
    Q_OBJECT
public:
    // The mask uses "#" for a digit position; every other character is a fixed separator.
    MaskedEdit(const QString &mask, QWidget *parent = nullptr);

    // The digits typed, in order, without separators (a complete date has 8).
    QString digits() const;
    // The text with its separators and "_" in every unfilled position ("15/03/____").
    QString formattedText() const;
    // The classic Text: the formatted text when prompts are included, the digits alone
    // otherwise.
    QString maskText() const;
    bool promptInclude() const { return promptInclude_; }
    void setPromptInclude(bool include) { promptInclude_ = include; }
    // Fills the digit positions from the start with the digits given (none: empties the box).
    void setDigits(const QString &digits);
    int positions() const { return int(mask_.count(QLatin1Char('#'))); }

private:
    QString mask_;
    bool promptInclude_ = true;
};

} // namespace norvel
