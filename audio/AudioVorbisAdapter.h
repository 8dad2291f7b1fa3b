#pragma once
// The decoder adapter: the file stream a channel plays from, and the four callbacks the Vorbis
// decoder (libvorbisfile) reads it through. The callbacks' data source is a Stream*; once the
// decoder has opened, it owns the stream and frees it through the close callback.
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <memory>

namespace qvx::audio {

enum class SeekOrigin { Begin = 0, Current = 1, End = 2 };

class Stream {
  public:
    virtual ~Stream() = default;
    // Up to `bytes`; fewer only at the end. Throws when the stream fails.
    virtual size_t Read(void* destination, size_t bytes) = 0;
    // Throws when the position cannot be taken.
    virtual void Seek(int64_t offset, SeekOrigin origin) = 0;
    virtual int64_t Position() = 0;
    // Forget the end-of-file state a short read left behind.
    virtual void ClearError() {}
};

// A file opened read-only.
class FileStream : public Stream {
  public:
    // nullptr when the file cannot be opened.
    static std::unique_ptr<FileStream> Open(const std::filesystem::path& path);

    size_t Read(void* destination, size_t bytes) override;
    void Seek(int64_t offset, SeekOrigin origin) override;
    int64_t Position() override;
    void ClearError() override { m_file.clear(); }

  private:
    std::ifstream m_file;
};

// Whole elements read (a partial element's bytes are still consumed); 0 for an empty request,
// at the end, or when the stream fails.
size_t StreamRead(void* destination, size_t size, size_t count, void* stream);
// Origin 0/1/2 = beginning/current/end, with the low 32 bits of the offset (files up to 2 GiB).
// 0, or -1 when the stream fails.
int StreamSeek(void* stream, int64_t offset, int origin);
// Frees the stream: 0, or -1 when that fails.
int StreamClose(void* stream);
// The position, or -1 when the stream fails.
long StreamTell(void* stream);

}  // namespace qvx::audio
