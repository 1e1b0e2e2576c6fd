#include "app/shutdown.h"

#include "app/appstate.h"
#include "pricing/ratedatabase.h"

#include <QCoreApplication>

namespace norvel {

void FermerBasesEtQuitter()
{
    AppState &state = appState();
    if (state.rateDatabase)
        state.rateDatabase->close();
    state.rateDatabase.reset();
    QCoreApplication::quit();
}

} // namespace norvel
