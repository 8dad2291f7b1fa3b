#include "Settings.h"

#include <charconv>
#include <climits>
#include <optional>
#include <vector>

#include "BinaryFile.h"

namespace qvx {

namespace fs = std::filesystem;

Settings::Settings() {
    SaveSlotNames.fill(kEmptySlotCaption);
}

namespace {

// Whole decimal text within [lo, hi], optionally surrounded by spaces; nullopt otherwise.
std::optional<int32_t> ParseNumber(const std::string& text, int32_t lo, int32_t hi) {
    size_t begin = text.find_first_not_of(' ');
    size_t end = text.find_last_not_of(' ');
    if (begin == std::string::npos) return std::nullopt;
    int32_t value = 0;
    const char* first = text.data() + begin;
    const char* last = text.data() + end + 1;
    const auto [ptr, ec] = std::from_chars(first, last, value);
    if (ec != std::errc() || ptr != last || value < lo || value > hi) return std::nullopt;
    return value;
}

void Note(std::string& repaired, const std::string& what) {
    repaired += repaired.empty() ? std::string(kSettingsFileName) + ": " : "; ";
    repaired += what;
}

}  // namespace

SettingsLoad LoadSettings(const fs::path& dir) {
    if (fs::exists(dir / kSettingsFileName)) return ReadSettings(dir);
    SettingsLoad result;
    Note(result.repaired, "missing, created with empty slots");
    if (Status written = SaveSettings(result.settings, dir); !written)
        Note(result.repaired, written.message());
    return result;
}

SettingsLoad ReadSettings(const fs::path& dir) {
    SettingsLoad result;
    Settings& s = result.settings;
    std::vector<uint8_t> bytes;
    if (Status read = ReadWholeFile(dir / kSettingsFileName, bytes); !read) {
        Note(result.repaired, read.message() + ", neutral values used");
        return result;
    }
    if (bytes.size() != kSettingsRecords * kRecordBytes) {
        Note(result.repaired, std::to_string(bytes.size()) + " bytes, expected " +
                                  std::to_string(kSettingsRecords * kRecordBytes));
    }
    StrFileReader in(bytes);
    for (int slot = 0; slot <= kNumberedSaveSlots && in.Remaining() > 0; ++slot) {
        s.SaveSlotNames[slot] = in.Get();
    }
    for (int i = 1; i <= kBoosterSlots && in.Remaining() > 0; ++i) {
        const auto id = ParseNumber(in.Get(), 0, kBoosterIds);
        if (!id) Note(result.repaired, "deck slot " + std::to_string(i) + " emptied");
        s.Deck.ActiveBoosters[i] = id.value_or(0);
    }
    if (in.Remaining() > 0) {
        const auto counter = ParseNumber(in.Get(), 0, INT32_MAX);
        if (!counter) Note(result.repaired, "start counter reset");
        s.StartCounter = counter.value_or(0);
    }
    return result;
}

Status SaveSettings(const Settings& settings, const fs::path& dir) {
    StrFileWriter out;
    for (int slot = 0; slot <= kNumberedSaveSlots; ++slot)
        out.Put(settings.SaveSlotNames[slot]);
    for (int i = 1; i <= kBoosterSlots; ++i)
        out.Put(std::to_string(settings.Deck.ActiveBoosters[i]));
    out.Put(std::to_string(settings.StartCounter));
    return WriteFileAtomic(dir / kSettingsFileName, out.Bytes());
}

}  // namespace qvx
