#pragma once
// Shared plumbing of the fuzz targets. The readers take a directory, so each process keeps one
// scratch directory (on tmpfs when there is one, since every input is written out) and lays the
// input into it next to valid copies of the other files the reader needs.
//
// Input layout of the file targets: byte 0 chooses the fuzzed file (its value modulo the
// number of files); the rest is a list of edits laid in turn over a valid copy of that file, so
// that a few bytes of input reach anywhere in files far larger than a fuzz input should be, and
// the mutations explore the reader's decisions instead of copying megabytes. An edit is a kind
// byte, a 3-byte little-endian offset (modulo the file's size + 1) and a count byte, followed
// for an overwrite or an insertion by that many bytes (fewer when the input ends):
//   kind % 16 <= 12  overwrite from the offset (clipped to the file's end)
//   kind % 16 == 13  insert at the offset
//   kind % 16 == 14  erase count bytes from the offset
//   kind % 16 == 15  cut the file at the offset
// A file of another size is mostly refused at once, so most edits overwrite.
#include <unistd.h>

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <string>
#include <string_view>
#include <utility>
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

constexpr size_t kEditHeaderBytes = 5;

// A valid file and the copy the edits are laid over. Overwrites only touch the copy where they
// land and are undone the same way, so a 5 MB file costs nothing to patch. Of the edits that
// change the size only an input's first is made: the size checks need no more, and each would
// move the rest of a big file.
class PatchedFile {
  public:
    using Range = std::pair<size_t, size_t>;  // [first, last) in the patched file

    PatchedFile() = default;
    explicit PatchedFile(Bytes valid) : m_valid(std::move(valid)), m_work(m_valid) {}

    const Bytes& valid() const { return m_valid; }
    // The valid file with the edits in [data, data + size) laid over it.
    const Bytes& Apply(const uint8_t* data, size_t size) {
        Restore();
        while (size >= kEditHeaderBytes) {
            const Kind kind = KindOf(data[0]);
            const size_t offset = (size_t{data[1]} | size_t{data[2]} << 8 | size_t{data[3]} << 16) %
                                  (m_work.size() + 1);
            const size_t count = data[4];
            data += kEditHeaderBytes;
            size -= kEditHeaderBytes;
            const size_t given =
                kind == Kind::Overwrite || kind == Kind::Insert ? std::min(count, size) : 0;
            Edit(kind, offset, count, data, given);
            data += given;
            size -= given;
        }
        return m_work;
    }
    // Where the last Apply overwrote bytes, and whether it changed the size (everything from
    // that edit on may then differ).
    const std::vector<Range>& overwritten() const { return m_overwritten; }
    bool resized() const { return m_resizedAt != kNone; }

  private:
    enum class Kind { Overwrite, Insert, Erase, Cut };
    static constexpr size_t kNone = SIZE_MAX;
    static Kind KindOf(uint8_t byte) {
        switch (byte % 16) {
            case 13:
                return Kind::Insert;
            case 14:
                return Kind::Erase;
            case 15:
                return Kind::Cut;
            default:
                return Kind::Overwrite;
        }
    }

    void Restore() {
        if (resized()) {
            m_work.resize(m_valid.size());
            std::memcpy(m_work.data() + m_resizedAt, m_valid.data() + m_resizedAt,
                        m_valid.size() - m_resizedAt);
        }
        for (const auto& [from, to] : m_overwritten) {
            const size_t end = std::min(to, m_valid.size());
            if (from < end) std::memcpy(m_work.data() + from, m_valid.data() + from, end - from);
        }
        m_overwritten.clear();
        m_resizedAt = kNone;
    }
    void Edit(Kind kind, size_t offset, size_t count, const uint8_t* bytes, size_t given) {
        if (kind == Kind::Overwrite) {
            const size_t n = std::min(given, m_work.size() - offset);
            if (n == 0) return;
            m_overwritten.emplace_back(offset, offset + n);
            std::memcpy(m_work.data() + offset, bytes, n);
            return;
        }
        if (resized()) return;
        const auto at = m_work.begin() + static_cast<std::ptrdiff_t>(offset);
        const size_t erased = std::min(count, m_work.size() - offset);
        if (kind == Kind::Insert && given > 0) {
            m_work.insert(at, bytes, bytes + given);
        } else if (kind == Kind::Erase && erased > 0) {
            m_work.erase(at, at + static_cast<std::ptrdiff_t>(erased));
        } else if (kind == Kind::Cut && offset < m_work.size()) {
            m_work.resize(offset);
        } else {
            return;
        }
        m_resizedAt = offset;
    }

    Bytes m_valid;
    Bytes m_work;
    std::vector<Range> m_overwritten;
    size_t m_resizedAt = kNone;
};

// A set of valid files of which each input patches one (chosen by byte 0).
struct Patched {
    size_t file = 0;
    const Bytes* bytes = nullptr;
};
inline bool ApplyInput(std::vector<PatchedFile>& files, const uint8_t* data, size_t size,
                       Patched& out) {
    if (size < 1 || files.empty()) return false;
    out.file = data[0] % files.size();
    out.bytes = &files[out.file].Apply(data + 1, size - 1);
    return true;
}

// A record file as the game writes it back: the filler after each text is zero.
inline Bytes ZeroFiller(Bytes bytes) {
    for (size_t start = 0; start + kRecordBytes <= bytes.size(); start += kRecordBytes) {
        const size_t used = 1 + size_t{bytes[start]};
        std::memset(bytes.data() + start + used, 0, kRecordBytes - used);
    }
    return bytes;
}

// FNV-1a, for targets that choose a costlier check for a fixed share of inputs.
inline uint32_t Hash(const uint8_t* data, size_t size) {
    uint32_t h = 2166136261U;
    for (size_t i = 0; i < size; ++i)
        h = (h ^ data[i]) * 16777619U;
    return h;
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

// What the game writes back for a record file it read: each text as it was, zero filler.
inline void ExpectSameRecords(const Bytes& written, const Bytes& read, const std::string& what) {
    if (written.size() != read.size()) Fail(what + ": " + FirstDifference(written, read));
    static const uint8_t zeros[kRecordBytes] = {};
    for (size_t start = 0; start + kRecordBytes <= read.size(); start += kRecordBytes) {
        const size_t used = 1 + size_t{read[start]};
        const bool same =
            std::memcmp(written.data() + start, read.data() + start, used) == 0 &&
            std::memcmp(written.data() + start + used, zeros, kRecordBytes - used) == 0;
        if (!same) Fail(what + ": record " + std::to_string(start / kRecordBytes));
    }
}

}  // namespace qvx::fuzz
