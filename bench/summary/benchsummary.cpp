// Reads the JSON every benchmark wrote and prints each figure beside its target, as a table
// and as one JSON file (summary.json in the same folder).
#include <QDir>
#include <QFile>
#include <QHash>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <cmath>
#include <cstdio>
#include <optional>

namespace {

class Results {
public:
    explicit Results(const QDir &folder)
    {
        for (const QString &name : folder.entryList({QStringLiteral("bench_*.json")}, QDir::Files)) {
            QFile file(folder.filePath(name));
            if (!file.open(QIODevice::ReadOnly))
                continue;
            const QJsonArray runs =
                QJsonDocument::fromJson(file.readAll()).object().value(QStringLiteral("benchmarks")).toArray();
            for (const QJsonValue &run : runs)
                byName_.insert(run.toObject().value(QStringLiteral("name")).toString(), run.toObject());
        }
    }

    // A benchmark's wall time per iteration, in milliseconds.
    std::optional<double> ms(const QString &benchmark) const
    {
        const auto run = find(benchmark);
        if (!run)
            return std::nullopt;
        static const QHash<QString, double> perMs{{QStringLiteral("ns"), 1e6},
                                                  {QStringLiteral("us"), 1e3},
                                                  {QStringLiteral("ms"), 1},
                                                  {QStringLiteral("s"), 1e-3}};
        return run->value(QStringLiteral("real_time")).toDouble() /
               perMs.value(run->value(QStringLiteral("time_unit")).toString(), 1);
    }

    std::optional<double> counter(const QString &benchmark, const QString &name) const
    {
        const auto run = find(benchmark);
        if (!run || !run->contains(name))
            return std::nullopt;
        return run->value(name).toDouble();
    }

private:
    std::optional<QJsonObject> find(const QString &benchmark) const
    {
        for (auto it = byName_.begin(); it != byName_.end(); ++it)
            if (it.key() == benchmark || it.key().startsWith(benchmark + QLatin1Char('/')))
                return it.value();
        return std::nullopt;
    }

    QHash<QString, QJsonObject> byName_;
};

std::optional<double> ratio(std::optional<double> a, std::optional<double> b)
{
    return a && b && *b != 0 ? std::optional<double>(*a / *b) : std::nullopt;
}

std::optional<double> difference(std::optional<double> a, std::optional<double> b)
{
    return a && b ? std::optional<double>(*a - *b) : std::nullopt;
}

struct Figure {
    QString what;
    std::optional<double> value;
    QString unit;
    QString target;                    // empty: a figure without a target
    std::optional<bool> met = std::nullopt;
};

Figure withTarget(QString what, std::optional<double> value, QString unit, bool atMost,
                  double limit)
{
    Figure figure{std::move(what), value, std::move(unit),
                  QStringLiteral("%1 %2").arg(atMost ? QStringLiteral("<=") : QStringLiteral(">="))
                      .arg(limit)};
    if (value)
        figure.met = atMost ? *value <= limit : *value >= limit;
    return figure;
}

} // namespace

int main(int argc, char *argv[])
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: norvel-bench-summary RESULTS-FOLDER\n");
        return 2;
    }
    const QDir folder(QString::fromLocal8Bit(argv[1]));
    const Results r(folder);
    // Medians of alternating runs.
    const auto norvelStart = r.counter(QStringLiteral("StartupProcesses"), QStringLiteral("norvel_ms"));
    const auto floorStart = r.counter(QStringLiteral("StartupProcesses"), QStringLiteral("floor_ms"));
    const auto norvelPeak = r.counter(QStringLiteral("PeakMemoryNorvelAfterTenQuotes"), QStringLiteral("peak_MiB"));
    const auto floorPeak = r.counter(QStringLiteral("PeakMemoryFloor"), QStringLiteral("peak_MiB"));
    const QString soak = QStringLiteral("SoakTenThousandQuotes");

    const QList<Figure> figures{
        {QStringLiteral("Start-up to the shown main window, whole process"), norvelStart, QStringLiteral("ms"), {}},
        {QStringLiteral("Floor program, whole process"), floorStart, QStringLiteral("ms"), {}},
        withTarget(QStringLiteral("Start-up, ratio to the floor"), ratio(norvelStart, floorStart), QStringLiteral("x"), true, 1.5),
        withTarget(QStringLiteral("Open the rate database"), r.ms(QStringLiteral("OpenRateDatabase")), QStringLiteral("ms"), true, 2),
        {QStringLiteral("Start-up inside the process (no splash)"), r.ms(QStringLiteral("StartupToMainWindow")), QStringLiteral("ms"), {}},
        withTarget(QStringLiteral("Quote, click to filled report"), r.ms(QStringLiteral("BM_QuoteClickToReport")), QStringLiteral("ms"), true, 30),
        withTarget(QStringLiteral("Live premium line, keystroke to new line (median)"), r.counter(QStringLiteral("BM_LivePremiumsKeystroke"), QStringLiteral("median_ms")), QStringLiteral("ms"), true, 2),
        {QStringLiteral("Report to PDF"), r.ms(QStringLiteral("BM_ReportToPdf")), QStringLiteral("ms"), {}},
        {QStringLiteral("Write an illustration"), r.ms(QStringLiteral("WriteIllustration")), QStringLiteral("ms"), {}},
        {QStringLiteral("Read an illustration"), r.ms(QStringLiteral("ReadIllustration")), QStringLiteral("ms"), {}},
        withTarget(QStringLiteral("norvel-quote --json over 1,000 files"), r.counter(QStringLiteral("BM_NorvelQuoteJson"), QStringLiteral("quotes")), QStringLiteral("quotes/s"), false, 1000),
        {QStringLiteral("Peak memory, floor"), floorPeak, QStringLiteral("MiB"), {}},
        {QStringLiteral("Peak memory, Norvel after ten quotes"), norvelPeak, QStringLiteral("MiB"), {}},
        withTarget(QStringLiteral("Peak memory above the floor"), difference(norvelPeak, floorPeak), QStringLiteral("MiB"), true, 40),
        {QStringLiteral("Soak: resident after quote 100"), r.counter(soak, QStringLiteral("rss_at_100_MiB")), QStringLiteral("MiB"), {}},
        {QStringLiteral("Soak: resident after quote 10,000"), r.counter(soak, QStringLiteral("rss_at_end_MiB")), QStringLiteral("MiB"), {}},
        withTarget(QStringLiteral("Soak: growth from quote 100 to 10,000"), r.counter(soak, QStringLiteral("rss_growth_MiB")), QStringLiteral("MiB"), true, 5),
    };

    std::printf("\n| %-50s | %12s | %-9s | %-8s | %-4s |\n", "Figure", "Measured", "Unit", "Target", "Met");
    std::printf("|%s|%s|%s|%s|%s|\n", QByteArray(52, '-').constData(), QByteArray(14, '-').constData(),
                QByteArray(11, '-').constData(), QByteArray(10, '-').constData(), QByteArray(6, '-').constData());
    QJsonArray json;
    bool allMet = true;
    for (const Figure &f : figures) {
        const QString value = f.value ? QString::number(*f.value, 'f', *f.value < 10 ? 2 : 1)
                                      : QStringLiteral("not run");
        const char *met = !f.met ? "" : *f.met ? "yes" : "NO";
        std::printf("| %-50s | %12s | %-9s | %-8s | %-4s |\n", qPrintable(f.what), qPrintable(value),
                    qPrintable(f.unit), qPrintable(f.target), met);
        QJsonObject o{{QStringLiteral("figure"), f.what}, {QStringLiteral("unit"), f.unit}};
        o.insert(QStringLiteral("value"), f.value ? QJsonValue(*f.value) : QJsonValue());
        if (!f.target.isEmpty())
            o.insert(QStringLiteral("target"), f.target);
        if (f.met) {
            o.insert(QStringLiteral("met"), *f.met);
            allMet = allMet && *f.met;
        }
        json.append(o);
    }
    QFile out(folder.filePath(QStringLiteral("summary.json")));
    if (out.open(QIODevice::WriteOnly))
        out.write(QJsonDocument(json).toJson());
    std::printf("\nAs JSON: %s (each benchmark's own figures beside it)\n",
                qPrintable(QDir::toNativeSeparators(out.fileName())));
    // A missed target is a figure to read and explain, not a failed command.
    std::printf("%s\n", allMet ? "Every target met." : "Some target missed: see the rows marked NO.");
    return 0;
}
