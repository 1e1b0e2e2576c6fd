#pragma once

#include <QList>
#include <QMap>
#include <QString>

// A product document's source text: "key: value" lines up to the first blank line, then
// blocks separated by blank lines: "# " a heading, "## " a subheading, "- " a list item,
// "@grid payment" or "@grid amount" a requirement grid, "@legend" the requirements' numbers,
// "@break" a new page, anything else a paragraph.
struct Block {
    enum class Kind { Heading, Subheading, Item, Paragraph, Grid, Legend, PageBreak };
    Kind kind;
    QString text;
};

struct DocumentSource {
    QMap<QString, QString> fields;
    QList<Block> blocks;
};

DocumentSource parseDocumentSource(const QString &text);
