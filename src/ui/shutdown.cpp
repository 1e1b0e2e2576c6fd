#include "ui/shutdown.h"

#include "domain/ratedatabase.h"
#include "ui/programcontext.h"

#include <QCoreApplication>

namespace norvel {

void FermerBasesEtQuitter()
{
    ProgramContext &state = programContext();
    if (state.rateDatabase)
        state.rateDatabase->close();
    state.rateDatabase.reset();
    QCoreApplication::quit();
}

} // namespace norvel
