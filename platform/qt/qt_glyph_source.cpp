// The glyph source of the Qt program: small faces from pixel fonts, larger ones from DejaVu.
#include "platform/qt/qt_glyph_source.h"

#include <QFontDatabase>
#include <QFontMetrics>
#include <QImage>
#include <QPainter>
#include <algorithm>
#include <cstddef>

#include "platform/posix/posix_files.h"

namespace qtplatform {
namespace {

// Cell height of a font made with height 0, as the game's default font has.
constexpr int kDefaultCellHeight = 13;
constexpr int kMinStretch = 50;
constexpr int kMaxStretch = 200;

// Ink where a white-on-black glyph pixel is at least half lit.
constexpr int kInkThreshold = 128;

void RegisterDejaVuOnce() {
    static const bool registered = [] {
        for (const char* file :
             {"DejaVuSans.ttf", "DejaVuSans-Bold.ttf", "DejaVuSerif.ttf", "DejaVuSerif-Bold.ttf",
              "DejaVuSansMono.ttf", "DejaVuSansMono-Bold.ttf"})
            QFontDatabase::addApplicationFont(QString::fromLatin1(kDejaVuFolder) +
                                              QString::fromLatin1(file));
        return true;
    }();
    (void)registered;
}

QFont BaseFont(const raster::FontDescription& description, int pixelSize) {
    QFont font(FamilyForFace(description.face));
    font.setPixelSize(std::max(1, pixelSize));
    font.setStyleStrategy(
        static_cast<QFont::StyleStrategy>(QFont::NoAntialias | QFont::NoFontMerging));
    font.setHintingPreference(QFont::PreferFullHinting);
    font.setBold(description.bold);
    font.setUnderline(description.underline);
    return font;
}

int CellHeight(const QFont& font) {
    const QFontMetrics metrics(font);
    return metrics.ascent() + metrics.descent();
}

// The largest pixel size whose cell fits the requested height, as a font mapper picks it.
int PixelSizeFor(const raster::FontDescription& description) {
    if (description.height < 0) return -description.height;
    const int cell = description.height == 0 ? kDefaultCellHeight : description.height;
    for (int size = cell; size > 1; --size)
        if (CellHeight(BaseFont(description, size)) <= cell) return size;
    return 1;
}

QFont MakeFont(const raster::FontDescription& description) {
    QFont font = BaseFont(description, PixelSizeFor(description));
    if (description.width > 0) {
        const int natural = QFontMetrics(font).averageCharWidth();
        if (natural > 0)
            font.setStretch(
                std::clamp(description.width * 100 / natural, kMinStretch, kMaxStretch));
    }
    return font;
}

}  // namespace

QString FamilyForFace(const std::string& face) {
    if (face == "MS Serif") return QStringLiteral("DejaVu Serif");
    if (face == "Terminal" || face == "Courier New") return QStringLiteral("DejaVu Sans Mono");
    return QStringLiteral("DejaVu Sans");  // "MS Sans Serif" and every other face
}

namespace {

raster::PixelFonts SystemPixelFonts() {
    raster::PixelFonts fonts;
    fonts.Load(posix::PosixFiles(""), raster::kMiscFontFolder);
    return fonts;
}

}  // namespace

QtGlyphSource::QtGlyphSource() : QtGlyphSource(SystemPixelFonts()) {}

QtGlyphSource::QtGlyphSource(raster::PixelFonts pixelFonts) : pixelFonts_(std::move(pixelFonts)) {
    RegisterDejaVuOnce();
}

const QFont& QtGlyphSource::FontFor(const raster::FontDescription& description) {
    for (const auto& [known, font] : fonts_)
        if (known == description) return font;
    fonts_.emplace_back(description, MakeFont(description));
    return fonts_.back().second;
}

raster::TextExtent QtGlyphSource::Measure(const raster::FontDescription& font,
                                          const std::string& latin1Text) {
    if (const raster::BitmapFont* pixels = pixelFonts_.For(font))
        return raster::TextExtent{pixels->Advance(latin1Text, font.bold), pixels->CellHeight()};
    const QFontMetrics metrics(FontFor(font));
    return raster::TextExtent{metrics.horizontalAdvance(QString::fromLatin1(latin1Text)),
                              metrics.ascent() + metrics.descent()};
}

raster::TextMask QtGlyphSource::Render(const raster::FontDescription& font,
                                       const std::string& latin1Text) {
    if (const raster::BitmapFont* pixels = pixelFonts_.For(font))
        return pixels->Render(latin1Text, font.bold, font.underline);
    const QFont& qfont = FontFor(font);
    const QFontMetrics metrics(qfont);
    const QString text = QString::fromLatin1(latin1Text);
    raster::TextMask mask;
    mask.width = metrics.horizontalAdvance(text);
    mask.height = metrics.ascent() + metrics.descent();
    mask.ascent = metrics.ascent();
    if (mask.width <= 0 || mask.height <= 0) {
        mask.width = std::max(0, mask.width);
        return mask;
    }
    QImage image(mask.width, mask.height, QImage::Format_RGB32);
    image.fill(Qt::black);
    {
        QPainter painter(&image);
        painter.setRenderHint(QPainter::TextAntialiasing, false);
        painter.setFont(qfont);
        painter.setPen(Qt::white);
        painter.drawText(0, mask.ascent, text);
    }
    mask.ink.resize(static_cast<std::size_t>(mask.width) * mask.height);
    for (int y = 0; y < mask.height; ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < mask.width; ++x)
            mask.ink[static_cast<std::size_t>(y) * mask.width + x] =
                qGray(line[x]) >= kInkThreshold ? 1 : 0;
    }
    return mask;
}

}  // namespace qtplatform
