// Every premium and amount on screen, in a file or on the report goes through these
// patterns; a digit lost or rounded the wrong way is a wrong quote.
#include "base/vbformat.h"
#include "support/datarow.h"

#include <QtTest>
#include <limits>

using namespace norvel;
using namespace norvel::test;

namespace {

const NumberSymbols kFrench{u',', u' '};

void addColumns()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<bool>("single");
    QTest::addColumn<QString>("pattern");
    QTest::addColumn<bool>("french");
    QTest::addColumn<QString>("expected");
}

void addRow(const char *name, double value, const QString &pattern, const QString &expected,
            bool french = false)
{
    row(name, value, false, pattern, french, expected);
}

void addSingleRow(const char *name, float value, const QString &pattern, const QString &expected)
{
    row(name, double(value), true, pattern, false, expected);
}

void check()
{
    QFETCH(double, value);
    QFETCH(bool, single);
    QFETCH(QString, pattern);
    QFETCH(bool, french);
    QFETCH(QString, expected);
    const NumberSymbols symbols = french ? kFrench : NumberSymbols{};
    const QString actual = single ? formatNumber(float(value), pattern, symbols)
                                  : formatNumber(value, pattern, symbols);
    QCOMPARE(actual, expected);
}

} // namespace

class VbFormatTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void amounts_data()
    {
        addColumns();
        addRow("french whole", 150000, "#,##0 $", "150 000 $", true);
        addRow("english whole", 150000, "$#,##0", "$150,000");
        addRow("french cents", 570, "#,##0.00 $", "570,00 $", true);
        addRow("english cents", 570, "$#,##0.00", "$570.00");
        addRow("grouping of a long number", 1234567, "#,##0", "1,234,567");
        addRow("grouping comma anywhere", 1234567, "##,#0", "1,234,567");
        addRow("grouping of leading zeros", 5, "0,000", "0,005");
        addRow("comma outside the placeholders", 1234, "0, \\$", "1234 $");
        addRow("literal space kept", 5, "## ###", " 5");
        addRow("literal space grouping", 150000, "### ###", "150 000");
        addRow("extra digits at the first slot", 1234567, "### ###", "1234 567");
        addRow("date digits", 1011980, "00/00/0000", "01/01/1980");
        addRow("no leading zeros", 10000, "######", "10000");
        addRow("zero shows nothing", 0, "######", "");
        addRow("at least one digit", 0, "#####0", "0");
        addRow("1e15 in full", 1e15, "#,##0", "1,000,000,000,000,000");
    }
    void amounts() { check(); }

    void rounding_data()
    {
        addColumns();
        addRow("half up", 0.125, "0.00", "0.13");
        addRow("half away from zero", 2.5, "0", "3");
        addRow("negative half away from zero", -2.5, "0", "-3");
        addRow("carry through the point", 999.995, "#,##0.00", "1,000.00");
        addRow("no point: whole number", 1234.5, "#,##0", "1,235");
        addRow("fifteen digits of a double", 0.1 + 0.2, "0.000000000000000000",
               "0.300000000000000000");
        addRow("double keeps its decimals", 123456789.125, "0.00", "123456789.13");
        addRow("double of a single", double(49.998f), "0.000000", "49.998001");
        addSingleRow("monthly premium", 49.998f, "#,##0.00", "50.00");
        addSingleRow("single half up", 1.005f, "0.00", "1.01");
        addSingleRow("seven digits of a single", 0.1f, "0.000000000", "0.100000000");
        addSingleRow("single whole digits rounded", 1234567.5f, "0.0", "1234568.0");
        addRow("percent", 0.256, "0.0%", "25.6%");
        addSingleRow("percent on the decimal text", 0.07f, "0%", "7%");
    }
    void rounding() { check(); }

    void fractions_data()
    {
        addColumns();
        addRow("hash drops trailing zeros", 1.5, "#.##", "1.5");
        addRow("point always shown", 1, "#.##", "1.");
        addRow("no leading zero", 0.5, "#.00", ".50");
        addRow("leading zero", 0.5, "0.00", "0.50");
        addRow("zero then hash", 1.05, "0.0#", "1.05");
        addRow("zero then hash trimmed", 1.5, "0.0#", "1.5");
        addRow("hash then zero", 1, "0.#0", "1.00");
        addRow("no whole placeholder", 1234.5, ".00", "1234.50");
        addRow("second point is literal", 1.5, "0.0.0", "1.5.0");
        addRow("french decimal", 2.25, "0.00", "2,25", true);
    }
    void fractions() { check(); }

    void sections_data()
    {
        addColumns();
        addRow("negative section", -570, "$#,##0.00;($#,##0.00)", "($570.00)");
        addRow("one section adds the sign", -570, "$#,##0.00", "-$570.00");
        addRow("zero section", 0, "0.00;(0.00);\\Z\\e\\r\\o", "Zero");
        addRow("rounds to zero", 0.001, "0.00;(0.00);\\Z\\e\\r\\o", "Zero");
        addRow("negative rounds to zero", -0.004, "0.00;(0.00);\\Z\\e\\r\\o", "Zero");
        addRow("no negative zero", -0.001, "0.00", "0.00");
        addRow("no negative zero in brackets", -0.001, "0.00;(0.00)", "0.00");
        addRow("empty negative section", -5, "0;;\"none\"", "-5");
        addRow("empty zero section", 0, "0.0;(0)", "0.0");
        addRow("empty first section", -5, ";(0)", "(5)");
        addRow("negative section decimals", -0.3, "0.00;(0)", "(0)");
        addRow("fourth section ignored", -5, "0;(0);Z;x", "(5)");
        addRow("quoted semicolon", 5, "\"a;b\"0", "a;b5");
        addRow("escaped semicolon", 5, "0\\;", "5;");
    }
    void sections() { check(); }

    void plain_data()
    {
        addColumns();
        addRow("zero", 0, "", "0");
        addRow("whole", 570, "", "570");
        addRow("negative", -2.5, "", "-2.5");
        addRow("shortest of 15 digits", 0.1 + 0.2, "", "0.3");
        addRow("french point", 0.5, "", "0,5", true);
        addRow("fifteen digits written out", 123456789012345, "", "123456789012345");
        addRow("too large to write out", 1e15, "", "1E+15");
        addRow("small written out", 1e-5, "", "0.00001");
        addRow("too small to write out", 1.5e-6, "", "1.5E-06");
        addSingleRow("single", 0.1f, "", "0.1");
        addSingleRow("single too large", 12345678.f, "", "1.234568E+07");
    }
    void plain() { check(); }

    void malformed_data()
    {
        addColumns();
        addRow("unbalanced quote", 5, "0\"abc", "5abc");
        addRow("trailing backslash", 5, "0\\", "5");
        addRow("no placeholder", 5, "abc", "abc");
        addRow("no placeholder negative", -5, "abc", "-abc");
        addRow("commas only", 5, ",,", "");
        addRow("point only", 5, ".", "5.");
        addRow("percent only", 0.5, "%", "%");
        addRow("semicolons only", 5, ";;;;", "5");
        addRow("tiny value", 1e-300, "0.00", "0.00");
        addRow("huge value", 1e300, "0", "1" + QString(300, u'0'));
        addRow("many decimals", 1.0 / 3, "0." + QString(40, u'0'),
               "0.333333333333333" + QString(25, u'0'));
    }
    void malformed() { check(); }

    void notANumber_data()
    {
        QTest::addColumn<double>("value");
        row("nan", std::numeric_limits<double>::quiet_NaN());
        row("inf", std::numeric_limits<double>::infinity());
        row("-inf", -std::numeric_limits<double>::infinity());
    }
    void notANumber()
    {
        QFETCH(double, value);
        QCOMPARE(formatNumber(value, "#,##0.00"), QString());
        QCOMPARE(formatNumber(float(value), "#,##0.00"), QString());
        QCOMPARE(formatNumber(value, ""), QString());
    }
};

QTEST_GUILESS_MAIN(VbFormatTest)
#include "test_vbformat.moc"
