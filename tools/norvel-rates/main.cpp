// norvel-rates: builds, checks and dumps the encrypted rate database whose sources are the
// CSV files of the repository.
#include "ratebuild.h"
#include "ratecheck.h"
#include "ratedump.h"

#include <QCoreApplication>
#include <cstdio>

using namespace norvel;

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments().mid(1);
    const QString command = args.value(0);
    if (command == QLatin1String("build") && args.size() == 3)
        return buildRates(args.at(1), args.at(2));
    if (command == QLatin1String("check") && args.size() == 2)
        return checkRates(args.at(1));
    if (command == QLatin1String("dump") && args.size() == 2)
        return dumpVintage(args.at(1));
    if (command == QLatin1String("dump") && args.size() == 3)
        return dumpTable(args.at(1), args.at(2));
    std::fprintf(stderr, "usage: norvel-rates build CSV_DIR OUT.mdb\n"
                         "       norvel-rates check DB.mdb\n"
                         "       norvel-rates dump DB.mdb [TABLE]   (no table: the vintage)\n");
    return 2;
}
