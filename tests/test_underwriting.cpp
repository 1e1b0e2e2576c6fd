// The medical requirements printed on every quote. The two grids are written out again here,
// as the underwriters publish them, and every row and column boundary is read back.
#include "domain/language.h"
#include "domain/underwriting.h"
#include "support/programfolder.h"
#include "ui/appstate.h"
#include "ui/langstring.h"

#include <QtTest>

using namespace norvel;
using namespace norvel::test;

namespace {

const std::map<QString, QString> kLabels = {{"Enq", "EnqueteReg"},
                                            {"Sang", "ProfilSang"},
                                            {"Para", "ExamParamedic"},
                                            {"Urine", "UrineHIV"},
                                            {"ECG", "ECGRepos"},
                                            {"Tel", "EntrevueTel"},
                                            {"TelSV", "EntrevueTelSignesVitaux"},
                                            {"DSouTel", "declaSanteOuEntrevueTel"},
                                            {"RMT", "RapportMedTraitant"}};

struct Published {
    QList<std::pair<int, int>> ages;
    QList<std::pair<int, int>> columns; // the last one has no upper bound
    QStringList rows;                   // cells separated by '|', labels by spaces
};

const Published kPayment{
    {{18, 35}, {36, 45}, {46, 50}, {51, 65}},
    {{1, 1000}, {1001, 2000}, {2001, 2500}, {2501, 3000}, {3001, 4500}, {4501, 32767}},
    {"DSouTel | DSouTel | DSouTel | Urine Tel | Enq Sang Urine TelSV | Enq Sang Para Urine",
     "DSouTel | DSouTel | Urine Tel | Sang Urine Tel | Enq Sang Urine TelSV | Enq Sang Para Urine",
     "DSouTel | Urine Tel | Urine TelSV | Sang Urine TelSV | Enq Sang Urine TelSV | Enq Sang Para "
     "Urine",
     "Urine Tel | Urine Tel | Urine TelSV | Sang Para Urine RMT | Enq Sang Para Urine ECG RMT | "
     "Enq Sang Para Urine ECG RMT"}};

// Ages 41 to 50 from 99,001 to 99,999 dollars follow the amounts below, like every other row.
const Published kAmount{
    {{18, 35}, {36, 40}, {41, 50}, {51, 60}, {61, 65}},
    {{1, 99000},
     {99001, 99999},
     {100000, 200000},
     {200001, 300000},
     {300001, 500000},
     {500001, 1000000},
     {1000001, 2147483647}},
    {"DSouTel | DSouTel | Urine DSouTel | Urine DSouTel | Urine Tel | Sang Urine TelSV | Sang "
     "Urine TelSV",
     "DSouTel | DSouTel | Urine DSouTel | Urine Tel | Sang Urine TelSV | Sang Urine TelSV | Sang "
     "Para Urine",
     "DSouTel | DSouTel | Urine TelSV | Urine TelSV | Sang Urine TelSV | Sang Urine TelSV | Enq "
     "Sang Para Urine ECG",
     "TelSV | TelSV | Urine TelSV | Sang Urine TelSV | Sang Urine TelSV | Sang Urine ECG TelSV | "
     "Enq Sang Para Urine ECG",
     "TelSV | TelSV | Urine TelSV | Sang Para Urine ECG | Sang Para Urine ECG | Sang Para Urine "
     "ECG | Enq Sang Para Urine ECG RMT"}};

// Keys of the labels, in the quote's order.
QStringList keys(const QString &labels)
{
    QStringList wanted;
    for (const QString &label : labels.split(QLatin1Char(' '), Qt::SkipEmptyParts))
        wanted << kLabels.at(label);
    QStringList ordered;
    for (const char *key :
         {"EnqueteReg", "ProfilSang", "ExamParamedic", "UrineHIV", "ECGRepos", "EntrevueTel",
          "EntrevueTelSignesVitaux", "declaSanteOuEntrevueTel", "RapportMedTraitant"})
        if (wanted.contains(QLatin1String(key)))
            ordered << QLatin1String(key);
    return ordered;
}

// Each cell at both ends of its age row and of its column.
void addBoundaries(const char *grid, const Published &published, bool payment)
{
    for (int r = 0; r < published.ages.size(); ++r) {
        const QStringList cells = published.rows[r].split(QLatin1Char('|'));
        for (int c = 0; c < published.columns.size(); ++c) {
            const auto [firstAge, lastAge] = published.ages[r];
            const auto [low, high] = published.columns[c];
            for (const int age : {firstAge, lastAge})
                for (const int value : {low, high})
                    QTest::addRow("%s age %d, %d", grid, age, value)
                        << age << (payment ? value : -1) << (payment ? -1 : value)
                        << keys(cells[c]);
        }
    }
}

QString requirementText(const QString &key)
{
    return GetLangString(QStringLiteral("frmCotalmira-Val"), key);
}

} // namespace

class UnderwritingTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init()
    {
        resetAppState();
        appState().language = Language(builtProgramDir() + QStringLiteral("/Data/English.lng"));
    }

    void everyCellAtItsBounds_data()
    {
        QTest::addColumn<int>("age");
        QTest::addColumn<int>("payment");
        QTest::addColumn<int>("amount");
        QTest::addColumn<QStringList>("expected");
        addBoundaries("payment", kPayment, true);
        addBoundaries("amount", kAmount, false);
        QTest::newRow("no payment") << 40 << 0 << -1 << QStringList{};
        QTest::newRow("no amount") << 40 << -1 << 0 << QStringList{};
        QTest::newRow("age outside the grids") << 17 << 1000 << 50000 << QStringList{};
    }
    void everyCellAtItsBounds()
    {
        QFETCH(int, age);
        QFETCH(int, payment);
        QFETCH(int, amount);
        QFETCH(QStringList, expected);
        QCOMPARE(clesExigences(exigencesRequises(qint16(age), qint16(payment), amount)), expected);
    }

    void bothCoveragesTogether_data()
    {
        QTest::addColumn<int>("age");
        QTest::addColumn<int>("payment");
        QTest::addColumn<int>("amount");
        QTest::addColumn<QString>("expected");
        QTest::newRow("TelSV removes DSouTel") << 45 << 1500 << 150000 << "Urine TelSV";
        QTest::newRow("TelSV removes Para") << 48 << 4600 << 150000 << "Enq Sang Urine TelSV";
        QTest::newRow("union of both") << 55 << 2600 << 600000 << "Sang Urine ECG TelSV RMT";
        QTest::newRow("one line") << 30 << 1000 << 50000 << "DSouTel";
        QTest::newRow("Para removes Tel and DSouTel")
            << 30 << 4501 << 350000 << "Enq Sang Para Urine";
        QTest::newRow("Para removes DSouTel") << 40 << 4501 << 150000 << "Enq Sang Para Urine";
    }
    void bothCoveragesTogether()
    {
        QFETCH(int, age);
        QFETCH(int, payment);
        QFETCH(int, amount);
        QFETCH(QString, expected);
        QStringList lines;
        for (const QString &key : keys(expected))
            lines << requirementText(key);
        QCOMPARE(ExigencesVieInvalidite(appState().language, qint16(age), qint16(payment), amount),
                 lines.join(QLatin1String("\r\n")));
    }

    void eachCoverageAlone()
    {
        QCOMPARE(ExigencesInvalidite(appState().language, 45, 1500),
                 requirementText(QStringLiteral("declaSanteOuEntrevueTel")));
        QCOMPARE(ExigencesVie(appState().language, 45, 150000),
                 requirementText(QStringLiteral("UrineHIV")) + QLatin1String("\r\n") +
                     requirementText(QStringLiteral("EntrevueTelSignesVitaux")));
        QCOMPARE(ExigencesInvalidite(appState().language, 45, 0), QString());
        QCOMPARE(ExigencesVie(appState().language, 45, 0), QString());
    }

    void everyRequirementHasATextInBothLanguages_data()
    {
        QTest::addColumn<QString>("language");
        QTest::newRow("French") << "French";
        QTest::newRow("English") << "English";
    }
    void everyRequirementHasATextInBothLanguages()
    {
        QFETCH(QString, language);
        appState().language =
            Language(builtProgramDir() + QStringLiteral("/Data/%1.lng").arg(language));
        const QStringList all = clesExigences(Exigences::fromInt(0x1FF));
        QCOMPARE(all.size(), 9);
        for (const QString &key : all)
            QVERIFY2(requirementText(key).size() > 2, qPrintable(key));
    }
};

QTEST_GUILESS_MAIN(UnderwritingTest)
#include "test_underwriting.moc"
