// Draws Velmora's stage pictures and application icon.
//
// Usage: velmora_make_images <output-root>
//
// Writes <output-root>/Images/0.bmp .. 10.bmp (339 x 352, 24-bit) and
// <output-root>/data/icons/velmora-<size>.png. Everything is drawn with
// QPainter into QImages, so no display or fonts are needed, and the output
// is fully deterministic (fixed pseudo-random sequence for the snowflakes).
//
// Each wrong guess adds one piece to a snowman:
//   0 empty winter scene      6 coal eyes
//   1 bottom snowball         7 carrot nose
//   2 middle snowball         8 coal buttons
//   3 head                    9 scarf
//   4 left stick arm         10 top hat (complete; the sky turns to dusk)
//   5 right stick arm

#include <QCoreApplication>
#include <QDir>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <QRadialGradient>
#include <QString>
#include <QTextStream>

#include <array>
#include <cstdint>
#include <cstdio>

namespace {

constexpr int kPictureWidth = 339;
constexpr int kPictureHeight = 352;
constexpr int kLastStage = 10;
constexpr int kDotsPerMeter = 2835; // 72 dpi

// Snowman geometry, shared by the pieces so they line up.
constexpr double kCenterX = 170.0;
constexpr QPointF kBottomCenter{kCenterX, 258.0};
constexpr double kBottomRadius = 50.0;
constexpr QPointF kMiddleCenter{kCenterX, 184.0};
constexpr double kMiddleRadius = 37.0;
constexpr QPointF kHeadCenter{kCenterX, 124.0};
constexpr double kHeadRadius = 27.0;

// Small linear congruential generator: the same sequence on every platform
// and Qt version, so repeated runs produce identical files.
class Lcg
{
public:
    explicit Lcg(std::uint32_t seed) : m_state(seed) {}

    double next()
    {
        m_state = m_state * 1664525u + 1013904223u;
        return static_cast<double>(m_state >> 8) / static_cast<double>(1u << 24);
    }

    double range(double low, double high) { return low + (high - low) * next(); }

private:
    std::uint32_t m_state;
};

struct Palette
{
    QColor skyTop;
    QColor skyBottom;
    QColor farHill;
    QColor nearHill;
    QColor tree;
    QColor treeSnow;
    QColor groundTop;
    QColor groundBottom;
    QColor flake;
};

Palette dayPalette()
{
    return {QColor(0x7f, 0xb6, 0xe6), QColor(0xe6, 0xf2, 0xfb), QColor(0xc9, 0xdc, 0xee),
            QColor(0xdd, 0xea, 0xf5), QColor(0x5d, 0x84, 0x86), QColor(0xf4, 0xf8, 0xfc),
            QColor(0xff, 0xff, 0xff), QColor(0xdb, 0xe7, 0xf3), QColor(0xff, 0xff, 0xff)};
}

Palette duskPalette()
{
    return {QColor(0x2b, 0x34, 0x63), QColor(0xc9, 0x8f, 0xa8), QColor(0x8c, 0x86, 0xab),
            QColor(0xb4, 0xb0, 0xcc), QColor(0x3b, 0x4f, 0x5e), QColor(0xd8, 0xd8, 0xea),
            QColor(0xe9, 0xe8, 0xf4), QColor(0xba, 0xbb, 0xd6), QColor(0xff, 0xff, 0xff)};
}

void drawPine(QPainter &p, const Palette &pal, double x, double baseY, double height)
{
    const double w = height * 0.55;
    p.setPen(Qt::NoPen);
    // Trunk.
    p.setBrush(pal.tree.darker(140));
    p.drawRect(QRectF(x - w * 0.07, baseY - height * 0.14, w * 0.14, height * 0.16));
    // Three tiers, each with a little snow on top.
    for (int tier = 0; tier < 3; ++tier) {
        const double bottom = baseY - height * (0.12 + 0.26 * tier);
        const double top = bottom - height * 0.42;
        const double half = w * (0.5 - 0.11 * tier);
        QPolygonF body;
        body << QPointF(x - half, bottom) << QPointF(x + half, bottom) << QPointF(x, top);
        p.setBrush(pal.tree);
        p.drawPolygon(body);
        QPolygonF cap;
        const double capY = top + (bottom - top) * 0.38;
        const double capHalf = half * 0.38;
        cap << QPointF(x - capHalf, capY) << QPointF(x - capHalf * 0.35, capY - 2.0)
            << QPointF(x, capY + 1.5) << QPointF(x + capHalf * 0.4, capY - 1.5)
            << QPointF(x + capHalf, capY) << QPointF(x, top);
        p.setBrush(pal.treeSnow);
        p.drawPolygon(cap);
    }
}

void drawBackground(QPainter &p, bool dusk)
{
    const Palette pal = dusk ? duskPalette() : dayPalette();

    QLinearGradient sky(0, 0, 0, 250);
    sky.setColorAt(0.0, pal.skyTop);
    sky.setColorAt(1.0, pal.skyBottom);
    p.fillRect(QRectF(0, 0, kPictureWidth, kPictureHeight), sky);

    p.setPen(Qt::NoPen);
    if (dusk) {
        // A pale crescent moon.
        QPainterPath moon;
        moon.addEllipse(QPointF(62, 58), 20, 20);
        QPainterPath bite;
        bite.addEllipse(QPointF(71, 52), 18, 18);
        p.setBrush(QColor(0xf3, 0xee, 0xd2));
        p.drawPath(moon.subtracted(bite));
    } else {
        // A soft winter sun with a faint halo.
        QRadialGradient glow(QPointF(62, 58), 46);
        glow.setColorAt(0.0, QColor(255, 250, 225, 170));
        glow.setColorAt(1.0, QColor(255, 250, 225, 0));
        p.setBrush(glow);
        p.drawEllipse(QPointF(62, 58), 46, 46);
        p.setBrush(QColor(0xff, 0xf4, 0xcc));
        p.drawEllipse(QPointF(62, 58), 19, 19);
    }

    // Distant hills.
    QPainterPath far;
    far.moveTo(0, 232);
    far.cubicTo(60, 196, 120, 204, 170, 222);
    far.cubicTo(220, 240, 280, 190, 339, 210);
    far.lineTo(339, 300);
    far.lineTo(0, 300);
    far.closeSubpath();
    p.setBrush(pal.farHill);
    p.drawPath(far);

    drawPine(p, pal, 34, 226, 46);
    drawPine(p, pal, 56, 222, 34);
    drawPine(p, pal, 292, 214, 50);
    drawPine(p, pal, 316, 212, 36);

    QPainterPath nearHill;
    nearHill.moveTo(0, 250);
    nearHill.cubicTo(90, 228, 200, 246, 339, 236);
    nearHill.lineTo(339, 300);
    nearHill.lineTo(0, 300);
    nearHill.closeSubpath();
    p.setBrush(pal.nearHill);
    p.drawPath(nearHill);

    // Snowy ground in front.
    QPainterPath ground;
    ground.moveTo(0, 272);
    ground.cubicTo(100, 260, 230, 282, 339, 266);
    ground.lineTo(339, kPictureHeight);
    ground.lineTo(0, kPictureHeight);
    ground.closeSubpath();
    QLinearGradient snow(0, 262, 0, kPictureHeight);
    snow.setColorAt(0.0, pal.groundTop);
    snow.setColorAt(1.0, pal.groundBottom);
    p.setBrush(snow);
    p.drawPath(ground);

    // Falling snowflakes; a few more when it gets dark.
    Lcg rng(0x5eed1234u);
    const int count = dusk ? 70 : 42;
    for (int i = 0; i < count; ++i) {
        const double x = rng.range(4, kPictureWidth - 4);
        const double y = rng.range(4, 262);
        const double r = rng.range(1.0, 2.6);
        const int alpha = static_cast<int>(rng.range(150, 240));
        QColor c = pal.flake;
        c.setAlpha(alpha);
        p.setBrush(c);
        p.drawEllipse(QPointF(x, y), r, r);
    }
}

void drawSnowball(QPainter &p, QPointF center, double radius)
{
    QRadialGradient shade(center + QPointF(-radius * 0.35, -radius * 0.4), radius * 1.45);
    shade.setColorAt(0.0, QColor(0xff, 0xff, 0xff));
    shade.setColorAt(0.55, QColor(0xf3, 0xf7, 0xfb));
    shade.setColorAt(1.0, QColor(0xc4, 0xd4, 0xe6));
    p.setBrush(shade);
    p.setPen(QPen(QColor(0xa9, 0xbc, 0xd2), 1.6));
    p.drawEllipse(center, radius, radius);
}

void drawGroundShadow(QPainter &p)
{
    QRadialGradient shadow(QPointF(kCenterX + 6, 306), 70);
    shadow.setColorAt(0.0, QColor(0x6d, 0x86, 0xa6, 110));
    shadow.setColorAt(1.0, QColor(0x6d, 0x86, 0xa6, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(shadow);
    p.save();
    p.translate(kCenterX + 6, 306);
    p.scale(1.0, 0.22);
    p.drawEllipse(QPointF(0, 0), 70, 70);
    p.restore();
}

void drawStick(QPainter &p, const std::array<QPointF, 2> &main, const std::array<QLineF, 3> &twigs)
{
    const QColor wood(0x6b, 0x44, 0x23);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(wood, 5.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawLine(main[0], main[1]);
    p.setPen(QPen(wood, 3.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    for (const QLineF &twig : twigs)
        p.drawLine(twig);
}

void drawLeftArm(QPainter &p)
{
    const QPointF start(139, 178);
    const QPointF end(78, 136);
    drawStick(p, {start, end},
              {QLineF(end, QPointF(64, 124)), QLineF(end, QPointF(63, 141)),
               QLineF(QPointF(104, 154), QPointF(98, 135))});
}

void drawRightArm(QPainter &p)
{
    const QPointF start(201, 178);
    const QPointF end(262, 136);
    drawStick(p, {start, end},
              {QLineF(end, QPointF(276, 124)), QLineF(end, QPointF(277, 141)),
               QLineF(QPointF(236, 154), QPointF(242, 135))});
}

void drawCoal(QPainter &p, QPointF center, double radius)
{
    QRadialGradient coal(center + QPointF(-radius * 0.35, -radius * 0.35), radius * 1.3);
    coal.setColorAt(0.0, QColor(0x5a, 0x5a, 0x62));
    coal.setColorAt(1.0, QColor(0x15, 0x15, 0x1a));
    p.setPen(Qt::NoPen);
    p.setBrush(coal);
    p.drawEllipse(center, radius, radius);
}

void drawEyes(QPainter &p)
{
    drawCoal(p, QPointF(kCenterX - 10, 116), 4.3);
    drawCoal(p, QPointF(kCenterX + 10, 116), 4.3);
}

void drawNose(QPainter &p)
{
    QPainterPath carrot;
    carrot.moveTo(kCenterX - 1, 121);
    carrot.quadTo(kCenterX + 18, 124, kCenterX + 38, 130);
    carrot.quadTo(kCenterX + 18, 132, kCenterX - 1, 132);
    carrot.quadTo(kCenterX - 4, 126.5, kCenterX - 1, 121);
    carrot.closeSubpath();
    QLinearGradient orange(0, 121, 0, 132);
    orange.setColorAt(0.0, QColor(0xff, 0xa3, 0x3d));
    orange.setColorAt(1.0, QColor(0xe0, 0x6a, 0x10));
    p.setBrush(orange);
    p.setPen(QPen(QColor(0xb8, 0x52, 0x0c), 1.0));
    p.drawPath(carrot);
    // Ridges on the carrot.
    p.setPen(QPen(QColor(0xb8, 0x52, 0x0c), 1.1, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(kCenterX + 8, 123.5), QPointF(kCenterX + 10, 127));
    p.drawLine(QPointF(kCenterX + 17, 126.5), QPointF(kCenterX + 18, 130));
    p.drawLine(QPointF(kCenterX + 26, 128), QPointF(kCenterX + 27, 130.5));
}

void drawButtons(QPainter &p)
{
    drawCoal(p, QPointF(kCenterX, 170), 4.6);
    drawCoal(p, QPointF(kCenterX, 188), 4.6);
    drawCoal(p, QPointF(kCenterX, 206), 4.6);
}

void drawScarf(QPainter &p)
{
    const QColor red(0xd2, 0x33, 0x3a);
    const QColor darkRed(0x9e, 0x1f, 0x2a);
    const QColor stripe(0xf6, 0xe9, 0xd8);

    // Hanging tail, drawn first so the wrap covers its top.
    QPainterPath tail;
    tail.moveTo(144, 150);
    tail.lineTo(162, 152);
    tail.quadTo(161, 180, 158, 206);
    tail.lineTo(141, 203);
    tail.quadTo(145, 178, 144, 150);
    tail.closeSubpath();
    p.setPen(QPen(darkRed, 1.2));
    p.setBrush(red);
    p.drawPath(tail);
    p.setPen(QPen(stripe, 3.2, Qt::SolidLine, Qt::FlatCap));
    p.drawLine(QPointF(144.2, 181), QPointF(160.5, 183));
    p.drawLine(QPointF(142.8, 192), QPointF(159.4, 194.5));
    // Fringe.
    p.setPen(QPen(darkRed, 1.8, Qt::SolidLine, Qt::RoundCap));
    for (int i = 0; i < 5; ++i) {
        const double x = 142.5 + i * 3.6;
        const double y = 203.4 + i * 0.6;
        p.drawLine(QPointF(x, y), QPointF(x - 0.8, y + 6));
    }

    // The wrap around the neck.
    QPainterPath wrap;
    wrap.moveTo(140, 143);
    wrap.quadTo(kCenterX, 152, 200, 143);
    wrap.quadTo(204, 151, 200, 159);
    wrap.quadTo(kCenterX, 168, 140, 159);
    wrap.quadTo(136, 151, 140, 143);
    wrap.closeSubpath();
    QLinearGradient wool(0, 143, 0, 166);
    wool.setColorAt(0.0, red.lighter(112));
    wool.setColorAt(1.0, red.darker(115));
    p.setPen(QPen(darkRed, 1.2));
    p.setBrush(wool);
    p.drawPath(wrap);
    p.setPen(QPen(stripe, 3.0, Qt::SolidLine, Qt::FlatCap));
    for (const double x : {152.0, 170.0, 188.0})
        p.drawLine(QPointF(x, 147.5 + (x == 170.0 ? 1.8 : 0.9)), QPointF(x, 162.5 + (x == 170.0 ? 1.6 : 0.6)));
}

void drawHat(QPainter &p)
{
    p.save();
    p.translate(kCenterX + 2, 100);
    p.rotate(-8);

    const QColor black(0x22, 0x22, 0x2a);
    QLinearGradient felt(-24, 0, 24, 0);
    felt.setColorAt(0.0, QColor(0x3e, 0x3e, 0x4a));
    felt.setColorAt(0.45, black);
    felt.setColorAt(1.0, QColor(0x12, 0x12, 0x18));

    // Crown.
    p.setPen(Qt::NoPen);
    p.setBrush(felt);
    QPainterPath crown;
    crown.moveTo(-22, 0);
    crown.lineTo(-24, -46);
    crown.quadTo(0, -50, 24, -46);
    crown.lineTo(22, 0);
    crown.closeSubpath();
    p.drawPath(crown);
    p.setBrush(QColor(0x4a, 0x4a, 0x58));
    p.drawEllipse(QPointF(0, -47), 24, 4);

    // Band.
    QPainterPath band;
    band.moveTo(-22.3, -4);
    band.lineTo(-23.0, -14);
    band.lineTo(23.0, -14);
    band.lineTo(22.3, -4);
    band.closeSubpath();
    p.setBrush(QColor(0xc0, 0x2e, 0x36));
    p.drawPath(band);

    // Brim.
    p.setBrush(felt);
    p.drawRoundedRect(QRectF(-37, -4, 74, 8), 4, 4);
    p.restore();
}

// An empty canvas at the pictures' resolution.
QImage canvas(int width, int height, Qt::GlobalColor fill)
{
    QImage image(width, height, QImage::Format_ARGB32_Premultiplied);
    image.setDotsPerMeterX(kDotsPerMeter);
    image.setDotsPerMeterY(kDotsPerMeter);
    image.fill(fill);
    return image;
}

QImage drawStage(int stage)
{
    QImage image = canvas(kPictureWidth, kPictureHeight, Qt::white);
    {
        QPainter p(&image);
        p.setRenderHint(QPainter::Antialiasing, true);

        drawBackground(p, stage == kLastStage);

        if (stage >= 1) {
            drawGroundShadow(p);
            drawSnowball(p, kBottomCenter, kBottomRadius);
        }
        if (stage >= 2)
            drawSnowball(p, kMiddleCenter, kMiddleRadius);
        if (stage >= 4)
            drawLeftArm(p);
        if (stage >= 5)
            drawRightArm(p);
        if (stage >= 3)
            drawSnowball(p, kHeadCenter, kHeadRadius);
        if (stage >= 6)
            drawEyes(p);
        if (stage >= 7)
            drawNose(p);
        if (stage >= 8)
            drawButtons(p);
        if (stage >= 9)
            drawScarf(p);
        if (stage >= 10)
            drawHat(p);

        // Thin neutral frame.
        p.setRenderHint(QPainter::Antialiasing, false);
        p.setPen(QPen(QColor(0x9a, 0x9a, 0x9a), 1));
        p.setBrush(Qt::NoBrush);
        p.drawRect(0, 0, kPictureWidth - 1, kPictureHeight - 1);
    }
    return image.convertToFormat(QImage::Format_RGB888);
}

// The icon is laid out on a 256 x 256 grid (the same coordinates as
// velmora.svg) and scaled to the requested size.
QImage drawIcon(int size)
{
    QImage image = canvas(size, size, Qt::transparent);
    {
        QPainter p(&image);
        p.setRenderHint(QPainter::Antialiasing, true);
        p.scale(size / 256.0, size / 256.0);
        p.setPen(Qt::NoPen);

        QLinearGradient tile(0, 8, 0, 248);
        tile.setColorAt(0.0, QColor(0x3d, 0x8b, 0xd6));
        tile.setColorAt(1.0, QColor(0x1e, 0x4f, 0x93));
        p.setBrush(tile);
        p.drawRoundedRect(QRectF(8, 8, 240, 240), 48, 48);

        const QColor ink(0xff, 0xff, 0xff);
        p.setBrush(ink);
        QPolygonF v;
        v << QPointF(40, 32) << QPointF(94, 32) << QPointF(128, 124) << QPointF(162, 32)
          << QPointF(216, 32) << QPointF(156, 176) << QPointF(100, 176);
        p.drawPolygon(v);

        for (const double x : {34.0, 102.0, 170.0})
            p.drawRoundedRect(QRectF(x, 198, 52, 24), 8, 8);
    }
    return image;
}

bool save(const QImage &image, const QString &path, const char *format)
{
    if (!image.save(path, format)) {
        QTextStream(stderr) << "velmora_make_images: cannot write " << path << '\n';
        return false;
    }
    return true;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);

    const QStringList args = app.arguments();
    if (args.size() != 2) {
        QTextStream(stderr) << "usage: velmora_make_images <output-root>\n";
        return 2;
    }

    const QDir root(args.at(1));
    const QString imagesDir = root.filePath(QStringLiteral("Images"));
    const QString iconsDir = root.filePath(QStringLiteral("data/icons"));
    if (!QDir().mkpath(imagesDir) || !QDir().mkpath(iconsDir)) {
        QTextStream(stderr) << "velmora_make_images: cannot create output folders under "
                            << root.path() << '\n';
        return 1;
    }

    for (int stage = 0; stage <= kLastStage; ++stage) {
        const QString path = QDir(imagesDir).filePath(QString::number(stage) + QStringLiteral(".bmp"));
        if (!save(drawStage(stage), path, "BMP"))
            return 1;
    }

    for (const int size : {16, 32, 48, 64, 128, 256}) {
        const QString path =
            QDir(iconsDir).filePath(QStringLiteral("velmora-%1.png").arg(size));
        if (!save(drawIcon(size), path, "PNG"))
            return 1;
    }

    return 0;
}
