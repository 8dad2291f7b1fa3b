#include "ScreenKit.h"

#include "GameScreen.h"
#include "Session.h"
#include "Sounds.h"
#include "Widgets.h"

namespace qvx::ui {

ImageButton* ButtonWithTwin(GameScreen& screen, QWidget* parent, const TwinButton& spec,
                            std::function<void()> handler) {
    Session& session = screen.session();
    auto* button = spec.small
                       ? new ImageButton(session, parent, spec.stem, spec.text, spec.rect,
                                         "QVX2_button_small.jpg", "QVX2_button_small_over.jpg")
                       : new ImageButton(session, parent, spec.stem, spec.text, spec.rect);
    button->setPlaysClick(spec.playsClick);
    auto* twin = new BlindLabel(session, parent, spec.twinName, spec.text, spec.twinRect);
    // The image button plays its own click; the twin has to play it for itself.
    QObject::connect(button, &ImageButton::clicked, parent, handler);
    QObject::connect(twin, &BlindLabel::clicked, parent,
                     [&session, handler, silent = !spec.playsClick] {
                         if (!silent) session.sounds().PlayClick();
                         handler();
                     });
    return button;
}

}  // namespace qvx::ui
