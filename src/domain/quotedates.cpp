#include "domain/quotedates.h"

#include "base/vbdate.h"

namespace norvel {

namespace {
constexpr int kLongestLoanYears = 30;
} // namespace

QString CalculerAge(const QString &loanDateText, const QString &birthText)
{
    const std::optional<QDate> birth = dayMonthYear(birthText);
    if (!birth)
        return {};
    const QDate loan = dayMonthYear(loanDateText).value_or(QDate(1899, 12, 30));
    const int months = loan.month() - birth->month();
    const int days = loan.day() - birth->day();
    const bool beforeBirthday = months < 0 || (months == 0 && days < 0);
    return QString::number(loan.year() - birth->year() - (beforeBirthday ? 1 : 0));
}

QString CalculerDureeAmortissement(const QString &endText, const QString &startText)
{
    const std::optional<QDate> end = dayMonthYear(endText);
    const std::optional<QDate> start = dayMonthYear(startText);
    if (!end || !start)
        return kNoValue;
    const int years = end->year() - start->year();
    const int months = years * 12 + end->month() - start->month();
    if (months < 1 || years > kLongestLoanYears)
        return kNoValue;
    const bool startedMonth = end->day() > start->day();
    return QString::number(months + (startedMonth ? 1 : 0));
}

QString EcheanceMaximale(const QString &loanDigits)
{
    const QString loanText = loanDigits.left(2) + QLatin1Char('/') + loanDigits.mid(2, 2) +
                             QLatin1Char('/') + loanDigits.mid(4);
    const std::optional<QDate> loan = dayMonthYear(loanText);
    if (!loan)
        return {};
    const QDate end = loan->addYears(kLongestLoanYears);
    if (end.year() > 9999)
        return {};
    return end.toString(QStringLiteral("ddMMyyyy"));
}

} // namespace norvel
