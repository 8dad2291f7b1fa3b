#include "Tutorial.h"

#include <array>

namespace qvx::ui {
namespace {

// The apostrophes of steps 16 and 18 are the acute accent, as the game has always written them.
constexpr std::array<TutorialStepText, kTutorialSteps> kSteps{{
    {"Welcome to Quovix 2! In this game you have to lead a TV company and make it become the "
     "largest TV company in the country. To start a new game just click on \"Start a new game\" at "
     "the top left part of the start screen.",
     "Click on the \"Start a new game\" button."},
    {"This is the game set-up screen. Here you choose the scenario you will play, your company's "
     "logo and its name. Every scenario has its own country, starting money and goal, so take a "
     "moment to browse through the different scenarios with the \"Previous\" and \"Next\" buttons.",
     "Click on the \"Next button\" at the left bottom of the screen."},
    {"Good! Now please browse through the scenarios and select the   \"Normal -  USA\" scenario. "
     "This is the recommended scenario for starting out with this game.",
     "Select the \"Normal - USA\" scenario by clicking on the \"Next\" button."},
    {"We skip the \"Advantage boosters\" column. This is for experienced players and purely "
     "optional. For the purpose of this tutorial just continue by selecting a company logo, "
     "entering a name and clicking on \"Continue\" at the right part of the screen.",
     "Select a logo and enter a name. Afterwards click on \"Continue\"."},
    {"This is main screen of the game (\"office screen\"). The game itself is divided in two "
     "stages: Planning phase and broadcasting phase. You are in the planning phase and we should "
     "start by buying a couple of movies.",
     "Click on the \"Movie agency\" button (left, second from above)."},
    {"To buy a couple of new movies, just select one movie at the bottom right by clicking on it, "
     "keep your mouse button pressed and drag it to an empty field in your movie archive at the "
     "left part of the screen. Do so now please.",
     "To buy a movie drag it to your movie archive."},
    {"Very good! Now buy a couple of more movies. Remember though you should save $ 1,000 millions "
     "for later. You need to fill 10 blocks (10 hours of TV programme). Ideally buy a mix of "
     "movies for different audiences and stay away from expensive 5-star movies.",
     "Buy a couple of more movies and afterwards click on \"Close\"."},
    {"Excellent, but before we can start building a TV program we need to get some advertising "
     "contracts. After all this is a business game! Please open the \"Advertisement agency\" "
     "screen (at the left, third from above).",
     "Click on the \"Advertisement agency\" screen (the orange $ sign)."},
    {"You acquire ad contracts in the same way that you buy movies. Just select an ad from the "
     "bottom and drag it to the archive at the left. Start with a very small contract (3-5 million "
     "viewers) and avoid ads that target a specific audience (like kids).",
     "Drag an ad contract from the list at the bottom to your archive."},
    {"Well done. Now you can either get yourself one or two more ad contracts or directly click on "
     "\"Close\" and continue with the tutorial.",
     "Get more contracts and/or click on the \"Close\" button at the bottom right."},
    {"Finally we need to determine the content of our news programme (that is if you later decide "
     "to place a news spot in your programme). To do this click on the \"News agency\" button. It "
     "is at the left the fourth from above.",
     "Click on the \"News agency\" button (left row, fourth from above)."},
    {"At the right part you can see the available news content and at the left your current "
     "programme. Just drag news content slots from the right to the left to create your news "
     "programme. With the \"new set\" button you can get new content choices.",
     "Drag news slots from the right part of the screen to your news programme."},
    {"The key to the game is to create a TV programme best suited to your target audience. News "
     "are important, because they are free and still attract audience. Fill all three slots of "
     "your news programme. If you are done, please click on \"Close\".",
     "Fill your news programme. Afterwards click on \"Close\"."},
    {"Allright! Excellent! Now it is time to create the best TV program ever! To do this please "
     "click on the \"TV program\" at the top left (first from above).",
     "Click on the \"TV program\" button at the top left (blue button)."},
    {"This is what the game is all about. Creating a TV program that attracts as much audience as "
     "possible and using ads to earn money. To do this just drag some movies, ads and news spots "
     "from the right part of the screen to the TV program table at the left.",
     "Fill all 10 slots of your TV program and afterwards click on \"Close\"."},
    {"Good. Let´s see how successful your TV program is. This is a VERY complex process allowing "
     "many different strategies and - at a later time - you should definately take a look at the "
     "manual (manual.html in the game folder). Now let´s start the broadcasting!",
     "Click on the \"End turn\" button."},
    {"You are now in the broadcasting phase. Below you can see the TV program as it is broadcasted "
     "during the day. If this takes too long, you can keep the \"Play\" button at the top left "
     "pressed for \"Fast Forward\". Now watch as your program is broadcasted.",
     "Watch your TV programme until the broadcasting is completed."},
    {"That´s it. You have completed a full turn. With some luck you might have already completed "
     "an ad contract and earned some money. In any case just continue playing the game. For more "
     "info, please read the manual (manual.html in your game folder).",
     "This tutorial has ended. Click on \"Cancel tutorial\" below."},
}};

}  // namespace

TutorialStepText TutorialTexts(int step) {
    if (step < 1 || step > kTutorialSteps) return {};
    return kSteps[static_cast<size_t>(step - 1)];
}

bool TutorialStepClosesWindow(int step) {
    switch (step) {
        case 2:
        case 5:
        case 6:
        case 9:
        case 12:
        case 15:
        case 18:
            return true;
        default:
            return false;
    }
}

int Tutorial::nextAfter(int n) const {
    if (!m_active || n < 1 || n >= kTutorialSteps) return 0;
    if (n != kTutorialContinueStep && m_step != n) return 0;
    return n + 1;
}

}  // namespace qvx::ui
