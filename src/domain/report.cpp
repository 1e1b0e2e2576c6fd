#include "domain/report.h"

#include <stdexcept>

namespace norvel {

namespace {

// A report control as the translation walk sees it: a label has a Caption, a text field a
// Text, a picture its picture.
class ControlNode : public TranslationNode {
public:
    explicit ControlNode(ReportControl &control)
        : control_(control)
    {
    }
    QString name() const override { return control_.name; }
    bool hasCaption() const override { return control_.kind == ControlKind::Label; }
    void setCaption(const QString &text) override { control_.caption = text; }
    bool hasText() const override { return control_.kind == ControlKind::TextField; }
    void setText(const QString &text) override { control_.caption = text; }
    bool hasPicture() const override { return control_.kind == ControlKind::Picture; }
    void setPicture(const QString &tag, const QString &file) override
    {
        QImage image(file);
        if (image.isNull())
            return; // a missing picture leaves the design one
        control_.pictureTag = tag;
        control_.picture = image;
    }

private:
    ReportControl &control_;
};

} // namespace

Report::Report(QString name, std::vector<ReportSection> sections)
    : name_(std::move(name))
    , sections_(std::move(sections))
{
}

const ReportControl *Report::find(const QString &control) const
{
    for (const ReportSection &section : sections_)
        for (const ReportControl &c : section.controls)
            if (c.name == control)
                return &c;
    return nullptr;
}

const ReportControl &Report::operator[](const QString &control) const
{
    if (const ReportControl *found = find(control))
        return *found;
    throw std::out_of_range("report " + name_.toStdString() + " has no control " +
                            control.toStdString());
}

ReportControl &Report::operator[](const QString &control)
{
    return const_cast<ReportControl &>(std::as_const(*this)[control]);
}

std::unique_ptr<TranslationNode> Report::sectionControl(int s, int c) const
{
    auto &control = const_cast<ReportControl &>(sections_.at(s).controls.at(c));
    return std::make_unique<ControlNode>(control);
}

} // namespace norvel
