#include "cli/quoteoptions.h"

#include "cli/pdftarget.h"

#include <QDir>
#include <QFileInfo>
#include <QSet>

namespace norvel {

namespace {

const QStringList kProvinces = {QStringLiteral("quebec"), QStringLiteral("ontario"),
                                QStringLiteral("dev")};
const QStringList kLanguages = {QStringLiteral("fr"), QStringLiteral("en")};

ParsedArguments usageError(const QString &message)
{
    ParsedArguments parsed;
    parsed.error = message;
    return parsed;
}

// The combinations that cannot be carried out, checked once every argument is read.
QString conflict(const QuoteOptions &o)
{
    if (o.files.isEmpty())
        return QStringLiteral("no illustration file given");
    if (!o.pdfFile.isEmpty() && !o.outDir.isEmpty())
        return QStringLiteral("--pdf and --out-dir cannot be used together");
    if (!o.pdfFile.isEmpty() && o.files.size() != 1)
        return QStringLiteral("--pdf takes the report of a single file; use --out-dir for several");
    if (!o.rewriteTo.isEmpty()) {
        if (o.files.size() != 1)
            return QStringLiteral("--rewrite takes a single input file");
        if (o.json || !o.pdfFile.isEmpty() || !o.outDir.isEmpty())
            return QStringLiteral("--rewrite only rewrites; it cannot be used with --json, --pdf "
                                  "or --out-dir");
        if (QFileInfo(o.rewriteTo).absoluteFilePath() == QFileInfo(o.files[0]).absoluteFilePath())
            return QStringLiteral("--rewrite needs an output file other than its input");
    }
    if (o.province == QLatin1String("ontario") && o.language == QLatin1String("fr"))
        return QStringLiteral("Ontario quotes are in English only");
    QSet<QString> pdfs;
    for (const QString &file : o.files) {
        const QString pdf = o.outDir.isEmpty() ? o.pdfFile : pdfPathFor(o.outDir, file);
        if (pdf.isEmpty())
            continue;
        if (pdfs.contains(pdf))
            return QStringLiteral("two inputs would both be written to %1").arg(pdf);
        pdfs.insert(pdf);
    }
    // A report is never written over an input, which --overwrite would not save either.
    for (const QString &pdf : pdfs)
        for (const QString &file : o.files)
            if (sameFile(pdf, file))
                return QStringLiteral("the report %1 would replace the input %2").arg(pdf, file);
    return {};
}

} // namespace

ParsedArguments parseQuoteArguments(const QStringList &arguments)
{
    QuoteOptions o;
    bool optionsEnded = false;
    for (int i = 0; i < arguments.size(); ++i) {
        const QString &arg = arguments[i];
        if (optionsEnded || !arg.startsWith(QLatin1Char('-')) || arg == QLatin1String("-")) {
            o.files << arg;
            continue;
        }
        if (arg == QLatin1String("--")) {
            optionsEnded = true;
            continue;
        }
        if (arg == QLatin1String("--help") || arg == QLatin1String("-h")) {
            ParsedArguments parsed;
            parsed.help = true;
            return parsed;
        }
        if (arg == QLatin1String("--json") || arg == QLatin1String("--overwrite")) {
            (arg == QLatin1String("--json") ? o.json : o.overwrite) = true;
            continue;
        }
        const QStringList valued = {QStringLiteral("--pdf"),      QStringLiteral("--out-dir"),
                                    QStringLiteral("--today"),    QStringLiteral("--province"),
                                    QStringLiteral("--language"), QStringLiteral("--rewrite")};
        if (!valued.contains(arg))
            return usageError(QStringLiteral("unknown option %1").arg(arg));
        if (i + 1 >= arguments.size() || arguments[i + 1].isEmpty())
            return usageError(QStringLiteral("%1 needs a value").arg(arg));
        const QString value = arguments[++i];
        if (arg == QLatin1String("--pdf")) {
            o.pdfFile = value;
        } else if (arg == QLatin1String("--out-dir")) {
            o.outDir = value;
        } else if (arg == QLatin1String("--rewrite")) {
            o.rewriteTo = value;
        } else if (arg == QLatin1String("--today")) {
            o.today = QDate::fromString(value, Qt::ISODate);
            if (!o.today.isValid() || value.size() != 10)
                return usageError(
                    QStringLiteral("--today wants a date as YYYY-MM-DD, not %1").arg(value));
        } else if (arg == QLatin1String("--province")) {
            if (!kProvinces.contains(value))
                return usageError(
                    QStringLiteral("--province is quebec, ontario or dev, not %1").arg(value));
            o.province = value;
        } else {
            if (!kLanguages.contains(value))
                return usageError(QStringLiteral("--language is fr or en, not %1").arg(value));
            o.language = value;
        }
    }
    if (const QString problem = conflict(o); !problem.isEmpty())
        return usageError(problem);
    ParsedArguments parsed;
    parsed.options = o;
    return parsed;
}

QString pdfPathFor(const QString &outDir, const QString &input)
{
    return QDir(outDir).filePath(QFileInfo(input).completeBaseName() + QStringLiteral(".pdf"));
}

QString quoteUsage()
{
    return QStringLiteral(
        "Usage: norvel-quote [--json] [--pdf FILE | --out-dir DIR] [--overwrite]\n"
        "                    [--today YYYY-MM-DD]\n"
        "                    [--province quebec|ontario|dev] [--language fr|en]\n"
        "                    [--rewrite OUT.nvl] FILE.nvl...\n"
        "\n"
        "Quotes illustration files without a display: each file is opened as File > Open\n"
        "does, the quote button is pressed and the report is collected. A file that cannot\n"
        "be read or fails validation is reported and the next one goes on. Without --json\n"
        "the first line names the rates, \"rates: NAME, effective YYYY-MM-DD\"; before\n"
        "that date no file is quoted (error key TarifsFuturs). The program folder, its\n"
        "Data/ and the province and language of norvel.ini are used (in an installed\n"
        "copy, the user's own ~/.config/norvel/norvel.ini); the settings file is never\n"
        "written, and the broker stored in each file is used for that file's report only.\n"
        "\n"
        "  --json              one JSON object per input file on standard output, one per\n"
        "                      line: file, ok, error {key, message} when not ok,\n"
        "                      monthlyFactor, rates {name, effective}, premiums\n"
        "                      (PrimeVieEmp, PrimeVieCoemp, PrimeInv24Emp, PrimeInv24Coemp,\n"
        "                      PrimeInvDureeEmp, PrimeInvDureeCoemp; 0 where a premium does\n"
        "                      not exist) and report (every visible control showing a text,\n"
        "                      in layout order)\n"
        "  --pdf FILE          writes the report of the single input file as PDF\n"
        "  --out-dir DIR       writes one PDF per input into DIR, named after it\n"
        "  --overwrite         lets a report replace a file that is not a PDF; a report\n"
        "                      never replaces an input, a symbolic link or anything but\n"
        "                      a regular file\n"
        "  --today YYYY-MM-DD  the date validation, the rates and the report go by\n"
        "  --province P        quebec, ontario or dev, instead of the settings file's\n"
        "  --language L        fr or en, instead of the settings file's\n"
        "  --rewrite OUT.nvl   opens the single input and saves it to OUT as File > Save As\n"
        "                      would, to migrate or normalise a file\n"
        "  --help              prints this text\n"
        "\n"
        "Exit status: 0 every file was quoted; 1 a file failed validation or could not be\n"
        "read, priced or written; 2 usage error; 3 the program could not start (rate\n"
        "database, language file).\n");
}

} // namespace norvel
