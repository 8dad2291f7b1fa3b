#include "DisplayMode.h"

#include <QRect>
#include <QWidget>

namespace qvx::ui {

QSize RequestedDisplayMode(int desktopWidth) {
    return desktopWidth >= 1440 ? QSize(1440, 900) : QSize(1024, 768);
}

bool DisplayMode::Set(QWidget* background, QSize requested, QSize screen) {
    m_background = background;
    m_desktop = screen;
    m_canvas = requested.boundedTo(screen);
    if (background) {
        // Without a window manager a full-screen request is only a wish: set the size too.
        background->setGeometry(QRect(QPoint(0, 0), screen));
        background->showFullScreen();
    }
    return screen.width() >= kMinimumCanvas.width() && screen.height() >= kMinimumCanvas.height();
}

void DisplayMode::Restore() {
    if (m_background) m_background->showNormal();
    m_canvas = m_desktop;
}

}  // namespace qvx::ui
