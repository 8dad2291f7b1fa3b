#include "Client_Highscore.h"

#include <QFrame>

#include "Act.h"
#include "ResultsView.h"
#include "Scenarios.h"
#include "ScreenKit.h"
#include "Session.h"
#include "Widgets.h"

namespace qvx::ui {

namespace {

constexpr int kListLeft = 40;
constexpr int kListTop = 156;
constexpr int kListWidth = 944;
constexpr int kRowTop = 14;
constexpr int kRowPitch = 47;
constexpr int kLogoSize = 40;
constexpr int kButtonTop = 670;
constexpr int kTwinTop = 726;

QString Q(const std::string& text) {
    return QString::fromStdString(text);
}

}  // namespace

TForm21::TForm21(Session& session, QWidget* parent)
    : GameScreen(session, parent, "TForm21", "QVX2_bg_screen.jpg") {
    m_title = Caption(this, "Label1", "", {40, 20, 700, 40}, 20);
    m_listNumber = Text(this, "ListNumber", "", {744, 24, 240, 32}, 12, Tone::Muted);
    m_listNumber->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    m_description = Text(this, "Label6", "", {40, 64, 944, 84}, 11, Tone::Soft);
    m_description->setWordWrap(true);
    m_description->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    QFrame* list = Panel(this, "ScorePanel", {kListLeft, kListTop, kListWidth, 498});
    for (int i = 1; i <= kHighscoreEntries; ++i) {
        const int top = kRowTop + (i - 1) * kRowPitch;
        Row& row = m_rows[static_cast<size_t>(i - 1)];
        row.place = Text(list, QString("ScorePlace%1").arg(i), QString("%1.").arg(i),
                         {16, top, 44, kLogoSize}, 14, i <= 3 ? Tone::Accent : Tone::Muted, true);
        row.place->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        row.logo = Picture(list, QString("ScorePic%1").arg(i), {72, top, kLogoSize, kLogoSize}, {},
                           "Company logo");
        row.logo->setScaledContents(true);
        row.name = Text(list, QString("ScoreLabel%1").arg(i), "", {128, top, 500, kLogoSize}, 14,
                        Tone::Plain, i == 1);
        row.score = Text(list, QString("Score%1").arg(i), "", {640, top, 284, kLogoSize}, 14,
                         Tone::Gain, true);
        row.score->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    }
    // A blind player hears which list is up without counting the steps.
    m_blindList = new BlindLabel(session, this, "BlindLabel1", "", {40, 130, 600, 22});

    ButtonWithTwin(*this, this,
                   {.stem = "Button1",
                    .text = "<<",
                    .rect = {40, kButtonTop, 80, 44},
                    .twinName = "BlindButton1",
                    .twinRect = {40, kTwinTop, 170, 24},
                    .small = true,
                    .twinText = "Previous list"},
                   [this] { previousList(); });
    ButtonWithTwin(*this, this,
                   {.stem = "Button2",
                    .text = ">>",
                    .rect = {130, kButtonTop, 80, 44},
                    .twinName = "BlindButton2",
                    .twinRect = {220, kTwinTop, 170, 24},
                    .small = true,
                    .twinText = "Next list"},
                   [this] { nextList(); });
    ButtonWithTwin(*this, this,
                   {.stem = "Button3",
                    .text = "Reset highscores",
                    .rect = {480, kButtonTop, 260, 44},
                    .twinName = "BlindButton3",
                    .twinRect = {480, kTwinTop, 260, 24}},
                   [this] { resetHighscores(); });
    setEscapeButton(ButtonWithTwin(*this, this,
                                   {.stem = "Button4",
                                    .text = "Close",
                                    .rect = {764, kButtonTop, 220, 44},
                                    .twinName = "BlindButton4",
                                    .twinRect = {764, kTwinTop, 220, 24}},
                                   [this] { accept(); }));
}

void TForm21::load() {
    // A missing or cut-short pair is replaced by fresh example lists (written back); the
    // player has nothing to decide about that, so nothing is shown.
    (void)LoadHighscores(m_table, session().userDir(), session().rng());
}

void TForm21::prepare() {
    load();
    redraw();
}

void TForm21::prepareAt(int list) {
    m_list = list >= 1 && list <= kHighscoreLists ? list : 1;
    prepare();
}

void TForm21::redraw() {
    const HighscoreListView view = BuildHighscoreView(m_table, m_list);
    m_list = view.list;
    m_title->setText(Q(view.title));
    m_description->setText(Q(view.description));
    const QString number = QString("List %1 of %2").arg(view.list).arg(kHighscoreLists);
    m_listNumber->setText(number);
    m_blindList->setText("Highscores of " + Q(view.title) + ", " + number);
    for (int i = 1; i <= kHighscoreEntries; ++i) {
        const HighscoreRow& shown = view.rows[static_cast<size_t>(i - 1)];
        Row& row = m_rows[static_cast<size_t>(i - 1)];
        SetFittedText(row.name, Q(shown.name));
        row.score->setText(Q(shown.score));
        row.logo->setPicture(Q(shown.logoPicture));
        row.logo->setAccessibleName(QString("Place %1: ").arg(i) + Q(shown.name) + ", " +
                                    Q(shown.score));
    }
}

void TForm21::stepList(int delta) {
    m_list = StepCyclic(m_list, delta, kHighscoreLists);
    redraw();
}

void TForm21::previousList() {
    stepList(-1);
}

void TForm21::nextList() {
    stepList(+1);
}

void TForm21::resetHighscores() {
    Session& s = session();
    Act(s.dialogs(),
        {.check = nullptr,
         .question =
             [] {
                 return Dialog{kResetHighscoresTitle, kResetHighscoresText};
             },
         .apply =
             [this, &s] {
                 ResetHighscores(m_table, s.rng());
                 const Status saved = SaveHighscores(m_table, s.userDir());
                 if (saved) return Dialog{};
                 // The new lists are on the screen but not on disk: the player must know that
                 // the next visit may show the old ones again.
                 return Dialog{"Error", "The highscores could not be saved: " + saved.message()};
             }},
        [this] { redraw(); });
}

}  // namespace qvx::ui
