#pragma once
// The small widget kit every screen is made of: image buttons with a text label and a hover
// picture, picture labels, and the blind-mode text twins. Every control carries its game
// component name as objectName, so tests and screen readers find it by name.
#include <QLabel>
#include <QString>
#include <QValidator>

class QLineEdit;

namespace qvx::ui {

class Session;

// A picture that may be swapped; names its file for tests ("picture" property).
class PictureLabel : public QLabel {
    Q_OBJECT
  public:
    PictureLabel(QWidget* parent, const QString& objectName, const QRect& geometry = {});
    void setPicture(const QString& name);
    const QString& pictureName() const { return m_picture; }

  signals:
    void clicked();
    void doubleClicked();
    void rightClicked();
    void entered();
    void left();

  protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void showEvent(QShowEvent* event) override;

  private:
    void showPicture();

    QString m_picture;
    bool m_shown = true;
};

// The game's button: an image ("<stem>ActiveField"), the text drawn on it ("<stem>Label") and a
// hover image ("<stem>Over") shown while the pointer is over an enabled button. Buttons that the
// rules make silent turn the click sound off.
class ImageButton : public QLabel {
    Q_OBJECT
  public:
    ImageButton(Session& session, QWidget* parent, const QString& stem, const QString& text,
                const QRect& geometry, const QString& picture = "QVX2_button.jpg",
                const QString& hoverPicture = "QVX2_button_over.jpg");
    void setText(const QString& text);
    QString text() const;
    void setPlaysClick(bool on) { m_playsClick = on; }
    QLabel* label() const { return m_label; }
    // Pressing and releasing both signal: Play fast-forwards while held.
    bool isHovered() const { return m_over->isVisible(); }
    // What a click does (its sound, then clicked), for a key that stands for the button. A
    // button the player could not click, disabled or hidden, does nothing: false.
    bool activate();

  signals:
    void clicked();
    void pressed();
    void released();
    // So that a blind twin is usable exactly when its button is.
    void enabledChanged(bool enabled);

  protected:
    void changeEvent(QEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

  private:
    Session& m_session;
    QString m_picture;  // until the button is first shown
    QString m_hoverPicture;
    QLabel* m_over;
    QLabel* m_label;
    bool m_playsClick = true;
};

// A text twin for blind players. It follows the session's blind switch unless it belongs to a
// screen the switch leaves alone; clicking it acts like the control it repeats.
class BlindLabel : public QLabel {
    Q_OBJECT
  public:
    BlindLabel(Session& session, QWidget* parent, const QString& objectName, const QString& text,
               const QRect& geometry, bool followsSwitch = true);
    // A screen reader reads what the label shows: the accessible name follows every change.
    void setText(const QString& text);

  signals:
    void clicked();

  protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
};

// A plain text label of the game's look.
QLabel* MakeLabel(QWidget* parent, const QString& objectName, const QString& text,
                  const QRect& geometry, int pointSize = 11, bool bold = false);

// A text field that is stored in a 256-byte record (a company name, a save's caption) takes
// only what the record can hold: characters of the Windows-1252 code page, at most 255 of its
// bytes, and no control characters.
class RecordTextValidator : public QValidator {
    Q_OBJECT
  public:
    using QValidator::QValidator;
    State validate(QString& input, int& pos) const override;
};

// Gives the field the validator and the record's length limit.
void TakeOnlyRecordText(QLineEdit* field);

}  // namespace qvx::ui
