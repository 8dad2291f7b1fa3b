#include "HistoryFile.h"

#include "BinaryFile.h"
#include "GameState.h"

namespace qvx {

std::vector<uint8_t> EncodeHistory(const GameHistory& history) {
    IntFileWriter w;
    w.Reserve(kHistoryHeaderValues + history.entries.size() * kHistoryEntryValues);
    w.Put(kHistoryMagic);
    w.Put(kHistoryVersion);
    w.Put(static_cast<int32_t>(history.entries.size()));
    for (const HistoryEntry& e : history.entries) {
        w.Put(e.turn);
        for (int c = 1; c <= kChannels; ++c) {
            const HistoryPoint& p = e.companies[c];
            w.Put(p.inBusiness);
            w.Put(p.funds);
            w.Put(p.companyValue);
            w.Put(p.primeTimeViewers);
            w.Put(p.sharePrice);
        }
    }
    return w.TakeBytes();
}

Status DecodeHistory(const std::string& fileName, const std::vector<uint8_t>& bytes,
                     GameHistory& out) {
    const auto fail = [&](const std::string& why) { return Status::Fail(fileName + ": " + why); };
    if (bytes.size() < kHistoryHeaderValues * kIntBytes)
        return fail(std::to_string(bytes.size()) + " bytes, too short for its header");
    IntFileReader r(bytes);
    if (r.Get() != kHistoryMagic) return fail("not a history file");
    if (const int32_t version = r.Get(); version != kHistoryVersion)
        return fail("version " + std::to_string(version) + ", expected " +
                    std::to_string(kHistoryVersion));
    const int32_t count = r.Get();
    if (count < 0) return fail("count " + std::to_string(count));
    // 64-bit so a garbled count cannot wrap into a matching size.
    const uint64_t expected =
        (kHistoryHeaderValues + uint64_t(count) * kHistoryEntryValues) * kIntBytes;
    if (expected != bytes.size())
        return fail(std::to_string(bytes.size()) + " bytes, expected " + std::to_string(expected) +
                    " for " + std::to_string(count) + " turns");

    GameHistory history;
    history.entries.resize(static_cast<size_t>(count));
    int32_t lastTurn = 0;
    for (HistoryEntry& e : history.entries) {
        e.turn = r.Get();
        if (e.turn <= lastTurn)
            return fail("turn " + std::to_string(e.turn) + " after turn " +
                        std::to_string(lastTurn));
        lastTurn = e.turn;
        for (int c = 1; c <= kChannels; ++c) {
            HistoryPoint& p = e.companies[c];
            p.inBusiness = r.Get();
            if (p.inBusiness != 0 && p.inBusiness != 1)
                return fail("turn " + std::to_string(e.turn) + ": company " + std::to_string(c) +
                            " in business " + std::to_string(p.inBusiness));
            p.funds = r.Get();
            p.companyValue = r.Get();
            p.primeTimeViewers = r.Get();
            p.sharePrice = r.Get();
        }
    }
    out = std::move(history);
    return Status::Ok();
}

}  // namespace qvx
