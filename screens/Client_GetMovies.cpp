#include "Client_GetMovies.h"

#include <QLabel>

#include "Act.h"
#include "Formatting.h"
#include "InfoPanels.h"
#include "MovieAgency.h"
#include "PlaceGrid.h"
#include "ScreenKit.h"
#include "Session.h"
#include "Sounds.h"
#include "TitleInfo.h"
#include "Widgets.h"

namespace qvx::ui {

namespace {

QString Q(const std::string& text) {
    return QString::fromStdString(text);
}

QString TitlePicture(const Catalogue& cat, int32_t movie) {
    if (!ValidMovie(movie)) return "MovieArchiveG.jpg";
    return cat.MovieCatalogue[movie][Movie::kType] == Movie::kTypeMovie ? "MovieArchive.jpg"
                                                                        : "SeriesArchive.jpg";
}

// Drag codes: -k for archive position k, +n for offer n.
bool IsArchive(int code) {
    return code < 0;
}

}  // namespace

TForm9::TForm9(Session& session, QWidget* parent)
    : GameScreen(session, parent, "TForm9", "QVX2_bg_screen.jpg") {
    // The backdrops hide the hover panel, so that it never lingers over an empty stretch.
    const struct {
        const char* name;
        QRect place;
        PanelKind kind;
        const char* what;
    } backdrops[] = {
        {"Image1", {8, 8, 330, 752}, PanelKind::Panel, "Your movie archive"},
        {"Image2", {776, 8, 240, 752}, PanelKind::Panel, "The agency's offers"},
        {"Image3", {346, 4, 420, 374}, PanelKind::Panel, "Title details"},
        {"Image4", {346, 390, 420, 290}, PanelKind::Panel, "Movie agency"},
        {"Image5", {20, 16, 306, 44}, PanelKind::Bar, "Archive heading"},
        {"Image6", {788, 16, 216, 44}, PanelKind::Bar, "Offers heading"},
    };
    for (const auto& b : backdrops) {
        auto* picture = PanelPicture(this, b.name, b.place, b.kind, b.what);
        connect(picture, &PictureLabel::entered, this, [this] { showMovieInfo(0); });
    }
    Caption(this, "ArchiveCaption", "Your movie archive", {32, 20, 290, 36}, 14);
    Caption(this, "OffersCaption", "Offers", {800, 20, 200, 36}, 14);
    Caption(this, "AgencyCaption", "Rent-a-movie Ltd.", {366, 404, 380, 36}, 16);
    auto* hint = Text(this, "HintLabel",
                      "Drag an offer onto a free place of your archive to buy it, a title of "
                      "your archive onto the offers to sell it, or onto another place to move it.",
                      {366, 500, 380, 110}, 11, Tone::Soft);
    hint->setWordWrap(true);
    Text(this, "DetailsHint", "Point at a title to see its details.", {366, 180, 380, 30}, 11,
         Tone::Muted)
        ->setAlignment(Qt::AlignCenter);
    m_money = Text(this, "MoneyLabel", "", {366, 446, 380, 36}, 16, Tone::Gain, true);

    const auto drop = [this](int from, int to) { dropped(from, to); };
    const auto start = [this] { showMovieInfo(0); };
    m_archive = std::make_unique<PlaceGrid>(
        session, this,
        PlaceGridSpec{
            .stem = "Archive",
            .twinStem = "BlindArchiveSlot",
            .count = kAgencyArchivePositions,
            .columns = 3,
            .first = {24, 72, 96, 72},
            .pitch = {102, 76},
            .twinFirst = {16, 68, 314, 24},
            .twinPitch = {0, 25},
            .codeSign = -1,
            .onDrop = drop,
            .onHover =
                [this](int k) {
                    showMovieInfo(this->session()
                                      .game()
                                      .MovieArchive[this->session().game().PlayerChannel][k]);
                },
            .onClick =
                [this](int k) {
                    openBlindInfo(this->session()
                                      .game()
                                      .MovieArchive[this->session().game().PlayerChannel][k]);
                },
            .onDragStart = start});
    m_offers = std::make_unique<PlaceGrid>(
        session, this,
        PlaceGridSpec{
            .stem = "Shop",
            .twinStem = "BlindShopSlot",
            .count = kShopPositions,
            .columns = 2,
            .first = {792, 72, 100, 88},
            .pitch = {112, 98},
            .twinFirst = {782, 68, 228, 46},
            .twinPitch = {0, 48},
            .twinPointSize = 9,
            .codeSign = 1,
            .onDrop = drop,
            .onHover =
                [this](int n) {
                    showMovieInfo(
                        this->session().game().ShopOffers[this->session().game().PlayerChannel][n]);
                },
            .onClick =
                [this](int n) {
                    openBlindInfo(
                        this->session().game().ShopOffers[this->session().game().PlayerChannel][n]);
                },
            .onDragStart = start});

    m_panel = new MovieInfoPanel(*this, this, "Panel1", {346, 4});
    m_blindPanel = new MovieInfoPanel(*this, this, "BlindInfoPanel1", {346, 4}, true);
    setEscapeButton(ButtonWithTwin(*this, this,
                                   {.stem = "Button1",
                                    .text = "Close",
                                    .rect = {426, 696, 260, 44},
                                    .twinName = "BlindButton4",
                                    .twinRect = {366, 650, 160, 24}},
                                   [this] { close(); }));
}

TForm9::~TForm9() = default;

void TForm9::redraw() {
    const GameState& gs = session().game();
    const Catalogue& cat = session().catalogue();
    const int c = gs.PlayerChannel;
    if (!ValidChannel(c)) return;
    for (int k = 1; k <= kAgencyArchivePositions; ++k) {
        const int32_t m = gs.MovieArchive[c][k];
        m_archive->setPlace(k, TitlePicture(cat, m), ValidMovie(m),
                            Q(ValidMovie(m) ? cat.MovieTitles[m] : "Empty slot"),
                            Q(TitleBlindText(k, cat, m)));
    }
    for (int n = 1; n <= kShopPositions; ++n) {
        const int32_t m = gs.ShopOffers[c][n];
        m_offers->setPlace(n, TitlePicture(cat, m), ValidMovie(m),
                           Q(ValidMovie(m) ? cat.MovieTitles[m] : "Empty slot"),
                           Q(TitleBlindText(n, cat, m)));
    }
    m_money->setText("$: " + Q(FormatAmount(gs.Channel[c][Ch::kMoney])) + " millions");
    // A trade may have changed the price or the owner of the title on show.
    if (m_panel->isVisible()) {
        const int32_t shown = m_shown;
        m_shown = 0;
        showMovieInfo(shown);
    }
}

void TForm9::showMovieInfo(int32_t movie) {
    if (movie < 1 || session().blindMode()) {
        m_panel->hide();
        m_shown = 0;
        return;
    }
    if (movie == m_shown && m_panel->isVisible()) return;
    m_shown = movie;
    m_panel->showInfo(BuildMovieInfo(session().game(), session().catalogue(), session().deck(),
                                     movie, InfoWording::Agency));
}

void TForm9::openBlindInfo(int32_t movie) {
    if (!session().blindMode()) return;
    const MovieInfo info = BuildMovieInfo(session().game(), session().catalogue(), session().deck(),
                                          movie, InfoWording::Agency);
    if (info.shown) m_blindPanel->showInfo(info);
}

void TForm9::dropped(int from, int to) {
    if (from > 0 && IsArchive(to)) buyMovie(from, -to);
    if (IsArchive(from) && to > 0) sellMovie(-from);
    if (IsArchive(from) && IsArchive(to)) swapArchive(-from, -to);
    // An offer dropped on an offer does nothing.
}

void TForm9::buyMovie(int offer, int position) {
    GameState& gs = session().game();
    const Catalogue& cat = session().catalogue();
    const Boosters& deck = session().deck();
    const MovieOutcome first = CheckBuyMovie(gs, cat, deck, offer, position).outcome;
    if (first == MovieOutcome::Empty || first == MovieOutcome::Invalid) return;
    Act(session().dialogs(),
        {.check = [&] { return MovieAgencyMessage(first); },
         .question =
             [&] { return BuyMovieQuestion(cat, CheckBuyMovie(gs, cat, deck, offer, position)); },
         .apply =
             [&] {
                 const MovieOutcome done = BuyMovie(gs, cat, deck, offer, position).outcome;
                 // The tutorial steps on once the title is the player's.
                 if (done == MovieOutcome::Bought) session().tutorialHook(6);
                 return MovieAgencyMessage(done);
             }},
        [this] { redraw(); });
}

void TForm9::sellMovie(int position) {
    GameState& gs = session().game();
    const Catalogue& cat = session().catalogue();
    const MovieQuote quote = CheckSellMovie(gs, cat, position);
    if (quote.outcome == MovieOutcome::Empty || quote.outcome == MovieOutcome::Invalid) return;
    Act(session().dialogs(),
        {.check = [&] { return MovieAgencyMessage(quote.outcome); },
         .question = [&] { return SellMovieQuestion(cat, quote); },
         .apply = [&] { return MovieAgencyMessage(SellMovie(gs, cat, position).outcome); }},
        [this] { redraw(); });
}

void TForm9::swapArchive(int from, int to) {
    GameState& gs = session().game();
    // A position dropped on itself still goes to the engine: it costs a journal entry.
    Act(session().dialogs(),
        {.check = {},
         .question = {},
         .apply = [&] { return MovieAgencyMessage(SwapMovieArchive(gs, from, to)); }},
        [this] { redraw(); });
}

void TForm9::close() {
    session().tutorialHook(7);
    accept();
}

}  // namespace qvx::ui
