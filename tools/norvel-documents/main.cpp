// norvel-documents: draws a product document (pamphlet, underwriting standards, specimen
// contract) from its source text as a PDF. The standards' grids come from the tables the quote
// uses and the requirements' names from the language file, so the document always agrees with
// the program.
#include "documentsource.h"
#include "pagewriter.h"

#include "domain/language.h"
#include "domain/standardsgrid.h"
#include "domain/underwriting.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFontDatabase>
#include <QGuiApplication>
#include <cstdio>

using namespace norvel;

namespace {

bool readFile(const QString &path, QByteArray &content)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "norvel-documents: cannot read %s\n", qPrintable(path));
        return false;
    }
    content = file.readAll();
    return true;
}

GridWording wording(const DocumentSource &source)
{
    const auto field = [&](const char *key) { return source.fields.value(QLatin1String(key)); };
    return {field("locale"), field("age"), field("money"), field("range"), field("more")};
}

const RequirementGrid *gridNamed(const QString &name)
{
    if (name == QLatin1String("payment"))
        return &grilleVersement();
    if (name == QLatin1String("amount"))
        return &grilleMontant();
    return nullptr;
}

bool draw(PageWriter &out, const DocumentSource &source, const QByteArray &language)
{
    const auto field = [&](const char *key) { return source.fields.value(QLatin1String(key)); };
    out.titleBlock(field("title"), field("subtitle"));
    for (const Block &block : source.blocks) {
        switch (block.kind) {
        case Block::Kind::Heading:
            out.heading(block.text);
            break;
        case Block::Kind::Subheading:
            out.subheading(block.text);
            break;
        case Block::Kind::Item:
            out.item(block.text);
            break;
        case Block::Kind::Paragraph:
            out.paragraph(block.text);
            break;
        case Block::Kind::PageBreak:
            out.pageBreak();
            break;
        case Block::Kind::Legend: {
            const QStringList keys = numberedRequirementKeys();
            for (qsizetype i = 0; i < keys.size(); ++i) {
                const QString name =
                    langText(language, QStringLiteral("frmCotalmira-Val"), keys.at(i));
                if (name.isEmpty()) {
                    std::fprintf(stderr, "norvel-documents: no text for %s\n",
                                 qPrintable(keys.at(i)));
                    return false;
                }
                out.item(QStringLiteral("%1   %2").arg(i + 1).arg(name));
            }
            break;
        }
        case Block::Kind::Grid: {
            const RequirementGrid *grid = gridNamed(block.text);
            if (!grid) {
                std::fprintf(stderr, "norvel-documents: no grid named %s\n",
                             qPrintable(block.text));
                return false;
            }
            const PrintedGrid printed = printedGrid(*grid, wording(source));
            out.table(printed.header, printed.rows);
            break;
        }
        }
    }
    return true;
}

} // namespace

int main(int argc, char *argv[])
{
    QGuiApplication app(argc, argv);
    if (argc != 5) {
        std::fprintf(stderr, "usage: norvel-documents FONT_DIR LANGUAGE.lng SOURCE.txt OUT.pdf\n");
        return 2;
    }
    const QDir fonts(QString::fromLocal8Bit(argv[1]));
    for (const char *face : {"LiberationSans-Regular.ttf", "LiberationSans-Bold.ttf"})
        if (QFontDatabase::addApplicationFont(fonts.filePath(QLatin1String(face))) < 0) {
            std::fprintf(stderr, "norvel-documents: cannot load the font %s\n", face);
            return 1;
        }
    QByteArray language;
    QByteArray text;
    if (!readFile(QString::fromLocal8Bit(argv[2]), language) ||
        !readFile(QString::fromLocal8Bit(argv[3]), text))
        return 1;
    const DocumentSource source = parseDocumentSource(QString::fromUtf8(text));

    const QString out = QString::fromLocal8Bit(argv[4]);
    QDir().mkpath(QFileInfo(out).absolutePath());
    PageWriter writer(out, source.fields.value(QStringLiteral("title")),
                      source.fields.value(QStringLiteral("footer")));
    if (!writer.isValid()) {
        std::fprintf(stderr, "norvel-documents: cannot write %s\n", qPrintable(out));
        return 1;
    }
    const bool drawn = draw(writer, source, language);
    if (!writer.finish() || !drawn) {
        QFile::remove(out);
        return 1;
    }
    return 0;
}
