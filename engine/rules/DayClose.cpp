#include "DayClose.h"

#include "Highscores.h"

namespace qvx {

Status EnterFinalResult(const FinalResult& final, const std::filesystem::path& dir, Rng& rng) {
    if (!final.hasCandidate) return Status::Ok();
    return EnterHighscore(final.candidate, dir, rng);
}

Broadcast BeginBroadcast(GameState& gs, const Catalogue& cat, const Boosters& boosters, Rng& rng,
                         const std::filesystem::path& dir) {
    Broadcast broadcast;
    broadcast.turn = EndTurn(gs, cat, boosters, rng);
    if (broadcast.turn.final)
        broadcast.highscore = EnterFinalResult(*broadcast.turn.final, dir, rng);
    return broadcast;
}

DayClose PlayTurn(GameState& gs, const Catalogue& cat, Settings& settings, Rng& rng,
                  const std::filesystem::path& dir, int autosaveSlot) {
    DayClose close;
    close.broadcast = BeginBroadcast(gs, cat, settings.Deck, rng, dir);
    if (!close.broadcast.highscore) return close;
    close.day = OpenPlanningPhase(gs, cat, settings, dir, autosaveSlot);
    return close;
}

}  // namespace qvx
