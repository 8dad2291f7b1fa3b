#include "Ranking.h"

#include "Shares.h"

namespace qvx {

namespace {

// A company out of business ranks with money -1, whatever it had left.
void MarkBankrupt(GameState& gs) {
    for (int c = 1; c <= kChannels; ++c) {
        if (!InBusiness(gs, c)) gs.Channel[c][Ch::kMoney] = -1;
    }
}

Table<int32_t, kChannels> Values(const GameState& gs, const Catalogue& cat, ValueVariant variant) {
    Table<int32_t, kChannels> values{};
    for (int c = 1; c <= kChannels; ++c)
        values[c] = CompanyValue(gs, cat, c, variant);
    return values;
}

// own[c] is the value of c when it is the one being placed; others are always full values.
Places Rank(const Table<int32_t, kChannels>& own, const Table<int32_t, kChannels>& full) {
    Table<int, kChannels> below{};
    for (int c = 1; c <= kChannels; ++c) {
        for (int i = 1; i <= kChannels; ++i) {
            if (i != c && full[i] < own[c]) ++below[c];
        }
    }
    return PlaceCompanies(below);
}

}  // namespace

Places PlaceCompanies(const Table<int, kChannels>& below) {
    Places p;
    for (int c = 1; c <= kChannels; ++c) {
        switch (below[c]) {
            case 3:
                p.winner = c;
                break;
            case 2:
                if (p.second == 0) {
                    p.second = c;
                } else if (p.winner == 0) {
                    p.winner = c;
                }
                break;
            case 1:
                if (p.third == 0) {
                    p.third = c;
                    break;
                }
                if (p.second != 0) {
                    if (p.winner != 0) break;
                    p.winner = p.second;
                }
                p.second = c;
                break;
            case 0:
                if (p.last == 0) {
                    p.last = c;
                    break;
                }
                if (p.third != 0) {
                    if (p.second != 0) {
                        if (p.winner != 0) break;
                        p.winner = p.second;
                    }
                    p.second = p.third;
                }
                p.third = c;
                break;
            default:
                break;
        }
    }
    return p;
}

FinalResult FinalRanking(GameState& gs, const Catalogue& cat) {
    MarkBankrupt(gs);
    const auto full = Values(gs, cat, ValueVariant::Full);
    FinalResult result;
    result.places = Rank(Values(gs, cat, ValueVariant::Strict), full);
    const int w = result.places.winner;
    if (w == 0 || gs.Channel[w][Ch::kHuman] != 1 || !InBusiness(gs, w)) return result;
    if (gs.ChannelAccounts[0][Acc::kNoHighscore] > 0) return result;
    result.hasCandidate = true;
    result.candidate = {full[w], gs.ChannelNames[w], gs.Channel[w][Ch::kLogo]};
    return result;
}

Places GameOverRanking(GameState& gs, const Catalogue& cat) {
    MarkBankrupt(gs);
    const auto full = Values(gs, cat, ValueVariant::Full);
    return Rank(full, full);
}

}  // namespace qvx
