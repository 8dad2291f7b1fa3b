#include "Widgets.h"

#include <algorithm>

#include <QEnterEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainterPath>
#include <QRegion>

#include "Pictures.h"
#include "ScreenKit.h"
#include "Session.h"
#include "Sounds.h"
#include "TextCodec.h"

namespace qvx::ui {

namespace {

// On a scaled canvas the pointer sits between the canvas's pixels: a release a fraction of a
// pixel inside the right or bottom edge is still on the control, one at the edge is not.
bool ReleasedInside(const QWidget* widget, const QMouseEvent* event) {
    const QPointF at = event->position();
    return at.x() >= 0 && at.y() >= 0 && at.x() < widget->width() && at.y() < widget->height();
}

}  // namespace

PictureLabel::PictureLabel(QWidget* parent, const QString& objectName, const QRect& geometry)
    : QLabel(parent) {
    setObjectName(objectName);
    if (!geometry.isNull()) setGeometry(geometry);
    setScaledContents(true);
}

void PictureLabel::setPicture(const QString& name) {
    if (name == m_picture) return;
    m_picture = name;
    setProperty("picture", name);
    m_shown = false;
    if (isVisible() || name.isEmpty()) showPicture();
}

void PictureLabel::showPicture() {
    if (m_shown) return;
    m_shown = true;
    setPixmap(m_picture.isEmpty() ? QPixmap() : Pictures::Get(m_picture));
}

void PictureLabel::showEvent(QShowEvent* event) {
    // Decoded when first seen: start-up builds every screen but shows only one.
    showPicture();
    QLabel::showEvent(event);
}

void PictureLabel::mouseReleaseEvent(QMouseEvent* event) {
    if (!ReleasedInside(this, event)) return;
    if (event->button() == Qt::LeftButton) emit clicked();
    if (event->button() == Qt::RightButton) emit rightClicked();
}

void PictureLabel::mouseDoubleClickEvent(QMouseEvent*) {
    emit doubleClicked();
}
void PictureLabel::enterEvent(QEnterEvent*) {
    emit entered();
}
void PictureLabel::leaveEvent(QEvent*) {
    emit left();
}

ImageButton::ImageButton(Session& session, QWidget* parent, const QString& stem,
                         const QString& text, const QRect& geometry, const QString& picture,
                         const QString& hoverPicture)
    : QLabel(parent), m_session(session), m_picture(picture), m_hoverPicture(hoverPicture) {
    setObjectName(stem + "ActiveField");
    setGeometry(geometry);
    setScaledContents(true);
    setCursor(Qt::PointingHandCursor);
    // The pictures are JPEGs without transparency: the mask cuts their corners round, so the
    // screen behind shows through whatever it is.
    QPainterPath shape;
    const qreal radius = std::min(10.0, geometry.height() / 4.0);
    shape.addRoundedRect(QRectF(rect()).adjusted(1, 1, -1, -1), radius, radius);
    setMask(QRegion(shape.toFillPolygon().toPolygon()));
    m_over = new QLabel(this);
    m_over->setObjectName(stem + "Over");
    m_over->setGeometry(rect());
    m_over->setScaledContents(true);
    m_over->hide();
    m_over->setAttribute(Qt::WA_TransparentForMouseEvents);
    m_label = new QLabel(this);
    m_label->setObjectName(stem + "Label");
    m_label->setGeometry(rect());
    m_label->setAlignment(Qt::AlignCenter);
    m_label->setWordWrap(true);
    m_label->setAttribute(Qt::WA_TransparentForMouseEvents);
    m_label->setStyleSheet(ToneStyle(Tone::Plain, true));
    setText(text);
}

void ImageButton::setText(const QString& text) {
    // "&&" is how the game writes a single "&" on a button.
    const QString shown = QString(text).replace("&&", "&");
    m_label->setText(shown);
    setAccessibleName(shown);
    setToolTip(QString());
}

QString ImageButton::text() const {
    return m_label->text();
}

void ImageButton::changeEvent(QEvent* event) {
    if (event->type() == QEvent::EnabledChange) {
        m_label->setStyleSheet(ToneStyle(isEnabled() ? Tone::Plain : Tone::Disabled, true));
        if (!isEnabled()) m_over->hide();
        emit enabledChanged(isEnabled());
    }
    QLabel::changeEvent(event);
}

void ImageButton::enterEvent(QEnterEvent*) {
    if (isEnabled()) m_over->show();
}

void ImageButton::leaveEvent(QEvent*) {
    m_over->hide();
}

void ImageButton::showEvent(QShowEvent* event) {
    // Decoded when first seen, like every picture of a screen that is not up yet.
    if (!m_picture.isEmpty()) {
        setPixmap(Pictures::Get(m_picture));
        m_over->setPixmap(Pictures::Get(m_hoverPicture));
        m_picture.clear();
    }
    QLabel::showEvent(event);
}

void ImageButton::hideEvent(QHideEvent* event) {
    // A window hidden with the pointer over a button gets no leave event: without this, the
    // reused dialog or screen opens next time with that button still lit.
    m_over->hide();
    QLabel::hideEvent(event);
}

void ImageButton::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) emit pressed();
}

void ImageButton::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) return;
    emit released();
    if (!ReleasedInside(this, event)) return;
    activate();
}

bool ImageButton::activate() {
    if (!isEnabled() || !isVisibleTo(window())) return false;
    if (m_playsClick) m_session.sounds().PlayClick();
    emit clicked();
    return true;
}

BlindLabel::BlindLabel(Session& session, QWidget* parent, const QString& objectName,
                       const QString& text, const QRect& geometry, bool followsSwitch)
    : QLabel(parent) {
    setObjectName(objectName);
    setGeometry(geometry);
    setWordWrap(true);
    setText(text);
    setStyleSheet(QString("color: %1; background: rgba(13,27,42,200); border: 1px solid %2;"
                          "padding: 1px 3px;")
                      .arg(palette::kBlindText, palette::kAccent));
    setCursor(Qt::PointingHandCursor);
    setVisible(followsSwitch && session.blindMode());
    if (followsSwitch) connect(&session, &Session::blindModeChanged, this, &QWidget::setVisible);
}

void BlindLabel::setText(const QString& text) {
    const QString shown = QString(text).replace("&&", "&");
    QLabel::setText(shown);
    setAccessibleName(shown);
}

void BlindLabel::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && ReleasedInside(this, event)) emit clicked();
}

QLabel* MakeLabel(QWidget* parent, const QString& objectName, const QString& text,
                  const QRect& geometry, int pointSize, bool bold) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(objectName);
    label->setGeometry(geometry);
    QFont font = label->font();
    font.setPointSize(pointSize);
    font.setBold(bold);
    label->setFont(font);
    label->setStyleSheet(ToneStyle(Tone::Plain, bold));
    return label;
}

QValidator::State RecordTextValidator::validate(QString& input, int&) const {
    for (const QChar ch : input) {
        // A tab or line break pasted into the field would be stored invisibly in the record.
        if (ch.category() == QChar::Other_Control) return Invalid;
    }
    const std::string utf8 = input.toStdString();
    if (!FitsCp1252(utf8)) return Invalid;
    if (Utf8ToCp1252(utf8).size() > kMaxRecordText) return Invalid;
    return Acceptable;
}

void TakeOnlyRecordText(QLineEdit* field) {
    // Every character the code page holds is one byte, so this stops typing at the record's
    // limit and cuts a long paste to fit; the validator refuses what the code page lacks.
    field->setMaxLength(static_cast<int>(kMaxRecordText));
    field->setValidator(new RecordTextValidator(field));
}

}  // namespace qvx::ui
