#include "ScreenKit.h"

#include <QFontMetrics>
#include <QFrame>

#include "GameScreen.h"
#include "Session.h"
#include "Sounds.h"
#include "Widgets.h"

namespace qvx::ui {

const char* ToneColour(Tone tone) {
    switch (tone) {
        case Tone::Plain:
            return palette::kText;
        case Tone::Soft:
            return palette::kSoftText;
        case Tone::Muted:
            return palette::kMuted;
        case Tone::Disabled:
            return palette::kDisabled;
        case Tone::Accent:
            return palette::kAccent;
        case Tone::Highlight:
            return palette::kHighlight;
        case Tone::Warning:
            return palette::kWarning;
        case Tone::Gain:
            return palette::kGain;
    }
    return palette::kText;
}

QString ColourStyle(const char* colour, bool bold) {
    return QString("color: %1; background: transparent;%2")
        .arg(colour, bold ? " font-weight: bold;" : "");
}

QString ToneStyle(Tone tone, bool bold) {
    return ColourStyle(ToneColour(tone), bold);
}

QLabel* Text(QWidget* parent, const QString& name, const QString& text, const QRect& place,
             int pointSize, Tone tone, bool bold) {
    QLabel* label = MakeLabel(parent, name, text, place, pointSize, bold);
    label->setStyleSheet(ToneStyle(tone, bold));
    return label;
}

QLabel* Caption(QWidget* parent, const QString& name, const QString& text, const QRect& place,
                int pointSize) {
    return Text(parent, name, text, place, pointSize, Tone::Accent, true);
}

namespace {}  // namespace

void SetFittedText(QLabel* label, const QString& text) {
    const QFontMetrics metrics(label->font());
    const int room = label->width() - 2 * label->margin() - label->indent() - 4;
    label->setText(metrics.elidedText(text, Qt::ElideRight, room));
    label->setAccessibleName(text);
}

QString WrappedToolTip(const QString& text) {
    if (text.isEmpty()) return {};
    // Rich text is what makes Qt wrap a tooltip.
    return "<p>" + text.toHtmlEscaped().replace('\n', "<br>") + "</p>";
}

QString PanelStyleSheet(const QString& name, PanelKind kind) {
    const QString edge = palette::kPanelEdge;
    const QString line = palette::kLine;
    switch (kind) {
        case PanelKind::Panel:
            return QString(
                       "QFrame#%1 { background: rgba(17, 28, 46, 240); border: 1px solid %2;"
                       " border-radius: 10px; }")
                .arg(name, edge);
        case PanelKind::Tabbed:
            return QString(
                       "QFrame#%1 { background: rgba(17, 28, 46, 240); border: 1px solid %2;"
                       " border-top-right-radius: 10px; border-bottom-left-radius: 10px;"
                       " border-bottom-right-radius: 10px; }")
                .arg(name, edge);
        case PanelKind::Popup:
            return QString(
                       "QFrame#%1 { background: rgba(10, 18, 32, 250); border: 2px solid %2;"
                       " border-radius: 8px; }")
                .arg(name, palette::kAccent);
        case PanelKind::Inset:
            return QString(
                       "QFrame#%1 { background: rgba(17, 28, 46, 200); border: 1px solid %2;"
                       " border-radius: 8px; }")
                .arg(name, line);
        case PanelKind::Bar:
            return QString(
                       "QFrame#%1 { background: rgba(6, 12, 24, 215);"
                       " border-bottom: 1px solid %2; }")
                .arg(name, line);
        case PanelKind::Bezel:
            return QString(
                       "QFrame#%1 { background: qlineargradient(x1:0, y1:0, x2:0, y2:1,"
                       " stop:0 #34476a, stop:1 #141d2e); border: 2px solid #5b7399;"
                       " border-radius: 18px; }")
                .arg(name);
        case PanelKind::Screen:
            return QString("QFrame#%1 { background: #05080d; border-radius: 6px; }").arg(name);
    }
    return QString();
}

QFrame* Panel(QWidget* parent, const QString& name, const QRect& place, PanelKind kind) {
    auto* panel = new QFrame(parent);
    panel->setObjectName(name);
    panel->setGeometry(place);
    panel->setStyleSheet(PanelStyleSheet(name, kind));
    return panel;
}

PictureLabel* Picture(QWidget* parent, const QString& name, const QRect& place,
                      const QString& picture, const QString& accessibleName) {
    auto* label = new PictureLabel(parent, name, place);
    label->setPicture(picture);
    label->setAccessibleName(accessibleName);
    return label;
}

PictureLabel* PanelPicture(QWidget* parent, const QString& name, const QRect& place, PanelKind kind,
                           const QString& accessibleName) {
    auto* label = new PictureLabel(parent, name, place);
    label->setStyleSheet(PanelStyleSheet(name, kind));
    label->setAccessibleName(accessibleName);
    label->setAccessibleDescription(accessibleName);
    return label;
}

PictureLabel* Tab(QWidget* parent, const QString& name, const QString& text, const QRect& place,
                  bool lit) {
    auto* tab = new PictureLabel(parent, name, lit ? place.adjusted(0, 0, 0, 1) : place);
    tab->setText(text);
    tab->setAlignment(Qt::AlignCenter);
    tab->setAccessibleName(text);
    if (lit) {
        tab->setStyleSheet(QString("color: %1; font-weight: bold; background: rgb(17, 28, 46);"
                                   " border: 1px solid %2; border-bottom: none;"
                                   " border-top: 3px solid %3;"
                                   " border-top-left-radius: 8px; border-top-right-radius: 8px;")
                               .arg(palette::kText, palette::kPanelEdge, palette::kAccent));
    } else {
        tab->setCursor(Qt::PointingHandCursor);
        tab->setStyleSheet(QString("color: %1; background: %2; border: 1px solid %3;"
                                   " border-top-left-radius: 8px; border-top-right-radius: 8px;")
                               .arg(palette::kMuted, palette::kPanel, palette::kLine));
    }
    return tab;
}

ImageButton* ButtonWithTwin(GameScreen& screen, QWidget* parent, const TwinButton& spec,
                            std::function<void()> handler) {
    Session& session = screen.session();
    QString picture = "QVX2_button";
    if (spec.small) picture = "QVX2_button_small";
    if (!spec.picture.isEmpty()) picture = spec.picture;
    auto* button = new ImageButton(session, parent, spec.stem, spec.text, spec.rect,
                                   picture + ".jpg", picture + "_over.jpg");
    button->setPlaysClick(spec.playsClick);
    QObject::connect(button, &ImageButton::clicked, parent, handler);
    if (spec.twinName.isEmpty()) return button;
    auto* twin = new BlindLabel(session, parent, spec.twinName,
                                spec.twinText.isEmpty() ? spec.text : spec.twinText, spec.twinRect);
    QObject::connect(button, &ImageButton::enabledChanged, twin, &QWidget::setEnabled);
    // The image button plays its own click; the twin has to play it for itself.
    QObject::connect(twin, &BlindLabel::clicked, parent,
                     [&session, handler, silent = !spec.playsClick] {
                         if (!silent) session.sounds().PlayClick();
                         handler();
                     });
    return button;
}

}  // namespace qvx::ui
