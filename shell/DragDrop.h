#pragma once
// Drag and drop of the game's items (titles, contracts, news, cards): a drag source is a picture
// whose drag carries a code in the screen's drop encoding (for example -k for archive position
// k, +n for offer n); a drop area answers the drop with onDrop(from, to) in the same encoding.
// The drags carry the game's own MIME type, so nothing dropped from outside the game counts.
#include <QObject>
#include <QPixmap>
#include <QPoint>
#include <functional>
#include <memory>

class QLabel;
class QMimeData;

namespace qvx::ui {

inline constexpr const char* kDragMimeType = "application/x-quovix2-item";

class DragSource : public QObject {
    Q_OBJECT
  public:
    // `picture` is the item's picture, shown under the pointer while it is dragged; a null
    // picture means the place is empty and no drag starts there.
    DragSource(QWidget* widget, int code, std::function<QPixmap()> picture);
    int code() const { return m_code; }
    // The drag's data, or null for an empty place.
    std::unique_ptr<QMimeData> dragData() const;
    // For the few drags whose end counts wherever they end: called when no drop area took it.
    void setOnDroppedNowhere(std::function<void()> handler) {
        m_droppedNowhere = std::move(handler);
    }
    void droppedNowhere() const {
        if (m_droppedNowhere) m_droppedNowhere();
    }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void start();

    QWidget* m_widget;
    int m_code;
    std::function<QPixmap()> m_picture;
    std::function<void()> m_droppedNowhere;
    QPoint m_pressedAt;
    bool m_pressed = false;
};

class DropArea : public QObject {
    Q_OBJECT
  public:
    // `accepts` may refuse a drag by where it came from; without it every drag of the game's is
    // taken.
    DropArea(QWidget* widget, int code, std::function<void(int from, int to)> onDrop,
             std::function<bool(int from)> accepts = {});
    bool highlighted() const;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    bool takes(const QMimeData* data) const;
    void highlight(bool on);

    QWidget* m_widget;
    int m_code;
    std::function<void(int, int)> m_onDrop;
    std::function<bool(int)> m_accepts;
    QLabel* m_highlight = nullptr;
};

// The drag source made for `widget`, or null.
DragSource* FindDragSource(const QWidget* widget);

}  // namespace qvx::ui
