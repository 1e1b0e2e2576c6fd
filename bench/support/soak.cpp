#include "support/soak.h"

#include "base/clock.h"
#include "cli/filequote.h"
#include "cli/headlessprogram.h"
#include "cli/jsonline.h"
#include "support/processmemory.h"
#include "support/programfolder.h"
#include "ui/mainwindow.h"
#include "ui/programcontext.h"
#include "ui/quoteform.h"

#include <QDir>

namespace norvel::test {

SoakFigures soakQuotes(int quotes)
{
    const QDir examples(sourceDir() + QStringLiteral("/examples"));
    QStringList files;
    for (const QString &name : examples.entryList({QStringLiteral("*.nvl")}, QDir::Files))
        files << examples.filePath(name);

    SoakFigures figures;
    if (files.isEmpty())
        return figures;
    setToday(QDate(2010, 8, 31));
    HeadlessProgram program;
    QString error;
    if (!program.start(builtProgramDir(), QString(), QString(), &error))
        qFatal("the headless program did not start: %s", qPrintable(error));
    FileQuoter quoter(program.window()->quoteForm()->state());
    for (int i = 1; i <= quotes; ++i) {
        const FileQuote quote = quoter.quote(files.at(i % files.size()));
        // The tool prints every quote: the line is part of what a quote costs.
        jsonLine(quote, programContext().monthlyFactor, programContext().rateVintage);
        if (!quote.ok)
            ++figures.failed;
        if (i == 100) {
            figures.residentKiBAt100 = residentKiB();
            figures.heapBytesAt100 = heapInUseBytes();
        }
    }
    figures.quotes = quotes;
    figures.residentKiBAtEnd = residentKiB();
    figures.heapBytesAtEnd = heapInUseBytes();
    setToday(QDate());
    return figures;
}

} // namespace norvel::test
