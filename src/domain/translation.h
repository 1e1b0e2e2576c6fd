#pragma once

#include <QString>
#include <memory>
#include <optional>

namespace norvel {

class Language;

// What the translation walk needs of a window, a report or one of their controls. Each
// "has" probe answers false by default; a probe never fails.
class TranslationNode {
public:
    virtual ~TranslationNode() = default;

    virtual QString name() const = 0;
    virtual std::optional<int> index() const { return std::nullopt; } // control-array member

    virtual bool hasCaption() const { return false; }
    virtual void setCaption(const QString &) {}
    virtual bool hasText() const { return false; }
    virtual void setText(const QString &) {}
    virtual bool hasToolTipText() const { return false; }
    virtual void setToolTipText(const QString &) {}
    // The name a screen reader gives a control that has no label of its own.
    virtual bool hasAccessibleName() const { return false; }
    virtual void setAccessibleName(const QString &) {}
    virtual std::optional<int> listCount() const { return std::nullopt; }
    virtual void setListEntry(int, const QString &) {}
    virtual bool hasPicture() const { return false; }
    // The tag is the language value as written; the file is resolved against the program folder.
    virtual void setPicture(const QString & /*tag*/, const QString & /*file*/) {}

    // Controls of a window, in order; nothing when the object holds none.
    virtual std::optional<int> controlCount() const { return std::nullopt; }
    virtual std::unique_ptr<TranslationNode> control(int) const { return nullptr; }

    // Sections of a report, each with a name and its controls.
    virtual std::optional<int> sectionCount() const { return std::nullopt; }
    virtual QString sectionName(int) const { return {}; }
    virtual std::optional<int> sectionControlCount(int) const { return std::nullopt; }
    virtual std::unique_ptr<TranslationNode> sectionControl(int, int) const { return nullptr; }
};

// Translates a window or report and everything it holds from a language file (pictures are
// resolved against the program folder):
// section = the window's name ("report#section" for report controls), key = the control's name
// (with "(index)" for an array member) and "-Caption", "-Text", "-ToolTipText",
// "-AccessibleName", "-List#n" or "-Picture#Tag". A property whose text is empty keeps its value.
void TranslateForm(TranslationNode &window, const Language &language, const QString &programDir);
void TranslateControl(TranslationNode &object, const QString &section, const Language &language,
                      const QString &programDir);

} // namespace norvel
