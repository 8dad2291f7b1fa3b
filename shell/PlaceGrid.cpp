#include "PlaceGrid.h"

#include <QFont>

#include "DragDrop.h"
#include "Widgets.h"

namespace qvx::ui {

namespace {

QRect Cell(const QRect& first, QSize pitch, int columns, int index) {
    const int row = index / columns;
    const int column = index % columns;
    return first.translated(column * pitch.width(), row * pitch.height());
}

}  // namespace

PlaceGrid::PlaceGrid(Session& session, QWidget* parent, PlaceGridSpec spec)
    : QObject(parent), m_spec(std::move(spec)) {
    m_filled.assign(static_cast<size_t>(m_spec.count), false);
    for (int i = 1; i <= m_spec.count; ++i) {
        auto* place = new PictureLabel(parent, m_spec.stem + QString::number(i),
                                       Cell(m_spec.first, m_spec.pitch, m_spec.columns, i - 1));
        place->setScaledContents(true);
        place->setCursor(Qt::OpenHandCursor);
        auto* twin = new BlindLabel(
            session, parent, m_spec.twinStem + QString::number(i), QString::number(i) + ". ",
            Cell(m_spec.twinFirst, m_spec.twinPitch, m_spec.twinColumns, i - 1));
        m_places.push_back(place);
        if (m_spec.twinPointSize > 0) {
            QFont font = twin->font();
            font.setPointSize(m_spec.twinPointSize);
            twin->setFont(font);
        }
        m_twins.push_back(twin);
        // The twin carries the same code as its picture, so a blind drag is the same drag.
        for (QWidget* w : {static_cast<QWidget*>(place), static_cast<QWidget*>(twin)}) {
            new DragSource(w, code(i), [this, i] {
                if (!m_filled[static_cast<size_t>(i - 1)]) return QPixmap();
                if (m_spec.onDragStart) m_spec.onDragStart();
                return this->place(i)->pixmap();
            });
            new DropArea(w, code(i), [this](int from, int to) {
                if (m_spec.onDrop) m_spec.onDrop(from, to);
            });
        }
        connect(place, &PictureLabel::entered, this, [this, i] {
            if (m_spec.onHover) m_spec.onHover(i);
        });
        auto click = [this, i] {
            if (m_spec.onClick) m_spec.onClick(i);
        };
        connect(place, &PictureLabel::clicked, this, click);
        connect(twin, &BlindLabel::clicked, this, click);
    }
}

void PlaceGrid::setPlace(int i, const QString& picture, bool filled, const QString& description,
                         const QString& twinText) {
    if (i < 1 || i > m_spec.count) return;
    m_filled[static_cast<size_t>(i - 1)] = filled;
    PictureLabel* p = place(i);
    p->setPicture(picture);
    p->setAccessibleName(twinText);
    p->setAccessibleDescription(description);
    twin(i)->setText(twinText);
    // The twins lie over the pictures: in blind mode they are what is read and clicked.
    twin(i)->raise();
}

}  // namespace qvx::ui
