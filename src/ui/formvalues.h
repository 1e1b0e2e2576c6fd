#pragma once

#include "domain/validation.h"
#include "ui/maskededit.h"

#include <QLineEdit>

namespace norvel {

// The control's own enabled state, whatever its frame's.
inline bool ownEnabled(const QWidget *widget)
{
    return !widget->testAttribute(Qt::WA_ForceDisabled);
}

// What the date rules judge of a masked box.
inline MaskedValue maskedValue(const MaskedEdit *box)
{
    return {box->digits(), box->formattedText(), ownEnabled(box)};
}

inline FieldValue fieldValue(const QLineEdit *box)
{
    return {box->text(), ownEnabled(box)};
}

} // namespace norvel
