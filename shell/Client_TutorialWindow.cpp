#include "Client_TutorialWindow.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>

#include "DialogService.h"
#include "GameScreen.h"
#include "ScreenKit.h"
#include "Session.h"
#include "Widgets.h"

namespace qvx::ui {
namespace {

constexpr const char* kQuitTitle = "Quit tutorial?";
constexpr const char* kQuitText = "Do you really wish to quit the tutorial and play on your own?";

// The screens a first turn passes through; the others (deck, highscores, broker, map, ...) are
// visited on the player's own and keep the window away.
bool WalksThrough(const QString& screen) {
    static const QStringList screens = {"TForm6",  "TForm7",  "TForm8",  "TForm9",
                                        "TForm10", "TForm12", "TForm13", "TForm14"};
    return screens.contains(screen);
}

QString Utf8(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

ImageButton* Button(Session& session, QWidget* parent, const QString& stem, const QString& text,
                    const QRect& place) {
    return new ImageButton(session, parent, stem, text, place, "QVX2_button_small.jpg",
                           "QVX2_button_small_over.jpg");
}

}  // namespace

TForm28::TForm28(Session& session)
    : QWidget(nullptr, Qt::Window | Qt::MSWindowsFixedSizeDialogHint | Qt::CustomizeWindowHint |
                           Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
                           Qt::WindowStaysOnTopHint),
      m_session(session) {
    setObjectName("TForm28");
    setWindowTitle(" ");
    setFixedSize(kWidth, kFullHeight);
    setStyleSheet(QString("TForm28 { background: %1; }").arg(palette::kNight));

    m_panel = Panel(this, "TutorialMessage_Panel", {0, 0, kWidth, kFullHeight});
    Caption(m_panel, "TutorialMessage_Heading", "Tutorial", {16, 10, 200, 28}, 15);
    m_text1 =
        Text(m_panel, "TutorialMessage_Text1", {}, {16, 44, kWidth - 32, 192}, 11, Tone::Soft);
    m_text1->setWordWrap(true);
    m_text1->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_text2 = Text(m_panel, "TutorialMessage_Text2", {}, {16, 240, kWidth - 32, 44}, 10,
                   Tone::Highlight, true);
    m_text2->setWordWrap(true);
    m_text2->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    connect(Button(session, m_panel, "TutorialButton1", "Minimize", {16, 290, 150, 36}),
            &ImageButton::clicked, this, &TForm28::minimize);
    connect(Button(session, m_panel, "TutorialButton2", "Cancel tutorial",
                   {kWidth - 166, 290, 150, 36}),
            &ImageButton::clicked, this, &TForm28::cancelClicked);

    // Minimised, the window still says what to do next.
    m_minimized = Panel(this, "TutorialMessage_Panel_Minimized", {0, 0, kWidth, kMinimizedHeight});
    Caption(m_minimized, "TutorialMessage_MinimizedHeading", "Tutorial", {16, 6, 120, 26}, 13);
    m_minimizedText = Text(m_minimized, "TutorialMessage_MinimizedText", {},
                           {16, 34, kWidth - 32, 34}, 9, Tone::Highlight, true);
    m_minimizedText->setWordWrap(true);
    m_minimizedText->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    connect(
        Button(session, m_minimized, "TutorialButton3", "Show", {(kWidth - 150) / 2, 72, 150, 36}),
        &ImageButton::clicked, this, &TForm28::showFull);
    m_minimized->hide();

    showStep(1);
}

void TForm28::begin() {
    m_tutorial.begin();
    showStep(1);
}

void TForm28::showStep(int n) {
    m_tutorial.enter(n);
    const TutorialStepText texts = TutorialTexts(n);
    m_text1->setText(Utf8(texts.text));
    m_text2->setText(Utf8(texts.instruction));
    m_minimizedText->setText(m_text2->text());
    // The set-up screen opens over the start screen's place: the new step must not hide behind.
    if (n == 2 && isVisible()) raise();
}

void TForm28::leaveStep(int n) {
    const int next = m_tutorial.nextAfter(n);
    if (next == 0) return;
    if (TutorialStepClosesWindow(next)) closeByProgram();
    showStep(next);
}

void TForm28::screenBecameActive(GameScreen* screen) {
    if (!screen || !WalksThrough(screen->objectName())) return;
    // Step 1 is the start screen's own: the save/load screen opened from there must not bring
    // up "click Start a new game" over itself.
    if (screen->objectName() == "TForm14" && step() == 1) return;
    showOver(screen);
}

void TForm28::restartOver(QWidget* startScreen) {
    if (!active()) return;
    showStep(1);
    move(m_home);
    showOver(startScreen);
}

void TForm28::showOver(QWidget* screen) {
    if (!active()) return;
    if (screen && screen != m_over) {
        const QPoint place = pos();
        setParent(screen, windowFlags());
        move(place);
        m_over = screen;
    }
    show();
    raise();
}

void TForm28::closeByProgram() {
    if (!isVisible()) return;
    m_closedByProgram = true;
    close();
}

void TForm28::quit() {
    m_tutorial.end();
    closeByProgram();
}

void TForm28::gameLoaded() {
    quit();
}

void TForm28::askQuit() {
    if (m_session.dialogs().Ask(kQuitTitle, kQuitText)) return quit();
    if (!active()) return;
    if (!isVisible()) showOver(m_over);
    // Still running: the user may not close it again.
    m_closedByProgram = false;
}

void TForm28::minimize() {
    m_minimized->show();
    m_minimized->raise();
    setFixedHeight(kMinimizedHeight);
}

void TForm28::showFull() {
    m_minimized->hide();
    setFixedHeight(kFullHeight);
}

void TForm28::cancelClicked() {
    if (isVisible()) {
        m_closedByProgram = true;
        move(m_home);
    }
    askQuit();
}

void TForm28::closeEvent(QCloseEvent* event) {
    if (active() && !m_closedByProgram) {
        event->ignore();
        return;
    }
    event->accept();
}

void TForm28::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape) {
        event->accept();
        if (!event->isAutoRepeat()) askQuit();
        return;
    }
    // Shift, Ctrl and Alt belong to the programme table's drag rule, not to the pop-up.
    const int key = event->key();
    if (key != Qt::Key_Shift && key != Qt::Key_Control && key != Qt::Key_Alt && key != Qt::Key_Meta)
        emit m_session.keyInTutorialWindow();
    if (!passToScreen(event)) QWidget::keyPressEvent(event);
}

void TForm28::keyReleaseEvent(QKeyEvent* event) {
    if (!passToScreen(event)) QWidget::keyReleaseEvent(event);
}

bool TForm28::passToScreen(QKeyEvent* event) {
    // A click on the window gives it the keyboard; the game's keys (the office's shortcuts, F1,
    // a dialog's Enter) still belong to the screen it floats over.
    if (!m_over || !m_over->isVisible()) return false;
    QKeyEvent copy(event->type(), event->key(), event->modifiers(), event->text(),
                   event->isAutoRepeat(), static_cast<quint16>(event->count()));
    QCoreApplication::sendEvent(m_over, &copy);
    event->accept();
    return true;
}

void TForm28::showEvent(QShowEvent* event) {
    m_closedByProgram = false;
    QWidget::showEvent(event);
}

void TForm28::changeEvent(QEvent* event) {
    if (event->type() == QEvent::ActivationChange && isActiveWindow()) m_closedByProgram = false;
    QWidget::changeEvent(event);
}

}  // namespace qvx::ui
