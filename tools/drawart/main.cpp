// drawart: paints Solvanta's artwork into a directory.
//
//   drawart <output-directory>
//
// Writes, below the output directory:
//   <sign>.jpg, <sign>@2x.jpg   the twelve sign pictures, 200 and 400 px square
//   solvanta.svg                the program icon as SVG
//   icons/solvanta-<N>.png      the same icon painted at 16 ... 256 px
//
// Everything is drawn from code with a fixed-seed generator, so running it
// again reproduces the same pictures.

#include <QByteArray>
#include <QColor>
#include <QConicalGradient>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFont>
#include <QFontInfo>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QImage>
#include <QImageWriter>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QString>
#include <QTextStream>

#include <array>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <numbers>
#include <random>

namespace {

// The program's palette.
const QColor kIndigo(21, 15, 83);
const QColor kPeach(255, 224, 192);
const QColor kDarkRed(192, 0, 0);
const QColor kLavender(192, 192, 255);
const QColor kBrownBlack(64, 0, 0);

const QString kFontFamily = QStringLiteral("DejaVu Sans");

enum class Element { Fire, Earth, Air, Water };

struct Sign {
    const char* file; // base file name
    const char* name; // name shown under the glyph
    char32_t glyph;   // zodiac symbol
    Element element;
};

const std::array<Sign, 12> kSigns{{
    {"aries", "Aries", U'\u2648', Element::Fire},
    {"taurus", "Taurus", U'\u2649', Element::Earth},
    {"gemini", "Gemini", U'\u264A', Element::Air},
    {"cancer", "Cancer", U'\u264B', Element::Water},
    {"leo", "Leo", U'\u264C', Element::Fire},
    {"virgo", "Virgo", U'\u264D', Element::Earth},
    {"libra", "Libra", U'\u264E', Element::Air},
    {"scorpio", "Scorpio", U'\u264F', Element::Water},
    {"sagittarius", "Sagittarius", U'\u2650', Element::Fire},
    {"capricorn", "Capricorn", U'\u2651', Element::Earth},
    {"aquarius", "Aquarius", U'\u2652', Element::Air},
    {"pisces", "Pisces", U'\u2653', Element::Water},
}};

// Two accent colours per element: the ring runs from one to the other.
struct Accent {
    QColor main;
    QColor second;
};

Accent accentFor(Element e) {
    switch (e) {
    case Element::Fire:
        return {QColor(236, 110, 52), kDarkRed};
    case Element::Earth:
        return {QColor(170, 160, 82), QColor(112, 128, 62)};
    case Element::Air:
        return {kLavender, QColor(130, 186, 240)};
    case Element::Water:
        return {QColor(48, 178, 178), QColor(58, 112, 214)};
    }
    return {kLavender, kLavender};
}

QColor withAlpha(QColor c, int alpha) {
    c.setAlpha(alpha);
    return c;
}

// ---------------------------------------------------------------------------
// Sign pictures. All geometry is in a 200 x 200 logical square; the painter
// is scaled for the larger variant so both are drawn, not resampled.

constexpr double kSide = 200.0;
const QPointF kCentre(100.0, 84.0); // centre of the ring and the glyph
constexpr double kRingRadius = 62.0;
constexpr double kDotRadius = 71.0; // the twelve position dots around the ring
constexpr double kGlyphBox = 78.0;  // the glyph is scaled to fit this square
constexpr double kNameBaseline = 184.0;
constexpr double kNameMaxWidth = 180.0;
constexpr double kNamePixelSize = 21.0;

// A uniform number in [0, 1) built from the raw generator output, so the
// sequence does not depend on the standard library's distributions.
double unit(std::mt19937& gen) {
    return static_cast<double>(gen()) / 4294967296.0;
}

void drawStars(QPainter& p, int signNumber) {
    std::mt19937 gen(static_cast<std::mt19937::result_type>(signNumber));
    p.setPen(Qt::NoPen);
    for (int i = 0; i < 48; ++i) {
        const double x = 4.0 + unit(gen) * (kSide - 8.0);
        const double y = 4.0 + unit(gen) * (kSide - 8.0);
        const double r = 0.45 + unit(gen) * 0.85;
        const int alpha = 50 + static_cast<int>(unit(gen) * 110.0);
        const bool lavender = unit(gen) < 0.35;
        p.setBrush(withAlpha(lavender ? kLavender : kPeach, alpha));
        p.drawEllipse(QPointF(x, y), r, r);
    }
}

// Path of a text run with its baseline starting at the origin.
QPainterPath textPath(const QString& text, const QFont& font) {
    QPainterPath path;
    path.addText(QPointF(0, 0), font, text);
    return path;
}

void drawSign(QPainter& p, const Sign& sign, int signNumber) {
    const Accent accent = accentFor(sign.element);

    p.fillRect(QRectF(0, 0, kSide, kSide), kIndigo);

    // A soft glow of the element colour behind the glyph, fading into the
    // indigo towards the corners.
    {
        QRadialGradient glow(kCentre, 96.0);
        glow.setColorAt(0.0, withAlpha(accent.main, 70));
        glow.setColorAt(0.55, withAlpha(accent.second, 28));
        glow.setColorAt(1.0, withAlpha(accent.second, 0));
        p.fillRect(QRectF(0, 0, kSide, kSide), glow);
    }

    drawStars(p, signNumber);

    // The ring: a conical gradient between the element's two colours.
    {
        QConicalGradient cone(kCentre, 90.0 + signNumber * 30.0);
        cone.setColorAt(0.0, accent.main);
        cone.setColorAt(0.5, accent.second);
        cone.setColorAt(1.0, accent.main);
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(QBrush(cone), 3.2));
        p.drawEllipse(kCentre, kRingRadius, kRingRadius);
        p.setPen(QPen(withAlpha(kLavender, 70), 0.8));
        p.drawEllipse(kCentre, kRingRadius - 5.0, kRingRadius - 5.0);
    }

    // Twelve dots around the ring, counter-clockwise from the left as on a
    // zodiac wheel; the sign's own dot is larger and in its accent colour.
    p.setPen(Qt::NoPen);
    for (int i = 0; i < 12; ++i) {
        const double angle = std::numbers::pi * (1.0 + i / 6.0);
        const QPointF at(kCentre.x() + kDotRadius * std::cos(angle),
                         kCentre.y() - kDotRadius * std::sin(angle));
        if (i == signNumber - 1) {
            p.setBrush(accent.main);
            p.drawEllipse(at, 3.4, 3.4);
            p.setBrush(kPeach);
            p.drawEllipse(at, 1.3, 1.3);
        } else {
            p.setBrush(withAlpha(kLavender, 120));
            p.drawEllipse(at, 1.5, 1.5);
        }
    }

    // The glyph, scaled so its drawn outline fits the box whatever the
    // font's metrics, with a faint shadow to lift it off the glow.
    {
        QFont font(kFontFamily);
        font.setPixelSize(100);
        const QString glyph = QString::fromUcs4(&sign.glyph, 1);
        const QPainterPath raw = textPath(glyph, font);
        const QRectF bounds = raw.boundingRect();
        const double scale = kGlyphBox / std::max(bounds.width(), bounds.height());
        QTransform t;
        t.translate(kCentre.x(), kCentre.y());
        t.scale(scale, scale);
        t.translate(-bounds.center().x(), -bounds.center().y());
        const QPainterPath glyphPath = t.map(raw);
        p.setPen(Qt::NoPen);
        p.setBrush(withAlpha(kBrownBlack, 170));
        p.drawPath(glyphPath.translated(1.6, 2.0));
        p.setBrush(kPeach);
        p.drawPath(glyphPath);
    }

    // The name, centred under the ring, shrunk if it would not fit.
    {
        QFont font(kFontFamily);
        font.setBold(true);
        font.setPixelSize(100);
        const QString name = QString::fromUtf8(sign.name);
        const double advanceAt100 = QFontMetricsF(font).horizontalAdvance(name);
        const double size = std::min(kNamePixelSize, kNamePixelSize * kNameMaxWidth /
                                                         (advanceAt100 * kNamePixelSize / 100.0));
        const double scale = size / 100.0;
        const double width = advanceAt100 * scale;
        QTransform t;
        t.translate((kSide - width) / 2.0, kNameBaseline);
        t.scale(scale, scale);
        const QPainterPath namePath = t.map(textPath(name, font));
        p.setBrush(withAlpha(kBrownBlack, 170));
        p.drawPath(namePath.translated(1.0, 1.3));
        p.setBrush(kPeach);
        p.drawPath(namePath);
    }
}

bool writeSign(const QDir& out, const Sign& sign, int signNumber, int factor) {
    const int px = static_cast<int>(kSide) * factor;
    QImage image(px, px, QImage::Format_RGB32);
    image.fill(kIndigo);
    {
        QPainter p(&image);
        p.setRenderHint(QPainter::Antialiasing, true);
        p.setRenderHint(QPainter::TextAntialiasing, true);
        p.scale(factor, factor);
        drawSign(p, sign, signNumber);
    }
    const QString file = QString::fromUtf8(sign.file) +
                         (factor == 1 ? QString() : QStringLiteral("@%1x").arg(factor)) +
                         QStringLiteral(".jpg");
    const QString path = out.filePath(file);
    // Optimised Huffman tables: smaller files at the same quality, no change
    // to the decoded pixels.
    QImageWriter writer(path, "jpeg");
    writer.setQuality(90);
    writer.setOptimizedWrite(true);
    if (!writer.write(image)) {
        std::fprintf(stderr, "drawart: cannot write %s\n", qPrintable(path));
        return false;
    }
    std::printf("%-22s %4d x %-4d %7lld bytes\n", qPrintable(file), px, px,
                static_cast<long long>(QFileInfo(path).size()));
    return true;
}

// ---------------------------------------------------------------------------
// The program icon: a peach disc on an indigo rounded square, split down the
// middle by a thin line, whole on the left and a crescent on the right, a
// mark for a date standing between two signs. One set of numbers, in a
// 256-unit square, drives both the SVG text and the painted PNGs.

namespace icon {
constexpr double kUnits = 256.0;
constexpr double kSquareInset = 8.0;
constexpr double kSquareRadius = 52.0;
constexpr double kDiscX = 128.0, kDiscY = 128.0, kDiscR = 78.0;
constexpr double kBiteX = 100.0, kBiteR = 76.0; // circle taken out of the right half
constexpr double kGap = 16.0;                   // indigo gap between the halves
constexpr double kLineTop = 30.0, kLineBottom = 226.0, kLineWidth = 5.0;
} // namespace icon

QString hex(const QColor& c) {
    return c.name(QColor::HexRgb).toUpper();
}

QString iconSvg() {
    using namespace icon;
    const double side = kUnits - 2 * kSquareInset;
    const double rightEdge = kDiscX + kGap / 2;
    QString s;
    QTextStream o(&s);
    o << "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"256\" height=\"256\" viewBox=\"0 0 256 "
         "256\">\n"
      << "  <title>Solvanta</title>\n"
      << "  <defs>\n"
      << "    <clipPath id=\"right-half\">\n"
      << "      <rect x=\"" << rightEdge << "\" y=\"0\" width=\"" << kUnits - rightEdge
      << "\" height=\"256\"/>\n"
      << "    </clipPath>\n"
      << "  </defs>\n"
      << "  <rect x=\"" << kSquareInset << "\" y=\"" << kSquareInset << "\" width=\"" << side
      << "\" height=\"" << side << "\" rx=\"" << kSquareRadius << "\" ry=\"" << kSquareRadius
      << "\" fill=\"" << hex(kIndigo) << "\"/>\n"
      << "  <circle cx=\"" << kDiscX << "\" cy=\"" << kDiscY << "\" r=\"" << kDiscR << "\" fill=\""
      << hex(kPeach) << "\"/>\n"
      << "  <circle cx=\"" << kBiteX << "\" cy=\"" << kDiscY << "\" r=\"" << kBiteR << "\" fill=\""
      << hex(kIndigo) << "\" clip-path=\"url(#right-half)\"/>\n"
      << "  <rect x=\"" << kDiscX - kGap / 2 << "\" y=\"" << kDiscY - kDiscR - 1 << "\" width=\""
      << kGap << "\" height=\"" << 2 * kDiscR + 2 << "\" fill=\"" << hex(kIndigo) << "\"/>\n"
      << "  <line x1=\"" << kDiscX << "\" y1=\"" << kLineTop << "\" x2=\"" << kDiscX << "\" y2=\""
      << kLineBottom << "\" stroke=\"" << hex(kLavender) << "\" stroke-width=\"" << kLineWidth
      << "\" stroke-linecap=\"round\"/>\n"
      << "</svg>\n";
    return s;
}

void paintIcon(QPainter& p) {
    using namespace icon;
    p.setPen(Qt::NoPen);
    p.setBrush(kIndigo);
    p.drawRoundedRect(
        QRectF(kSquareInset, kSquareInset, kUnits - 2 * kSquareInset, kUnits - 2 * kSquareInset),
        kSquareRadius, kSquareRadius);
    p.setBrush(kPeach);
    p.drawEllipse(QPointF(kDiscX, kDiscY), kDiscR, kDiscR);
    p.save();
    p.setClipRect(QRectF(kDiscX + kGap / 2, 0, kUnits - kDiscX - kGap / 2, kUnits));
    p.setBrush(kIndigo);
    p.drawEllipse(QPointF(kBiteX, kDiscY), kBiteR, kBiteR);
    p.restore();
    p.setBrush(kIndigo);
    p.drawRect(QRectF(kDiscX - kGap / 2, kDiscY - kDiscR - 1, kGap, 2 * kDiscR + 2));
    QPen line(kLavender, kLineWidth);
    line.setCapStyle(Qt::RoundCap);
    p.setPen(line);
    p.drawLine(QPointF(kDiscX, kLineTop), QPointF(kDiscX, kLineBottom));
}

bool writeIcon(const QDir& iconDir, int px) {
    QImage image(px, px, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    {
        QPainter p(&image);
        p.setRenderHint(QPainter::Antialiasing, true);
        p.scale(px / icon::kUnits, px / icon::kUnits);
        paintIcon(p);
    }
    const QString file = QStringLiteral("solvanta-%1.png").arg(px);
    const QString path = iconDir.filePath(file);
    if (!image.save(path, "PNG")) {
        std::fprintf(stderr, "drawart: cannot write %s\n", qPrintable(path));
        return false;
    }
    std::printf("icons/%-16s %4d x %-4d %7lld bytes\n", qPrintable(file), px, px,
                static_cast<long long>(QFileInfo(path).size()));
    return true;
}

bool writeSvg(const QDir& out) {
    const QString path = out.filePath(QStringLiteral("solvanta.svg"));
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        std::fprintf(stderr, "drawart: cannot write %s\n", qPrintable(path));
        return false;
    }
    const QByteArray text = iconSvg().toUtf8();
    if (f.write(text) != text.size()) {
        std::fprintf(stderr, "drawart: short write to %s\n", qPrintable(path));
        return false;
    }
    std::printf("%-22s %18lld bytes\n", "solvanta.svg", static_cast<long long>(text.size()));
    return true;
}

// The pictures must come out in DejaVu Sans with its zodiac symbols; a
// silent fallback to another font would change every picture.
bool fontIsUsable() {
    QFont font(kFontFamily);
    const QFontInfo info(font);
    if (info.family() != kFontFamily) {
        std::fprintf(stderr, "drawart: font \"%s\" not found (got \"%s\")\n",
                     qPrintable(kFontFamily), qPrintable(info.family()));
        return false;
    }
    const QFontMetricsF metrics(font);
    for (const Sign& sign : kSigns) {
        if (!metrics.inFontUcs4(static_cast<uint>(sign.glyph))) {
            std::fprintf(stderr, "drawart: %s lacks the symbol for %s\n", qPrintable(kFontFamily),
                         sign.name);
            return false;
        }
    }
    return true;
}

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);

    if (argc != 2) {
        std::fprintf(stderr, "usage: drawart <output-directory>\n");
        return 2;
    }
    const QDir out(QString::fromLocal8Bit(argv[1]));
    if (!out.mkpath(QStringLiteral("icons"))) {
        std::fprintf(stderr, "drawart: cannot create %s/icons\n", argv[1]);
        return 1;
    }
    if (!fontIsUsable())
        return 1;

    bool ok = true;
    for (std::size_t i = 0; i < kSigns.size(); ++i) {
        const int number = static_cast<int>(i) + 1;
        ok = writeSign(out, kSigns[i], number, 1) && ok;
        ok = writeSign(out, kSigns[i], number, 2) && ok;
    }
    ok = writeSvg(out) && ok;
    const QDir iconDir(out.filePath(QStringLiteral("icons")));
    for (int px : {16, 32, 48, 64, 128, 256})
        ok = writeIcon(iconDir, px) && ok;
    return ok ? 0 : 1;
}
