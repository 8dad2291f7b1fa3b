// The whole picture set as the game will find it: every name, every size, decodable, not empty,
// hover faces lit, grey logos grey, and the same bytes for the same seed in another process.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <set>

#include "JsonCheck.h"
#include "PictureTestSupport.h"

namespace qvx::content {
namespace {

namespace fs = std::filesystem;
using testing::ColourDistance;
using testing::GeneratedPictures;
using testing::LoadPicture;

struct Expected {
    std::string name;
    int width, height;
};

// The names and sizes the screens are laid out for.
std::vector<Expected> ExpectedPictures() {
    std::vector<Expected> all;
    const auto add = [&all](const std::string& name, int w, int h) { all.push_back({name, w, h}); };
    for (int m = 1; m <= 5; ++m)
        add("QVX2_Scenario" + std::to_string(m) + ".jpg", 320, 240);
    for (const char* map : {"US", "EU", "GB", "Germany", "France"})
        add(std::string("QVX2_map_") + map + ".jpg", 840, 600);
    add("QVX2_RegionA.bmp", 32, 32);
    add("QVX2_RegionB.bmp", 32, 32);
    for (int k = 1; k <= 8; ++k) {
        const std::string stem = "QVX2_complogo" + std::to_string(k);
        add(stem + ".jpg", 200, 200);
        add(stem + "_sm.jpg", 64, 64);
        add(stem + "_sm_g.jpg", 64, 64);
        add(stem + "_md.jpg", 96, 96);
        add(stem + "_md_g.jpg", 96, 96);
        add(stem + "_lg.jpg", 128, 128);
    }
    for (const char* stem : {"girl", "teenager", "mom", "father", "grandma"})
        for (int n = 1; n <= 6; ++n)
            add(std::string("QVX2_faces_") + stem + "_0" + std::to_string(n) + ".jpg", 96, 96);
    for (const char* word :
         {"action", "cartoon", "crime", "love", "thriller", "quiz", "cultural", "soap", "sport",
          "war", "western", "comedy", "medieval", "drama", "scifi"})
        add(std::string("QVX2_movies_") + word + ".jpg", 384, 288);
    for (const char* tv : {"QVX2_news.jpg", "QVX2_ads1.jpg", "QVX2_tv_off.jpg"})
        add(tv, 384, 288);
    for (const char* b : {"News", "Tech", "Host", "Lawyer", "Movies", "Money"})
        add(std::string("QVX2_Booster_") + b + ".jpg", 120, 160);
    for (const char* tile : {"NewsArchive.jpg", "MovieArchive.jpg", "SeriesArchive.jpg",
                             "AdsArchive.jpg", "MovieArchiveG.jpg"})
        add(tile, 72, 72);
    for (const char* slot : {"QVX2_NewsSlot.jpg", "QVX2_MovieSlot.jpg", "QVX2_AdSlot.jpg"})
        add(slot, 48, 36);
    for (const char* spot : {"Blue", "Pink", "Orange"})
        add(std::string("QVX2_") + spot + "Newsspot.jpg", 120, 90);
    add("QVX2_background.jpg", 1440, 900);
    for (const char* bg : {"start", "newgame", "office", "summary", "screen", "custom"})
        add(std::string("QVX2_bg_") + bg + ".jpg", 1024, 768);
    add("QVX2_bg_dialog.jpg", 520, 280);
    add("QVX2_button.jpg", 280, 44);
    add("QVX2_button_over.jpg", 280, 44);
    add("QVX2_button_small.jpg", 150, 36);
    add("QVX2_button_small_over.jpg", 150, 36);
    for (int k = 1; k <= 10; ++k) {
        add("QVX2_office" + std::to_string(k) + ".jpg", 128, 96);
        add("QVX2_office" + std::to_string(k) + "_over.jpg", 128, 96);
    }
    for (int k = 1; k <= 4; ++k) {
        add("QVX2_watch" + std::to_string(k) + ".jpg", 48, 36);
        add("QVX2_watch" + std::to_string(k) + "_pressed.jpg", 48, 36);
        add("QVX2_bubble" + std::to_string(k) + ".jpg", 40, 40);
    }
    for (const char* t : {"QVX2_play", "QVX2_pause"}) {
        add(std::string(t) + ".jpg", 48, 36);
        add(std::string(t) + "_pressed.jpg", 48, 36);
    }
    return all;
}

double MeanLuma(const QImage& image) {
    double sum = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            sum += qGray(image.pixel(x, y));
    return sum / (image.width() * image.height());
}

// The widest spread of any channel: a blank drawing (one flat colour) has none.
int ChannelSpread(const QImage& image) {
    int low[3] = {255, 255, 255}, high[3] = {0, 0, 0};
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QRgb c = image.pixel(x, y);
            const int v[3] = {qRed(c), qGreen(c), qBlue(c)};
            for (int i = 0; i < 3; ++i) {
                low[i] = std::min(low[i], v[i]);
                high[i] = std::max(high[i], v[i]);
            }
        }
    }
    return std::max({high[0] - low[0], high[1] - low[1], high[2] - low[2]});
}

std::string ReadBytes(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

class PictureSet : public ::testing::Test {
  protected:
    void SetUp() override { ASSERT_EQ(Run().error, "") << "generation failed"; }
    static const GeneratedPictures& Run() { return GeneratedPictures::Get(); }
};

TEST_F(PictureSet, WritesExactlyTheNamedPictures) {
    std::set<std::string> expected, written(Run().names.begin(), Run().names.end());
    for (const Expected& e : ExpectedPictures())
        expected.insert(e.name);
    EXPECT_EQ(written.size(), Run().names.size()) << "a picture was written twice";
    EXPECT_EQ(written, expected);
    for (const auto& entry : fs::directory_iterator(Run().dir))
        EXPECT_NE(entry.path().extension(), ".part") << "left behind: " << entry.path();
}

TEST_F(PictureSet, EveryPictureDecodesAtItsSizeAndIsNotBlank) {
    for (const Expected& e : ExpectedPictures()) {
        SCOPED_TRACE(e.name);
        const QImage image = LoadPicture(Run().dir / e.name);
        ASSERT_FALSE(image.isNull()) << "missing or not decodable";
        EXPECT_EQ(image.width(), e.width);
        EXPECT_EQ(image.height(), e.height);
        EXPECT_GT(ChannelSpread(image), 40) << "looks like one flat colour";
    }
}

// The game's picture cache makes pixels this close to magenta transparent (shell/Pictures.h).
constexpr QRgb kKey = 0xffff00ff;
constexpr int kKeyTolerance = 96;

bool IsKey(QRgb c) {
    return ColourDistance(c, kKey) <= kKeyTolerance;
}

// The picture's outermost pixels: the cache takes the key's JPEG bleed out of these.
bool NextToKey(const QImage& image, int x, int y) {
    for (int dy = -1; dy <= 1; ++dy)
        for (int dx = -1; dx <= 1; ++dx)
            if (image.valid(x + dx, y + dy) && IsKey(image.pixel(x + dx, y + dy))) return true;
    return false;
}

std::vector<int> OpaqueLumas(const QImage& image) {
    std::vector<int> lumas;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (!IsKey(image.pixel(x, y))) lumas.push_back(qGray(image.pixel(x, y)));
    std::sort(lumas.begin(), lumas.end());
    return lumas;
}

double Mean(const std::vector<int>& v) {
    double sum = 0;
    for (int x : v)
        sum += x;
    return v.empty() ? 0 : sum / static_cast<double>(v.size());
}

// The bankrupt logo: no colour left, dimmer than the open company's, but its mark still
// stands out from its body (a flat grey disc would not say whose logo it was).
TEST_F(PictureSet, GreyLogosAreGreyDarkerAndKeepTheirMark) {
    for (int k = 1; k <= 8; ++k) {
        for (const char* size : {"_sm", "_md"}) {
            const std::string stem = "QVX2_complogo" + std::to_string(k) + size;
            SCOPED_TRACE(stem);
            const QImage grey = LoadPicture(Run().dir / (stem + "_g.jpg"));
            const QImage colour = LoadPicture(Run().dir / (stem + ".jpg"));
            ASSERT_FALSE(grey.isNull());
            ASSERT_FALSE(colour.isNull());
            int worst = 0;
            for (int y = 0; y < grey.height(); ++y) {
                for (int x = 0; x < grey.width(); ++x) {
                    const QRgb c = grey.pixel(x, y);
                    if (IsKey(c) || NextToKey(grey, x, y)) continue;
                    worst =
                        std::max({worst, std::abs(qRed(c) - qGreen(c)),
                                  std::abs(qGreen(c) - qBlue(c)), std::abs(qRed(c) - qBlue(c))});
                }
            }
            EXPECT_LE(worst, 4) << "the bankrupt logo still shows colour";
            const std::vector<int> lumas = OpaqueLumas(grey);
            ASSERT_GT(lumas.size(), 500u);
            EXPECT_LT(Mean(lumas), Mean(OpaqueLumas(colour)) - 8);
            const int low = lumas[lumas.size() / 10], high = lumas[lumas.size() * 97 / 100];
            EXPECT_GT(high - low, 90) << "the mark is lost in the grey";
        }
    }
}

// Pictures shown over backdrops of any colour stand on the key colour: their corners are the
// key, their middle is not, and almost no pixel lies in the band between (a pink fringe that
// the cache would leave visible).
TEST_F(PictureSet, KeyedPicturesStandOnAFlatKeyWithoutAFringe) {
    std::vector<std::string> keyed = {"QVX2_RegionA.bmp", "QVX2_RegionB.bmp"};
    for (int c = 1; c <= 4; ++c)
        keyed.push_back("QVX2_bubble" + std::to_string(c) + ".jpg");
    for (int k = 1; k <= 8; ++k)
        for (const char* suffix : {"_sm.jpg", "_sm_g.jpg", "_md.jpg", "_md_g.jpg", "_lg.jpg"})
            keyed.push_back("QVX2_complogo" + std::to_string(k) + suffix);
    for (const std::string& name : keyed) {
        SCOPED_TRACE(name);
        const QImage image = LoadPicture(Run().dir / name);
        ASSERT_FALSE(image.isNull());
        const int w = image.width(), h = image.height();
        for (const QPoint corner :
             {QPoint(0, 0), QPoint(w - 1, 0), QPoint(0, h - 1), QPoint(w - 1, h - 1)})
            EXPECT_LE(ColourDistance(image.pixel(corner), kKey), 40)
                << corner.x() << "," << corner.y();
        EXPECT_FALSE(IsKey(image.pixel(w / 2, h / 2)));
        // A magenta cast further in than the outermost pixels would show on every backdrop.
        int fringe = 0;
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x) {
                const QRgb c = image.pixel(x, y);
                if (IsKey(c) || NextToKey(image, x, y)) continue;
                if (std::min(qRed(c), qBlue(c)) - qGreen(c) > 60) ++fringe;
            }
        EXPECT_LT(fringe, w * h / 100) << "pixels half key, half picture";
    }
}

TEST_F(PictureSet, HoverAndPressedFacesAreVisiblyLit) {
    std::vector<std::pair<std::string, std::string>> pairs = {
        {"QVX2_button.jpg", "QVX2_button_over.jpg"},
        {"QVX2_button_small.jpg", "QVX2_button_small_over.jpg"},
        {"QVX2_play.jpg", "QVX2_play_pressed.jpg"},
        {"QVX2_pause.jpg", "QVX2_pause_pressed.jpg"},
        {"QVX2_RegionA.bmp", "QVX2_RegionB.bmp"}};
    for (int k = 1; k <= 10; ++k) {
        pairs.emplace_back("QVX2_office" + std::to_string(k) + ".jpg",
                           "QVX2_office" + std::to_string(k) + "_over.jpg");
    }
    for (const auto& [normal, lit] : pairs) {
        SCOPED_TRACE(lit);
        EXPECT_GT(MeanLuma(LoadPicture(Run().dir / lit)),
                  MeanLuma(LoadPicture(Run().dir / normal)) + 8);
    }
}

// The office shows the faces at 56 px: there every mood must differ from every other mood of
// the same person in the face itself (brows, eyes, mouth), not only in the backdrop's tint.
TEST_F(PictureSet, EveryFaceDiffersFromTheOtherMoodsOfItsPersonAt56Pixels) {
    for (const char* stem : {"girl", "teenager", "mom", "father", "grandma"}) {
        std::vector<QImage> moods;
        for (int n = 1; n <= 6; ++n)
            moods.push_back(LoadPicture(Run().dir / (std::string("QVX2_faces_") + stem + "_0" +
                                                     std::to_string(n) + ".jpg"))
                                .scaled(56, 56, Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
        for (size_t a = 0; a < moods.size(); ++a) {
            for (size_t b = a + 1; b < moods.size(); ++b) {
                int changed = 0;
                for (int y = 18; y < 46; ++y)
                    for (int x = 16; x < 40; ++x)
                        if (ColourDistance(moods[a].pixel(x, y), moods[b].pixel(x, y)) > 60)
                            ++changed;
                EXPECT_GT(changed, 40) << stem << " moods " << a + 1 << " and " << b + 1;
            }
        }
    }
}

int Shell(const std::string& command) {
    const int status = std::system(command.c_str());
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

TEST_F(PictureSet, TheToolDrawsTheSameBytesForTheSameSeedAndListsThem) {
    const fs::path other = Run().dir.string() + "-again";
    const fs::path out = Run().dir.string() + "-summary.json";
    ASSERT_EQ(Shell("'" + std::string(QVX_CONTENT_EXE) + "' generate --seed 1 --out '" +
                    other.string() + "' >'" + out.string() + "' 2>/dev/null"),
              0);
    for (const std::string& name : Run().names) {
        SCOPED_TRACE(name);
        const std::string bytes = ReadBytes(Run().dir / name);
        EXPECT_FALSE(bytes.empty());
        EXPECT_TRUE(bytes == ReadBytes(other / name)) << "differs from the second run";
    }
    const std::string summary = ReadBytes(out);
    EXPECT_TRUE(simtest::JsonCheck::WellFormed(summary)) << summary;
    EXPECT_NE(summary.find("\"standard\""), std::string::npos);
    EXPECT_NE(summary.find("\"count\": " + std::to_string(ExpectedPictures().size())),
              std::string::npos);
    EXPECT_NE(summary.find("\"QVX2_map_France.jpg\""), std::string::npos);
    std::error_code ec;
    fs::remove_all(other, ec);
    fs::remove(out, ec);
}

}  // namespace
}  // namespace qvx::content
