#include "cli/quotetool.h"

#include "base/clock.h"
#include "base/filenames.h"
#include "base/privatefile.h"
#include "cli/filequote.h"
#include "cli/headlessprogram.h"
#include "cli/jsonline.h"
#include "cli/pdftarget.h"
#include "cli/progressbar.h"
#include "cli/quoteoptions.h"
#include "ui/mainwindow.h"
#include "ui/programcontext.h"
#include "ui/quoteform.h"
#include "ui/reportoutput.h"

#include <QDir>
#include <cstdio>

namespace norvel {

namespace {

// UTF-8, with a file name given in other bytes written back as those bytes.
void print(std::FILE *stream, const QString &text)
{
    const QByteArray bytes = encodeFileName(text);
    std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stream);
}

// Writes the report where it was asked for; a report that cannot be written fails its file.
void writePdf(FileQuote &quote, const QString &path, bool overwrite)
{
    QString why = pdfTargetRefusal(path, overwrite);
    if (why.isEmpty() && exportPdf(*quote.report, quote.document, path, &why))
        return;
    quote.ok = false;
    quote.errorKey = QStringLiteral("ErrPdf");
    quote.errorMessage = QStringLiteral("%1: %2").arg(QDir::toNativeSeparators(path), why);
}

void printOutcome(const QuoteOptions &options, const FileQuote &quote, const QString &pdf)
{
    if (options.json) {
        const QByteArray line =
            jsonLine(quote, programContext().monthlyFactor, programContext().rateVintage);
        std::fwrite(line.constData(), 1, size_t(line.size()), stdout);
    } else if (quote.ok) {
        print(stdout, quote.file + QStringLiteral(": quoted") +
                          (pdf.isEmpty() ? QString() : QStringLiteral(", ") + pdf) +
                          QLatin1Char('\n'));
    } else {
        QString message = quote.errorMessage;
        message.replace(QStringLiteral("\r\n"), QStringLiteral(" "));
        print(stdout, quote.file + QStringLiteral(": ") + message + QLatin1Char('\n'));
    }
}

int quoteAll(const QuoteOptions &options, HeadlessProgram &program)
{
    if (!options.outDir.isEmpty() && !makePrivateFolder(options.outDir)) {
        print(stderr,
              QStringLiteral("norvel-quote: cannot make the folder %1\n").arg(options.outDir));
        return SomeFailed;
    }
    // The lines that follow are judged by these rates.
    if (const std::optional<RateVintage> &rates = programContext().rateVintage;
        rates && !options.json)
        print(stdout, QStringLiteral("rates: %1, effective %2\n")
                          .arg(rates->name, rates->effective.toString(Qt::ISODate)));
    int status = AllQuoted;
    ProgressBar progress(stderr, int(options.files.size()));
    FileQuoter quoter(program.window()->quoteForm()->state());
    for (const QString &file : options.files) {
        FileQuote quote = quoter.quote(file);
        QString pdf = options.pdfFile;
        if (!options.outDir.isEmpty())
            pdf = pdfPathFor(options.outDir, file);
        if (quote.ok && !pdf.isEmpty())
            writePdf(quote, pdf, options.overwrite);
        printOutcome(options, quote, quote.ok ? pdf : QString());
        if (!quote.ok)
            status = SomeFailed;
        progress.advance();
    }
    std::fflush(stdout);
    return status;
}

} // namespace

int runQuoteTool(const QStringList &arguments, const QString &programDir)
{
    const ParsedArguments parsed = parseQuoteArguments(arguments);
    if (parsed.help) {
        print(stdout, quoteUsage());
        return AllQuoted;
    }
    if (!parsed.options) {
        print(stderr,
              QStringLiteral("norvel-quote: %1\nTry norvel-quote --help.\n").arg(parsed.error));
        return UsageError;
    }
    const QuoteOptions &options = *parsed.options;
    setToday(options.today);

    HeadlessProgram program;
    QString error;
    if (!program.start(programDir, options.province, options.language, &error)) {
        print(stderr, QStringLiteral("norvel-quote: %1\n").arg(error));
        return StartFailed;
    }
    if (options.rewriteTo.isEmpty())
        return quoteAll(options, program);
    if (rewriteFile(*program.window(), options.files[0], options.rewriteTo, program.dialogs,
                    &error))
        return AllQuoted;
    error.replace(QStringLiteral("\r\n"), QStringLiteral(" "));
    print(stderr, QStringLiteral("norvel-quote: %1: %2\n").arg(options.files[0], error));
    return SomeFailed;
}

} // namespace norvel
