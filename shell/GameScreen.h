#pragma once
// The frame every game window shares: borderless, captioned "Quovix 2", a fixed size on the
// game's canvas, a background picture, created once and shown when needed.
#include <QDialog>
#include <vector>

namespace qvx::ui {

class ImageButton;
class Session;
class PictureLabel;

// Where F1 leads from a message that came up over no screen: the manual's page on the keys.
inline constexpr const char* kDialogManualSection = "keys";

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

    // The anchor of the manual's section on this screen, which F1 opens.
    void setManualSection(const QString& section) { m_manualSection = section; }
    QString manualSection() const;

    // --- Keys that stand for buttons: they press the button, so they run its whole path (the
    // click, the tutorial hook, whatever its handler does) and refuse where it would.
    // Escape presses the screen's Close (Back, Continue, or No of a question); the window's
    // close command does too unless `alsoOnWindowClose` is false.
    void setEscapeButton(ImageButton* button, bool alsoOnWindowClose = true);
    // The Close of a panel inside the screen: while the panel is up, Escape closes it first.
    void addPanelEscapeButton(ImageButton* button);
    // Enter and Return press it: the default answer of a dialog.
    void setDefaultButton(ImageButton* button);
    // The window's close command: the escape button's path, else QDialog's own.
    void reject() override;

  protected:
    // The screens a first turn walks through bring the tutorial window up over them.
    void showEvent(QShowEvent* event) override;
    // F1, Escape, Enter and Return.
    void keyPressEvent(QKeyEvent* event) override;
    // Presses the open panel's Close, else the screen's; false when it has neither usable.
    bool pressEscapeButton();
    // A dialog has no section of its own: F1 there opens the one of the screen it came up over,
    // taken when it is about to show.
    void takeManualSectionFromScreenBeneath();
    // True while a modal window other than this screen is open: timer ticks wait for it.
    bool anotherModalIsOpen() const;
    PictureLabel* backgroundPicture() const { return m_background; }

  private:
    Session& m_session;
    PictureLabel* m_background;
    QString m_manualSection;
    QString m_sectionBeneath;  // a dialog's, taken from the screen it came up over
    ImageButton* m_escapeButton = nullptr;
    bool m_escapeOnWindowClose = true;
    std::vector<ImageButton*> m_panelEscapeButtons;
    ImageButton* m_defaultButton = nullptr;
    // Set while reject() presses the close button, whose handler may itself call reject().
    bool m_closingByButton = false;
};

}  // namespace qvx::ui
