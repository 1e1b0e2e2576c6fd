// The calendar, number and format helpers every quote rule is written in: a carry or a rounding
// done the machine's way instead of the classic way moves a limit, an age or a cent.
#include "base/vbdate.h"
#include "base/vbformat.h"
#include "base/vbnumber.h"
#include "support/datarow.h"

#include <QtTest>
#include <cmath>
#include <limits>

using namespace norvel;
using namespace norvel::test;

namespace {
const NumberSymbols kFrench{u',', u' '};

void addRow(const char *name, double value, const QString &pattern, const QString &expected,
            bool french = false)
{
    row(name, value, false, pattern, french, expected);
}

void addSingleRow(const char *name, float value, const QString &pattern, const QString &expected)
{
    row(name, double(value), true, pattern, false, expected);
}
} // namespace

class VbHelpersTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void dateSerialCarries_data()
    {
        columns<int, int, int, QDate>("year", "month", "day", "expected");
        row("plain", 2010, 3, 15, QDate(2010, 3, 15));
        row("31 February", 2010, 2, 31, QDate(2010, 3, 3));
        row("month 13", 2010, 13, 1, QDate(2011, 1, 1));
        row("month 0", 2010, 0, 15, QDate(2009, 12, 15));
        row("day 0, leap year", 2012, 3, 0, QDate(2012, 2, 29));
        row("past the classic range", 9999, 13, 1, QDate());
    }
    void dateSerialCarries()
    {
        auto [year, month, day, expected] =
            fetch<int, int, int, QDate>("year", "month", "day", "expected");
        QCOMPARE(dateSerial(year, month, day), expected);
    }

    void dayMonthYearReadsOnlyRealDates_data()
    {
        // expected: invalid: not a date
        columns<QString, QDate>("text", "expected");
        row("plain", "15/03/2010", QDate(2010, 3, 15));
        row("29 February, leap year", "29/02/2012", QDate(2012, 2, 29));
        row("29 February, common year", "29/02/2010", QDate());
        row("31 April", "31/04/2010", QDate());
        row("month 13, a month/day reading would take it", "12/13/2010", QDate());
        row("unfilled positions", "15/03/20__", QDate());
    }
    void dayMonthYearReadsOnlyRealDates()
    {
        auto [text, expected] = fetch<QString, QDate>("text", "expected");
        QCOMPARE(dayMonthYear(text).value_or(QDate()), expected);
    }

    // The leading number of a text, and whether the whole text is one.
    void numbers_data()
    {
        columns<QString, double, bool>("text", "leading", "numeric");
        row("digits", "60", 60.0, true);
        row("trailing letters", "12abc", 12.0, false);
        row("no value mark", "---", 0.0, false);
        row("grouped amount", "150 000 $", 150000.0, false);
        row("decimal", "3.5x", 3.5, false);
        row("empty", "", 0.0, false);
        row("two points", "1.2.3", 1.2, false);
    }
    void numbers()
    {
        auto [text, leading, numeric] = fetch<QString, double, bool>("text", "leading", "numeric");
        QCOMPARE(norvel::leadingNumber(text), leading);
        QCOMPARE(norvel::isNumeric(text), numeric);
    }

    void toInteger16_data()
    {
        columns<double, bool, int>("value", "fits", "expected");
        row("half down to even", 2.5, true, 2);
        row("half up to even", 3.5, true, 4);
        row("negative half up to even", -3.5, true, -4);
        row("largest", 32767.4, true, 32767);
        row("rounds past the largest", 32767.5, false, 0);
        row("below the smallest", -32768.6, false, 0);
        row("not a number", std::nan(""), false, 0);
    }
    void toInteger16()
    {
        auto [value, fits, expected] = fetch<double, bool, int>("value", "fits", "expected");
        const std::optional<qint16> result = norvel::toInteger16(value);
        QCOMPARE(result.has_value(), fits);
        if (fits)
            QCOMPARE(int(*result), expected);
    }

    // Every premium and amount on screen, in a file or on the report goes through these
    // patterns; a digit lost or rounded the wrong way is a wrong quote.
    void formats_data()
    {
        columns<double, bool, QString, bool, QString>("value", "single", "pattern", "french",
                                                      "expected");
        const double nan = std::numeric_limits<double>::quiet_NaN();
        addRow("french whole", 150000, "#,##0 $", "150 000 $", true);
        addRow("english whole", 150000, "$#,##0", "$150,000");
        addRow("french cents", 570, "#,##0.00 $", "570,00 $", true);
        addRow("english cents", 570, "$#,##0.00", "$570.00");
        addRow("literal space grouping", 150000, "### ###", "150 000");
        addRow("date digits", 1011980, "00/00/0000", "01/01/1980");
        addRow("zero shows nothing", 0, "######", "");
        addRow("at least one digit", 0, "#####0", "0");
        addRow("half up", 0.125, "0.00", "0.13");
        addRow("half away from zero", 2.5, "0", "3");
        addRow("carry through the point", 999.995, "#,##0.00", "1,000.00");
        addRow("double of a single", double(49.998f), "0.000000", "49.998001");
        addSingleRow("monthly premium", 49.998f, "#,##0.00", "50.00");
        addSingleRow("single half up", 1.005f, "0.00", "1.01");
        addSingleRow("seven digits of a single", 0.1f, "0.000000000", "0.100000000");
        addSingleRow("single whole digits rounded", 1234567.5f, "0.0", "1234568.0");
        addRow("percent", 0.256, "0.0%", "25.6%");
        addSingleRow("percent on the decimal text", 0.07f, "0%", "7%");
        addRow("hash drops trailing zeros", 1.5, "#.##", "1.5");
        addRow("leading zero", 0.5, "0.00", "0.50");
        addRow("zero then hash trimmed", 1.5, "0.0#", "1.5");
        addRow("french decimal", 2.25, "0.00", "2,25", true);
        addRow("negative section", -570, "$#,##0.00;($#,##0.00)", "($570.00)");
        addRow("one section adds the sign", -570, "$#,##0.00", "-$570.00");
        addRow("zero section", 0, "0.00;(0.00);\\Z\\e\\r\\o", "Zero");
        addRow("no negative zero", -0.001, "0.00", "0.00");
        addRow("whole", 570, "", "570");
        addRow("french point", 0.5, "", "0,5", true);
        addRow("too large to write out", 1e15, "", "1E+15");
        addSingleRow("single", 0.1f, "", "0.1");
        addSingleRow("single too large", 12345678.f, "", "1.234568E+07");
        addRow("not a number", nan, "#,##0.00", "");
        addSingleRow("single not a number", float(nan), "#,##0.00", "");
        addRow("not a number, no pattern", nan, "", "");
    }
    void formats()
    {
        auto [value, single, pattern, french, expected] =
            fetch<double, bool, QString, bool, QString>("value", "single", "pattern", "french",
                                                        "expected");
        const NumberSymbols symbols = french ? kFrench : NumberSymbols{};
        QCOMPARE(single ? formatNumber(float(value), pattern, symbols)
                        : formatNumber(value, pattern, symbols),
                 expected);
    }
};

QTEST_GUILESS_MAIN(VbHelpersTest)
#include "test_vbhelpers.moc"
