#include "Client_ManageBoosters.h"

#include <QFont>
#include <QFrame>
#include <QLabel>

#include "Boosters.h"
#include "Dialog.h"
#include "DialogService.h"
#include "DragDrop.h"
#include "ScreenKit.h"
#include "Session.h"
#include "Settings.h"
#include "Sounds.h"
#include "Widgets.h"

namespace qvx::ui {

namespace {

// The twenty cards in two rows of ten.
constexpr QRect kCardsPanel{24, 76, 976, 330};
constexpr int kCardColumns = 10;
constexpr QPoint kFirstCard{16, 40};
constexpr QSize kCardPitch{94, 138};
constexpr QSize kCardSize{72, 96};
constexpr int kCardNameHeight = 46;  // three lines: "Theming: Cartoon/Comedy"

// The deck's five slots, side by side, and the details beside them.
constexpr QRect kDeckPanel{24, 416, 600, 258};
constexpr QPoint kFirstSlot{16, 40};
constexpr int kSlotPitch = 116;
constexpr QSize kSlotSize{100, 150};
constexpr QRect kSlotCard{8, 30, 84, 112};
constexpr QRect kDetailPlace{640, 416, 360, 258};

QString Q(const char* text) {
    return QString::fromUtf8(text);
}

QString CardPicture(const BoosterCard& card) {
    return QString::fromStdString(BoosterPicture(card));
}

// What a screen reader says of a card: its name, then what it does and whether it stacks.
QString Spoken(const BoosterCard& card) {
    return Q(card.description) + " " + Q(StackabilityText(card));
}

// A drop counts only on a slot and only with one of the twenty cards.
bool IsCard(int from) {
    return FindBoosterCard(from) != nullptr;
}

// The twins read long names in narrow cells.
void SmallFont(QWidget* twin) {
    QFont font = twin->font();
    font.setPointSize(9);
    twin->setFont(font);
}

}  // namespace

TForm26::TForm26(Session& session, QWidget* parent)
    : GameScreen(session, parent, "TForm26", "QVX2_bg_screen.jpg") {
    Caption(this, "Label1", "Advantage deck", {40, 14, 600, 36}, 20);
    Text(this, "Label4",
         "Drag cards onto the five slots of your deck. The deck counts for every game you start "
         "or continue.",
         {40, 50, 944, 22}, 11, Tone::Muted);
    buildCards();
    buildDeck();
    buildDetails();

    ImageButton* clear = ButtonWithTwin(*this, this,
                                        {.stem = "Button2",
                                         .text = "Clear deck",
                                         .rect = {24, 696, 280, 44},
                                         .twinName = "BlindButton2",
                                         .twinRect = {324, 706, 160, 24}},
                                        [this] { clearDeck(); });
    clear->setObjectName("Button2Active");
    ImageButton* go = ButtonWithTwin(*this, this,
                                     {.stem = "Button1",
                                      .text = "Continue",
                                      .rect = {720, 696, 280, 44},
                                      .twinName = "BlindButton1",
                                      .twinRect = {540, 706, 160, 24}},
                                     [this] { continueToStart(); });
    go->setObjectName("Button1Active");
    // Escape and the window's close leave as Continue does, so the deck reaches disk.
    setEscapeButton(go);
}

void TForm26::buildCards() {
    QFrame* panel = Panel(this, "CardsPanel", kCardsPanel);
    Caption(panel, "Label2", "Available cards", {16, 8, 400, 26});
    for (int k = 1; k <= kBoosterIds; ++k) {
        const BoosterCard& card = *FindBoosterCard(k);
        const QPoint cell(kFirstCard.x() + (k - 1) % kCardColumns * kCardPitch.width(),
                          kFirstCard.y() + (k - 1) / kCardColumns * kCardPitch.height());
        const QRect picturePlace(cell + QPoint((kCardPitch.width() - kCardSize.width()) / 2, 0),
                                 kCardSize);
        PictureLabel* picture = Picture(panel, QString("Booster%1").arg(k), picturePlace,
                                        CardPicture(card), Q(card.name));
        picture->setScaledContents(true);
        picture->setAccessibleDescription(Spoken(card));
        picture->setCursor(Qt::OpenHandCursor);
        new DragSource(picture, k, [picture] { return picture->pixmap(); });
        connect(picture, &PictureLabel::entered, this, [this, k] { showDetails(k); });
        connect(picture, &PictureLabel::left, this, [this] { showDetails(0); });
        m_cards[k - 1] = picture;

        // Several cards share a picture: the name under each tells them apart.
        const QRect namePlace(cell.x(), cell.y() + kCardSize.height() + 2, kCardPitch.width() - 4,
                              kCardNameHeight);
        QLabel* name = Text(panel, QString("BoosterName%1").arg(k), Q(card.name), namePlace, 9,
                            Tone::Soft, true);
        name->setWordWrap(true);
        name->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
        auto* twin = new BlindLabel(session(), panel, QString("BlindBooster%1").arg(k),
                                    Q(card.name), namePlace);
        SmallFont(twin);
        twin->setAccessibleDescription(Spoken(card));
        twin->setToolTip(WrappedToolTip(Spoken(card)));
        connect(twin, &BlindLabel::clicked, this, [this, k] {
            session().sounds().PlayClick();
            placeCardBlind(k);
        });
    }
}

void TForm26::buildDeck() {
    QFrame* panel = Panel(this, "DeckPanel", kDeckPanel);
    Caption(panel, "Label3", "Your deck", {16, 8, 400, 26});
    for (int s = 1; s <= kBoosterSlots; ++s) {
        Slot& slot = m_slots[s - 1];
        const QPoint at(kFirstSlot.x() + (s - 1) * kSlotPitch, kFirstSlot.y());
        // The frame is always there, so the player sees where a card may go even when empty.
        PictureLabel* place = PanelPicture(panel, QString("CardPlace%1").arg(s), {at, kSlotSize},
                                           PanelKind::Inset, QString("Deck slot %1").arg(s));
        slot.place = place;
        Text(place, QString("CardNumber%1").arg(s), QString("%1.").arg(s), {8, 4, 40, 22}, 12,
             Tone::Accent, true);
        slot.empty =
            Text(place, QString("CardEmpty%1").arg(s), "Empty slot", kSlotCard, 10, Tone::Muted);
        slot.empty->setAlignment(Qt::AlignCenter);
        slot.card = Picture(place, QString("Card%1").arg(s), kSlotCard, {}, {});
        slot.card->setScaledContents(true);
        connect(slot.card, &PictureLabel::entered, this,
                [this, s] { showDetails(session().settings().Deck.ActiveBoosters[s]); });
        connect(slot.card, &PictureLabel::left, this, [this] { showDetails(0); });

        const auto drop = [this](int from, int to) { placeCard(from, to); };
        new DropArea(place, s, drop, IsCard);
        new DropArea(slot.card, s, drop, IsCard);

        const QRect below(at.x(), at.y() + kSlotSize.height() + 4, kSlotSize.width(), 24);
        slot.name = Text(panel, QString("CardName%1").arg(s), "", below, 9, Tone::Soft, true);
        slot.name->setAlignment(Qt::AlignCenter);
        // Over the lower half of the slot and its name: in blind mode the twin is what is read.
        slot.twin = new BlindLabel(session(), panel, QString("BlindCard%1").arg(s), "",
                                   {at.x(), at.y() + 80, kSlotSize.width(), 100});
        SmallFont(slot.twin);
        connect(slot.twin, &BlindLabel::clicked, this, [this, s] {
            session().sounds().PlayClick();
            chooseSlot(s);
        });
    }
}

void TForm26::buildDetails() {
    // Behind the details: what the place is for while no card is pointed at.
    QFrame* back = Panel(this, "DetailBack", kDetailPlace, PanelKind::Inset);
    QLabel* hint = Text(back, "DetailHint", "Point at a card to read what it does.",
                        back->rect().adjusted(16, 16, -16, -16), 12, Tone::Muted);
    hint->setAlignment(Qt::AlignCenter);
    hint->setWordWrap(true);

    m_details = Panel(this, "Panel1", kDetailPlace, PanelKind::Popup);
    const int width = kDetailPlace.width() - 32;
    m_detailName = Caption(m_details, "Label5", "", {16, 14, width, 30}, 15);
    m_detailText = Text(m_details, "Label6", "", {16, 54, width, 150}, 12, Tone::Soft);
    m_detailText->setWordWrap(true);
    m_detailText->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_detailStack = Text(m_details, "Label7", "", {16, 212, width, 28}, 12, Tone::Accent, true);
    m_details->hide();
}

void TForm26::prepare() {
    m_chosenSlot = 0;
    showDetails(0);
    redraw();
}

void TForm26::redraw() {
    const Boosters& deck = session().settings().Deck;
    for (int s = 1; s <= kBoosterSlots; ++s) {
        Slot& slot = m_slots[s - 1];
        const BoosterCard* card = FindBoosterCard(deck.ActiveBoosters[s]);
        slot.card->setVisible(card != nullptr);
        slot.empty->setVisible(card == nullptr);
        const QString name = card ? Q(card->name) : QString();
        if (card) {
            slot.card->setPicture(CardPicture(*card));
            slot.card->setAccessibleName(QString("Slot %1: %2").arg(s).arg(name));
            slot.card->setAccessibleDescription(Spoken(*card));
        }
        SetFittedText(slot.name, name);
        slot.place->setAccessibleName(card ? QString("Slot %1: %2").arg(s).arg(name)
                                           : QString("Slot %1: empty").arg(s));
        const QString chosen = s == m_chosenSlot ? " (chosen)" : "";
        slot.twin->setText(card ? QString("Slot %1%2: %3").arg(s).arg(chosen, name)
                                : QString("Slot %1%2: empty").arg(s).arg(chosen));
        slot.twin->setAccessibleDescription(card ? Spoken(*card) : QString());
    }
}

void TForm26::placeCard(int card, int slot) {
    if (!PlaceCard(session().settings().Deck, slot, card)) return;
    session().sounds().PlayClick();
    redraw();
}

void TForm26::chooseSlot(int slot) {
    if (slot < 1 || slot > kBoosterSlots) return;
    m_chosenSlot = m_chosenSlot == slot ? 0 : slot;
    redraw();
}

void TForm26::placeCardBlind(int card) {
    const Boosters& deck = session().settings().Deck;
    int slot = m_chosenSlot;
    for (int s = 1; slot == 0 && s <= kBoosterSlots; ++s)
        if (deck.ActiveBoosters[s] == 0) slot = s;
    if (slot == 0) {
        session().dialogs().Inform(
            kRefusalTitle,
            "All five slots are filled: choose the slot to replace first, or clear the deck.");
        return;
    }
    m_chosenSlot = 0;
    if (PlaceCard(session().settings().Deck, slot, card)) redraw();
}

void TForm26::clearDeck() {
    ClearDeck(session().settings().Deck);
    m_chosenSlot = 0;
    redraw();
}

void TForm26::showDetails(int card) {
    const BoosterCard* info = FindBoosterCard(card);
    if (!info) {
        m_details->hide();
        return;
    }
    m_detailName->setText(Q(info->name));
    m_detailText->setText(Q(info->description));
    m_detailStack->setText(Q(StackabilityText(*info)));
    m_details->setAccessibleName(Q(info->name));
    m_details->show();
    m_details->raise();
}

void TForm26::continueToStart() {
    if (Status saved = SaveSettings(session().settings(), session().userDir()); !saved) {
        // The deck stays in memory and is written again when the program ends.
        session().dialogs().Inform("Error",
                                   "Your advantage deck could not be saved (" +
                                       QString::fromStdString(saved.message()) +
                                       "); it stays in use and is saved again when the game ends.");
    }
    showDetails(0);
    accept();
}

}  // namespace qvx::ui
