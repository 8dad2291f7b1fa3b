#pragma once
// The planning screens' info panels: one for a title (programme table and movie agency), one for
// a contract (programme table and ad agency). Each also serves as the blind-mode panel, which
// opens on a click instead of on hover and has its own "Close" button.
#include <QFrame>
#include <array>

#include "TitleInfo.h"

class QLabel;

namespace qvx::ui {

class GameScreen;

// Parts by objectName inside the panel: InfoTitle, InfoStory, InfoType, InfoGenre, InfoQuality,
// InfoBar1..6 with InfoRating1..6, InfoLength, InfoPrice; the blind panel's "InfoCloseActiveField".
class MovieInfoPanel : public QFrame {
    Q_OBJECT
  public:
    MovieInfoPanel(GameScreen& screen, QWidget* parent, const QString& name, QPoint at,
                   bool blind = false);
    // Fills the panel; a title that is not shown writes "Empty" and hides the panel.
    void fill(const MovieInfo& info);
    // Fills it and shows it on top, or hides it for an empty place.
    void showInfo(const MovieInfo& info);
    QString title() const;

  private:
    QLabel* m_title;
    QLabel* m_story;
    QLabel* m_type;
    QLabel* m_genre;
    QLabel* m_quality;
    std::array<QFrame*, kRatingBars> m_bars{};
    std::array<QLabel*, kRatingBars> m_ratings{};
    QLabel* m_length;
    QLabel* m_price;
};

// Parts: InfoTitle, InfoStory (the second text), InfoAudience, InfoRequired, InfoCompleted,
// InfoPayment, InfoPay, InfoDeadline.
class ContractInfoPanel : public QFrame {
    Q_OBJECT
  public:
    ContractInfoPanel(GameScreen& screen, QWidget* parent, const QString& name, QPoint at,
                      bool blind = false);
    void fill(const ContractInfo& info);
    void showInfo(const ContractInfo& info);
    QString title() const;

  private:
    QLabel* m_name;
    QLabel* m_text;
    std::array<QLabel*, 6> m_lines{};
};

}  // namespace qvx::ui
