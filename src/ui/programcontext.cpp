#include "ui/programcontext.h"

#include "domain/databaserates.h"
#include "domain/ratedatabase.h"

#include <QTemporaryDir>

namespace norvel {

namespace {
std::unique_ptr<ProgramContext> &instance()
{
    static std::unique_ptr<ProgramContext> state = std::make_unique<ProgramContext>();
    return state;
}
} // namespace

ProgramContext::ProgramContext() = default;
ProgramContext::~ProgramContext() = default;

RateSource *ProgramContext::quoteRates()
{
    if (!rateDatabase) {
        rates.reset();
        return nullptr;
    }
    if (!rates)
        rates = std::make_unique<DatabaseRates>(*rateDatabase);
    return rates.get();
}

ProgramContext &programContext()
{
    return *instance();
}

void resetProgramContext()
{
    instance() = std::make_unique<ProgramContext>();
}

} // namespace norvel
