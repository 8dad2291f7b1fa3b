#include "BinaryFile.h"

#include <gtest/gtest.h>
#include <sys/resource.h>

#include <csignal>

#include "EngineTestSupport.h"

namespace qvx {
namespace {

using test::ReadBytes;
using test::TempDir;
using Bytes = std::vector<uint8_t>;
namespace fs = std::filesystem;

TEST(StrFile, RecordIsLengthByteTextAndZeroFiller) {
    StrFileWriter out;
    out.Put("Zürich €");
    out.Put(std::string(300, 'q'));
    out.Put("");
    const Bytes& bytes = out.Bytes();
    ASSERT_EQ(bytes.size(), 3u * 256);
    EXPECT_EQ(test::RecordAt(bytes, 0), "Z\xFCrich \x80");
    EXPECT_EQ(bytes[0], 8);
    for (size_t i = 9; i < 256; ++i)
        ASSERT_EQ(bytes[i], 0) << i;
    EXPECT_EQ(bytes[256], 255);
    EXPECT_EQ(bytes[512], 0);

    // Whatever follows the text in a record is not part of it.
    Bytes file = bytes;
    file[9] = 'X';
    StrFileReader in(file);
    EXPECT_EQ(in.Get(), "Zürich €");
    EXPECT_EQ(in.Get(), std::string(255, 'q'));
    EXPECT_EQ(in.Get(), "");
    EXPECT_EQ(in.Remaining(), 0u);
}

TEST(WriteFileAtomic, ReplacesTheFileAndLeavesNoTemporary) {
    TempDir dir;
    const auto path = dir.path() / "a.int";
    ASSERT_TRUE(WriteFileAtomic(path, {1, 2, 3}));
    ASSERT_TRUE(WriteFileAtomic(path, {4, 5}));
    EXPECT_EQ(ReadBytes(path), (Bytes{4, 5}));
    EXPECT_EQ(std::distance(fs::directory_iterator(dir.path()), fs::directory_iterator()), 1);
}

TEST(WriteFileAtomic, FailureKeepsWhatWasThere) {
    TempDir dir;
    // The target's directory does not exist.
    const Status noDir = WriteFileAtomic(dir.path() / "missing" / "b.int", {1});
    EXPECT_FALSE(noDir);
    EXPECT_NE(noDir.message().find("b.int"), std::string::npos) << noDir.message();
    EXPECT_FALSE(fs::exists(dir.path() / "missing"));

    // The target is a directory.
    const auto target = dir.path() / "c.int";
    fs::create_directory(target);
    test::WriteBytes(target / "inside", {9});
    EXPECT_FALSE(WriteFileAtomic(target, {1, 2}));
    EXPECT_TRUE(fs::is_directory(target));
    EXPECT_EQ(ReadBytes(target / "inside"), Bytes{9});
    EXPECT_FALSE(fs::exists(dir.path() / "c.int.tmp"));
}

TEST(WriteFilesAtomic, AFailingMemberLeavesTheWholeOldGroup) {
    TempDir dir;
    const auto first = dir.path() / "g.int";
    const auto second = dir.path() / "g.str";
    ASSERT_TRUE(WriteFileAtomic(first, {1}));
    ASSERT_TRUE(WriteFileAtomic(second, {2}));
    // The second file's directory does not exist, so it fails after the first was written.
    const Bytes newFirst{3, 3}, newSecond{4, 4};
    const Status s =
        WriteFilesAtomic({{first, &newFirst}, {dir.path() / "no" / "g.str", &newSecond}});
    EXPECT_FALSE(s);
    EXPECT_EQ(ReadBytes(first), Bytes{1});
    EXPECT_EQ(ReadBytes(second), Bytes{2});
    EXPECT_FALSE(fs::exists(dir.path() / "g.int.tmp"));

    ASSERT_TRUE(WriteFilesAtomic({{first, &newFirst}, {second, &newSecond}}));
    EXPECT_EQ(ReadBytes(first), newFirst);
    EXPECT_EQ(ReadBytes(second), newSecond);
}

TEST(WriteFileAtomic, AWriteThatStopsHalfwayKeepsThePreviousContent) {
    TempDir dir;
    const auto path = dir.path() / "d.str";
    const Bytes previous(100, 7);
    ASSERT_TRUE(WriteFileAtomic(path, previous));

    // A file-size limit makes write() fail after a partial write, as a full disk would.
    rlimit saved{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &saved), 0);
    rlimit small = saved;
    small.rlim_cur = 64 * 1024;
    const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
    const Status s = WriteFileAtomic(path, Bytes(256 * 1024, 1));
    setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, oldHandler);

    EXPECT_FALSE(s);
    EXPECT_NE(s.message().find("d.str"), std::string::npos) << s.message();
    EXPECT_EQ(ReadBytes(path), previous);
    EXPECT_FALSE(fs::exists(dir.path() / "d.str.tmp"));
}

}  // namespace
}  // namespace qvx
