#pragma once

namespace norvel {

// Closes every database object and ends the program's event loop.
void FermerBasesEtQuitter();

} // namespace norvel
