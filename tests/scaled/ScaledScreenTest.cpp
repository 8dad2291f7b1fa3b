// The game on a scaled canvas: the pointer lands where the player sees a control, and text is
// drawn at the screen's own resolution rather than blown up from the canvas's pixels.
#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>
#include <QPixmap>
#include <QTest>
#include <QWindow>
#include <cmath>

#include "ScreenKit.h"
#include "UiTestSupport.h"
#include "Widgets.h"

// Qt's own entry for synthetic pointer events (QTest's): positions in the window's logical
// pixels, which Qt turns into the screen's pixels and back exactly as for a real pointer.
Q_GUI_EXPORT void qt_handleMouseEvent(QWindow* window, const QPointF& local, const QPointF& global,
                                      Qt::MouseButtons state, Qt::MouseButton button,
                                      QEvent::Type type, Qt::KeyboardModifiers mods, int timestamp);

namespace qvx::test {
namespace {

struct Host {
    Host() {
        window.setFixedSize(1024, 768);
        window.move(0, 0);
        window.show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&window));
    }
    double scale() const { return window.devicePixelRatioF(); }
    // A left click at the screen pixel (x, y) of the window, given as a pointer on the X
    // server gives it: in whole screen pixels.
    void clickAtScreenPixel(int x, int y) {
        QWindow* handle = window.windowHandle();
        const QPointF at(x / scale(), y / scale());
        const QPointF global = handle->mapToGlobal(at.toPoint());
        qt_handleMouseEvent(handle, at, global, Qt::LeftButton, Qt::LeftButton,
                            QEvent::MouseButtonPress, Qt::NoModifier, ++time);
        qt_handleMouseEvent(handle, at, global, Qt::NoButton, Qt::LeftButton,
                            QEvent::MouseButtonRelease, Qt::NoModifier, ++time);
        QCoreApplication::processEvents();
    }
    QWidget window;
    int time = 0;
};

// Each canvas pixel covers one or more screen pixels; a click on the canvas pixels just inside
// and just outside each edge must land on the right side of it.
TEST(ScaledClickTest, AClickLandsOnTheControlUnderThePointerAndNowhereElse) {
    UiSession ui;
    Host host;
    ASSERT_GT(host.scale(), 1.0);
    const QRect place(690, 210, 280, 44);
    auto* button = new ui::ImageButton(ui.session, &host.window, "Button1", "Start", place);
    auto* picture = new ui::PictureLabel(&host.window, "Image1", {100, 500, 120, 90});
    button->show();
    picture->show();
    int buttonClicks = 0, pictureClicks = 0;
    QObject::connect(button, &ui::ImageButton::clicked, [&] { ++buttonClicks; });
    QObject::connect(picture, &ui::PictureLabel::clicked, [&] { ++pictureClicks; });

    const double s = host.scale();
    // The screen pixel at the top left corner of the canvas pixel (x, y). Qt gives a screen
    // pixel to the canvas pixel nearest its corner (at scale 2 the second screen pixel of a
    // canvas pixel already belongs to the next one), so this is the one screen pixel that is
    // the canvas pixel's own at every scale.
    auto click = [&](int x, int y) { host.clickAtScreenPixel(qRound(x * s), qRound(y * s)); };
    const QPoint c = place.center();
    click(c.x(), c.y());
    EXPECT_EQ(buttonClicks, 1);
    click(place.left() - 1, c.y());
    click(place.right() + 1, c.y());
    click(c.x(), place.top() - 1);
    click(c.x(), place.bottom() + 1);
    EXPECT_EQ(buttonClicks, 1) << "a click one pixel outside the button reached it";

    // A square picture has no rounded corners: it takes clicks right up to its edges.
    const QRect p = picture->geometry();
    const QPoint m = p.center();
    click(p.left(), m.y());
    click(p.right(), m.y());
    click(m.x(), p.top());
    click(m.x(), p.bottom());
    EXPECT_EQ(pictureClicks, 4) << "a click on the picture's edge missed it";
    click(p.left() - 1, m.y());
    click(p.right() + 1, m.y());
    click(m.x(), p.top() - 1);
    click(m.x(), p.bottom() + 1);
    EXPECT_EQ(pictureClicks, 4) << "a click beside the picture hit it";
}

// How much of the ink is the soft grey of an edge, rather than the text's own colour.
double SoftEdgeShare(const QImage& image) {
    int ink = 0, soft = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const int level = qGray(image.pixel(x, y));
            if (level < 40) continue;  // the night background
            ++ink;
            if (level < 200) ++soft;
        }
    return ink ? double(soft) / ink : 1.0;
}

TEST(ScaledTextTest, TextIsDrawnAtTheScreensResolution) {
    UiSession ui;
    Host host;
    ASSERT_GT(host.scale(), 1.0);
    QWidget* panel = new QWidget(&host.window);
    panel->setGeometry(0, 0, 420, 60);
    panel->setStyleSheet("background: black;");
    panel->setAttribute(Qt::WA_StyledBackground);
    ui::Text(panel, "Label1", "Buy movie licenses, acquire contracts", {10, 10, 400, 40}, 13);
    panel->show();

    const QImage native = panel->grab().toImage().convertToFormat(QImage::Format_RGB32);
    ASSERT_EQ(native.size(), panel->size() * host.scale())
        << "the render is not at the screen's pixels";
    QImage canvasPixels(panel->size(), QImage::Format_RGB32);
    canvasPixels.setDevicePixelRatio(1.0);
    panel->render(&canvasPixels);
    const QImage blownUp =
        canvasPixels.scaled(native.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);

    const double sharp = SoftEdgeShare(native);
    const double soft = SoftEdgeShare(blownUp);
    EXPECT_LT(sharp, soft * 0.8) << "native " << sharp << ", blown up " << soft;
}

}  // namespace
}  // namespace qvx::test
