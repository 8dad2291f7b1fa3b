// The phone (stock broker, boards of directors, liquidator) and the hidden cheat panel.
#include <QFrame>
#include <QListWidget>

#include "Client_OfficeScreen.h"
#include "DialogService.h"
#include "Office.h"
#include "Session.h"
#include "Sounds.h"

namespace qvx::ui {

namespace {

QString Text(const std::string& text) {
    return QString::fromStdString(text);
}

}  // namespace

void TForm7::showPhone() {
    fillContacts();
    m_phone->show();
    m_phone->raise();
}

void TForm7::closePhone() {
    session().sounds().PlayClick();
    m_phone->hide();
}

void TForm7::callClicked() {
    Session& s = session();
    s.sounds().PlayClick();
    GameState& gs = s.game();
    const int row = m_contactList->currentRow();
    if (row < 0 || row >= static_cast<int>(m_contacts.size()) || gs.EndTurnBusy || broadcasting())
        return;
    const Contact contact = m_contacts[static_cast<size_t>(row)];
    DialogService& dialogs = s.dialogs();
    switch (contact.kind) {
        case ContactKind::StockBroker:
            if (m_stockBroker) {
                m_stockBroker();
                refreshOffice();
            }
            return;
        case ContactKind::BoardOfDirectors:
            if (!dialogs.Ask(OfficeText::kBoardTitle, Text(BoardQuestion(gs, contact.channel))))
                return;
            if (CallBoardOfDirectors(gs, contact.channel) == OfficeOutcome::Done)
                dialogs.Inform(OfficeText::kBoardTitle, Text(BoardCallText(gs, contact.channel)));
            return;
        case ContactKind::Liquidator:
            break;
    }
    if (!dialogs.Ask(OfficeText::kDeclareBankruptcyTitle, OfficeText::kDeclareBankruptcyText))
        return;
    // The company closes and the game is ranked now; the day is still simulated and played
    // back (with nothing on the player's channel), and the game ends when it is over.
    const Bankruptcy declared = DeclareBankruptcy(gs, s.catalogue());
    if (declared.outcome != OfficeOutcome::Done) return;
    dialogs.Inform(OfficeText::kBankruptcyTitle, Text(BankruptcyText(gs)));
    m_phone->hide();
    enterFinalResult(declared.final);
    advancePhase();
}

void TForm7::showCheats() {
    if (session().game().EndTurnBusy) return;
    m_cheats->show();
    m_cheats->raise();
}

void TForm7::hideCheats() {
    session().sounds().PlayClick();
    m_cheats->hide();
}

void TForm7::cheatMoney(int32_t amount) {
    session().sounds().PlayClick();
    GameState& gs = session().game();
    if (gs.EndTurnBusy) return;
    const OfficeOutcome outcome = CheatMoneyInOffice(gs, amount);
    if (outcome == OfficeOutcome::JournalFull)
        session().dialogs().Inform(kRefusalTitle, kJournalFullText);
    if (outcome == OfficeOutcome::Done) refreshOffice();
}

void TForm7::cheatPopularity(int group) {
    session().sounds().PlayClick();
    GameState& gs = session().game();
    if (gs.EndTurnBusy) return;
    const OfficeOutcome outcome = CheatPopularity(gs, group);
    if (outcome == OfficeOutcome::JournalFull)
        session().dialogs().Inform(kRefusalTitle, kJournalFullText);
    if (outcome == OfficeOutcome::Done) refreshOffice();
}

void TForm7::cheatAutoPlay(int32_t days) {
    Session& s = session();
    s.sounds().PlayClick();
    if (playbackRunning()) {
        stopPlayback();
        showPlayImage(false);
    }
    GameState& gs = s.game();
    if (gs.EndTurnBusy) return;
    s.dialogs().Inform(OfficeText::kCheatTitle, Text(AutoPlayText(days)));
    StartAutoPlay(gs, days);
    m_cheats->hide();
    advancePhase();
}

}  // namespace qvx::ui
