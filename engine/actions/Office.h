#pragma once
// The office's own actions on the game: the TV's channel, End turn's hold on the office, the
// cheat panel, the phone (board of directors, liquidator), auto-play, and the date line.
#include <cstdint>
#include <string>
#include <vector>

#include "Catalogue.h"
#include "GameState.h"
#include "Ranking.h"

namespace qvx {

enum class OfficeOutcome { Done, JournalFull, NotAllowed };

// The office opens (or reopens for the planning phase) on the player's channel, taking orders.
void OpenOffice(GameState& gs);
// End turn confirmed, or the exit closing the day: until the phase has moved on the office takes
// no other order.
void ConfirmEndTurn(GameState& gs);

// A watch button during the broadcast: the TV shows that channel, or switches off when it
// already showed it. Refused (false, nothing changes) in the planning phase or for a channel
// outside 1..4.
bool WatchChannel(GameState& gs, int channel);
// The lit watch button: the TV switches off.
void SwitchOffTv(GameState& gs);
// Midnight: the TV goes back to the player's own channel.
void WatchOwnChannel(GameState& gs);

// "+ $ 10.000 millions" / "+ $ 100.000 millions": JournalKind::CheatMoney10k / CheatMoney100k.
// A game with cheats no longer enters the highscores.
OfficeOutcome CheatMoney(GameState& gs, int32_t amount);
// "+ 10% popularity" for every group (group 0) or one group 1..5, capped at 100, in every
// existing region the player holds; JournalKind::CheatPopularity with the group and 10.
OfficeOutcome CheatPopularity(GameState& gs, int32_t group);

// The phone's companies: those in business of which the player holds more than 29 percent.
std::vector<int> BoardContacts(const GameState& gs);
std::string BoardQuestion(const GameState& gs, int target);
std::string BoardCallText(const GameState& gs, int target);
// Shuts the company down for the next day; not journaled, may be repeated.
OfficeOutcome CallBoardOfDirectors(GameState& gs, int target);

// The liquidator: JournalKind::DeclareBankruptcy (a full journal refuses silently); the
// player's company closes, the game is over and ranked. The caller then ends the turn as usual.
struct Bankruptcy {
    OfficeOutcome outcome = OfficeOutcome::NotAllowed;
    FinalResult final;
};
Bankruptcy DeclareBankruptcy(GameState& gs, const Catalogue& cat);
std::string BankruptcyText(const GameState& gs);

// "Auto 12 game days" / "Auto 120 game days": the next End turn plays that many days.
void StartAutoPlay(GameState& gs, int32_t days);

// "Christmas Day 2010": the month text of the turn's calendar month and its year.
std::string DateLine(int32_t turn);

}  // namespace qvx
