#include <gtest/gtest.h>

#include <jpeglib.h>
#include <QFile>
#include <algorithm>
#include <cstdio>
#include <vector>

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

void SaveBmp(const std::filesystem::path& path, const QImage& image) {
    ASSERT_TRUE(image.save(QString::fromStdString(path.string()), "BMP"));
}

// The key goes only where it is meant to, with the tolerance JPEG needs and no more: a
// near-key pixel vanishes, a deep pink one (a red logo's edge) stays.
TEST(PicturesTest, TheColourKeyClearsTheSurroundOfKeyedPicturesOnly) {
    UiFixtureDir dir;
    QImage image(10, 10, QImage::Format_RGB32);
    image.fill(ui::kColourKey);
    image.setPixel(1, 1, qRgb(240, 30, 230));  // the key as JPEG moved it
    for (int y = 3; y <= 7; ++y)
        for (int x = 3; x <= 7; ++x)
            image.setPixel(x, y, qRgb(200, 0, 90));
    image.setPixel(5, 5, qRgb(13, 27, 42));
    for (const char* name : {"QVX2_bubble1.jpg", "QVX2_complogo3_md_g.jpg", "QVX2_RegionB.bmp",
                             "QVX2_complogo3.jpg", "QVX2_office1.jpg"})
        SaveBmp(dir.path() / name, image);
    ui::Pictures::SetDirectory(dir.path());
    for (const char* name : {"QVX2_bubble1.jpg", "QVX2_complogo3_md_g.jpg", "QVX2_RegionB.bmp"}) {
        SCOPED_TRACE(name);
        const QImage keyed = ui::Pictures::Get(name).toImage();
        EXPECT_EQ(qAlpha(keyed.pixel(0, 0)), 0);
        EXPECT_EQ(qAlpha(keyed.pixel(1, 1)), 0);
        EXPECT_EQ(keyed.pixel(4, 4), qRgb(200, 0, 90));
        EXPECT_EQ(keyed.pixel(5, 5), qRgb(13, 27, 42));
        // The outermost pixels lose the key's magenta bleed, not their own colour.
        EXPECT_EQ(keyed.pixel(3, 3), qRgb(110, 0, 0));
    }
    // The big logo and the buttons keep every pixel: their backdrop is part of the picture.
    for (const char* name : {"QVX2_complogo3.jpg", "QVX2_office1.jpg"})
        EXPECT_EQ(qAlpha(ui::Pictures::Get(name).toImage().pixel(0, 0)), 255) << name;
    ui::Pictures::Clear();
}

// What the generator draws and what the cache keys must agree: every bubble, small and medium
// logo and region marker of the game's own data shows no corner square.
TEST(PicturesTest, TheGeneratedSmallPicturesHaveClearCorners) {
    ui::Pictures::SetDirectory(GeneratedGameDir());
    std::vector<QString> names = {"QVX2_RegionA.bmp", "QVX2_RegionB.bmp"};
    for (int k = 1; k <= 8; ++k)
        for (const char* suffix : {"_sm.jpg", "_sm_g.jpg", "_md.jpg", "_md_g.jpg", "_lg.jpg"})
            names.push_back(QString("QVX2_complogo%1%2").arg(k).arg(suffix));
    for (int c = 1; c <= 4; ++c)
        names.push_back(QString("QVX2_bubble%1.jpg").arg(c));
    for (const QString& name : names) {
        SCOPED_TRACE(name.toStdString());
        ASSERT_TRUE(ui::Pictures::Has(name));
        const QImage image = ui::Pictures::Get(name).toImage();
        const int w = image.width(), h = image.height();
        for (const QPoint corner :
             {QPoint(0, 0), QPoint(w - 1, 0), QPoint(0, h - 1), QPoint(w - 1, h - 1)})
            EXPECT_EQ(qAlpha(image.pixel(corner)), 0);
        EXPECT_EQ(qAlpha(image.pixel(w / 2, h / 2)), 255);
        // A grey logo keeps no pink rim from the key.
        if (!name.contains("_g.")) continue;
        int worst = 0;
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x)
                if (qAlpha(image.pixel(x, y)) == 255)
                    worst = std::max(worst,
                                     std::min(qRed(image.pixel(x, y)), qBlue(image.pixel(x, y))) -
                                         qGreen(image.pixel(x, y)));
        EXPECT_LE(worst, 8);
    }
    ui::Pictures::Clear();
}

}  // namespace
}  // namespace qvx::test
