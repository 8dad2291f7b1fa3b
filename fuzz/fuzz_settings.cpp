// LoadSettings/ReadSettings over "SaveGameData.str": the input is the whole file.
#include "FuzzSupport.h"
#include "Settings.h"

using namespace qvx;
using namespace qvx::fuzz;

namespace {

bool Same(const Settings& a, const Settings& b) {
    return a.SaveSlotNames == b.SaveSlotNames && a.Deck.ActiveBoosters == b.Deck.ActiveBoosters &&
           a.StartCounter == b.StartCounter;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static const fs::path scratch = MakeScratch("settings");
    static const fs::path out = MakeScratch("settings-out");
    WriteFile(scratch / kSettingsFileName, data, size);

    // The file exists, so loading must only read it: never write over what the player has.
    const SettingsLoad loaded = LoadSettings(scratch);
    ExpectSame(ReadFile(scratch / kSettingsFileName), Bytes(data, data + size),
               "loading an existing settings file rewrote it");
    const SettingsLoad read = ReadSettings(scratch);
    Expect(Same(loaded.settings, read.settings) && loaded.repaired == read.repaired,
           "LoadSettings and ReadSettings disagree");

    for (int i = 1; i <= kBoosterSlots; ++i) {
        const int32_t id = read.settings.Deck.ActiveBoosters[i];
        if (id < 0 || id > kBoosterIds) Fail("deck card id out of range: " + std::to_string(id));
    }
    Expect(read.settings.StartCounter >= 0, "negative start counter");

    // Whatever was read (repaired or not) is written so that it reads back as it stands.
    if (!SaveSettings(read.settings, out)) Fail("cannot save settings");
    const SettingsLoad again = ReadSettings(out);
    Expect(again.repaired.empty(), "saved settings need repair: " + again.repaired);
    Expect(Same(again.settings, read.settings), "settings changed in a save/load");
    if (read.repaired.empty()) {
        const Bytes saved = ReadFile(out / kSettingsFileName);
        const Bytes expected = ZeroFiller(Bytes(data, data + size));
        // Numbers may be written with other spacing than they were read with; texts may not.
        const size_t captions = size_t{kNumberedSaveSlots + 1} * kRecordBytes;
        if (saved.size() != expected.size() ||
            !std::equal(saved.begin(), saved.begin() + static_cast<long>(captions),
                        expected.begin()))
            Fail("slot captions changed in a load/save: " + FirstDifference(saved, expected));
    }
    return 0;
}
