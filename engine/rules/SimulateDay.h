#pragma once
// One broadcasting day of all four channels: ten hours from 02:00 pm, every region and
// audience group.
#include <cstdint>
#include <string>

#include "Catalogue.h"
#include "GameState.h"

namespace qvx {

// Rates every hour, shares out the audience, uses up the titles shown and broadcasts the ad
// spots. Not idempotent: the turn cycle calls it exactly once per simulated day.
void SimulateDay(GameState& gs, const Catalogue& cat, const Boosters& boosters);

// The audience an hour could reach of population p of one group (0 = Kids .. 4 = Seniors).
int32_t PotentialViewers(int32_t p, int group, int slot, bool holiday);
// Viewers of a slot that an ad's target group code counts.
int32_t AudienceForTarget(const Record& slot, int32_t targetCode);

// The office's percentage of an hour (the mean of its five appeals) and its verdict text.
int32_t AudiencePercent(const Record& slot);
const char* AudienceVerdict(int32_t percent);

}  // namespace qvx
