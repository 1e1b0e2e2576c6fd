#include "domain/translation.h"

#include "base/paths.h"
#include "domain/language.h"

namespace norvel {

void TranslateControl(TranslationNode &object, const QString &section, const Language &language,
                      const QString &programDir)
{
    QString base = object.name();
    if (const std::optional<int> index = object.index())
        base += QLatin1Char('(') + QString::number(*index) + QLatin1Char(')');
    auto text = [&](const char *suffix) {
        return language.text(section, base + QLatin1String(suffix));
    };

    if (object.hasCaption())
        if (const QString t = text("-Caption"); !t.isEmpty())
            object.setCaption(t);
    if (object.hasText())
        if (const QString t = text("-Text"); !t.isEmpty())
            object.setText(t);
    if (object.hasToolTipText())
        if (const QString t = text("-ToolTipText"); !t.isEmpty())
            object.setToolTipText(t);
    if (object.hasAccessibleName())
        if (const QString t = text("-AccessibleName"); !t.isEmpty())
            object.setAccessibleName(t);
    if (object.listCount()) {
        for (int n = 0;; ++n) {
            const QString t =
                language.text(section, base + QLatin1String("-List#") + QString::number(n));
            if (t.isEmpty())
                break;
            object.setListEntry(n, t);
        }
    }
    if (object.hasPicture())
        if (const QString t = text("-Picture#Tag"); !t.isEmpty())
            object.setPicture(t, ResolvePath(t, programDir));
}

void TranslateForm(TranslationNode &window, const Language &current, const QString &programDir)
{
    // One reading of the file for the whole window, not one per text.
    const Language language = current.held();
    const QString section = window.name();
    TranslateControl(window, section, language, programDir);
    if (const std::optional<int> count = window.controlCount()) {
        for (int i = 0; i < *count; ++i)
            if (std::unique_ptr<TranslationNode> control = window.control(i))
                TranslateControl(*control, section, language, programDir);
    }
    if (const std::optional<int> sections = window.sectionCount()) {
        for (int s = 0; s < *sections; ++s) {
            const std::optional<int> count = window.sectionControlCount(s);
            if (!count)
                continue;
            const QString reportSection = section + QLatin1Char('#') + window.sectionName(s);
            for (int j = 0; j < *count; ++j)
                if (std::unique_ptr<TranslationNode> control = window.sectionControl(s, j))
                    TranslateControl(*control, reportSection, language, programDir);
        }
    }
}

} // namespace norvel
