#include "Client_GetAds.h"

#include <QLabel>

#include "Act.h"
#include "AdAgency.h"
#include "DragDrop.h"
#include "Formatting.h"
#include "InfoPanels.h"
#include "PlaceGrid.h"
#include "ScreenKit.h"
#include "Session.h"
#include "TitleInfo.h"
#include "Widgets.h"

namespace qvx::ui {

namespace {

QString Q(const std::string& text) {
    return QString::fromStdString(text);
}

// Drag codes: -k for ads archive position k, +n for offer n; the backdrops take drops as +1,
// which for a contract of the archive means "away from the archive", as an offer does.
constexpr int kBackdropCode = 1;

bool IsArchive(int code) {
    return code < 0;
}

QString ContractPicture(int32_t contract) {
    return ValidAd(contract) ? "AdsArchive.jpg" : "MovieArchiveG.jpg";
}

}  // namespace

TForm10::TForm10(Session& session, QWidget* parent)
    : GameScreen(session, parent, "TForm10", "QVX2_bg_screen.jpg") {
    const auto drop = [this](int from, int to) { dropped(from, to); };
    const struct {
        const char* name;
        QRect place;
        PanelKind kind;
        const char* what;
    } backdrops[] = {
        {"Interface1", {8, 8, 266, 752}, PanelKind::Panel, "Your ads archive"},
        {"Interface2", {750, 8, 266, 752}, PanelKind::Panel, "The agency's contract offers"},
        {"Interface3", {322, 8, 420, 124}, PanelKind::Panel, "Advertisement agency"},
        {"Interface4", {322, 432, 420, 250}, PanelKind::Panel, "Contract details"},
        {"Interface5", {20, 16, 242, 44}, PanelKind::Bar, "Archive heading"},
        {"Interface6", {762, 16, 242, 44}, PanelKind::Bar, "Offers heading"},
    };
    for (const auto& b : backdrops) {
        auto* picture = PanelPicture(this, b.name, b.place, b.kind, b.what);
        new DropArea(picture, kBackdropCode, drop);
        connect(picture, &PictureLabel::entered, this, [this] { showAdInfo(0); });
    }
    Caption(this, "ArchiveCaption", "Your ads archive", {32, 20, 220, 36}, 14);
    Caption(this, "OffersCaption", "Contract offers", {774, 20, 220, 36}, 14);
    Caption(this, "AgencyCaption", "Advertisement agency", {342, 20, 380, 36}, 16);
    m_money = Text(this, "MoneyLabel", "", {342, 70, 380, 36}, 16, Tone::Gain, true);
    auto* hint = Text(this, "HintLabel",
                      "Drag an offer onto a free place of your archive to accept the contract, "
                      "or a contract of your archive onto another place to move it. Accepted "
                      "contracts cannot be given back.",
                      {342, 448, 380, 130}, 11, Tone::Soft);
    hint->setWordWrap(true);
    // The empty stretch where the contract's panel opens says what goes there.
    Text(this, "DetailsHint", "Point at a contract to see its details.", {322, 260, 420, 30}, 11,
         Tone::Muted)
        ->setAlignment(Qt::AlignCenter);

    const auto grid = [&](const char* stem, const char* twinStem, int left, int sign,
                          auto contractAt) {
        return std::make_unique<PlaceGrid>(
            session, this,
            PlaceGridSpec{.stem = stem,
                          .twinStem = twinStem,
                          .count = kAcceptedAdPositions,
                          .columns = 2,
                          .first = {left, 72, 108, 84},
                          .pitch = {122, 98},
                          .twinFirst = {left - 6, 68, 240, 46},
                          .twinPitch = {0, 48},
                          .codeSign = sign,
                          .onDrop = drop,
                          .onHover = [this, contractAt](int i) { showAdInfo(contractAt(i)); },
                          .onClick = [this, contractAt](int i) { openBlindInfo(contractAt(i)); },
                          .onDragStart = [this] { showAdInfo(0); }});
    };
    m_archive = grid("Archive", "BlindArchiveSlot", 24, -1, [this](int k) {
        return this->session().game().AcceptedAds[this->session().game().PlayerChannel][k];
    });
    m_offers = grid("Shop", "BlindShopSlot", 766, 1, [this](int n) {
        return this->session().game().AdOffers[this->session().game().PlayerChannel][n];
    });

    m_panel = new ContractInfoPanel(*this, this, "Panel1", {322, 141});
    m_blindPanel = new ContractInfoPanel(*this, this, "BlindInfoPanel1", {322, 141}, true);
    setEscapeButton(ButtonWithTwin(*this, this,
                                   {.stem = "Button1",
                                    .text = "Close",
                                    .rect = {402, 696, 260, 44},
                                    .twinName = "BlindButton4",
                                    .twinRect = {342, 650, 160, 24}},
                                   [this] { close(); }));
}

TForm10::~TForm10() = default;

void TForm10::redraw() {
    const GameState& gs = session().game();
    const Catalogue& cat = session().catalogue();
    const int c = gs.PlayerChannel;
    if (!ValidChannel(c)) return;
    const auto fill = [&](PlaceGrid& places, const auto& ids) {
        for (int i = 1; i <= places.count(); ++i) {
            const int32_t id = ids[i];
            places.setPlace(i, ContractPicture(id), ValidAd(id),
                            Q(ValidAd(id) ? cat.AdNames[id] : "Empty slot"),
                            Q(ContractBlindText(i, gs, cat, id)));
        }
    };
    fill(*m_archive, gs.AcceptedAds[c]);
    fill(*m_offers, gs.AdOffers[c]);
    m_money->setText("$: " + Q(FormatAmount(gs.Channel[c][Ch::kMoney])) + " millions");
    m_panel->hide();
}

void TForm10::showAdInfo(int32_t contract) {
    if (contract < 1 || session().blindMode()) {
        m_panel->hide();
        return;
    }
    m_panel->showInfo(
        BuildContractInfo(session().game(), session().catalogue(), contract, InfoWording::Agency));
}

void TForm10::openBlindInfo(int32_t contract) {
    if (!session().blindMode()) return;
    const ContractInfo info =
        BuildContractInfo(session().game(), session().catalogue(), contract, InfoWording::Agency);
    if (info.shown) m_blindPanel->showInfo(info);
}

void TForm10::dropped(int from, int to) {
    if (from > 0 && IsArchive(to)) acceptContract(from, -to);
    if (IsArchive(from) && IsArchive(to)) swapArchive(-from, -to);
    if (IsArchive(from) && to > 0) refuseCancel(-from);
    // An offer dropped on an offer or on the background does nothing.
}

void TForm10::acceptContract(int offer, int position) {
    GameState& gs = session().game();
    const Catalogue& cat = session().catalogue();
    const AdOutcome first = CheckAcceptContract(gs, offer, position);
    if (first == AdOutcome::Empty || first == AdOutcome::Invalid) return;
    Act(session().dialogs(),
        {.check = [&] { return AdAgencyMessage(first); },
         .question = [&] { return AcceptContractQuestion(gs, cat, offer); },
         .apply =
             [&] {
                 const AdOutcome done = AcceptContract(gs, offer, position);
                 if (done == AdOutcome::Accepted) session().tutorialHook(9);
                 return AdAgencyMessage(done);
             }},
        [this] { redraw(); });
}

void TForm10::swapArchive(int from, int to) {
    GameState& gs = session().game();
    Act(session().dialogs(),
        {.check = {},
         .question = {},
         .apply = [&] { return AdAgencyMessage(SwapAdArchive(gs, from, to)); }},
        [this] { redraw(); });
}

void TForm10::refuseCancel(int position) {
    // Only the answer: the agency keeps every contract it has signed.
    Act(session().dialogs(),
        {.check = {},
         .question = {},
         .apply =
             [&] { return NoCancelMessage(session().game(), session().catalogue(), position); }},
        {});
}

void TForm10::close() {
    session().tutorialHook(10);
    accept();
}

}  // namespace qvx::ui
