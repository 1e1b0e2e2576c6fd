#include "ui/objectnode.h"

#include "domain/language.h"
#include "ui/pendingpicture.h"
#include "ui/programcontext.h"

#include <QAbstractButton>
#include <QAction>
#include <QComboBox>
#include <QGroupBox>
#include <QHash>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QWidget>
#include <QtDebug>

namespace norvel {

namespace {

constexpr const char *kFormProperty = "norvelForm";

enum class PictureHolder { None, Picture, PictureFile };

// How a class takes a picture, looked up once per class: every translation asks it of every
// control, and a look through a widget's methods is not cheap.
PictureHolder pictureHolder(const QMetaObject *meta)
{
    static QHash<const QMetaObject *, PictureHolder> known;
    if (const auto found = known.constFind(meta); found != known.cend())
        return *found;
    const PictureHolder holder = meta->indexOfMethod("setPictureFile(QString)") >= 0
                                     ? PictureHolder::PictureFile
                                 : meta->indexOfMethod("setPicture(QImage)") >= 0
                                     ? PictureHolder::Picture
                                     : PictureHolder::None;
    known.insert(meta, holder);
    return holder;
}

// Language texts break lines with CR LF; Qt widgets break them on LF alone.
QString display(QString text)
{
    return text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
}

// What a reader says of a caption: "&&" is an ampersand, a lone "&" marks the mnemonic.
QString withoutMnemonic(const QString &caption)
{
    QString text;
    for (qsizetype i = 0; i < caption.size(); ++i) {
        if (caption.at(i) == QLatin1Char('&') && ++i == caption.size())
            break;
        text += caption.at(i);
    }
    return text;
}

bool isForm(const QObject *object)
{
    return object->property(kFormProperty).toBool();
}

void collect(QObject *parent, QList<QPointer<QObject>> &out)
{
    for (QObject *child : parent->children()) {
        if (isForm(child))
            continue;
        const QString name = child->objectName();
        if (!name.isEmpty() && !name.startsWith(QLatin1String("qt_")))
            out.append(child);
        collect(child, out);
    }
}

} // namespace

void markAsForm(QObject *window)
{
    window->setProperty(kFormProperty, true);
}

ObjectNode::ObjectNode(QObject *object, bool isWindow)
    : object_(object)
    , isWindow_(isWindow)
{
    if (isWindow && object)
        collect(object, controls_);
}

QString ObjectNode::name() const
{
    return object_ ? object_->objectName() : QString();
}

std::optional<int> ObjectNode::index() const
{
    if (!object_)
        return std::nullopt;
    const QVariant index = object_->property("Index");
    bool ok = false;
    const int value = index.toInt(&ok);
    return index.isValid() && ok ? std::optional<int>(value) : std::nullopt;
}

bool ObjectNode::hasCaption() const
{
    QObject *o = object_;
    return o && ((isWindow_ && o->isWidgetType()) || qobject_cast<QLabel *>(o) ||
                 qobject_cast<QAbstractButton *>(o) || qobject_cast<QGroupBox *>(o) ||
                 qobject_cast<QAction *>(o));
}

void ObjectNode::setCaption(const QString &text)
{
    QObject *o = object_;
    if (!o)
        return;
    if (isWindow_ && o->isWidgetType())
        static_cast<QWidget *>(o)->setWindowTitle(display(text));
    else if (auto *label = qobject_cast<QLabel *>(o))
        label->setText(display(text));
    else if (auto *button = qobject_cast<QAbstractButton *>(o))
        button->setText(display(text));
    else if (auto *group = qobject_cast<QGroupBox *>(o))
        group->setTitle(display(text));
    else if (auto *action = qobject_cast<QAction *>(o))
        action->setText(display(text));
}

bool ObjectNode::hasText() const
{
    QObject *o = object_;
    return o && (qobject_cast<QLineEdit *>(o) || qobject_cast<QPlainTextEdit *>(o));
}

void ObjectNode::setText(const QString &text)
{
    if (auto *edit = qobject_cast<QLineEdit *>(object_))
        edit->setText(text);
    else if (auto *plain = qobject_cast<QPlainTextEdit *>(object_))
        plain->setPlainText(display(text));
}

bool ObjectNode::hasToolTipText() const
{
    QObject *o = object_;
    return o && !isWindow_ && (o->isWidgetType() || qobject_cast<QAction *>(o));
}

void ObjectNode::setToolTipText(const QString &text)
{
    if (auto *action = qobject_cast<QAction *>(object_))
        action->setToolTip(display(text));
    else if (object_ && object_->isWidgetType())
        static_cast<QWidget *>(object_.data())->setToolTip(display(text));
}

bool ObjectNode::hasAccessibleName() const
{
    return object_ && !isWindow_ && object_->isWidgetType();
}

void ObjectNode::setAccessibleName(const QString &text)
{
    if (object_ && object_->isWidgetType())
        static_cast<QWidget *>(object_.data())->setAccessibleName(display(text));
}

std::optional<int> ObjectNode::listCount() const
{
    if (auto *combo = qobject_cast<QComboBox *>(object_))
        return combo->count();
    if (auto *list = qobject_cast<QListWidget *>(object_))
        return list->count();
    return std::nullopt;
}

void ObjectNode::setListEntry(int n, const QString &text)
{
    // Only entries the control already holds are replaced.
    if (auto *combo = qobject_cast<QComboBox *>(object_)) {
        if (n < combo->count())
            combo->setItemText(n, text);
    } else if (auto *list = qobject_cast<QListWidget *>(object_)) {
        if (n < list->count())
            list->item(n)->setText(text);
    }
}

bool ObjectNode::hasPicture() const
{
    return object_ && pictureHolder(object_->metaObject()) != PictureHolder::None;
}

void ObjectNode::setPicture(const QString &tag, const QString &file)
{
    if (!object_)
        return;
    object_->setProperty("Tag", tag);
    // A holder that takes the file decodes it in its own time; the others get the picture now.
    if (pictureHolder(object_->metaObject()) == PictureHolder::PictureFile) {
        QMetaObject::invokeMethod(object_, "setPictureFile", Q_ARG(QString, file));
        return;
    }
    // A picture that cannot be read leaves the one the window has.
    const QImage image = readPicture(file);
    if (!image.isNull())
        QMetaObject::invokeMethod(object_, "setPicture", Q_ARG(QImage, image));
}

std::optional<int> ObjectNode::controlCount() const
{
    if (!isWindow_)
        return std::nullopt;
    return int(controls_.size());
}

std::unique_ptr<TranslationNode> ObjectNode::control(int i) const
{
    if (i < 0 || i >= controls_.size() || !controls_.at(i))
        return nullptr;
    return std::make_unique<ObjectNode>(controls_.at(i), false);
}

void TranslateForm(QObject *window)
{
    ObjectNode node(window, true);
    TranslateForm(static_cast<TranslationNode &>(node), programContext().language, programContext().programDir);
    // A frame within a frame is read by its own title, not by the one around it; a frame
    // without a title keeps the name its language key gives it.
    for (QGroupBox *frame : window->findChildren<QGroupBox *>())
        if (!frame->title().isEmpty())
            frame->setAccessibleName(withoutMnemonic(frame->title()));
}

} // namespace norvel
