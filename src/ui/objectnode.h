#pragma once

#include "domain/translation.h"

#include <QList>
#include <QPointer>

class QObject;

namespace norvel {

// A Qt window or one of its widgets and menu actions, seen by the translation walk.
// Control arrays are objects of the same name carrying an "Index" property; a picture holder
// offers an invokable setPicture(QImage), or setPictureFile(QString) when it decodes the file
// itself, and keeps the language value in its "Tag" property.
class ObjectNode : public TranslationNode {
public:
    // A window node lists as its controls every named widget and action it holds, except what
    // lies inside another window of its own (a child form translates itself).
    ObjectNode(QObject *object, bool isWindow);

    QString name() const override;
    std::optional<int> index() const override;
    bool hasCaption() const override;
    void setCaption(const QString &text) override;
    bool hasText() const override;
    void setText(const QString &text) override;
    bool hasToolTipText() const override;
    void setToolTipText(const QString &text) override;
    bool hasAccessibleName() const override;
    void setAccessibleName(const QString &text) override;
    std::optional<int> listCount() const override;
    void setListEntry(int n, const QString &text) override;
    bool hasPicture() const override;
    void setPicture(const QString &tag, const QString &file) override;
    std::optional<int> controlCount() const override;
    std::unique_ptr<TranslationNode> control(int i) const override;

private:
    QPointer<QObject> object_;
    bool isWindow_;
    QList<QPointer<QObject>> controls_;
};

// Translates a Qt window and its controls.
void TranslateForm(QObject *window);

// Marks a widget as a window of its own, translated by its own name.
void markAsForm(QObject *window);

} // namespace norvel
