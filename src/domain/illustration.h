#pragma once

#include "domain/coempmemoire.h"

#include <QString>

namespace norvel {

// The illustration being edited: whether it changed since it was last opened or saved, the
// file it was opened from or saved to (empty until then), and the co-borrower entries kept
// while the co-borrower box is unticked.
struct Illustration {
    bool modified = false;
    QString fileName;
    CoempMemoire coempMemoire;
};

} // namespace norvel
