#pragma once
#include <filesystem>

namespace qvx::test {

// The file OpenAL's wave-file device writes in this process; complete once the device is closed.
std::filesystem::path WaveOutput();

}  // namespace qvx::test
