#include "ui/formutils.h"

#include "ui/maskededit.h"

#include <QApplication>
#include <QLineEdit>
#include <QPalette>

namespace norvel {

void setEntryColours(QWidget *box, bool enabled, bool greyText)
{
    const QPalette system = QApplication::palette(box);
    QPalette palette = box->palette();
    const QColor back = system.color(QPalette::Active, enabled ? QPalette::Base : QPalette::Button);
    palette.setColor(QPalette::All, QPalette::Base, back);
    if (greyText) {
        const QColor text = enabled ? system.color(QPalette::Active, QPalette::Text)
                                    : system.color(QPalette::Disabled, QPalette::Text);
        palette.setColor(QPalette::All, QPalette::Text, text);
    }
    box->setPalette(palette);
}

void ActiverChamp(bool enabled, QLineEdit *box, const QString &text)
{
    box->setEnabled(enabled);
    box->setText(text);
    setEntryColours(box, enabled);
}

void SelectionnerTout(QLineEdit *box, int start)
{
    box->setSelection(start, int(box->text().size()));
}

void ViderMasque(MaskedEdit *box, const QString &digits)
{
    const bool include = box->promptInclude();
    box->setPromptInclude(false);
    box->setDigits(digits);
    box->setPromptInclude(include);
}

} // namespace norvel
