// The office's layout at every state of the day: the popups beside the faces never cover a
// main button, their texts fit their labels, and in blind mode the text twins cover neither the
// buttons' icons, each other, nor the figures of the hour.
#include <QLabel>

#include "OfficeTestSupport.h"
#include "Scenarios.h"

namespace qvx::test {
namespace {

constexpr std::array<int32_t, 5> kCrowd{4, 4, 4, 4, 4};

struct OfficeLayoutTest : OfficeTest {
    void SetUp() override {
        OfficeTest::SetUp();
        StartDay();
        movie = SomeMovie();
        ASSERT_GT(movie, 0);
    }

    QRect Place(const QString& name) {
        auto* w = Child<QWidget>(&office, name.toUtf8().constData());
        if (!w) return {};
        return QRect(w->mapTo(&office, QPoint(0, 0)), w->size());
    }

    static bool Fits(const QLabel* label) {
        return label->heightForWidth(label->width()) <= label->height();
    }

    void SetAppeal(int32_t appeal) {
        for (int g = 0; g < 5; ++g)
            gs.Programme[player][2][Slot::kAppeal + g] = appeal;
    }
    void SetPopularity(int32_t popularity) {
        for (int r = 1; r <= kRegions; ++r)
            for (int g = 1; g <= kAudienceGroups; ++g)
                gs.Popularity[r][player][Pop::kGroupFirst + g - 1] = popularity;
    }

    int32_t movie = 0;
};

TEST_F(OfficeLayoutTest, EveryPopupClearsEveryMainButton) {
    PlantHour(2, movie, 0, kCrowd, {50, 50, 50, 50, 50});
    office.playBackTo(3, 1);
    for (int face = 1; face <= kAudienceGroups; ++face) {
        SCOPED_TRACE(face);
        office.faceEntered(face);
        ASSERT_TRUE(Visible("Panel_AudiencePopup"));
        const QRect popup = Place("Panel_AudiencePopup");
        EXPECT_TRUE(office.rect().contains(popup));
        // Beside its own face, level with part of it.
        const QRect box = Place(QString("GroupBox_Face%1").arg(face));
        EXPECT_LE(popup.top(), box.bottom());
        EXPECT_GE(popup.bottom(), box.top());
        EXPECT_LE(popup.right(), box.left());
        for (int k = 1; k <= 10; ++k)
            EXPECT_FALSE(popup.intersects(Place(QString("Button%1_Pressed").arg(k)))) << k;
        office.faceLeft(face);
    }
    office.tvEntered();
    ASSERT_TRUE(Visible("Panel_InfoPopup"));
    for (int k = 1; k <= 10; ++k)
        EXPECT_FALSE(
            Place("Panel_InfoPopup").intersects(Place(QString("Button%1_Pressed").arg(k))));
}

TEST_F(OfficeLayoutTest, EveryOpinionAndEveryVoiceFitsItsLabel) {
    PlantHour(2, movie, 0, kCrowd, {50, 50, 50, 50, 50});
    office.playBackTo(3, 1);
    auto* opinion = Child<QLabel>(&office, "Label34");
    auto* voice = Child<QLabel>(&office, "Label35");
    ASSERT_TRUE(opinion && voice);
    EXPECT_TRUE(opinion->wordWrap());
    // One appeal in each band of verdicts, "This is really bad..." the longest.
    for (const int32_t appeal : {3, 8, 15, 30, 60, 75, 95}) {
        SetAppeal(appeal);
        office.faceEntered(1);
        SCOPED_TRACE(opinion->text().toStdString());
        EXPECT_TRUE(opinion->text().endsWith('"'));
        EXPECT_TRUE(Fits(opinion));
        office.faceLeft(1);
    }
    // Every group's voice at every band of popularity, with the longest of the given names
    // shown whole, and a name far longer than any cut to fit, its closing quote kept.
    std::string longest;
    for (int logo = 1; logo <= kLogoCount; ++logo)
        if (std::string(DefaultChannelName(logo)).size() > longest.size())
            longest = DefaultChannelName(logo);
    const std::string huge = longest + " Broadcasting Corporation of the Whole Wide World Inc.";
    for (const std::string& name : {longest, huge}) {
        gs.ChannelNames[player] = name;
        for (int32_t popularity = 5; popularity <= 100; popularity += 10) {
            SetPopularity(popularity);
            for (int face = 1; face <= kAudienceGroups; ++face) {
                office.faceEntered(face);
                SCOPED_TRACE(voice->accessibleName().toStdString());
                EXPECT_TRUE(voice->text().startsWith('"'));
                EXPECT_TRUE(voice->text().endsWith('"'));
                EXPECT_TRUE(Fits(voice));
                if (name == longest) {
                    EXPECT_EQ(voice->text(), voice->accessibleName());
                }
                office.faceLeft(face);
            }
        }
    }
}

TEST_F(OfficeLayoutTest, BlindTwinsLeaveTheIconsAndEachOtherFree) {
    ui.session.setBlindMode(true);
    std::vector<QRect> twins;
    for (auto* twin : office.findChildren<ui::BlindLabel*>()) {
        if (!twin->isVisibleTo(&office)) continue;
        twins.push_back(QRect(twin->mapTo(&office, QPoint(0, 0)), twin->size()));
        EXPECT_TRUE(Fits(twin)) << twin->objectName().toStdString();
    }
    for (size_t i = 0; i < twins.size(); ++i)
        for (size_t j = i + 1; j < twins.size(); ++j)
            EXPECT_FALSE(twins[i].intersects(twins[j])) << i << " " << j;

    for (int k = 1; k <= 10; ++k) {
        SCOPED_TRACE(k);
        const QRect button = Place(QString("Button%1_Pressed").arg(k));
        const QRect twin = Place(QString("BlindLabel%1").arg(11 + k));
        const QRect icon(button.topLeft(), QSize(button.width(), button.height() / 2));
        EXPECT_TRUE(button.contains(twin));
        EXPECT_FALSE(twin.intersects(icon));
        for (int other = 1; other <= 10; ++other) {
            if (other == k) continue;
            EXPECT_FALSE(twin.intersects(Place(QString("Button%1_Pressed").arg(other))));
        }
        // The twin stands in for the drawn caption, which would show through it.
        EXPECT_FALSE(Visible(QString("Button%1Label").arg(k).toUtf8().constData()));
    }
    ui.session.setBlindMode(false);
    EXPECT_TRUE(Visible("Button5Label"));
}

TEST_F(OfficeLayoutTest, TheBlindBroadcastLineHoldsTheLongestAdvertisementOnTwoLines) {
    int32_t ad = 1;
    for (int32_t id = 1; id <= kAds; ++id)
        if (cat.AdNames[id].size() > cat.AdNames[ad].size()) ad = id;
    PlantContract(ad, 5, 0, 1, 100);
    PlantHour(2, movie, ad, kCrowd, {50, 50, 50, 50, 50});
    ui.session.setBlindMode(true);
    office.playBackTo(3, 21);
    auto* line = Child<QLabel>(&office, "BlindLabel23");
    ASSERT_TRUE(line && line->isVisible());
    EXPECT_TRUE(line->text().startsWith("Now broadcasting: Advertisement "));
    EXPECT_TRUE(Fits(line)) << line->text().toStdString() << " needs "
                            << line->heightForWidth(line->width());
    EXPECT_GE(line->height(), 2 * line->fontMetrics().lineSpacing());
    // Under the figures of the hour, above the programme guide.
    const QRect place = Place("BlindLabel23");
    for (const char* row : {"Label2", "RatingCaption", "Label3", "Label7", "GuidePanel"})
        EXPECT_FALSE(place.intersects(Place(row))) << row;
    EXPECT_TRUE(Place("StatsPanel").contains(place));
}

}  // namespace
}  // namespace qvx::test
