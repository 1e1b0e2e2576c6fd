#include "ui/formutils.h"

#include "domain/contrast.h"
#include "ui/maskededit.h"

#include <QApplication>
#include <QLineEdit>
#include <QPalette>

namespace norvel {

namespace {

constexpr char kEnabledLook[] = "entryEnabledLook";
constexpr char kGreyText[] = "entryGreyText";

// The box's own colours follow the desktop's when its palette changes while the program runs.
class EntryColoursFollower : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::ApplicationPaletteChange) {
            auto *box = static_cast<QWidget *>(watched);
            setEntryColours(box, box->property(kEnabledLook).toBool(),
                            box->property(kGreyText).toBool());
        }
        return false;
    }
};

} // namespace

QColor readableText(const QPalette &system, const QColor &background)
{
    // The palette's own text first; a theme that mixes light and dark roles gets black or white.
    for (const QColor &text :
         {system.color(QPalette::Active, QPalette::Text),
          system.color(QPalette::Active, QPalette::WindowText),
          system.color(QPalette::Active, QPalette::ButtonText)})
        if (contrastRatio(text, background) >= kReadableContrast)
            return text;
    return contrastRatio(Qt::black, background) >= contrastRatio(Qt::white, background)
               ? QColor(Qt::black)
               : QColor(Qt::white);
}

void setEntryColours(QWidget *box, bool enabled, bool greyText)
{
    const QPalette system = QApplication::palette(box);
    QPalette palette = box->palette();
    const QColor back = system.color(QPalette::Active, enabled ? QPalette::Base : QPalette::Button);
    palette.setColor(QPalette::All, QPalette::Base, back);
    // The text is fixed with its background, so no theme puts light text on a light box.
    const QColor greyed = system.color(QPalette::Disabled, QPalette::Text);
    const QColor text = enabled || !greyText ? readableText(system, back) : greyed;
    palette.setColor(QPalette::Active, QPalette::Text, text);
    palette.setColor(QPalette::Inactive, QPalette::Text, text);
    palette.setColor(QPalette::Disabled, QPalette::Text, greyed);
    box->setPalette(palette);
    if (!box->property(kEnabledLook).isValid())
        box->installEventFilter(new EntryColoursFollower(box));
    box->setProperty(kEnabledLook, enabled);
    box->setProperty(kGreyText, greyText);
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
