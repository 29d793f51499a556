#include "layout.h"

#include "emblems.h"
#include "shapes.h"

#include "kinwheel_assets.h"

#include <QFont>
#include <QFile>
#include <QFontMetricsF>
#include <QPainter>
#include <QRadialGradient>
#include <QTransform>

#include <algorithm>
#include <array>
#include <cmath>
#include <map>
#include <string>

namespace kinwheel::cardgen {
namespace {

// A card is laid out in its picture box's own pixels (87 x 113 for the
// full card) and drawn at each scale from the same numbers; lines that
// should stay sharp sit on half pixels with whole-pixel widths. The title
// banner closes the card at the bottom; the emblem is centred in the field
// above it. The small card keeps the frame and shrinks the rest.
struct CardForm {
    int width;
    int height;
    qreal emblemScale;
    qreal bandInset;   // the banner's band from either side of the card
    qreal textPadding; // the room kept around the banner's text
    int namePixels;
    int colourPixels;
    qreal rayStart; // the faint rays behind the emblem begin this far from its centre
    qreal glowRadius;

    qreal emblemHalf() const { return 50 * emblemScale; }
    qreal bandLeft() const { return bandInset; }
    qreal bandRight() const { return width - bandInset; }
    qreal bandBottom() const { return height - 2; }
    qreal textWidth() const { return bandRight() - bandLeft() - 2 * textPadding; }
};

constexpr CardForm kFullCard{assets::kCardWidth, assets::kCardHeight, 0.64, 5.5, 3, 9, 7, 14, 40};
constexpr CardForm kSmallCard{assets::kSmallCardWidth, assets::kSmallCardHeight, 0.46, 4.5, 2, 7, 6, 11, 31};

const CardForm& formOf(CardSize size)
{
    return size == CardSize::Small ? kSmallCard : kFullCard;
}

// A line narrower than this share of its natural width would be hard to read.
constexpr qreal kNarrowestCondensing = 0.8;

// The glyph names by index, and their colours by index % 4. The English ones
// are in capitals as the banner shows them, the colour set above the name;
// the Spanish ones are written as names are and put in capitals for the
// banner, their last word the colour, set below the rest.
constexpr std::array<const char*, 20> kEnglishNames = {
    "DRAGON", "WIND",  "NIGHT",     "SEED",   "SERPENT", "WORLDBRIDGER", "HAND",  "STAR",   "MOON",  "DOG",
    "MONKEY", "HUMAN", "SKYWALKER", "WIZARD", "EAGLE",   "WARRIOR",      "EARTH", "MIRROR", "STORM", "SUN"};
constexpr std::array<const char*, 4> kEnglishColours = {"RED", "WHITE", "BLUE", "YELLOW"};
// The glyph names of a language other than English, from its text folder
// (compiled in): "Mago Blanco", the sign's name and then its colour. Read
// once a language: every title asks for them.
const QStringList& glyphNames(std::string_view language)
{
    static std::map<std::string, QStringList, std::less<>> read;
    if (const auto found = read.find(language); found != read.end())
        return found->second;
    QStringList& names = read[std::string(language)];
    QFile file(QStringLiteral(":/text/%1/glyph-names.txt").arg(QLatin1String(language.data(), qsizetype(language.size()))));
    if (file.open(QIODevice::ReadOnly))
        names = QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    if (names.size() != 20)
        names.clear();
    return names;
}

QFont titleFont(int px, qreal spacing)
{
    QFont f(QStringLiteral("DejaVu Sans"));
    f.setPixelSize(px);
    f.setWeight(QFont::Bold);
    f.setLetterSpacing(QFont::AbsoluteSpacing, spacing);
    f.setHintingPreference(QFont::PreferNoHinting);
    return f;
}

QFont nameFont(const CardForm& form)
{
    return titleFont(form.namePixels, 0.2);
}

QFont colourFont(const CardForm& form)
{
    return titleFont(form.colourPixels, 0.9);
}

struct Title {
    QString colour;
    QStringList nameLines; // wrapped at spaces to the banner's width
    bool colourFirst = true;
};

// The name wrapped at spaces: as many words on a line as fit the width.
QStringList wrapped(const CardForm& form, const QString& name)
{
    const QFontMetricsF metrics(nameFont(form));
    QStringList lines;
    for (const QString& word : name.split(QLatin1Char(' '))) {
        if (!lines.isEmpty() && metrics.horizontalAdvance(lines.back() + QLatin1Char(' ') + word) <= form.textWidth())
            lines.back() += QLatin1Char(' ') + word;
        else
            lines << word;
    }
    return lines;
}

Title titleOf(const CardForm& form, int index, std::string_view language)
{
    Title title;
    if (language != assets::kCardLanguages.front()) {
        QStringList words = glyphNames(language).value(index).toUpper().split(QLatin1Char(' '));
        title.colour = words.takeLast();
        title.nameLines = wrapped(form, words.join(QLatin1Char(' ')));
        title.colourFirst = false;
    } else {
        title.colour = QString::fromLatin1(kEnglishColours[static_cast<std::size_t>(index % 4)]);
        title.nameLines = wrapped(form, QString::fromLatin1(kEnglishNames[static_cast<std::size_t>(index)]));
    }
    return title;
}

// The height of a line of the name, room for an accent on a capital
// included, and of the colour's line; and the gaps between lines.
qreal nameLineHeight(const CardForm& form)
{
    return QFontMetricsF(nameFont(form)).capHeight() + 0.25 * form.namePixels;
}

qreal colourLineHeight(const CardForm& form)
{
    return QFontMetricsF(colourFont(form)).capHeight();
}

constexpr qreal kNameLineGap = 1.0;
constexpr qreal kColourGap = 2.5;

qreal textHeight(const CardForm& form, int nameLines)
{
    return colourLineHeight(form) + kColourGap + nameLines * nameLineHeight(form) + (nameLines - 1) * kNameLineGap;
}

// Every card of a language has the same banner, tall enough for its longest
// name; the top, on a whole pixel.
qreal bannerTop(const CardForm& form, std::string_view language)
{
    int lines = 1;
    for (int index = 0; index < 20; ++index)
        lines = std::max(lines, int(titleOf(form, index, language).nameLines.size()));
    return std::floor(form.bandBottom() - textHeight(form, lines) - 2 * form.textPadding);
}

// Draws line centred on x with its baseline at y, condensed if it is wider
// than the banner's text.
void drawLine(QPainter& painter, const CardForm& form, const QString& line, qreal x, qreal y)
{
    const qreal width = QFontMetricsF(painter.font()).horizontalAdvance(line);
    const qreal condensing = std::min<qreal>(1, form.textWidth() / width);
    painter.save();
    painter.translate(x, y);
    painter.scale(condensing, 1);
    painter.drawText(QPointF(-width / 2, 0), line);
    painter.restore();
}

void drawBanner(QPainter& painter, const CardForm& form, const Palette& palette, const Title& title, qreal top)
{
    const qreal width = form.width, left = form.bandLeft(), right = form.bandRight();
    const qreal bottom = form.bandBottom();
    // folded tails behind the band, reaching out to the card's edge
    for (int side : {-1, 1}) {
        const qreal x0 = side < 0 ? 2.5 : width - 2.5;
        const qreal x1 = side < 0 ? left + 3 : right - 3;
        const qreal middle = (top + 3 + bottom) / 2;
        QPainterPath tail =
            polygon({{x1, top + 3}, {x0, top + 3}, {x0 - side * 2.5, middle}, {x0, bottom}, {x1, bottom}});
        shape(painter, tail, palette.bannerShade, palette.edge, 1.0);
    }
    QPainterPath band;
    band.moveTo(left, top);
    band.quadTo(width / 2.0, top - 2, right, top);
    band.lineTo(right, bottom);
    band.lineTo(left, bottom);
    band.closeSubpath();
    shape(painter, band, palette.bannerFill, palette.edge, 1.0);

    // the text block, centred in the band
    const int lines = int(title.nameLines.size());
    qreal y = (top + bottom) / 2 - textHeight(form, lines) / 2;
    const qreal x = width / 2.0;
    painter.setPen(palette.bannerText);
    auto colourLine = [&] {
        painter.setFont(colourFont(form));
        y += colourLineHeight(form);
        drawLine(painter, form, title.colour, x, y);
    };
    if (title.colourFirst) {
        colourLine();
        y += kColourGap;
    }
    painter.setFont(nameFont(form));
    for (int i = 0; i < lines; ++i) {
        y += nameLineHeight(form) + (i > 0 ? kNameLineGap : 0);
        drawLine(painter, form, title.nameLines[i], x, y);
    }
    if (!title.colourFirst) {
        y += kColourGap;
        colourLine();
    }
}

} // namespace

QString cardLayoutProblem()
{
    for (const CardForm& form : {kFullCard, kSmallCard}) {
        for (std::string_view language : assets::kCardLanguages) {
            const QString name = QString::fromLatin1(language.data(), qsizetype(language.size()));
            if (language != assets::kCardLanguages.front() && glyphNames(language).isEmpty())
                return QStringLiteral("assets/text/%1/glyph-names.txt is missing or does not hold 20 names").arg(name);
            const qreal top = bannerTop(form, language);
            if (top - 2 - 7 < 2 * form.emblemHalf() || 2 * form.emblemHalf() > form.width - 13)
                return QStringLiteral("the %1 banner of the %2 x %3 card leaves too little room for the emblem")
                    .arg(name)
                    .arg(form.width)
                    .arg(form.height);
            for (int index = 0; index < 20; ++index) {
                const Title title = titleOf(form, index, language);
                for (const QString& line : title.nameLines)
                    if (QFontMetricsF(nameFont(form)).horizontalAdvance(line) * kNarrowestCondensing > form.textWidth())
                        return QStringLiteral("\"%1\" is too wide for its banner").arg(line);
                if (QFontMetricsF(colourFont(form)).horizontalAdvance(title.colour) > form.textWidth())
                    return QStringLiteral("\"%1\" is too wide for its banner").arg(title.colour);
            }
        }
    }
    return {};
}

QImage drawCard(int index, int scale, std::string_view language, CardSize size)
{
    const CardForm& form = formOf(size);
    const int width = form.width, height = form.height;
    const Palette palette = paletteFor(index % 4);
    const qreal top = bannerTop(form, language);
    // the emblem in the middle of the field between the frame and the banner
    const QPointF emblemCentre(width / 2.0, std::round((7 + top - 2) / 2));
    QImage img(width * scale, height * scale, QImage::Format_RGB32);
    img.setDevicePixelRatio(scale);
    img.fill(palette.edge);
    QPainter painter(&img);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);

    // field
    const QRectF field(2, 2, width - 4, height - 4);
    QLinearGradient fg(QPointF(0, field.top()), QPointF(0, field.bottom()));
    fg.setColorAt(0, palette.fieldTop);
    fg.setColorAt(1, palette.fieldBottom);
    painter.setPen(Qt::NoPen);
    painter.setBrush(fg);
    painter.drawRoundedRect(field, 4, 4);

    const QRectF inner(6.5, 6.5, width - 13, height - 13);
    painter.save();
    painter.setClipRect(inner.adjusted(0, 0, 0, top - inner.bottom()));
    // faint rays and a glow behind the emblem
    painter.setPen(QPen(withAlpha(palette.frame, 60), 0.8));
    for (int i = 0; i < 32; ++i) {
        const qreal ang = i * kPi / 16;
        painter.drawLine(emblemCentre + QPointF(std::cos(ang), std::sin(ang)) * form.rayStart,
                         emblemCentre + QPointF(std::cos(ang), std::sin(ang)) * 80);
    }
    QRadialGradient glow(emblemCentre, form.glowRadius);
    glow.setColorAt(0, withAlpha(palette.glow, 230));
    glow.setColorAt(0.6, withAlpha(palette.glow, 120));
    glow.setColorAt(1, withAlpha(palette.glow, 0));
    painter.setPen(Qt::NoPen);
    painter.setBrush(glow);
    painter.drawEllipse(emblemCentre, form.glowRadius, form.glowRadius);
    painter.restore();

    // frame: a strong line and a fine one inside it, running on under the
    // banner, which closes the card
    painter.save();
    painter.setClipRect(QRectF(0, 0, width, top + 3));
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(palette.frame, 1.0));
    painter.drawRoundedRect(QRectF(4.5, 4.5, width - 9, height - 9), 3, 3);
    painter.setPen(QPen(withAlpha(palette.frame, 150), 1.0));
    painter.drawRoundedRect(inner, 1.5, 1.5);
    painter.restore();
    for (QPointF c : {QPointF(10.5, 10.5), QPointF(width - 10.5, 10.5)})
        shape(painter, polygon({c + QPointF(0, -2.5), c + QPointF(2.5, 0), c + QPointF(0, 2.5), c + QPointF(-2.5, 0)}),
              palette.frame, palette.edge, 0);

    painter.save();
    painter.translate(emblemCentre);
    painter.scale(form.emblemScale, form.emblemScale);
    drawEmblem(painter, index, palette);
    painter.restore();

    drawBanner(painter, form, palette, titleOf(form, index, language), top);
    painter.end();
    return img;
}

// The wheel of twenty day signs in the four colours around the four-armed
// cross, drawn for `size` pixels at `scale` device pixels per pixel. How much
// detail it takes depends on the device pixels alone, so 16 pixels at 2x is
// the same picture as 32 at 1x; at 16 device pixels the wheel keeps one
// segment per colour and the cross is drawn on the pixel grid.
QImage drawIcon(int size, int scale)
{
    const int pixels = size * scale;
    QImage img(pixels, pixels, QImage::Format_ARGB32_Premultiplied);
    img.fill(Qt::transparent);
    QPainter painter(&img);
    painter.setRenderHint(QPainter::Antialiasing);
    const qreal s = pixels / 64.0;
    painter.scale(s, s);
    painter.translate(32, 32);
    const qreal px = 1.0 / s; // one device pixel, in the icon's units
    const QColor dark(0x1e, 0x18, 0x2c);
    const QColor colours[4] = {QColor(0xcc, 0x2a, 0x1e), QColor(0xf6, 0xf2, 0xea), QColor(0x24, 0x58, 0xb8),
                               QColor(0xf4, 0xbc, 0x24)};
    const bool tiny = pixels <= 16;
    const bool small = pixels < 48;

    painter.setPen(Qt::NoPen);
    painter.setBrush(dark);
    painter.drawEllipse(QPointF(0, 0), 32, 32);
    if (tiny) {
        // a ring of four colours, red at the top as in the wheel, between
        // whole-pixel radii, and the cross as four pixel-aligned arms
        const qreal ro = 32 - px, ri = 32 - 3 * px;
        for (int i = 0; i < 4; ++i) {
            const qreal a0 = -135 + i * 90;
            QPainterPath segPath;
            QRectF outer(-ro, -ro, 2 * ro, 2 * ro), innerRect(-ri, -ri, 2 * ri, 2 * ri);
            segPath.arcMoveTo(outer, -a0);
            segPath.arcTo(outer, -a0, -90);
            segPath.arcTo(innerRect, -(a0 + 90), 90);
            segPath.closeSubpath();
            painter.setBrush(colours[i]);
            painter.drawPath(segPath);
        }
        const qreal w = px, arm = 3 * px;
        const QRectF arms[4] = {QRectF(-w, -w - arm, 2 * w, arm), QRectF(w, -w, arm, 2 * w),
                                QRectF(-w, w, 2 * w, arm), QRectF(-w - arm, -w, arm, 2 * w)};
        for (int k = 0; k < 4; ++k) {
            painter.setBrush(colours[k]);
            painter.drawRect(arms[k]);
        }
        painter.end();
        return img;
    }

    const qreal edgeW = std::max<qreal>(1.6, px);
    const qreal ro = 31 - edgeW / 2;
    const qreal ri = 19;
    // twenty segments, one per day sign, the first centred at the top
    const qreal span = 360.0 / 20;
    for (int i = 0; i < 20; ++i) {
        const qreal a0 = -90 - span / 2 + i * span;
        QPainterPath segPath;
        QRectF outer(-ro, -ro, 2 * ro, 2 * ro), innerRect(-ri, -ri, 2 * ri, 2 * ri);
        segPath.arcMoveTo(outer, -a0);
        segPath.arcTo(outer, -a0, -span);
        segPath.arcTo(innerRect, -(a0 + span), span);
        segPath.closeSubpath();
        painter.setBrush(colours[i % 4]);
        painter.drawPath(segPath);
    }
    // separators between the segments
    painter.setPen(QPen(dark, std::max<qreal>(0.9, 0.6 * px)));
    for (int i = 0; i < 20; ++i) {
        const qreal ang = (-99 + i * 18) * kPi / 180;
        painter.drawLine(QPointF(std::cos(ang), std::sin(ang)) * ri, QPointF(std::cos(ang), std::sin(ang)) * ro);
    }
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(dark, edgeW));
    painter.drawEllipse(QPointF(0, 0), ri, ri);

    // four-point cross in the middle, one arm per colour; the small sizes
    // drop the outlines, which would swallow the arms
    const qreal tip = small ? 18 : 17, side = small ? 6.5 : 5.2;
    for (int k = 0; k < 4; ++k) {
        QPainterPath arm = polygon({{0, 0}, {side, -side}, {0, -tip}, {-side, -side}});
        arm = QTransform().rotate(90 * k).map(arm);
        shape(painter, arm, colours[k], dark, small ? 0 : edgeW * 0.8);
    }
    if (!small)
        shape(painter, circle({0, 0}, 2.6), dark, dark, 0);
    painter.end();
    return img;
}

} // namespace kinwheel::cardgen
