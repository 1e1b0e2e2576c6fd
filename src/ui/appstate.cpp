#include "ui/appstate.h"

#include "domain/ratedatabase.h"
#include "ui/mainwindow.h"

namespace norvel {

namespace {
std::unique_ptr<AppState> &instance()
{
    static std::unique_ptr<AppState> state = std::make_unique<AppState>();
    return state;
}
} // namespace

AppState::AppState() = default;
AppState::~AppState() = default;

AppState &appState()
{
    return *instance();
}

void resetAppState()
{
    instance() = std::make_unique<AppState>();
}

} // namespace norvel
