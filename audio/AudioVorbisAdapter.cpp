#include "AudioVorbisAdapter.h"

#include <limits>
#include <stdexcept>

namespace qvx::audio {
namespace {

struct StreamError : std::runtime_error {
    using std::runtime_error::runtime_error;
};

std::ios_base::seekdir Direction(SeekOrigin origin) {
    switch (origin) {
        case SeekOrigin::Begin:
            return std::ios_base::beg;
        case SeekOrigin::Current:
            return std::ios_base::cur;
        case SeekOrigin::End:
            break;
    }
    return std::ios_base::end;
}

}  // namespace

std::unique_ptr<FileStream> FileStream::Open(const std::filesystem::path& path) {
    auto stream = std::make_unique<FileStream>();
    stream->m_file.open(path, std::ios_base::in | std::ios_base::binary);
    if (!stream->m_file.is_open()) return nullptr;
    return stream;
}

size_t FileStream::Read(void* destination, size_t bytes) {
    if (bytes > static_cast<size_t>(std::numeric_limits<std::streamsize>::max()))
        throw StreamError("read too large");
    m_file.read(static_cast<char*>(destination), static_cast<std::streamsize>(bytes));
    if (m_file.bad()) throw StreamError("read failed");
    return static_cast<size_t>(m_file.gcount());
}

void FileStream::Seek(int64_t offset, SeekOrigin origin) {
    m_file.seekg(static_cast<std::streamoff>(offset), Direction(origin));
    if (m_file.fail()) {
        m_file.clear();
        throw StreamError("seek failed");
    }
}

int64_t FileStream::Position() {
    const std::streamoff position = m_file.tellg();
    if (position < 0) throw StreamError("tell failed");
    return position;
}

size_t StreamRead(void* destination, size_t size, size_t count, void* stream) {
    if (size == 0 || count == 0) return 0;
    if (count > std::numeric_limits<size_t>::max() / size) return 0;
    try {
        auto* s = static_cast<Stream*>(stream);
        const size_t wanted = size * count;
        const size_t got = s->Read(destination, wanted);
        // The decoder reads to the end while it opens a file and then seeks back: a stream
        // left in its end-of-file state would refuse every later seek and tell.
        if (got < wanted) s->ClearError();
        return got / size;
    } catch (...) {
        return 0;
    }
}

int StreamSeek(void* stream, int64_t offset, int origin) {
    if (origin < 0 || origin > 2) return -1;
    try {
        static_cast<Stream*>(stream)->Seek(static_cast<int32_t>(offset),
                                           static_cast<SeekOrigin>(origin));
        return 0;
    } catch (...) {
        return -1;
    }
}

int StreamClose(void* stream) {
    try {
        delete static_cast<Stream*>(stream);
        return 0;
    } catch (...) {
        return -1;
    }
}

long StreamTell(void* stream) {
    try {
        return static_cast<long>(static_cast<Stream*>(stream)->Position());
    } catch (...) {
        return -1;
    }
}

}  // namespace qvx::audio
