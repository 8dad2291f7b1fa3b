// The office's controls and where they sit: a top bar with logo, money, date and clock; the TV
// in its bezel with the watch and Play/Pause buttons beneath; the figures of the hour beside it;
// the five faces down the right edge; the ten main buttons in two rows at the bottom; and the
// phone, the cheats and the two hover popups, hidden until wanted.
#include <QFrame>
#include <QListWidget>

#include "Client_OfficeScreen.h"
#include "ScreenKit.h"
#include "Session.h"
#include "Sounds.h"
#include "Widgets.h"

namespace qvx::ui {

void TForm7::buildTopBar() {
    Panel(this, "TopBar", {0, 0, 1024, 84}, PanelKind::Bar);
    m_logo = Picture(this, "Image4", {24, 10, 64, 64}, QString(), "Company logo");
    m_money = Text(this, "Label1", " ", {104, 8, 360, 40}, 20, Tone::Plain, true);
    m_bankrupt = Text(this, "Bankrupt_Label", OfficeText::kBankruptLabel, {104, 48, 150, 26}, 13,
                      Tone::Warning, true);
    m_bankrupt->hide();
    // Ends short of the viewed company's name on the right.
    m_channelText = new BlindLabel(session(), this, "BlindLabel22", " ", {264, 50, 180, 24});

    m_date = Text(this, "Label17", QString(), {450, 14, 370, 30}, 14, Tone::Plain);
    m_date->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    auto* name = Text(this, "ViewedName", QString(), {450, 46, 370, 24}, 11, Tone::Muted);
    name->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    m_clock = Text(this, "Label6", QString(), {830, 8, 140, 50}, 28, Tone::Plain, true);
    m_clock->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    m_clockSuffix = Text(this, "Label20", QString(), {974, 26, 44, 28}, 13, Tone::Highlight);

    // The cheats hide behind an invisible spot in the corner.
    m_cheatSpot = new PictureLabel(this, "Image1", {0, 0, 17, 17});
    m_cheatSpot->setStyleSheet("background: transparent;");
    connect(m_cheatSpot, &PictureLabel::doubleClicked, this, &TForm7::showCheats);
}

void TForm7::buildTv() {
    auto* bezel = Panel(this, "TvBezel", {24, 100, 432, 336}, PanelKind::Bezel);
    auto* well = Panel(bezel, "TvWell", {20, 20, 392, 296}, PanelKind::Screen);
    m_tvOff = Picture(well, "TVOff", {4, 4, 384, 288}, "QVX2_tv_off.jpg", "TV switched off");
    m_tvBox = Panel(well, "GroupBox_TVScreen", {4, 4, 384, 288}, PanelKind::Screen);
    m_tv = Picture(m_tvBox, "TVScreen", {0, 0, 384, 288}, QString(), "TV screen");
    m_tv->setAccessibleDescription("Hover or, in blind mode, click for the figures of the hour");
    connect(m_tv, &PictureLabel::entered, this, &TForm7::tvEntered);
    connect(m_tv, &PictureLabel::left, this, &TForm7::tvLeft);
    connect(m_tv, &PictureLabel::clicked, this, &TForm7::tvClicked);
    connect(m_tv, &PictureLabel::rightClicked, this, &TForm7::tvClicked);
    m_tvBox->hide();

    auto* stats = Panel(this, "StatsPanel", {476, 100, 420, 184});
    auto* lamp = Text(stats, "OnAirLamp", "OFF AIR", {16, 14, 96, 28}, 11, Tone::Plain, true);
    lamp->setAlignment(Qt::AlignCenter);
    Text(stats, "OnAirText", QString(), {124, 14, 284, 28}, 11, Tone::Muted);
    Text(stats, "ViewersCaption", "Viewers", {16, 52, 110, 28}, 14, Tone::Muted);
    m_viewers = Text(stats, "Label3", ": None", {126, 52, 280, 28}, 14, Tone::Plain, true);
    m_reqCaption = Text(stats, "Label13", "Req.", {16, 84, 110, 28}, 14, Tone::Plain);
    m_adRequirement = Text(stats, "Label7", ": None", {126, 84, 280, 28}, 14, Tone::Plain, true);
    Text(stats, "RatingCaption", "Rating", {16, 116, 110, 28}, 14, Tone::Muted);
    m_appeal = Text(stats, "Label2", ": 0%", {126, 116, 280, 28}, 14, Tone::Plain, true);

    auto* guide = Panel(this, "GuidePanel", {476, 296, 420, 236});
    Caption(guide, "GuideCaption", "Tonight's programme", {16, 8, 388, 24}, 12);
    for (int s = 1; s <= kSlots; ++s) {
        auto* row = Text(guide, QString("GuideRow%1").arg(s), QString(),
                         {16, 32 + (s - 1) * 20, 388, 20}, 11, Tone::Muted);
        row->setTextFormat(Qt::PlainText);
    }

    // Two lines under the rating row: "Advertisement" and a long title wrap.
    m_onAir = new BlindLabel(session(), this, "BlindLabel23", "Now broadcasting: Nothing",
                             {486, 244, 400, 40});
}

void TForm7::buildControls() {
    Panel(this, "ControlStrip", {24, 444, 432, 56});
    auto makePair = [this](int number, const QRect& place, const QString& picture,
                           const QString& accessible) {
        WatchButton pair;
        const QString stem = QString("ControlButton%1").arg(number);
        pair.action = Picture(this, stem + "_Action", place, picture + ".jpg", accessible);
        pair.pressed =
            Picture(this, stem + "_Pressed", place, picture + "_pressed.jpg", accessible);
        pair.action->setCursor(Qt::PointingHandCursor);
        pair.pressed->setCursor(Qt::PointingHandCursor);
        pair.pressed->hide();
        return pair;
    };
    for (int k = 1; k <= kChannels; ++k) {
        const QString text = OfficeText::kWatchBlindLabels[k - 1];
        m_watch[k] =
            makePair(k, {40 + (k - 1) * 58, 454, 48, 36}, QString("QVX2_watch%1").arg(k), text);
        connect(m_watch[k].action, &PictureLabel::clicked, this, [this, k] { watchClicked(k); });
        connect(m_watch[k].pressed, &PictureLabel::clicked, this,
                [this, k] { watchPressedClicked(k); });
        // The twins sit in the free corners beside the main buttons.
        auto* blind = new BlindLabel(session(), this, QString("BlindLabel%1").arg(5 + k), text,
                                     {8, 548 + (k - 1) * 50, 144, 46});
        connect(blind, &BlindLabel::clicked, this, [this, k] { watchClicked(k); });
    }
    m_play = makePair(5, {320, 454, 48, 36}, "QVX2_play", "Play, hold for fast forward");
    m_pause = makePair(6, {380, 454, 48, 36}, "QVX2_pause", "Pause");
    for (PictureLabel* image : {m_play.action, m_play.pressed})
        image->installEventFilter(this);
    for (PictureLabel* image : {m_pause.action, m_pause.pressed})
        connect(image, &PictureLabel::clicked, this, &TForm7::pauseClicked);
    auto* blindPlay = new BlindLabel(session(), this, "BlindLabel10", "Play", {872, 548, 144, 26});
    connect(blindPlay, &BlindLabel::clicked, this, [this] {
        playPressed();
        playReleased();
    });
    auto* blindPause =
        new BlindLabel(session(), this, "BlindLabel11", "Pause", {872, 580, 144, 26});
    connect(blindPause, &BlindLabel::clicked, this, &TForm7::pauseClicked);
}

void TForm7::buildFaces() {
    for (int face = 1; face <= kAudienceGroups; ++face) {
        const int group = GroupOfFace(face);
        auto* box = Panel(this, QString("GroupBox_Face%1").arg(face),
                          {912, 96 + (face - 1) * 86, 96, 82}, PanelKind::Inset);
        auto* picture =
            Picture(box, QString("Face%1").arg(face), {20, 2, 56, 56}, QString(), GroupName(group));
        auto* name = Text(box, QString("FaceName%1").arg(face), GroupName(group), {0, 58, 96, 22},
                          11, Tone::Plain);
        name->setAlignment(Qt::AlignCenter);
        connect(picture, &PictureLabel::entered, this, [this, face] { faceEntered(face); });
        connect(picture, &PictureLabel::left, this, [this, face] { faceLeft(face); });
        connect(picture, &PictureLabel::clicked, this, [this, face] { faceClicked(face); });
        connect(picture, &PictureLabel::rightClicked, this, [this, face] { faceClicked(face); });
        box->hide();
        m_faceBoxes[face] = box;
        m_faces[face] = picture;
    }
}

void TForm7::buildMainButtons() {
    for (int k = 1; k <= kMainButtonCount; ++k) {
        const int row = (k - 1) / 5;
        const int column = (k - 1) % 5;
        const QRect place(160 + column * 144, 548 + row * 108, 128, 96);
        // The handler plays the click, so the blind twin and the tests sound the same.
        ImageButton* button = ButtonWithTwin(*this, this,
                                             {.stem = QString("Button%1").arg(k),
                                              .text = MainButtonCaption(k),
                                              .rect = place,
                                              .twinName = QString("BlindLabel%1").arg(11 + k),
                                              .twinRect = {place.x(), place.y() + 50, 128, 46},
                                              .playsClick = false,
                                              .picture = QString("QVX2_office%1").arg(k)},
                                             [this, k] { mainButtonClicked(k); });
        button->setObjectName(QString("Button%1_Pressed").arg(k));
        // Below the face's icon (y 6..44): room for two lines of 11 pt text.
        button->label()->setGeometry(3, 46, 122, 44);
        QFont font = button->label()->font();
        font.setPointSize(11);
        // Slightly closer letters: "Advertisement", the longest word, then clears the edges.
        font.setLetterSpacing(QFont::PercentageSpacing, 94);
        button->label()->setFont(font);
        m_buttons[k] = button;
        showShortcut(k);
        // The twin takes the place of the drawn caption below the icon, and shows it alone.
        QLabel* caption = button->label();
        caption->setVisible(!session().blindMode());
        connect(&session(), &Session::blindModeChanged, caption,
                [caption](bool blind) { caption->setVisible(!blind); });
    }
}

void TForm7::buildInfoPopup() {
    m_infoPopup =
        Panel(this, "Panel_InfoPopup", {kInfoPopupPlace, QSize(380, 300)}, PanelKind::Popup);
    m_infoTitle = Text(m_infoPopup, "Label9", QString(), {12, 8, 356, 46}, 12, Tone::Plain, true);
    m_infoTitle->setWordWrap(true);
    for (int i = 1; i <= 5; ++i) {
        const int y = 56 + (i - 1) * 24;
        m_infoRows.captions.push_back(Text(m_infoPopup, QString("InfoCaption%1").arg(i), QString(),
                                           {12, y, 152, 22}, 11, Tone::Muted));
        m_infoRows.values.push_back(Text(m_infoPopup, QString("InfoValue%1").arg(i), QString(),
                                         {166, y, 204, 22}, 11, Tone::Plain));
    }
    m_infoRating =
        Text(m_infoPopup, "InfoRating", QString(), {12, 178, 356, 22}, 11, Tone::Highlight, true);
    m_infoText = Text(m_infoPopup, "Label18", QString(), {12, 202, 356, 70}, 11, Tone::Muted);
    m_infoText->setWordWrap(true);
    m_infoText->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_infoPay =
        Text(m_infoPopup, "Label25", QString(), {12, 272, 356, 22}, 12, Tone::Highlight, true);
    m_infoPay->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    m_infoPopup->setAttribute(Qt::WA_TransparentForMouseEvents);
    m_infoPopup->hide();
}

void TForm7::buildGroupPopup() {
    m_groupPopup =
        Panel(this, "Panel_AudiencePopup", {kKidsPopupPlace, QSize(192, 370)}, PanelKind::Popup);
    m_groupName = Text(m_groupPopup, "Label29", QString(), {12, 6, 168, 26}, 13, Tone::Plain, true);
    for (int i = 1; i <= 4; ++i) {
        const int y = 36 + (i - 1) * 40;
        m_groupRows.captions.push_back(Text(m_groupPopup, QString("GroupCaption%1").arg(i),
                                            QString(), {12, y, 168, 20}, 11, Tone::Muted));
        m_groupRows.values.push_back(Text(m_groupPopup, QString("GroupValue%1").arg(i), QString(),
                                          {12, y + 18, 168, 20}, 11, Tone::Plain, true));
    }
    // The longest verdict, "This is really bad...", takes two lines.
    m_groupOpinion =
        Text(m_groupPopup, "Label34", QString(), {12, 196, 168, 40}, 11, Tone::Highlight, true);
    m_groupOpinion->setWordWrap(true);
    m_groupOpinion->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_groupVoice = Text(m_groupPopup, "Label35", QString(), {12, 238, 168, 126}, 11, Tone::Muted);
    m_groupVoice->setWordWrap(true);
    m_groupVoice->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_groupPopup->setAttribute(Qt::WA_TransparentForMouseEvents);
    m_groupPopup->hide();
}

void TForm7::buildPhone() {
    m_phone = Panel(this, "Panel2", {400, 85, 320, 392});
    Text(m_phone, "PhoneTitle", "Phone", {16, 10, 288, 30}, 16, Tone::Plain, true);
    m_contactList = new QListWidget(m_phone);
    m_contactList->setObjectName("ListBox1");
    m_contactList->setGeometry(16, 48, 288, 240);
    m_contactList->setAccessibleName("Contacts");
    m_contactList->installEventFilter(this);
    m_contactList->setStyleSheet(
        "QListWidget { font-size: 13pt; }"
        "QListWidget::item { padding: 6px; }");
    // The handlers play the click themselves, as the main buttons' do.
    auto addButton = [this](const QString& stem, const QString& text, int left, const QString& twin,
                            void (TForm7::*handler)()) {
        ButtonWithTwin(*this, m_phone,
                       {.stem = stem,
                        .text = text,
                        .rect = {left, 300, 136, 40},
                        .twinName = twin,
                        .twinRect = {left, 350, 136, 24},
                        .small = true,
                        .playsClick = false},
                       [this, handler] { (this->*handler)(); })
            ->setObjectName(stem);
    };
    addButton("Phone1Button", OfficeText::kPhoneClose, 16, "BlindButton4", &TForm7::closePhone);
    addButton("Phone2Button", OfficeText::kPhoneCall, 168, "BlindButton5", &TForm7::callClicked);
    m_phone->hide();
}

void TForm7::buildCheats() {
    m_cheats = Panel(this, "Panel1", {302, 150, 420, 340});
    Text(m_cheats, "CheatTitle", OfficeText::kCheatPanelTitle, {20, 10, 360, 30}, 16, Tone::Plain,
         true);
    int index = 0;
    auto add = [this, &index](const QString& text, std::function<void()> action) {
        const int column = index % 2;
        const int row = index / 2;
        ++index;
        // No blind twins: the cheats are a tester's door, not part of the game.
        const QString stem = QString("CheatButton%1").arg(index);
        ButtonWithTwin(*this, m_cheats,
                       {.stem = stem,
                        .text = text,
                        .rect = {20 + column * 195, 50 + row * 46, 185, 38},
                        .small = true,
                        .playsClick = false},
                       std::move(action))
            ->setObjectName(stem);
    };
    add(OfficeText::kCheatMoney10k, [this] { cheatMoney(10000); });
    add(OfficeText::kCheatMoney100k, [this] { cheatMoney(100000); });
    add(OfficeText::kCheatPopularity, [this] { cheatPopularity(0); });
    for (int g = 1; g <= kAudienceGroups; ++g)
        add(OfficeText::kCheatGroups[g - 1], [this, g] { cheatPopularity(g); });
    add(OfficeText::kCheatAuto12, [this] { cheatAutoPlay(12); });
    add(OfficeText::kCheatAuto120, [this] { cheatAutoPlay(120); });
    add(OfficeText::kCheatClose, [this] { hideCheats(); });
    m_cheats->hide();
}

}  // namespace qvx::ui
