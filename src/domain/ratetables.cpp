#include "domain/ratetables.h"

#include "domain/pricingrules.h"

namespace norvel {

const std::vector<RateTable> &rateTables()
{
    static const std::vector<RateTable> tables = [] {
        const int lastDisabilityAge = int(AgeLimiteInvalidite) - 1;
        std::vector<RateTable> all{{TableVie, AgeMinimum, AgeMaximum, 4},
                                   {TableInvalidite24, AgeMinimum, lastDisabilityAge, 4}};
        for (const bool homme : {true, false})
            for (const bool fumeur : {false, true})
                all.push_back({TableInvalidite(homme, fumeur), AgeMinimum, lastDisabilityAge, 5});
        return all;
    }();
    return tables;
}

} // namespace norvel
