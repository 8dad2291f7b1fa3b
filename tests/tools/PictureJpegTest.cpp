// The JPEG writer: what it writes reads back in the right colours, and every failure is a
// sentence naming the file, never a crash, never a half-written picture.
#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

#include "ContentTestSupport.h"
#include "PictureTestSupport.h"
#include "pictures/JpegWriter.h"
#include "pictures/Pictures.h"

namespace qvx::content {
namespace {

namespace fs = std::filesystem;
using pictures::WriteBmp;
using pictures::WriteJpeg;
using testing::ColourDistance;
using testing::DecodeJpeg;
using testing::ReadText;
using testing::TempDir;
using testing::WriteText;

TEST(PictureJpeg, WritesWhatItWasGivenInTheRightChannels) {
    TempDir dir;
    QImage image(40, 24, QImage::Format_ARGB32_Premultiplied);
    image.fill(QColor(0xe6, 0x39, 0x46));
    for (int y = 0; y < 24; ++y)
        for (int x = 20; x < 40; ++x)
            image.setPixel(x, y, qRgb(0x21, 0x9e, 0xbc));
    ASSERT_TRUE(WriteJpeg(image, dir / "two.jpg").ok());
    const QImage back = DecodeJpeg(dir / "two.jpg");
    ASSERT_FALSE(back.isNull());
    EXPECT_EQ(back.size(), image.size());
    EXPECT_LE(ColourDistance(back.pixel(5, 12), qRgb(0xe6, 0x39, 0x46)), 6);
    EXPECT_LE(ColourDistance(back.pixel(34, 12), qRgb(0x21, 0x9e, 0xbc)), 6);
    EXPECT_FALSE(fs::exists(dir / "two.jpg.part"));
}

struct Failure {
    const char* what;
    QImage image;
    std::string file;  // relative to the temp dir
    const char* phrase;
};

TEST(PictureJpeg, FailuresAreSentencesAndKeepTheOldFile) {
    TempDir dir;
    QImage fine(8, 8, QImage::Format_RGB32);
    fine.fill(Qt::white);
    WriteText(dir / "kept.jpg", "the previous picture");
    const Failure cases[] = {
        {"a directory that does not exist", fine, "no/such/dir/x.jpg", "cannot be written"},
        {"wider than JPEG allows", QImage(70000, 1, QImage::Format_RGB32), "kept.jpg",
         "JPEG encoder refused"},
        {"no picture at all", QImage(), "kept.jpg", "no picture"},
    };
    for (const Failure& c : cases) {
        SCOPED_TRACE(c.what);
        QImage image = c.image;
        if (!image.isNull()) image.fill(Qt::gray);
        const Status s = WriteJpeg(image, dir / c.file);
        ASSERT_FALSE(s.ok());
        EXPECT_NE(s.message().find((dir / c.file).string()), std::string::npos) << s.message();
        EXPECT_NE(s.message().find(c.phrase), std::string::npos) << s.message();
        EXPECT_EQ(s.message().find('\n'), std::string::npos);
    }
    EXPECT_EQ(ReadText(dir / "kept.jpg"), "the previous picture");
    EXPECT_FALSE(fs::exists(dir / "kept.jpg.part"));
    EXPECT_FALSE(WriteBmp(fine, dir / "no/such/dir/x.bmp").ok());
}

TEST(PictureJpeg, GeneratingIntoAMissingDirectoryFailsWithTheFileName) {
    TempDir dir;
    std::vector<std::string> names;
    const Status s = pictures::GeneratePictures(dir / "missing", 1, names);
    ASSERT_FALSE(s.ok());
    EXPECT_NE(s.message().find("missing"), std::string::npos) << s.message();
    EXPECT_TRUE(names.empty());
}

}  // namespace
}  // namespace qvx::content
