#include "Pictures.h"

#include <array>
#include <functional>
#include <string_view>
#include <utility>

#include "Drawings.h"
#include "JpegWriter.h"
#include "PictureKit.h"

namespace qvx::content::pictures {

namespace fs = std::filesystem;

namespace {

// Writes pictures by their extension and remembers the first failure; after one, the rest of
// the run is skipped.
class PictureOutput {
  public:
    PictureOutput(fs::path dir, uint64_t seed, std::vector<std::string>& names)
        : m_dir(std::move(dir)), m_seed(seed), m_names(names) {}

    bool ok() const { return m_status.ok(); }
    const Status& status() const { return m_status; }

    void Draw(const std::string& name, const std::function<QImage(Rng&)>& draw) {
        if (!ok()) return;
        Rng rng = PictureRng(m_seed, name);
        Write(name, draw(rng));
    }

    void Write(const std::string& name, const QImage& image, int quality = kJpegQuality) {
        if (!ok()) return;
        const fs::path path = m_dir / name;
        m_status = name.ends_with(".bmp") ? WriteBmp(image, path) : WriteJpeg(image, path, quality);
        if (ok()) m_names.push_back(name);
    }

    // On the key colour: the magenta beside the picture rings into its edge at the usual
    // quality, tinting a grey logo; these pictures are small, so they take the best quality.
    void WriteKeyed(const std::string& name, const QImage& art) {
        Write(name, OnColourKey(art), 100);
    }

  private:
    fs::path m_dir;
    uint64_t m_seed;
    std::vector<std::string>& m_names;
    Status m_status = Status::Ok();
};

constexpr std::array<std::string_view, 15> kGenreWords = {
    "action", "cartoon", "crime",   "love",   "thriller", "quiz",  "cultural", "soap",
    "sport",  "war",     "western", "comedy", "medieval", "drama", "scifi"};
constexpr std::array<std::string_view, 5> kFaceStems = {"girl", "teenager", "mom", "father",
                                                        "grandma"};
constexpr std::array<std::string_view, 5> kMapFiles = {"US", "EU", "GB", "Germany", "France"};
constexpr std::array<std::string_view, 6> kBoosters = {"News",   "Tech",   "Host",
                                                       "Lawyer", "Movies", "Money"};
constexpr std::array<std::string_view, 6> kScreens = {"start",   "newgame", "office",
                                                      "summary", "screen",  "custom"};

std::string Str(std::string_view s) {
    return std::string(s);
}

void ScenariosAndMaps(PictureOutput& out) {
    for (int map = 1; map <= 5; ++map) {
        const std::string m = std::to_string(map);
        out.Draw("QVX2_Scenario" + m + ".jpg",
                 [map](Rng& r) { return DrawScenarioPoster(map, r); });
        out.Draw("QVX2_map_" + Str(kMapFiles[static_cast<size_t>(map - 1)]) + ".jpg",
                 [map](Rng& r) { return DrawMap(map, r); });
    }
    out.WriteKeyed("QVX2_RegionA.bmp", DrawRegionMarker(false));
    out.WriteKeyed("QVX2_RegionB.bmp", DrawRegionMarker(true));
}

void Logos(PictureOutput& out) {
    for (int logo = 1; logo <= 8; ++logo) {
        if (!out.ok()) return;
        const std::string stem = "QVX2_complogo" + std::to_string(logo);
        out.Write(stem + ".jpg", DrawLogo(logo));
        // The small (64 px), the summary's medium (96 px) and the game over winner's large
        // (128 px) logos, each drawn at its size.
        for (const auto& [suffix, size] : {std::pair{"_sm", 64}, std::pair{"_md", 96}}) {
            const QImage mark = DrawLogo(logo, size, true);
            out.WriteKeyed(stem + suffix + ".jpg", mark);
            out.WriteKeyed(stem + suffix + "_g.jpg", GreyedKeepingContrast(mark));
        }
        out.WriteKeyed(stem + "_lg.jpg", DrawLogo(logo, 128, true));
    }
}

void Faces(PictureOutput& out) {
    for (size_t group = 0; group < kFaceStems.size(); ++group) {
        for (int mood = 1; mood <= 6; ++mood) {
            out.Write("QVX2_faces_" + Str(kFaceStems[group]) + "_0" + std::to_string(mood) + ".jpg",
                      DrawFace(static_cast<int>(group) + 1, mood));
        }
    }
}

void Television(PictureOutput& out) {
    for (const std::string_view word : kGenreWords)
        out.Draw("QVX2_movies_" + Str(word) + ".jpg",
                 [word](Rng& r) { return DrawGenrePoster(word, r); });
    out.Draw("QVX2_news.jpg", DrawNewsShow);
    out.Draw("QVX2_ads1.jpg", DrawAdBreak);
    out.Draw("QVX2_tv_off.jpg", DrawTvOff);
}

void PlanningPictures(PictureOutput& out) {
    for (const std::string_view kind : kBoosters)
        out.Write("QVX2_Booster_" + Str(kind) + ".jpg", DrawBoosterCard(kind));
    out.Write("NewsArchive.jpg", DrawArchiveTile("News"));
    out.Write("MovieArchive.jpg", DrawArchiveTile("Movie"));
    out.Write("SeriesArchive.jpg", DrawArchiveTile("Series"));
    out.Write("AdsArchive.jpg", DrawArchiveTile("Ads"));
    out.Write("MovieArchiveG.jpg", DrawArchiveTile("Empty"));
    out.Write("QVX2_NewsSlot.jpg", DrawSlotPicture("News"));
    out.Write("QVX2_MovieSlot.jpg", DrawSlotPicture("Movie"));
    out.Write("QVX2_AdSlot.jpg", DrawSlotPicture("Ad"));
    out.Write("QVX2_BlueNewsspot.jpg", DrawNewsSpot("Blue"));
    out.Write("QVX2_PinkNewsspot.jpg", DrawNewsSpot("Pink"));
    out.Write("QVX2_OrangeNewsspot.jpg", DrawNewsSpot("Orange"));
}

void ScreensAndButtons(PictureOutput& out) {
    out.Draw("QVX2_background.jpg", DrawMainBackground);
    for (const std::string_view kind : kScreens)
        out.Draw("QVX2_bg_" + Str(kind) + ".jpg",
                 [kind](Rng& r) { return DrawScreenBackground(kind, r); });
    out.Draw("QVX2_bg_dialog.jpg", [](Rng& r) { return DrawScreenBackground("dialog", r); });
    out.Write("QVX2_button.jpg", DrawWideButton(280, 44, false));
    out.Write("QVX2_button_over.jpg", DrawWideButton(280, 44, true));
    out.Write("QVX2_button_small.jpg", DrawWideButton(150, 36, false));
    out.Write("QVX2_button_small_over.jpg", DrawWideButton(150, 36, true));
    for (int k = 1; k <= 10; ++k) {
        const std::string stem = "QVX2_office" + std::to_string(k);
        out.Write(stem + ".jpg", DrawOfficeButton(k, false));
        out.Write(stem + "_over.jpg", DrawOfficeButton(k, true));
    }
    for (int c = 1; c <= 4; ++c) {
        const std::string stem = "QVX2_watch" + std::to_string(c);
        out.Write(stem + ".jpg", DrawWatchButton(c, false));
        out.Write(stem + "_pressed.jpg", DrawWatchButton(c, true));
        out.WriteKeyed("QVX2_bubble" + std::to_string(c) + ".jpg", DrawBubble(c));
    }
    out.Write("QVX2_play.jpg", DrawTransportButton(true, false));
    out.Write("QVX2_play_pressed.jpg", DrawTransportButton(true, true));
    out.Write("QVX2_pause.jpg", DrawTransportButton(false, false));
    out.Write("QVX2_pause_pressed.jpg", DrawTransportButton(false, true));
}

}  // namespace

Status GeneratePictures(const fs::path& dir, uint64_t seed, std::vector<std::string>& names) {
    names.clear();
    if (Status s = PrepareGui(); !s) return s;
    PictureOutput out(dir, seed, names);
    ScenariosAndMaps(out);
    Logos(out);
    Faces(out);
    Television(out);
    PlanningPictures(out);
    ScreensAndButtons(out);
    return out.status();
}

std::string PicturesSummaryJson(const std::vector<std::string>& names) {
    std::string json = "{\n    \"count\": " + std::to_string(names.size()) + ",\n    \"files\": [";
    for (size_t i = 0; i < names.size(); ++i) {
        json += (i % 4 == 0 ? "\n      " : " ") + ("\"" + names[i] + "\"");
        if (i + 1 < names.size()) json += ",";
    }
    return json + "\n    ]\n  }";
}

}  // namespace qvx::content::pictures
