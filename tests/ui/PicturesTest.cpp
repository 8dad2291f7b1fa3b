#include <gtest/gtest.h>

#include <jpeglib.h>
#include <QFile>
#include <cstdio>

#include "JpegCore.h"
#include "JpegDecode.h"
#include "Pictures.h"
#include "UiTestSupport.h"

namespace qvx::test {
namespace {

// A real 40 x 30 JPEG with a horizontal gradient, made by libjpeg itself.
QByteArray MakeJpeg() {
    jpeg_compress_struct info;
    jpeg_error_mgr errors;
    info.err = jpeg_std_error(&errors);
    jpeg_create_compress(&info);
    unsigned char* out = nullptr;
    unsigned long size = 0;
    jpeg_mem_dest(&info, &out, &size);
    info.image_width = 40;
    info.image_height = 30;
    info.input_components = 3;
    info.in_color_space = JCS_RGB;
    jpeg_set_defaults(&info);
    jpeg_start_compress(&info, TRUE);
    unsigned char row[40 * 3];
    for (int x = 0; x < 40; ++x) {
        row[x * 3] = static_cast<unsigned char>(x * 6);
        row[x * 3 + 1] = 40;
        row[x * 3 + 2] = 200;
    }
    while (info.next_scanline < info.image_height) {
        unsigned char* rows[1] = {row};
        jpeg_write_scanlines(&info, rows, 1);
    }
    jpeg_finish_compress(&info);
    jpeg_destroy_compress(&info);
    QByteArray bytes(reinterpret_cast<const char*>(out), static_cast<qsizetype>(size));
    std::free(out);
    return bytes;
}

TEST(JpegDecodeTest, DecodesAWholeFileToItsSizeAndColours) {
    QString error;
    const QImage image = ui::DecodeJpeg(MakeJpeg(), &error);
    ASSERT_FALSE(image.isNull()) << error.toStdString();
    EXPECT_EQ(image.size(), QSize(40, 30));
    EXPECT_LT(qRed(image.pixel(0, 10)), 30);
    EXPECT_GT(qRed(image.pixel(39, 10)), 200);
    EXPECT_GT(qBlue(image.pixel(20, 10)), 170);
}

// libjpeg pads a cut-off file with grey and only warns; the game must call it broken.
TEST(JpegDecodeTest, TruncatedGarbledAndEmptyFilesAreErrorsWithAReason) {
    const QByteArray whole = MakeJpeg();
    QByteArray garbled = whole;
    for (qsizetype i = 20; i < garbled.size() - 2; i += 7)
        garbled[i] = '\x5a';
    for (const QByteArray& bytes :
         {whole.left(whole.size() / 2), whole.left(4), garbled, QByteArray()}) {
        QString error;
        EXPECT_TRUE(ui::DecodeJpeg(bytes, &error).isNull());
        EXPECT_FALSE(error.isEmpty());
    }
}

// The Qt-free half: tight rows, a side cap checked before any pixel is allocated, and a
// refusal that leaves no earlier picture behind in the caller's variable.
TEST(JpegDecodeTest, TheCoreDecodesTightRowsAndRefusesASideOverItsCap) {
    const QByteArray whole = MakeJpeg();
    const auto* data = reinterpret_cast<const unsigned char*>(whole.constData());
    const auto size = static_cast<size_t>(whole.size());
    ui::RgbPicture picture;
    std::string error;
    ASSERT_TRUE(ui::DecodeJpegRgb(data, size, picture, error, 40)) << error;
    EXPECT_EQ(picture.width, 40);
    EXPECT_EQ(picture.height, 30);
    ASSERT_EQ(picture.pixels.size(), 40u * 30u * 3u);
    EXPECT_GT(picture.pixels[(10 * 40 + 39) * 3], 200);  // red at the end of row 10

    EXPECT_FALSE(ui::DecodeJpegRgb(data, size, picture, error, 39));
    EXPECT_EQ(error, "picture of 40 x 30 pixels");
    EXPECT_EQ(picture.width, 0);
    EXPECT_TRUE(picture.pixels.empty());
    ASSERT_TRUE(ui::DecodeJpegRgb(data, size, picture, error));
    EXPECT_FALSE(ui::DecodeJpegRgb(data, size / 2, picture, error));
    EXPECT_EQ(picture.height, 0);
    EXPECT_TRUE(picture.pixels.empty());
}

TEST(PicturesTest, MissingAndBrokenFilesGiveAPlaceholderNotACrash) {
    UiFixtureDir dir;
    const QByteArray whole = MakeJpeg();
    QFile good(QString::fromStdString((dir.path() / "good.jpg").string()));
    ASSERT_TRUE(good.open(QIODevice::WriteOnly));
    good.write(whole);
    good.close();
    QFile cut(QString::fromStdString((dir.path() / "cut.jpg").string()));
    ASSERT_TRUE(cut.open(QIODevice::WriteOnly));
    cut.write(whole.left(whole.size() / 2));
    cut.close();

    ui::Pictures::SetDirectory(dir.path());
    EXPECT_TRUE(ui::Pictures::Has("good.jpg"));
    EXPECT_EQ(ui::Pictures::Get("good.jpg").size(), QSize(40, 30));
    for (const char* name : {"cut.jpg", "missing.jpg"}) {
        EXPECT_FALSE(ui::Pictures::Has(name)) << name;
        EXPECT_FALSE(ui::Pictures::Get(name).isNull()) << name;
    }
    ui::Pictures::Clear();
}

}  // namespace
}  // namespace qvx::test
