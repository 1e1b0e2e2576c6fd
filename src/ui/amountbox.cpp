#include "ui/amountbox.h"

#include "domain/amountformat.h"
#include "ui/programcontext.h"

#include <QLineEdit>

namespace norvel {

namespace {
// A box without a limit: Qt reads a maximum length of 0 as "nothing may be typed".
constexpr int kNoLimit = 32767;
} // namespace

void FormaterChamp(QLineEdit *box, const QString &pattern, int maxLength)
{
    const QString text = formatNumberText(programContext().language, box->text(), pattern).trimmed();
    box->setMaxLength(kNoLimit); // Qt would cut the new text to the old limit
    box->setText(text);
    const int limit = maxLength < 0 ? int(text.size()) : maxLength;
    box->setMaxLength(limit == 0 ? kNoLimit : limit);
}

QString FormatCashChamp(QLineEdit *box)
{
    const Language &language = programContext().language;
    FormaterChamp(box, cashPattern(language, ChiffresSeulement(box->text()).size(), false));
    return box->text();
}

} // namespace norvel
