#include "Shares.h"

namespace qvx {

// The share market arrives with the economy; until then prices stay where they started.
void UpdateSharePrices(GameState&, Rng&) {}

}  // namespace qvx
