#pragma once
// A grid of item places (archive positions, offers, slots): pictures laid out in rows and
// columns, each a drag source and a drop area in the screen's drop encoding, each with a blind
// twin that drags, takes drops and is clicked like its picture. The screen fills the places; the
// grid only wires them, so every screen's places answer the pointer and the blind player alike.
#include <QObject>
#include <QRect>
#include <QString>
#include <functional>
#include <vector>

class QWidget;

namespace qvx::ui {

class BlindLabel;
class PictureLabel;
class Session;

struct PlaceGridSpec {
    QString stem;      // the places are "<stem>1".."<stem>N"
    QString twinStem;  // their blind twins "<twinStem>1".."<twinStem>N"
    int count = 0;
    int columns = 1;
    QRect first;  // place 1; the others follow row by row
    QSize pitch;
    QRect twinFirst;  // twin 1; the twins follow row by row in their own columns
    QSize twinPitch;
    int twinColumns = 1;
    int twinPointSize = 0;  // smaller twins for long texts in short cells; 0 keeps the default
    int codeSign = 1;       // the drag and drop code of place i is codeSign * i
    // A drag that started at code `from` ended on this grid's place of code `to`.
    std::function<void(int from, int to)> onDrop;
    std::function<void(int i)> onHover;  // the pointer entered place i
    std::function<void(int i)> onClick;  // place i or its twin was clicked
    std::function<void()> onDragStart;   // a drag left one of the places
};

class PlaceGrid : public QObject {
  public:
    PlaceGrid(Session& session, QWidget* parent, PlaceGridSpec spec);

    // Shows place i (1-based): its picture, whether it holds an item (an empty place starts no
    // drag), what a screen reader says of it, and the twin's text.
    void setPlace(int i, const QString& picture, bool filled, const QString& description,
                  const QString& twinText);
    PictureLabel* place(int i) const { return m_places[static_cast<size_t>(i - 1)]; }
    BlindLabel* twin(int i) const { return m_twins[static_cast<size_t>(i - 1)]; }
    int count() const { return m_spec.count; }
    int code(int i) const { return m_spec.codeSign * i; }

  private:
    PlaceGridSpec m_spec;
    std::vector<PictureLabel*> m_places;
    std::vector<BlindLabel*> m_twins;
    std::vector<bool> m_filled;
};

}  // namespace qvx::ui
