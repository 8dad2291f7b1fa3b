#include "BinaryFile.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>

#include "TextCodec.h"

namespace qvx {

namespace fs = std::filesystem;

Status ReadWholeFile(const fs::path& path, std::vector<uint8_t>& out) {
    const std::string name = path.filename().string();
    std::FILE* f = std::fopen(path.c_str(), "rb");
    if (f == nullptr)
        return Status::Fail(name + ": cannot be opened (" + std::strerror(errno) + ")");
    out.clear();
    uint8_t chunk[65536];
    size_t got = 0;
    while ((got = std::fread(chunk, 1, sizeof chunk, f)) > 0)
        out.insert(out.end(), chunk, chunk + got);
    const bool failed = std::ferror(f) != 0;
    std::fclose(f);
    if (failed) return Status::Fail(name + ": read error");
    return Status::Ok();
}

namespace {

fs::path TempPath(const fs::path& path) {
    fs::path temp = path;
    temp += ".tmp";
    return temp;
}

Status WriteTemp(const fs::path& path, const std::vector<uint8_t>& bytes) {
    const std::string name = path.filename().string();
    const fs::path temp = TempPath(path);
    const int fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    if (fd < 0) return Status::Fail(name + ": cannot be written (" + std::strerror(errno) + ")");
    size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) {
            const std::string why = n == 0 ? "nothing written" : std::strerror(errno);
            ::close(fd);
            ::unlink(temp.c_str());
            return Status::Fail(name + ": write failed (" + why + ")");
        }
        done += static_cast<size_t>(n);
    }
    if (::fsync(fd) != 0) {
        const std::string why = std::strerror(errno);
        ::close(fd);
        ::unlink(temp.c_str());
        return Status::Fail(name + ": write failed (" + why + ")");
    }
    if (::close(fd) != 0) {
        const std::string why = std::strerror(errno);
        ::unlink(temp.c_str());
        return Status::Fail(name + ": write failed (" + why + ")");
    }
    return Status::Ok();
}

// Makes the renames themselves durable; a failure here loses nothing already on disk.
void SyncDirectory(const fs::path& file) {
    fs::path dir = file.parent_path();
    if (dir.empty()) dir = ".";
    const int fd = ::open(dir.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return;
    ::fsync(fd);
    ::close(fd);
}

}  // namespace

Status WriteFilesAtomic(const std::vector<FileContent>& files) {
    for (size_t i = 0; i < files.size(); ++i) {
        if (Status s = WriteTemp(files[i].path, *files[i].bytes); !s) {
            for (size_t j = 0; j < i; ++j)
                ::unlink(TempPath(files[j].path).c_str());
            return s;
        }
    }
    for (size_t i = 0; i < files.size(); ++i) {
        const fs::path& path = files[i].path;
        if (std::rename(TempPath(path).c_str(), path.c_str()) != 0) {
            const std::string why = std::strerror(errno);
            for (size_t j = i; j < files.size(); ++j)
                ::unlink(TempPath(files[j].path).c_str());
            return Status::Fail(path.filename().string() + ": cannot be replaced (" + why + ")");
        }
    }
    if (!files.empty()) SyncDirectory(files.front().path);
    return Status::Ok();
}

Status WriteFileAtomic(const fs::path& path, const std::vector<uint8_t>& bytes) {
    return WriteFilesAtomic({{path, &bytes}});
}

Status CheckSize(const std::string& fileName, size_t actual, size_t expected) {
    if (actual == expected) return Status::Ok();
    return Status::Fail(fileName + ": " + std::to_string(actual) + " bytes, expected " +
                        std::to_string(expected));
}

void IntFileWriter::Put(int32_t v) {
    const auto u = static_cast<uint32_t>(v);
    const size_t at = m_bytes.size();
    m_bytes.resize(at + kIntBytes);
    for (unsigned i = 0; i < kIntBytes; ++i)
        m_bytes[at + i] = static_cast<uint8_t>(u >> (8 * i));
}

void StrFileWriter::Put(std::string_view utf8) {
    std::string text = Utf8ToCp1252(utf8);
    if (text.size() > kMaxRecordText) text.resize(kMaxRecordText);
    const size_t start = m_bytes.size();
    m_bytes.resize(start + kRecordBytes, 0);
    m_bytes[start] = static_cast<uint8_t>(text.size());
    std::memcpy(m_bytes.data() + start + 1, text.data(), text.size());
}

int32_t IntFileReader::Get() {
    if (m_bytes.size() - m_pos < kIntBytes) return 0;
    uint32_t u = 0;
    for (unsigned i = 0; i < 4; ++i)
        u |= static_cast<uint32_t>(m_bytes[m_pos + i]) << (8 * i);
    m_pos += kIntBytes;
    return static_cast<int32_t>(u);
}

std::string StrFileReader::Get() {
    if (m_bytes.size() - m_pos < kRecordBytes) return {};
    const uint8_t* record = m_bytes.data() + m_pos;
    m_pos += kRecordBytes;
    return Cp1252ToUtf8(std::string_view(reinterpret_cast<const char*>(record + 1), record[0]));
}

}  // namespace qvx
