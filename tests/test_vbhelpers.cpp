// The calendar and number helpers every quote rule is written in: a carry or a rounding done
// the machine's way instead of the classic way moves a limit or an age.
#include "base/vbdate.h"
#include "base/vbnumber.h"
#include "support/datarow.h"

#include <QtTest>
#include <cmath>
#include <limits>

using namespace norvel;
using namespace norvel::test;

namespace {
QDate dmy(int day, int month, int year)
{
    return QDate(year, month, day);
}
} // namespace

class VbHelpersTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void dateSerialCarries_data()
    {
        QTest::addColumn<int>("year");
        QTest::addColumn<int>("month");
        QTest::addColumn<int>("day");
        QTest::addColumn<QDate>("expected");
        row("plain", 2010, 3, 15, dmy(15, 3, 2010));
        row("31 February", 2010, 2, 31, dmy(3, 3, 2010));
        row("month 13", 2010, 13, 1, dmy(1, 1, 2011));
        row("month 0", 2010, 0, 15, dmy(15, 12, 2009));
        row("month -5", 2010, -5, 15, dmy(15, 7, 2009));
        row("month -12", 2010, -12, 1, dmy(1, 12, 2008));
        row("day 0", 2010, 3, 0, dmy(28, 2, 2010));
        row("day 0, leap year", 2012, 3, 0, dmy(29, 2, 2012));
        row("day -1 into the year before", 2010, 1, -1, dmy(30, 12, 2009));
        row("last classic day", 9999, 12, 31, dmy(31, 12, 9999));
        row("past the classic range", 9999, 13, 1, QDate());
        row("before the classic range", 100, 1, 0, QDate());
        row("carried into the range", 99, 12, 32, dmy(1, 1, 100));
    }
    void dateSerialCarries()
    {
        QFETCH(int, year);
        QFETCH(int, month);
        QFETCH(int, day);
        QFETCH(QDate, expected);
        QCOMPARE(dateSerial(year, month, day), expected);
    }

    void dayMonthYearReadsOnlyRealDates_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QDate>("expected"); // invalid: not a date
        row("plain", "15/03/2010", dmy(15, 3, 2010));
        row("day before month", "02/03/2010", dmy(2, 3, 2010));
        row("29 February, leap year", "29/02/2012", dmy(29, 2, 2012));
        row("29 February, common year", "29/02/2010", QDate());
        row("31 April", "31/04/2010", QDate());
        row("month 13, a month/day reading would take it", "12/13/2010", QDate());
        row("month 00", "15/00/2010", QDate());
        row("day 00", "00/03/2010", QDate());
        row("year 0099", "15/03/0099", QDate());
        row("year 0100", "01/01/0100", dmy(1, 1, 100));
        row("unfilled positions", "15/03/20__", QDate());
        row("empty mask", "__/__/____", QDate());
        row("empty", "", QDate());
        row("non-ASCII digits", QString::fromUtf8("١٥/03/2010"), QDate());
    }
    void dayMonthYearReadsOnlyRealDates()
    {
        QFETCH(QString, text);
        QFETCH(QDate, expected);
        QCOMPARE(dayMonthYear(text).value_or(QDate()), expected);
    }

    void leadingNumber_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<double>("expected");
        row("digits", "60", 60.0);
        row("trailing letters", "12abc", 12.0);
        row("no value mark", "---", 0.0);
        row("empty", "", 0.0);
        row("letters first", "abc12", 0.0);
        row("blanks inside", "1 2\t3", 123.0);
        row("grouped amount", "150 000 $", 150000.0);
        row("negative", "-7", -7.0);
        row("blank after the sign", "- 7", -7.0);
        row("decimal", "3.5x", 3.5);
        row("second point ends it", "1.2.3", 1.2);
        row("sign after digits ends it", "5-3", 5.0);
    }
    void leadingNumber()
    {
        QFETCH(QString, text);
        QFETCH(double, expected);
        QCOMPARE(norvel::leadingNumber(text), expected);
    }

    void isNumeric_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("expected");
        row("digits", "40", true);
        row("signed", "-3", true);
        row("decimal", "1.5", true);
        row("empty", "", false);
        row("blanks only", "   ", false);
        row("no value mark", "---", false);
        row("lone point", ".", false);
        row("two points", "1.2.3", false);
        row("trailing letter", "12a", false);
        row("blank inside", "1 2", false);
    }
    void isNumeric()
    {
        QFETCH(QString, text);
        QFETCH(bool, expected);
        QCOMPARE(norvel::isNumeric(text), expected);
    }

    void toInteger16_data()
    {
        QTest::addColumn<double>("value");
        QTest::addColumn<bool>("fits");
        QTest::addColumn<int>("expected");
        row("half down to even", 2.5, true, 2);
        row("half up to even", 3.5, true, 4);
        row("negative half to even", -2.5, true, -2);
        row("negative half up to even", -3.5, true, -4);
        row("below half", 0.49, true, 0);
        row("largest", 32767.4, true, 32767);
        row("rounds past the largest", 32767.5, false, 0);
        row("smallest by rounding", -32768.5, true, -32768);
        row("below the smallest", -32768.6, false, 0);
        row("not a number", std::nan(""), false, 0);
        row("infinite", std::numeric_limits<double>::infinity(), false, 0);
    }
    void toInteger16()
    {
        QFETCH(double, value);
        QFETCH(bool, fits);
        QFETCH(int, expected);
        const std::optional<qint16> result = norvel::toInteger16(value);
        QCOMPARE(result.has_value(), fits);
        if (fits)
            QCOMPARE(int(*result), expected);
    }
};

QTEST_GUILESS_MAIN(VbHelpersTest)
#include "test_vbhelpers.moc"
