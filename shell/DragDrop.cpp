#include "DragDrop.h"

#include <QApplication>
#include <QDrag>
#include <QDragEnterEvent>
#include <QLabel>
#include <QMimeData>
#include <QMouseEvent>

#include "ScreenKit.h"

namespace qvx::ui {
namespace {

constexpr int kLargestDragPicture = 160;

bool ReadCode(const QMimeData* data, int& code) {
    if (!data || !data->hasFormat(kDragMimeType)) return false;
    bool ok = false;
    code = QString::fromLatin1(data->data(kDragMimeType)).toInt(&ok);
    return ok;
}

}  // namespace

DragSource::DragSource(QWidget* widget, int code, std::function<QPixmap()> picture)
    : QObject(widget), m_widget(widget), m_code(code), m_picture(std::move(picture)) {
    setObjectName("DragSource");
    widget->installEventFilter(this);
}

std::unique_ptr<QMimeData> DragSource::dragData() const {
    if (m_picture().isNull()) return nullptr;
    auto data = std::make_unique<QMimeData>();
    data->setData(kDragMimeType, QByteArray::number(m_code));
    return data;
}

bool DragSource::eventFilter(QObject* watched, QEvent* event) {
    if (watched != m_widget) return false;
    if (event->type() == QEvent::MouseButtonPress) {
        const auto* press = static_cast<QMouseEvent*>(event);
        m_pressed = press->button() == Qt::LeftButton;
        m_pressedAt = press->position().toPoint();
    } else if (event->type() == QEvent::MouseButtonRelease) {
        m_pressed = false;
    } else if (event->type() == QEvent::MouseMove && m_pressed) {
        const auto* move = static_cast<QMouseEvent*>(event);
        if ((move->position().toPoint() - m_pressedAt).manhattanLength() >=
            QApplication::startDragDistance()) {
            m_pressed = false;
            start();
            return true;
        }
    }
    return false;
}

void DragSource::start() {
    std::unique_ptr<QMimeData> data = dragData();
    if (!data) return;
    QPixmap picture = m_picture().scaled(
        m_widget->size().boundedTo(QSize(kLargestDragPicture, kLargestDragPicture)),
        Qt::KeepAspectRatio, Qt::SmoothTransformation);
    auto* drag = new QDrag(m_widget);
    drag->setMimeData(data.release());
    drag->setHotSpot(QPoint(picture.width() / 2, picture.height() / 2));
    drag->setPixmap(picture);
    // The drop area under the pointer does the rest; only a drag that no area took ends here.
    if (drag->exec(Qt::MoveAction) == Qt::IgnoreAction) droppedNowhere();
}

DropArea::DropArea(QWidget* widget, int code, std::function<void(int, int)> onDrop,
                   std::function<bool(int)> accepts)
    : QObject(widget),
      m_widget(widget),
      m_code(code),
      m_onDrop(std::move(onDrop)),
      m_accepts(std::move(accepts)) {
    setObjectName("DropArea");
    widget->setAcceptDrops(true);
    widget->installEventFilter(this);
}

bool DropArea::highlighted() const {
    return m_highlight && !m_highlight->isHidden();
}

bool DropArea::takes(const QMimeData* data) const {
    int from = 0;
    return ReadCode(data, from) && (!m_accepts || m_accepts(from));
}

void DropArea::highlight(bool on) {
    if (!m_highlight) {
        // A lit frame over the target, so the player sees where the item will land.
        m_highlight = new QLabel(m_widget);
        m_highlight->setObjectName("DropHighlight");
        m_highlight->setAttribute(Qt::WA_TransparentForMouseEvents);
        m_highlight->setStyleSheet(
            QString("background: rgba(255, 183, 3, 48); border: 2px solid %1; border-radius: 6px;")
                .arg(palette::kAccent));
    }
    m_highlight->setGeometry(m_widget->rect());
    m_highlight->setVisible(on);
    if (on) m_highlight->raise();
}

bool DropArea::eventFilter(QObject* watched, QEvent* event) {
    if (watched != m_widget) return false;
    switch (event->type()) {
        case QEvent::DragEnter:
        case QEvent::DragMove: {
            auto* drag = static_cast<QDragMoveEvent*>(event);
            if (!takes(drag->mimeData())) {
                drag->ignore();
                return true;
            }
            drag->acceptProposedAction();
            highlight(true);
            return true;
        }
        case QEvent::DragLeave:
            highlight(false);
            return true;
        case QEvent::Drop: {
            auto* drop = static_cast<QDropEvent*>(event);
            highlight(false);
            int from = 0;
            if (!takes(drop->mimeData()) || !ReadCode(drop->mimeData(), from)) {
                drop->ignore();
                return true;
            }
            drop->acceptProposedAction();
            m_onDrop(from, m_code);
            return true;
        }
        default:
            return false;
    }
}

DragSource* FindDragSource(const QWidget* widget) {
    return widget ? widget->findChild<DragSource*>("DragSource", Qt::FindDirectChildrenOnly)
                  : nullptr;
}

}  // namespace qvx::ui
