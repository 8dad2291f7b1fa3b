#pragma once
// TForm17, the statistics: any of the four companies' funds and licences, its balance sheet, its
// income statement of the last turn, and what one viewer of each audience group says of it.
#include <QString>
#include <array>
#include <functional>
#include <vector>

#include "GameScreen.h"

class QFrame;
class QLabel;

namespace qvx::ui {

class BlindLabel;
class CompanySwitch;
class HistoryChart;
class PictureLabel;

class TForm17 : public GameScreen {
    Q_OBJECT
  public:
    TForm17(Session& session, QWidget* parent);

    // Keeps the company chosen at the last opening; the first opening shows the player's own.
    void prepare() override;
    // Redraws the header and the open page for the company shown.
    void redraw();
    int selected() const;
    // The player's choice of company c 1..4 (nothing when it is shown already).
    void selectCompany(int c);

    // A page of the screen: its tab and blind twin, the panel it shows, and how the panel is
    // drawn for a company. Pages are added in the order of their tabs.
    struct Page {
        QString tabName;  // "Panel1"
        QString text;     // "Balance sheet"
        QWidget* panel = nullptr;
        std::function<void(int company)> draw;
        PictureLabel* tab = nullptr;
        PictureLabel* litTab = nullptr;
        BlindLabel* twin = nullptr;
    };
    // The panel's parent must be this screen; its place is pagePlace().
    void addPage(const QString& tabName, const QString& text, QWidget* panel,
                 std::function<void(int company)> draw);
    static QRect pagePlace();

    // Opens page 0.. in the order of the tabs; the open page again does nothing.
    void choosePage(int page);
    int openPage() const { return m_open; }

  private:
    void buildHeader();
    QFrame* buildBalancePage();
    QFrame* buildIncomePage();
    QFrame* buildAudiencePage();
    QFrame* buildHistoryPage();
    void drawBalance(int company);
    void drawIncome(int company);
    void drawAudience(int company);
    void showOpenPage();

    CompanySwitch* m_switch;
    PictureLabel* m_logo;
    QLabel* m_name;
    QLabel* m_bankrupt;
    QLabel* m_funds;
    QLabel* m_licences;
    std::vector<Page> m_pages;
    int m_open = 0;
    std::array<QLabel*, 9> m_balance{};
    std::array<QLabel*, 8> m_income{};
    std::array<QLabel*, 5> m_population{};
    std::array<QLabel*, 5> m_quotes{};
    std::array<PictureLabel*, 5> m_faces{};
    HistoryChart* m_history = nullptr;
};

}  // namespace qvx::ui
