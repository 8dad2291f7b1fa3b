#include <gtest/gtest.h>

#include <map>
#include <string>

#include "GameScreen.h"
#include "ScreenRegistry.h"
#include "UiTestSupport.h"

namespace qvx::test {
namespace {

// The office's planning buttons reach the planning screens only through the registry: a screen
// listed twice, or under the wrong button, would open the wrong window or none.
TEST(ScreenRegistryTest, EachPlanningButtonOpensItsOwnScreen) {
    const std::map<int, std::string> planning = {{1, "TForm8"},  {2, "TForm9"},  {3, "TForm10"},
                                                 {4, "TForm13"}, {6, "TForm17"}, {7, "TForm16"},
                                                 {9, "TForm14"}};
    std::map<int, int> entries;
    UiSession ui;
    for (const app::ScreenEntry& entry : app::Screens()) {
        if (entry.officeButton == 0) continue;
        ++entries[entry.officeButton];
        ASSERT_EQ(planning.count(entry.officeButton), 1u) << entry.name;
        EXPECT_EQ(entry.name, planning.at(entry.officeButton));
        // The window the entry makes is the one it names, ready before any game exists.
        std::unique_ptr<ui::GameScreen> screen(entry.make(ui.session, nullptr));
        EXPECT_EQ(screen->objectName().toStdString(), entry.name);
        screen->prepare();
    }
    for (const auto& [button, name] : planning)
        EXPECT_EQ(entries[button], 1) << "button " << button << " for " << name;
}

}  // namespace
}  // namespace qvx::test
