#include "ui/livepremiumline.h"

#include "base/clock.h"
#include "base/profile.h"
#include "domain/livepremiums.h"
#include "domain/quote.h"
#include "domain/report.h"
#include "ui/programcontext.h"
#include "ui/quotecommand.h"
#include "ui/quoteform.h"
#include "ui/settingswriter.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QLineEdit>

namespace norvel {

namespace {

const QString kSection = QStringLiteral("systeme");
const QString kKey = QStringLiteral("primesdirect");

} // namespace

LivePremiumLine::LivePremiumLine(QuoteForm *form, QWidget *parent)
    : QLabel(parent)
    , form_(form)
{
    setObjectName(QStringLiteral("lblPrimesDirect"));
    setWordWrap(true);
    setTextFormat(Qt::PlainText);
    setFocusPolicy(Qt::NoFocus);
    // Room for the longest line, so that the form keeps its layout whatever the line says.
    setFixedHeight(3 * fontMetrics().lineSpacing() + 4);
    setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    // A name of its own keeps the label from telling every new text at once.
    setAccessibleName(QStringLiteral(" "));
    pending_.setSingleShot(true);
    pending_.setInterval(0);
    settle_.setSingleShot(true);
    settle_.setInterval(kSettleMilliseconds);
    connect(&pending_, &QTimer::timeout, this, &LivePremiumLine::refresh);
    connect(&settle_, &QTimer::timeout, this, &LivePremiumLine::announce);
    const auto changed = [this] {
        if (isVisibleTo(parentWidget()))
            pending_.start();
    };
    for (QLineEdit *box : form->findChildren<QLineEdit *>())
        connect(box, &QLineEdit::textChanged, this, changed);
    for (QAbstractButton *button : form->findChildren<QAbstractButton *>())
        if (button->isCheckable())
            connect(button, &QAbstractButton::toggled, this, changed);
    setVisible(shownBySettings());
}

void LivePremiumLine::refresh()
{
    pending_.stop();
    const ProgramContext &state = programContext();
    const QString line =
        livePremiumLine(priceEntries(form_->snapshot(), today(), quoteSources()), state.language);
    if (line == text())
        return;
    setText(line);
    settle_.start();
}

void LivePremiumLine::announce()
{
    if (accessibleName() == text())
        return;
    // Sends the name-changed event that screen readers speak.
    setAccessibleName(text());
}

void LivePremiumLine::showEvent(QShowEvent *event)
{
    QLabel::showEvent(event);
    pending_.start(); // the entries may have changed while it was hidden
}

bool LivePremiumLine::shownBySettings()
{
    return ReadSetting(programContext().settingsFilePath, kSection, kKey) != QLatin1String("0");
}

void LivePremiumLine::keepShown(bool shown)
{
    SaveSettings(kSection, {{kKey, QLatin1String(shown ? "1" : "0")}});
}

} // namespace norvel
