#include "documentsource.h"

#include <QStringList>

namespace {

Block blockOf(const QString &line)
{
    const auto after = [&](qsizetype n) { return line.mid(n).trimmed(); };
    if (line.startsWith(QLatin1String("## ")))
        return {Block::Kind::Subheading, after(3)};
    if (line.startsWith(QLatin1String("# ")))
        return {Block::Kind::Heading, after(2)};
    if (line.startsWith(QLatin1String("- ")))
        return {Block::Kind::Item, after(2)};
    if (line.startsWith(QLatin1String("@grid ")))
        return {Block::Kind::Grid, after(6)};
    if (line == QLatin1String("@legend"))
        return {Block::Kind::Legend, QString()};
    if (line == QLatin1String("@break"))
        return {Block::Kind::PageBreak, QString()};
    return {Block::Kind::Paragraph, line};
}

} // namespace

DocumentSource parseDocumentSource(const QString &text)
{
    DocumentSource source;
    const QStringList lines = text.split(QLatin1Char('\n'));
    qsizetype i = 0;
    for (; i < lines.size() && !lines.at(i).trimmed().isEmpty(); ++i) {
        const QString line = lines.at(i);
        const qsizetype colon = line.indexOf(QLatin1Char(':'));
        if (colon > 0)
            source.fields.insert(line.left(colon).trimmed(), line.mid(colon + 1).trimmed());
    }
    bool open = false; // the last block takes continuation lines
    for (; i < lines.size(); ++i) {
        const QString line = lines.at(i).trimmed();
        if (line.isEmpty()) {
            open = false;
            continue;
        }
        const Block block = blockOf(line);
        const bool continues = block.kind == Block::Kind::Paragraph && open;
        if (continues) {
            source.blocks.last().text += QLatin1Char(' ') + line;
            continue;
        }
        source.blocks << block;
        open = block.kind == Block::Kind::Paragraph || block.kind == Block::Kind::Item;
    }
    return source;
}
