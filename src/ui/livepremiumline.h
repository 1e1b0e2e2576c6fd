#pragma once

#include <QLabel>
#include <QTimer>

namespace norvel {

class QuoteForm;

// The premium line under the entries: the monthly premiums of the options while the entries
// make a valid quote, what is missing otherwise. It follows every change of the form, through
// the quote's own validation and pricing, and only reads: no message, no focus, never modified.
// A screen reader hears its text as its name once the figures settle, not at every keystroke.
class LivePremiumLine : public QLabel {
    Q_OBJECT
public:
    LivePremiumLine(QuoteForm *form, QWidget *parent);

    // Prices the entries as they stand now and shows the result.
    void refresh();

    // View > Live premiums, as the settings file keeps it (shown unless turned off).
    static bool shownBySettings();
    static void keepShown(bool shown);

    static constexpr int kSettleMilliseconds = 600;

protected:
    void showEvent(QShowEvent *event) override;

private:
    void announce();

    QuoteForm *form_;
    QTimer pending_; // one refresh for all the changes of a keystroke
    QTimer settle_;  // the screen reader hears the line when typing pauses
};

} // namespace norvel
