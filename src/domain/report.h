#pragma once

#include "domain/translation.h"

#include <QImage>
#include <QRect>
#include <QString>
#include <vector>

namespace norvel {

// What a report control draws.
enum class ControlKind { Label, TextField, Shape, Line, Picture };

// One control of a report, placed in twips (1/1440 inch) from the top left of its section.
struct ReportControl {
    QString name;
    ControlKind kind = ControlKind::Label;
    QRect twips;     // a line runs from the top left to the bottom right corner
    QString caption; // the Caption of a label, the Text of a text field
    bool visible = true;
    bool bold = false;
    Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignTop;
    qreal pointSize = 9;
    QString pictureTag; // the language value that named the picture
    QImage picture;
};

struct ReportSection {
    QString name;   // "PageHeader", "Detail", "PageFooter"
    int height = 0; // twips
    std::vector<ReportControl> controls;
};

// A banded report as plain data: the quote fills it, the painter draws it, and the translation
// walk reaches its controls by section as it reaches a window's.
class Report : public TranslationNode {
public:
    Report(QString name, std::vector<ReportSection> sections);

    // The control of that name; an unknown name is a fault of the program and throws.
    ReportControl &operator[](const QString &control);
    const ReportControl &operator[](const QString &control) const;
    const ReportControl *find(const QString &control) const;

    const std::vector<ReportSection> &sections() const { return sections_; }


    QString name() const override { return name_; }
    std::optional<int> sectionCount() const override { return int(sections_.size()); }
    QString sectionName(int s) const override { return sections_.at(s).name; }
    std::optional<int> sectionControlCount(int s) const override
    {
        return int(sections_.at(s).controls.size());
    }
    std::unique_ptr<TranslationNode> sectionControl(int s, int c) const override;

private:
    QString name_;
    std::vector<ReportSection> sections_;
};

} // namespace norvel
