#pragma once
// The frame every game window shares: borderless, captioned "Quovix 2", a fixed size on the
// game's canvas, a background picture, created once and shown when needed.
#include <QDialog>

namespace qvx::ui {

class Session;
class PictureLabel;

class GameScreen : public QDialog {
    Q_OBJECT
  public:
    GameScreen(Session& session, QWidget* parent, const QString& objectName,
               const QString& background, QSize size = {1024, 768});
    Session& session() { return m_session; }

    // Brings the screen up to date with the game before it is shown; the office calls it before
    // it runs a screen of the registry.
    virtual void prepare() {}

    // Shows the screen modally, centred on the canvas; returns the dialog's result.
    int run();
    // Where the screen's top left goes so that it sits in the middle of the game's canvas.
    QPoint CentreOnCanvas() const;

  protected:
    // The screens a first turn walks through bring the tutorial window up over them.
    void showEvent(QShowEvent* event) override;
    // True while a modal window other than this screen is open: timer ticks wait for it.
    bool anotherModalIsOpen() const;
    PictureLabel* backgroundPicture() const { return m_background; }

  private:
    Session& m_session;
    PictureLabel* m_background;
};

}  // namespace qvx::ui
