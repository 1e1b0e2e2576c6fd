#pragma once

#include "domain/ratedatabase.h"

#include <QDate>
#include <QString>

namespace norvel {

class Language;

// The rate schedule a database holds: its name and the first day a quote may use it.
struct RateVintage {
    QString name;    // "Tarifs 2010"
    QDate effective; // valid

    static constexpr const char *kTable = "RateVintage";

    // Rates are never used before they take effect.
    bool inEffectOn(const QDate &today) const { return today >= effective; }
};

// The vintage stored with the rate tables; a database without one, or with a name that is blank
// or a date that is no date, is refused with Error::NoVintage.
RateDatabase::Status readRateVintage(RateDatabase &database, RateVintage &vintage);

// The effective date as the texts around the rates give it: "1 janvier 2010", "1 January 2010".
QString effectiveDate(const Language &language, const QDate &date);

} // namespace norvel
