#pragma once
// Shared plumbing of the fuzz targets. The readers take a directory, so each process keeps one
// scratch directory (on tmpfs when there is one, since every input is written out) and lays the
// input into it next to valid copies of the other files the reader needs.
//
// Input layout of the multi-file targets: byte 0 chooses the fuzzed file (its value modulo the
// number of files) and the mode. With bit 7 set the rest of the input is the whole file, so the
// size checks get exercised; otherwise bytes 1..4 are a little-endian offset into the valid copy
// and the rest is written over it from there, clipped to the copy's size, so that mutations
// reach the contents of files far larger than a fuzz input should be.
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "BinaryFile.h"

namespace qvx::fuzz {

namespace fs = std::filesystem;
using Bytes = std::vector<uint8_t>;

[[noreturn]] inline void Fail(const std::string& what) {
    std::fprintf(stderr, "fuzz invariant broken: %s\n", what.c_str());
    std::fflush(stderr);
    std::abort();
}

inline void Expect(bool condition, const std::string& what) {
    if (!condition) Fail(what);
}

inline fs::path MakeScratch(const std::string& name) {
    std::error_code ec;
    fs::path root = fs::is_directory("/dev/shm", ec) && ::access("/dev/shm", W_OK) == 0
                        ? fs::path("/dev/shm")
                        : fs::temp_directory_path();
    if (const char* own = std::getenv("QVX_FUZZ_SCRATCH"); own != nullptr && *own != '\0')
        root = own;
    static std::vector<fs::path> made;
    const fs::path dir = root / ("qvx-fuzz-" + name + "-" + std::to_string(::getpid()));
    fs::remove_all(dir, ec);
    fs::create_directories(dir);
    if (made.empty()) {
        std::atexit([] {
            std::error_code ignored;
            for (const fs::path& p : made)
                fs::remove_all(p, ignored);
        });
    }
    made.push_back(dir);
    return dir;
}

inline Bytes ReadFile(const fs::path& path) {
    Bytes bytes;
    if (Status s = ReadWholeFile(path, bytes); !s) Fail(s.message());
    return bytes;
}

inline void WriteFile(const fs::path& path, const uint8_t* data, size_t size) {
    std::FILE* f = std::fopen(path.c_str(), "wb");
    if (f == nullptr) Fail("cannot write " + path.string());
    if (size > 0 && std::fwrite(data, 1, size, f) != size) Fail("short write " + path.string());
    std::fclose(f);
}
inline void WriteFile(const fs::path& path, const Bytes& bytes) {
    WriteFile(path, bytes.data(), bytes.size());
}
inline void WriteFile(const fs::path& path, std::string_view text) {
    WriteFile(path, reinterpret_cast<const uint8_t*>(text.data()), text.size());
}

// The directory holding real files to start from, when the runner gives one.
inline const char* BaseDir() {
    const char* dir = std::getenv("QVX_FUZZ_BASE");
    return dir != nullptr && *dir != '\0' ? dir : nullptr;
}

struct Choice {
    size_t file = 0;
    bool raw = false;
    uint32_t offset = 0;
    const uint8_t* data = nullptr;
    size_t size = 0;
};

// Splits an input as described at the top; false when it is too short to mean anything.
inline bool Choose(const uint8_t* data, size_t size, size_t files, Choice& c) {
    if (size < 1) return false;
    c.file = data[0] % files;
    c.raw = (data[0] & 0x80) != 0;
    if (c.raw) {
        c.data = data + 1;
        c.size = size - 1;
        return true;
    }
    if (size < 5) return false;
    c.offset = uint32_t{data[1]} | uint32_t{data[2]} << 8 | uint32_t{data[3]} << 16 |
               uint32_t{data[4]} << 24;
    c.data = data + 5;
    c.size = size - 5;
    return true;
}

// The file a choice makes of the valid copy.
inline Bytes Apply(const Choice& c, const Bytes& valid) {
    if (c.raw) return Bytes(c.data, c.data + c.size);
    Bytes out = valid;
    if (out.empty()) return out;
    const size_t at = c.offset % out.size();
    const size_t n = std::min(c.size, out.size() - at);
    std::memcpy(out.data() + at, c.data, n);
    return out;
}

// A record file as the game writes it back: the filler after each text is zero.
inline Bytes ZeroFiller(Bytes bytes) {
    for (size_t start = 0; start + kRecordBytes <= bytes.size(); start += kRecordBytes) {
        const size_t used = 1 + size_t{bytes[start]};
        std::memset(bytes.data() + start + used, 0, kRecordBytes - used);
    }
    return bytes;
}

// Index of the first differing byte, for messages.
inline std::string FirstDifference(const Bytes& a, const Bytes& b) {
    size_t i = 0;
    while (i < a.size() && i < b.size() && a[i] == b[i])
        ++i;
    return "sizes " + std::to_string(a.size()) + "/" + std::to_string(b.size()) +
           ", first difference at byte " + std::to_string(i);
}

// The message is only built on a mismatch: these run on every accepted input.
inline void ExpectSame(const Bytes& actual, const Bytes& expected, const std::string& what) {
    if (actual.size() == expected.size() &&
        (actual.empty() || std::memcmp(actual.data(), expected.data(), actual.size()) == 0))
        return;
    Fail(what + ": " + FirstDifference(actual, expected));
}

}  // namespace qvx::fuzz
