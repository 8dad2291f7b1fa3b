#include "PictureKit.h"

#include <QFontDatabase>
#include <QGuiApplication>
#include <QLinearGradient>
#include <QPainterPath>
#include <QRadialGradient>
#include <array>
#include <cmath>
#include <cstdlib>
#include <map>
#include <numbers>

namespace qvx::content::pictures {

namespace {

struct FontFile {
    FontFace face;
    const char* path;
};

constexpr std::array<FontFile, 5> kFontFiles = {{
    {FontFace::Sans, "/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf"},
    {FontFace::SansBold, "/usr/share/fonts/truetype/dejavu/DejaVuSans-Bold.ttf"},
    {FontFace::Condensed, "/usr/share/fonts/truetype/dejavu/DejaVuSansCondensed-Bold.ttf"},
    {FontFace::Serif, "/usr/share/fonts/truetype/dejavu/DejaVuSerif-Bold.ttf"},
    {FontFace::Emoji, "/usr/share/fonts/truetype/noto/NotoColorEmoji.ttf"},
}};

// The family each face resolved to after loading its file.
std::map<FontFace, QString>& Families() {
    static std::map<FontFace, QString> families;
    return families;
}

// The colour emoji font holds bitmaps of one size; rendering at that size and scaling the
// cropped result gives the same smooth result at every target size.
constexpr int kEmojiStrike = 109;

const QImage& EmojiImage(std::string_view utf8) {
    static std::map<std::string, QImage, std::less<>> cache;
    if (const auto it = cache.find(utf8); it != cache.end()) return it->second;
    QImage img(kEmojiStrike * 3 / 2, kEmojiStrike * 3 / 2, QImage::Format_ARGB32_Premultiplied);
    img.fill(Qt::transparent);
    {
        QPainter p(&img);
        p.setFont(Font(FontFace::Emoji, kEmojiStrike));
        p.drawText(img.rect(), Qt::AlignCenter,
                   QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size())));
    }
    int left = img.width(), top = img.height(), right = -1, bottom = -1;
    for (int y = 0; y < img.height(); ++y) {
        const auto* row = reinterpret_cast<const QRgb*>(img.constScanLine(y));
        for (int x = 0; x < img.width(); ++x) {
            if (qAlpha(row[x]) > 8) {
                left = std::min(left, x);
                right = std::max(right, x);
                top = std::min(top, y);
                bottom = std::max(bottom, y);
            }
        }
    }
    QImage cropped = right < 0 ? img : img.copy(left, top, right - left + 1, bottom - top + 1);
    return cache.emplace(std::string(utf8), std::move(cropped)).first->second;
}

// Qt warns on stderr when a headless machine has no XDG runtime directory; the tool never uses
// one, and the line would only puzzle whoever runs ./play.
QtMessageHandler previousMessageHandler = nullptr;

void QuietStartupHandler(QtMsgType type, const QMessageLogContext& context, const QString& text) {
    if (type == QtWarningMsg && text.startsWith("QStandardPaths: XDG_RUNTIME_DIR")) return;
    if (previousMessageHandler != nullptr) previousMessageHandler(type, context, text);
}

}  // namespace

QColor ChannelColour(int channel) {
    switch (channel) {
        case 1:
            return Palette::kRed;
        case 2:
            return Palette::kYellow;
        case 3:
            return Palette::kGreen;
        default:
            return Palette::kBlue;
    }
}

Status PrepareGui() {
    if (QCoreApplication::instance() == nullptr) {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
        // The application lives as long as the process: Qt's font machinery needs it for every
        // later picture, and a second generate in the same process reuses it.
        static int argc = 1;
        static char name[] = "quovix-content";
        static char* argv[] = {name, nullptr};
        previousMessageHandler = qInstallMessageHandler(QuietStartupHandler);
        static QGuiApplication* app = new QGuiApplication(argc, argv);
        (void)app;
    } else if (qobject_cast<QGuiApplication*>(QCoreApplication::instance()) == nullptr) {
        return Status::Fail("pictures need a QGuiApplication, but this process runs a console one");
    }
    for (const FontFile& file : kFontFiles) {
        if (Families().contains(file.face)) continue;
        const int id = QFontDatabase::addApplicationFont(QString::fromUtf8(file.path));
        const QStringList families = QFontDatabase::applicationFontFamilies(id);
        if (id < 0 || families.isEmpty()) {
            return Status::Fail(std::string(file.path) +
                                ": the font cannot be loaded (are fonts-dejavu-core and "
                                "fonts-noto-color-emoji installed?)");
        }
        Families()[file.face] = families.front();
    }
    return Status::Ok();
}

QFont Font(FontFace face, qreal pixelSize) {
    QFont font(Families()[face]);
    font.setPixelSize(std::max(1, static_cast<int>(std::lround(pixelSize))));
    font.setBold(face == FontFace::SansBold || face == FontFace::Condensed ||
                 face == FontFace::Serif);
    font.setHintingPreference(QFont::PreferNoHinting);
    font.setStyleStrategy(QFont::PreferAntialias);
    return font;
}

QImage Canvas(int width, int height) {
    QImage img(width, height, QImage::Format_ARGB32_Premultiplied);
    img.fill(Palette::kNight0);
    return img;
}

QImage ClearCanvas(int width, int height) {
    QImage img(width, height, QImage::Format_ARGB32_Premultiplied);
    img.fill(Qt::transparent);
    return img;
}

QImage OnColourKey(const QImage& art) {
    QImage out = art.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < out.height(); ++y) {
        auto* row = reinterpret_cast<QRgb*>(out.scanLine(y));
        for (int x = 0; x < out.width(); ++x)
            row[x] = qAlpha(row[x]) >= 128 ? (row[x] | 0xff000000u) : kColourKey.rgb();
    }
    return out.convertToFormat(QImage::Format_RGB32);
}

QImage GreyedKeepingContrast(const QImage& art) {
    QImage out = art.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < out.height(); ++y) {
        auto* row = reinterpret_cast<QRgb*>(out.scanLine(y));
        for (int x = 0; x < out.width(); ++x) {
            const int luma =
                (qRed(row[x]) * 299 + qGreen(row[x]) * 587 + qBlue(row[x]) * 114) / 1000;
            // Darker, but stretched: the channel colours land near 70-170 and white marks near
            // 235, so the mark still stands out on a closed company's dim logo.
            const int v = std::clamp((luma - 128) * 13 / 10 + 100, 16, 235);
            row[x] = qRgba(v, v, v, qAlpha(row[x]));
        }
    }
    return out;
}

QColor Mix(const QColor& a, const QColor& b, qreal t) {
    const qreal u = 1.0 - t;
    return QColor::fromRgbF(static_cast<float>(a.redF() * u + b.redF() * t),
                            static_cast<float>(a.greenF() * u + b.greenF() * t),
                            static_cast<float>(a.blueF() * u + b.blueF() * t),
                            static_cast<float>(a.alphaF() * u + b.alphaF() * t));
}

QColor WithAlpha(QColor c, int alpha) {
    c.setAlpha(alpha);
    return c;
}

Rng PictureRng(uint64_t seed, std::string_view name) {
    uint64_t hash = 1469598103934665603ULL;  // FNV-1a
    for (const char c : name) {
        hash ^= static_cast<unsigned char>(c);
        hash *= 1099511628211ULL;
    }
    return Rng(seed ^ hash);
}

void FillVertical(QPainter& p, const QRectF& r, const QColor& top, const QColor& bottom) {
    QLinearGradient g(r.topLeft(), r.bottomLeft());
    g.setColorAt(0, top);
    g.setColorAt(1, bottom);
    p.fillRect(r, g);
}

void FillNight(QPainter& p, const QRectF& r) {
    FillVertical(p, r, Palette::kNight1, Palette::kNight0);
    QRadialGradient vignette(r.center(), std::max(r.width(), r.height()) * 0.75);
    vignette.setColorAt(0.0, QColor(0, 0, 0, 0));
    vignette.setColorAt(0.7, QColor(0, 0, 0, 0));
    vignette.setColorAt(1.0, QColor(0, 0, 0, 110));
    p.fillRect(r, vignette);
}

void Panel(QPainter& p, const QRectF& r, qreal radius, const QColor& top, const QColor& bottom,
           int shadow) {
    p.save();
    p.setPen(Qt::NoPen);
    for (int i = shadow; i >= 1; --i) {
        p.setBrush(QColor(0, 0, 0, 34));
        p.drawRoundedRect(r.translated(0, i).adjusted(-i * 0.5, 0, i * 0.5, 0), radius, radius);
    }
    QLinearGradient g(r.topLeft(), r.bottomLeft());
    g.setColorAt(0, top);
    g.setColorAt(1, bottom);
    p.setBrush(g);
    p.drawRoundedRect(r, radius, radius);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(255, 255, 255, 70), 1.0));
    p.drawRoundedRect(r.adjusted(0.5, 0.5, -0.5, -0.5), radius, radius);
    p.restore();
}

void Glow(QPainter& p, const QPointF& centre, qreal radius, const QColor& colour, int alpha) {
    QRadialGradient g(centre, radius);
    g.setColorAt(0, WithAlpha(colour, alpha));
    g.setColorAt(0.45, WithAlpha(colour, alpha / 3));
    g.setColorAt(1, WithAlpha(colour, 0));
    p.save();
    p.setPen(Qt::NoPen);
    p.setBrush(g);
    p.drawEllipse(centre, radius, radius);
    p.restore();
}

void LightCone(QPainter& p, const QPointF& apex, qreal length, qreal halfWidth, int alpha) {
    QPainterPath cone;
    cone.moveTo(apex + QPointF(-halfWidth * 0.08, 0));
    cone.lineTo(apex + QPointF(halfWidth * 0.08, 0));
    cone.lineTo(apex + QPointF(halfWidth, length));
    cone.lineTo(apex + QPointF(-halfWidth, length));
    cone.closeSubpath();
    QLinearGradient g(apex, apex + QPointF(0, length));
    g.setColorAt(0, WithAlpha(Palette::kWarm, alpha));
    g.setColorAt(1, WithAlpha(Palette::kWarm, 0));
    p.save();
    p.setPen(Qt::NoPen);
    p.setBrush(g);
    p.drawPath(cone);
    p.restore();
}

void ScanLines(QPainter& p, const QRectF& r, int alpha, int spacing) {
    p.save();
    p.setPen(QPen(QColor(0, 0, 0, alpha), 1.0));
    for (qreal y = r.top() + 1.5; y < r.bottom(); y += spacing)
        p.drawLine(QPointF(r.left(), y), QPointF(r.right(), y));
    p.restore();
}

void Emoji(QPainter& p, const QRectF& target, std::string_view utf8) {
    const QImage& glyph = EmojiImage(utf8);
    const QSizeF size = QSizeF(glyph.size()).scaled(target.size(), Qt::KeepAspectRatio);
    const QRectF box(target.center() - QPointF(size.width() / 2, size.height() / 2), size);
    p.save();
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    p.drawImage(box, glyph);
    p.restore();
}

void TextCentred(QPainter& p, const QRectF& r, const QString& text, const QFont& font,
                 const QColor& colour, bool shadow) {
    p.save();
    p.setFont(font);
    if (shadow) {
        const qreal offset = std::clamp(font.pixelSize() / 16.0, 1.0, 4.0);
        p.setPen(QColor(0, 0, 0, 150));
        p.drawText(r.translated(0, offset), Qt::AlignCenter, text);
    }
    p.setPen(colour);
    p.drawText(r, Qt::AlignCenter, text);
    p.restore();
}

QImage Greyed(const QImage& image, qreal brightness) {
    QImage out = image.convertToFormat(QImage::Format_RGB32);
    for (int y = 0; y < out.height(); ++y) {
        auto* row = reinterpret_cast<QRgb*>(out.scanLine(y));
        for (int x = 0; x < out.width(); ++x) {
            const int luma =
                (qRed(row[x]) * 299 + qGreen(row[x]) * 587 + qBlue(row[x]) * 114) / 1000;
            const int v = std::clamp(static_cast<int>(luma * brightness), 0, 255);
            row[x] = qRgb(v, v, v);
        }
    }
    return out;
}

QImage Scaled(const QImage& image, int width, int height) {
    return image.scaled(width, height, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

QPolygonF Star(const QPointF& centre, qreal outer, qreal inner, int points) {
    QPolygonF star;
    for (int i = 0; i < points * 2; ++i) {
        const qreal angle = -std::numbers::pi / 2 + i * std::numbers::pi / points;
        const qreal radius = i % 2 == 0 ? outer : inner;
        star << centre + QPointF(std::cos(angle) * radius, std::sin(angle) * radius);
    }
    return star;
}

}  // namespace qvx::content::pictures
