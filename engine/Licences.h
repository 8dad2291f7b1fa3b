#pragma once
#include "GameState.h"

namespace qvx {

// True when channel c holds the broadcasting licence for region r.
inline bool HoldsLicence(const GameState& gs, int r, int c) {
    return gs.Licences[r][c] == 1;
}

}  // namespace qvx
