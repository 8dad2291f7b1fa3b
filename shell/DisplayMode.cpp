#include "DisplayMode.h"

#include <QWidget>
#include <algorithm>

namespace qvx::ui {

QSize RequestedDisplayMode(int desktopWidth) {
    return desktopWidth >= 1440 ? QSize(1440, 900) : QSize(1024, 768);
}

namespace {

double ScaleToFit(QSize canvas, QSize screen) {
    return std::min(double(screen.width()) / canvas.width(),
                    double(screen.height()) / canvas.height());
}

}  // namespace

CanvasFit FitCanvas(QSize screen) {
    QSize canvas = RequestedDisplayMode(screen.width());
    if (ScaleToFit(canvas, screen) < 1.0) canvas = kMinimumCanvas;
    const double scale = ScaleToFit(canvas, screen);
    if (scale < 1.0) return {canvas, 1.0, false};
    return {canvas, scale, true};
}

QRect CenteredCanvas(QSize canvas, QSize screen) {
    return QRect(
        QPoint((screen.width() - canvas.width()) / 2, (screen.height() - canvas.height()) / 2),
        canvas);
}

bool DisplayMode::Set(QWidget* background, QSize requested, QSize screen) {
    m_background = background;
    m_desktop = screen;
    m_canvas = requested.boundedTo(screen);
    m_canvasRect = CenteredCanvas(m_canvas, m_windowed ? m_canvas : screen);
    if (background) {
        if (m_windowed) {
            background->setWindowFlag(Qt::FramelessWindowHint, false);
            background->setFixedSize(m_canvas);
            background->move(CenteredCanvas(m_canvas, screen).topLeft());
            background->showNormal();
        } else {
            // Without a window manager a full-screen request is only a wish: set the size too.
            background->setGeometry(QRect(QPoint(0, 0), screen));
            background->showFullScreen();
        }
    }
    return screen.width() >= kMinimumCanvas.width() && screen.height() >= kMinimumCanvas.height();
}

void DisplayMode::Restore() {
    if (m_background && !m_windowed) m_background->showNormal();
    m_canvas = m_desktop;
}

}  // namespace qvx::ui
