#pragma once
// Little-endian integer and 256-byte string-record files: building them in memory, reading them
// back with every read bounds-checked, and replacing a file on disk without ever destroying the
// old one.
#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "Status.h"

namespace qvx {

constexpr size_t kIntBytes = 4;
constexpr size_t kRecordBytes = 256;

// Reads a whole file; the error names the file.
Status ReadWholeFile(const std::filesystem::path& path, std::vector<uint8_t>& out);
struct FileContent {
    std::filesystem::path path;
    const std::vector<uint8_t>* bytes;
};
// Writes a temporary file beside path, flushes and fsyncs it, then renames it over path.
// On any failure the previous file is untouched and the temporary is removed.
Status WriteFileAtomic(const std::filesystem::path& path, const std::vector<uint8_t>& bytes);
// The same for files that belong together (a save slot's pair, a catalogue set): every
// temporary is written and synced before the first rename, so a full disk or a write error
// leaves the whole old group in place rather than a mix of old and new files.
Status WriteFilesAtomic(const std::vector<FileContent>& files);
// Checks that a file read into memory has exactly the expected size, naming the file if not:
// "QVX2_Movies.int: 39996 bytes, expected 40000".
Status CheckSize(const std::string& fileName, size_t actual, size_t expected);

// A writer may be given a buffer to write into, whose memory it keeps (its bytes are dropped):
// a caller encoding the same large file again and again then allocates it only once.
class IntFileWriter {
  public:
    explicit IntFileWriter(std::vector<uint8_t> reuse = {}) : m_bytes(std::move(reuse)) {
        m_bytes.clear();
    }
    void Put(int32_t v);
    const std::vector<uint8_t>& Bytes() const { return m_bytes; }
    std::vector<uint8_t> TakeBytes() { return std::move(m_bytes); }
    void Reserve(size_t count) { m_bytes.reserve(count * kIntBytes); }

  private:
    std::vector<uint8_t> m_bytes;
};

// Writes UTF-8 strings as Windows-1252 records: length byte, text cut to 255 bytes, zero filler.
class StrFileWriter {
  public:
    explicit StrFileWriter(std::vector<uint8_t> reuse = {}) : m_bytes(std::move(reuse)) {
        m_bytes.clear();
    }
    void Put(std::string_view utf8);
    const std::vector<uint8_t>& Bytes() const { return m_bytes; }
    std::vector<uint8_t> TakeBytes() { return std::move(m_bytes); }
    void Reserve(size_t count) { m_bytes.reserve(count * kRecordBytes); }

  private:
    std::vector<uint8_t> m_bytes;
};

// Sequential reader over a file's bytes. Reading past the end is a caller bug guarded by
// CheckSize first; it still never reads out of bounds and yields 0 / "" instead.
class IntFileReader {
  public:
    explicit IntFileReader(const std::vector<uint8_t>& bytes) : m_bytes(bytes) {}
    int32_t Get();
    size_t Remaining() const { return (m_bytes.size() - m_pos) / kIntBytes; }

  private:
    const std::vector<uint8_t>& m_bytes;
    size_t m_pos = 0;
};

// Reads Windows-1252 records as UTF-8 strings; the filler after the length is ignored.
class StrFileReader {
  public:
    explicit StrFileReader(const std::vector<uint8_t>& bytes) : m_bytes(bytes) {}
    std::string Get();
    size_t Remaining() const { return (m_bytes.size() - m_pos) / kRecordBytes; }

  private:
    const std::vector<uint8_t>& m_bytes;
    size_t m_pos = 0;
};

}  // namespace qvx
