#include "ui/shutdown.h"

#include "domain/ratedatabase.h"
#include "ui/appstate.h"

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
