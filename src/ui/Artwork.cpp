#include "ui/Artwork.h"

#include <QColor>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPen>
#include <QPolygon>
#include <QPolygonF>
#include <QRadialGradient>
#include <QTransform>

#include <algorithm>
#include <array>
#include <cstdint>

namespace halvex::ui {

namespace {

constexpr int menuSize = 16;
const QColor toolWindowColour(204, 204, 153);

// Painting goes through QImage so the result does not depend on the platform's
// pixmap backend; only the finished picture becomes a QPixmap.
QImage clearImage(int width, int height)
{
    QImage image(width, height, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    return image;
}

void smooth(QPainter& painter)
{
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setRenderHint(QPainter::SmoothPixmapTransform, true);
}

QPen outline(const QColor& colour, qreal width = 1.0)
{
    return QPen(colour, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

QLinearGradient vertical(qreal top, qreal bottom, const QColor& from, const QColor& to)
{
    QLinearGradient gradient(0.0, top, 0.0, bottom);
    gradient.setColorAt(0.0, from);
    gradient.setColorAt(1.0, to);
    return gradient;
}

// A question mark in a 16 x 16 box, stroked rather than set in a font so it looks
// the same whatever fonts the desktop has.
QPainterPath questionHook()
{
    QPainterPath hook;
    hook.moveTo(5.3, 6.1);
    hook.cubicTo(5.3, 2.9, 10.7, 2.9, 10.7, 5.9);
    hook.cubicTo(10.7, 7.7, 8.0, 7.7, 8.0, 9.9);
    return hook;
}

constexpr qreal questionDotX = 8.0;
constexpr qreal questionDotY = 12.5;

void drawQuestionMark(QPainter& painter, const QColor& colour, qreal stroke, qreal dotRadius)
{
    painter.setPen(QPen(colour, stroke, Qt::SolidLine, Qt::FlatCap, Qt::RoundJoin));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(questionHook());
    painter.setPen(Qt::NoPen);
    painter.setBrush(colour);
    painter.drawEllipse(QPointF(questionDotX, questionDotY), dotRadius, dotRadius);
}

// ---- menu pictures, each in a 16 x 16 box ---------------------------------------

QPainterPath gdiShield()
{
    QPainterPath shield;
    shield.moveTo(8.0, 0.8);
    shield.cubicTo(9.8, 2.0, 12.2, 2.5, 14.5, 2.5);
    shield.lineTo(14.5, 7.2);
    shield.cubicTo(14.5, 11.0, 11.6, 13.6, 8.0, 15.3);
    shield.cubicTo(4.4, 13.6, 1.5, 11.0, 1.5, 7.2);
    shield.lineTo(1.5, 2.5);
    shield.cubicTo(3.8, 2.5, 6.2, 2.0, 8.0, 0.8);
    shield.closeSubpath();
    return shield;
}

void drawGdi(QPainter& painter)
{
    QLinearGradient gold(0.0, 1.0, 0.0, 15.0);
    gold.setColorAt(0.0, QColor(255, 236, 130));
    gold.setColorAt(0.5, QColor(240, 190, 40));
    gold.setColorAt(1.0, QColor(190, 130, 10));
    painter.setPen(outline(QColor(92, 58, 4)));
    painter.setBrush(gold);
    painter.drawPath(gdiShield());

    // The G: an arc opened at the upper right, closed by a bar pointing inwards.
    const QRectF ring(4.7, 4.3, 6.6, 6.6);
    QPainterPath letter;
    letter.arcMoveTo(ring, 50.0);
    letter.arcTo(ring, 50.0, 310.0);
    letter.lineTo(ring.center().x() + 0.3, ring.center().y());
    painter.setPen(QPen(QColor(70, 40, 0), 1.7, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(letter);
}

void drawNod(QPainter& painter)
{
    QPainterPath triangle;
    triangle.moveTo(8.0, 0.8);
    triangle.lineTo(15.3, 14.6);
    triangle.lineTo(0.7, 14.6);
    triangle.closeSubpath();
    QLinearGradient red(0.0, 1.0, 0.0, 15.0);
    red.setColorAt(0.0, QColor(255, 70, 50));
    red.setColorAt(1.0, QColor(150, 0, 0));
    painter.setPen(outline(QColor(50, 0, 0)));
    painter.setBrush(red);
    painter.drawPath(triangle);

    // The scorpion's tail, kept clear of the edges so the triangle stays crisp: it
    // rises from the base, curls over, and ends in a stinger pointing back down.
    const QColor black(30, 0, 0);
    QPainterPath tail;
    tail.moveTo(6.6, 13.6);
    tail.cubicTo(5.4, 11.0, 5.6, 7.0, 8.4, 6.4);
    tail.cubicTo(10.4, 6.0, 11.2, 7.8, 10.4, 9.2);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(black, 1.6, Qt::SolidLine, Qt::FlatCap, Qt::RoundJoin));
    painter.drawPath(tail);
    QPolygonF sting;
    sting << QPointF(9.2, 8.8) << QPointF(11.8, 8.8) << QPointF(9.6, 11.8);
    painter.setPen(Qt::NoPen);
    painter.setBrush(black);
    painter.drawPolygon(sting);
}

void drawBothSides(QPainter& painter)
{
    painter.save();
    painter.setClipRect(QRectF(0.0, 0.0, 8.0, 16.0));
    drawGdi(painter);
    painter.restore();
    painter.save();
    painter.setClipRect(QRectF(8.0, 0.0, 8.0, 16.0));
    drawNod(painter);
    painter.restore();
}

void drawUnit(QPainter& painter)
{
    const QColor dark(28, 34, 20);

    // Tracks, with road wheels.
    painter.setPen(outline(dark));
    painter.setBrush(vertical(9.5, 14.5, QColor(95, 95, 90), QColor(45, 45, 42)));
    painter.drawRoundedRect(QRectF(0.5, 9.5, 15.0, 5.0), 2.5, 2.5);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(170, 170, 160));
    for (int wheel = 0; wheel < 4; ++wheel) {
        painter.drawEllipse(QPointF(3.0 + 3.3 * static_cast<qreal>(wheel), 12.0), 1.0, 1.0);
    }

    // Hull and turret.
    painter.setPen(outline(dark));
    painter.setBrush(vertical(6.5, 9.5, QColor(150, 160, 80), QColor(90, 100, 40)));
    QPolygonF hull;
    hull << QPointF(1.5, 9.5) << QPointF(3.5, 6.5) << QPointF(12.5, 6.5) << QPointF(14.5, 9.5);
    painter.drawPolygon(hull);
    painter.setPen(QPen(dark, 1.6, Qt::SolidLine, Qt::FlatCap));
    painter.drawLine(QPointF(9.0, 4.8), QPointF(15.6, 3.2));
    painter.setPen(outline(dark));
    painter.setBrush(vertical(3.0, 7.0, QColor(175, 185, 100), QColor(105, 115, 50)));
    painter.drawRoundedRect(QRectF(4.5, 3.0, 6.0, 4.0), 1.5, 1.5);
}

void drawStructure(QPainter& painter)
{
    const QColor dark(30, 34, 44);

    // A side tower, then the main hall with a pitched roof.
    painter.setPen(outline(dark));
    painter.setBrush(vertical(2.0, 15.0, QColor(150, 160, 175), QColor(90, 98, 112)));
    painter.drawRect(QRectF(10.5, 2.5, 4.0, 12.5));
    QPainterPath hall;
    hall.moveTo(1.5, 15.0);
    hall.lineTo(1.5, 7.5);
    hall.lineTo(6.0, 4.5);
    hall.lineTo(10.5, 7.5);
    hall.lineTo(10.5, 15.0);
    hall.closeSubpath();
    painter.setBrush(vertical(4.5, 15.0, QColor(185, 192, 205), QColor(115, 122, 138)));
    painter.drawPath(hall);

    // Lit windows and a door, on whole pixels so they stay sharp.
    const QColor lit(255, 220, 90);
    painter.setPen(Qt::NoPen);
    painter.fillRect(QRect(3, 8, 2, 2), lit);
    painter.fillRect(QRect(7, 8, 2, 2), lit);
    painter.fillRect(QRect(12, 4, 1, 2), lit);
    painter.fillRect(QRect(12, 8, 1, 2), lit);
    painter.fillRect(QRect(5, 11, 2, 4), dark);
    painter.setPen(QPen(QColor(20, 22, 30), 1.0));
    painter.drawLine(QPointF(0.0, 15.5), QPointF(16.0, 15.5));
}

void drawIonStorm(QPainter& painter)
{
    QPainterPath cloud;
    cloud.addEllipse(QRectF(0.8, 3.6, 6.2, 5.2));
    cloud.addEllipse(QRectF(4.0, 0.8, 7.6, 6.8));
    cloud.addEllipse(QRectF(8.8, 3.2, 6.4, 5.6));
    cloud.addRoundedRect(QRectF(2.0, 5.0, 12.0, 3.8), 1.8, 1.8);
    cloud = cloud.simplified();
    QLinearGradient violet(0.0, 1.0, 0.0, 9.0);
    violet.setColorAt(0.0, QColor(190, 175, 255));
    violet.setColorAt(1.0, QColor(80, 60, 190));
    painter.setPen(outline(QColor(35, 22, 100)));
    painter.setBrush(violet);
    painter.drawPath(cloud);

    QPolygonF bolt;
    bolt << QPointF(8.8, 6.5) << QPointF(5.2, 11.0) << QPointF(7.6, 11.0) << QPointF(5.6, 15.6)
         << QPointF(11.2, 9.6) << QPointF(8.6, 9.6) << QPointF(10.8, 6.5);
    painter.setPen(outline(QColor(120, 70, 0)));
    painter.setBrush(vertical(6.5, 15.5, QColor(255, 255, 200), QColor(255, 205, 30)));
    painter.drawPolygon(bolt);
}

void drawWrench(QPainter& painter)
{
    // Laid out lying down with the jaw to the right, then turned to point up-right.
    QPainterPath head;
    head.addEllipse(QPointF(11.6, 8.0), 4.0, 4.0);
    QPainterPath handle;
    handle.addRoundedRect(QRectF(0.4, 6.7, 11.0, 2.6), 1.3, 1.3);
    QPainterPath jaw;
    jaw.addRect(QRectF(11.2, 6.5, 6.0, 3.0));
    const QPainterPath wrench = head.united(handle).subtracted(jaw);

    QTransform turn;
    turn.translate(8.0, 8.0);
    turn.rotate(-45.0);
    turn.translate(-8.0, -8.0);
    const QPainterPath placed = turn.map(wrench);

    QLinearGradient steel(2.0, 2.0, 14.0, 14.0);
    steel.setColorAt(0.0, QColor(245, 247, 252));
    steel.setColorAt(0.5, QColor(190, 196, 210));
    steel.setColorAt(1.0, QColor(130, 136, 150));
    painter.setPen(outline(QColor(40, 44, 55)));
    painter.setBrush(steel);
    painter.drawPath(placed);
}

void drawSourcePage(QPainter& painter)
{
    QPainterPath page;
    page.moveTo(2.5, 0.5);
    page.lineTo(10.0, 0.5);
    page.lineTo(13.5, 4.0);
    page.lineTo(13.5, 15.5);
    page.lineTo(2.5, 15.5);
    page.closeSubpath();
    painter.setPen(outline(QColor(80, 84, 96)));
    painter.setBrush(vertical(0.5, 15.5, QColor(255, 255, 255), QColor(220, 224, 232)));
    painter.drawPath(page);
    QPolygonF fold;
    fold << QPointF(10.0, 0.5) << QPointF(10.0, 4.0) << QPointF(13.5, 4.0);
    painter.setBrush(QColor(190, 195, 208));
    painter.drawPolygon(fold);

    // A section header in brackets, then key=value lines, as in the rules file itself.
    const QColor section(30, 80, 210);
    const QColor key(60, 60, 70);
    const QColor value(190, 60, 20);
    painter.fillRect(QRect(4, 3, 1, 3), section);
    painter.fillRect(QRect(5, 3, 1, 1), section);
    painter.fillRect(QRect(5, 5, 1, 1), section);
    painter.fillRect(QRect(6, 4, 3, 1), section.lighter(140));
    painter.fillRect(QRect(10, 3, 1, 3), section);
    painter.fillRect(QRect(9, 3, 1, 1), section);
    painter.fillRect(QRect(9, 5, 1, 1), section);
    const std::array<std::array<int, 3>, 4> lines = {{{8, 4, 4}, {10, 3, 3}, {12, 4, 2}, {14, 3, 4}}};
    for (const auto& line : lines) {
        painter.fillRect(QRect(4, line[0], line[1], 1), key);
        painter.fillRect(QRect(5 + line[1], line[0], line[2], 1), value);
    }
}

void drawRunCrystal(QPainter& painter)
{
    const QPointF tip(3.0, 1.0);
    const QPointF point(15.0, 8.0);
    const QPointF foot(3.0, 15.0);
    const QPointF core(6.6, 8.0);

    QPolygonF upper;
    upper << tip << point << core;
    QPolygonF lower;
    lower << core << point << foot;
    QPolygonF left;
    left << tip << core << foot;

    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(150, 255, 120));
    painter.drawPolygon(upper);
    painter.setBrush(QColor(25, 140, 35));
    painter.drawPolygon(lower);
    painter.setBrush(QColor(70, 205, 70));
    painter.drawPolygon(left);

    QPolygonF whole;
    whole << tip << point << foot;
    painter.setPen(outline(QColor(8, 70, 16)));
    painter.setBrush(Qt::NoBrush);
    painter.drawPolygon(whole);
    painter.setPen(QPen(QColor(220, 255, 210, 200), 0.8, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(tip + QPointF(0.9, 1.6), core + QPointF(0.4, -0.6));
}

void drawCrosshair(QPainter& painter)
{
    const QPointF centre(8.0, 8.0);
    const QColor red(210, 20, 20);
    const QColor shade(60, 0, 0, 150);

    // A soft dark halo first, so the red reads on light and dark menus alike.
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(shade, 3.0));
    painter.drawEllipse(centre, 5.2, 5.2);
    painter.setPen(QPen(red, 1.6));
    painter.drawEllipse(centre, 5.2, 5.2);

    // Ticks two pixels wide on whole pixels stay sharp at this size.
    painter.fillRect(QRect(7, 0, 2, 5), red);
    painter.fillRect(QRect(7, 11, 2, 5), red);
    painter.fillRect(QRect(0, 7, 5, 2), red);
    painter.fillRect(QRect(11, 7, 5, 2), red);
    painter.fillRect(QRect(7, 7, 2, 2), QColor(120, 0, 0));
}

void drawBarChart(QPainter& painter)
{
    struct Bar {
        int left;
        int top;
        QColor light;
        QColor dark;
    };
    const std::array<Bar, 3> bars = {{
        {3, 9, QColor(110, 160, 255), QColor(30, 70, 190)},
        {7, 5, QColor(120, 230, 110), QColor(20, 130, 30)},
        {11, 1, QColor(255, 190, 90), QColor(200, 90, 10)},
    }};
    for (const Bar& bar : bars) {
        const QRectF body(bar.left + 0.5, bar.top + 0.5, 3.0, 14.0 - bar.top);
        QLinearGradient shine(body.left(), 0.0, body.right(), 0.0);
        shine.setColorAt(0.0, bar.light);
        shine.setColorAt(1.0, bar.dark);
        painter.setPen(outline(bar.dark.darker(170)));
        painter.setBrush(shine);
        painter.drawRect(body);
    }
    const QColor axis(40, 40, 48);
    painter.fillRect(QRect(1, 0, 1, 16), axis);
    painter.fillRect(QRect(1, 15, 15, 1), axis);
}

void drawHelp(QPainter& painter)
{
    QRadialGradient blue(QPointF(6.0, 5.0), 10.0);
    blue.setColorAt(0.0, QColor(120, 180, 255));
    blue.setColorAt(0.6, QColor(40, 100, 220));
    blue.setColorAt(1.0, QColor(15, 50, 150));
    painter.setPen(outline(QColor(10, 35, 110)));
    painter.setBrush(blue);
    painter.drawEllipse(QPointF(8.0, 8.0), 7.3, 7.3);
    drawQuestionMark(painter, Qt::white, 1.9, 1.15);
}

// ---- window icon, in a 64 x 64 box scaled to the size asked for -----------------

QPolygonF hexagon(QPointF centre, qreal radius, qreal turnDegrees)
{
    QPolygonF shape;
    QTransform turn;
    turn.rotate(turnDegrees);
    for (int corner = 0; corner < 6; ++corner) {
        QTransform step;
        step.rotate(60.0 * static_cast<qreal>(corner));
        shape << centre + (turn * step).map(QPointF(radius, 0.0));
    }
    return shape;
}

struct CrystalColours {
    QColor light;
    QColor dark;
    QColor edge;
};

// A long crystal standing on its foot, leaning by the given angle: two facets, the
// lit one on the left.
void drawCrystal(QPainter& painter, QPointF foot, qreal height, qreal width, qreal leanDegrees,
                 const CrystalColours& colours, qreal edgeWidth)
{
    painter.save();
    painter.translate(foot);
    painter.rotate(leanDegrees);
    const QPointF top(0.0, -height);
    const QPointF left(-width / 2.0, -height * 0.38);
    const QPointF right(width / 2.0, -height * 0.38);
    const QPointF base(0.0, 0.0);
    const QPointF ridgeBase(width * 0.08, 0.0);

    QPolygonF lit;
    lit << top << left << base << ridgeBase;
    QPolygonF shaded;
    shaded << top << ridgeBase << base << right;
    painter.setPen(Qt::NoPen);
    QLinearGradient litFill(0.0, -height, 0.0, 0.0);
    litFill.setColorAt(0.0, colours.light.lighter(130));
    litFill.setColorAt(1.0, colours.light);
    painter.setBrush(litFill);
    painter.drawPolygon(lit);
    QLinearGradient shadedFill(0.0, -height, 0.0, 0.0);
    shadedFill.setColorAt(0.0, colours.dark.lighter(140));
    shadedFill.setColorAt(1.0, colours.dark);
    painter.setBrush(shadedFill);
    painter.drawPolygon(shaded);

    QPolygonF whole;
    whole << top << right << base << left;
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(colours.edge, edgeWidth, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.drawPolygon(whole);
    painter.restore();
}

QImage iconImage(int size)
{
    QImage image = clearImage(size, size);
    QPainter painter(&image);
    smooth(painter);
    const qreal scale = static_cast<qreal>(size) / 64.0;
    painter.scale(scale, scale);
    // Lines are given in device pixels, so small icons keep a visible edge.
    const qreal pixel = 1.0 / scale;
    // At the smallest size fine detail turns to mud: bigger, bolder crystals and a
    // quiet rim instead.
    const bool tiny = size < 32;

    const QPolygonF hex = hexagon(QPointF(32.0, 32.0), tiny ? 31.5 : 30.5, 30.0);
    QRadialGradient ground(QPointF(32.0, 40.0), 34.0);
    ground.setColorAt(0.0, QColor(40, 70, 55));
    ground.setColorAt(0.55, QColor(22, 32, 34));
    ground.setColorAt(1.0, QColor(10, 14, 18));
    const QColor rim = tiny ? QColor(40, 110, 60) : QColor(110, 220, 120);
    painter.setPen(QPen(rim, (tiny ? 1.0 : std::max(1.0, scale * 1.6)) * pixel));
    painter.setBrush(ground);
    painter.drawPolygon(hex);

    painter.save();
    QPainterPath inside;
    inside.addPolygon(hex);
    painter.setClipPath(inside);
    QRadialGradient glow(QPointF(32.0, 50.0), 22.0);
    glow.setColorAt(0.0, QColor(120, 255, 120, tiny ? 90 : 150));
    glow.setColorAt(1.0, QColor(120, 255, 120, 0));
    painter.fillRect(QRectF(0.0, 0.0, 64.0, 64.0), glow);
    painter.restore();

    if (tiny) {
        const CrystalColours green{QColor(130, 255, 100), QColor(20, 150, 45), QColor(10, 80, 25)};
        drawCrystal(painter, QPointF(19.0, 56.0), 30.0, 15.0, -30.0, green, pixel * 0.6);
        drawCrystal(painter, QPointF(45.0, 56.0), 30.0, 15.0, 30.0, green, pixel * 0.6);
        drawCrystal(painter, QPointF(32.0, 59.0), 54.0, 24.0, 0.0, green, pixel * 0.6);
    } else {
        const CrystalColours green{QColor(110, 240, 90), QColor(20, 130, 40), QColor(5, 50, 15)};
        const qreal edge = std::max(0.8, scale * 0.9) * pixel;
        drawCrystal(painter, QPointF(22.0, 53.0), 26.0, 11.0, -28.0, green, edge);
        drawCrystal(painter, QPointF(43.0, 53.0), 24.0, 11.0, 30.0, green, edge);
        drawCrystal(painter, QPointF(32.0, 55.0), 46.0, 16.0, 0.0, green, edge);
    }
    return image;
}

// ---- background, in a 640 x 480 box ------------------------------------------------

constexpr qreal sceneWidth = 640.0;
constexpr qreal sceneHeight = 480.0;

// The navigation list sits here; everything busy stays out of it.
const QRectF calmArea(432.0, 179.0, 186.0, 109.0);

// A small fixed-seed generator, so the scene is the same on every run and platform.
class Dice {
public:
    explicit Dice(std::uint32_t seed) : state_(seed) {}
    qreal next()
    {
        state_ = state_ * 1664525U + 1013904223U;
        return static_cast<qreal>(state_ >> 8) / static_cast<qreal>(1U << 24);
    }
    qreal between(qreal low, qreal high) { return low + (high - low) * next(); }

private:
    std::uint32_t state_;
};

void paintSky(QPainter& painter)
{
    QLinearGradient sky(0.0, 0.0, 0.0, sceneHeight);
    sky.setColorAt(0.0, QColor(16, 20, 30));
    sky.setColorAt(0.35, QColor(14, 19, 26));
    sky.setColorAt(0.7, QColor(11, 24, 21));
    sky.setColorAt(0.9, QColor(12, 40, 25));
    sky.setColorAt(1.0, QColor(18, 62, 32));
    painter.fillRect(QRectF(0.0, 0.0, sceneWidth, sceneHeight), sky);

    // A faint ion-storm sheen high up, violet on the left, cold blue on the right.
    QRadialGradient storm(QPointF(120.0, -40.0), 260.0);
    storm.setColorAt(0.0, QColor(90, 70, 160, 60));
    storm.setColorAt(1.0, QColor(90, 70, 160, 0));
    painter.fillRect(QRectF(0.0, 0.0, sceneWidth, sceneHeight), storm);
    QRadialGradient cold(QPointF(560.0, -20.0), 200.0);
    cold.setColorAt(0.0, QColor(60, 100, 150, 45));
    cold.setColorAt(1.0, QColor(60, 100, 150, 0));
    painter.fillRect(QRectF(0.0, 0.0, sceneWidth, sceneHeight), cold);

    // The tiberium fields glowing below the horizon.
    QRadialGradient field(QPointF(320.0, 520.0), 360.0);
    field.setColorAt(0.0, QColor(60, 200, 80, 70));
    field.setColorAt(1.0, QColor(60, 200, 80, 0));
    painter.fillRect(QRectF(0.0, 0.0, sceneWidth, sceneHeight), field);
}

QPainterPath hexGrid(qreal radius)
{
    // Flat-topped hexagons; only each cell's three upper edges are drawn, which
    // together tile the plane without drawing any edge twice.
    QPainterPath grid;
    const qreal rowStep = radius * 1.7320508075688772;
    const qreal columnStep = radius * 1.5;
    const int columns = static_cast<int>(sceneWidth / columnStep) + 2;
    const int rows = static_cast<int>(sceneHeight / rowStep) + 2;
    for (int column = -1; column <= columns; ++column) {
        const qreal x = static_cast<qreal>(column) * columnStep;
        const qreal shift = (column % 2 == 0) ? 0.0 : rowStep / 2.0;
        for (int row = -1; row <= rows; ++row) {
            const qreal y = static_cast<qreal>(row) * rowStep + shift;
            grid.moveTo(x - radius, y);
            grid.lineTo(x - radius / 2.0, y - rowStep / 2.0);
            grid.lineTo(x + radius / 2.0, y - rowStep / 2.0);
            grid.lineTo(x + radius, y);
        }
    }
    return grid;
}

void paintGrid(QPainter& painter, QSize size)
{
    QImage layer = clearImage(size.width(), size.height());
    {
        QPainter grid(&layer);
        smooth(grid);
        grid.setTransform(painter.transform());
        grid.setPen(QPen(QColor(120, 190, 150, 40), 1.0));
        grid.setBrush(Qt::NoBrush);
        grid.drawPath(hexGrid(24.0));

        // Stronger near the ground, nearly gone in the sky.
        grid.setCompositionMode(QPainter::CompositionMode_DestinationIn);
        QLinearGradient fade(0.0, 0.0, 0.0, sceneHeight);
        fade.setColorAt(0.0, QColor(0, 0, 0, 70));
        fade.setColorAt(0.5, QColor(0, 0, 0, 130));
        fade.setColorAt(1.0, QColor(0, 0, 0, 255));
        grid.fillRect(QRectF(0.0, 0.0, sceneWidth, sceneHeight), fade);

        // And gone behind the navigation list.
        grid.setCompositionMode(QPainter::CompositionMode_DestinationOut);
        const QPointF middle = calmArea.center();
        QRadialGradient hush(middle, 1.0);
        hush.setColorAt(0.0, QColor(0, 0, 0, 255));
        hush.setColorAt(0.75, QColor(0, 0, 0, 235));
        hush.setColorAt(1.0, QColor(0, 0, 0, 0));
        grid.save();
        grid.translate(middle);
        grid.scale(calmArea.width() * 0.75, calmArea.height() * 0.95);
        grid.translate(-middle);
        grid.setPen(Qt::NoPen);
        grid.setBrush(hush);
        grid.drawEllipse(middle, 1.0, 1.0);
        grid.restore();
    }
    painter.save();
    painter.resetTransform();
    painter.drawImage(0, 0, layer);
    painter.restore();
}

void paintPlating(QPainter& painter)
{
    // A riveted armour band along the top, above the edit panes.
    const qreal bandBottom = 54.0;
    painter.fillRect(QRectF(0.0, 0.0, sceneWidth, bandBottom),
                     vertical(0.0, bandBottom, QColor(40, 46, 56, 110), QColor(24, 28, 36, 60)));
    painter.setPen(QPen(QColor(0, 0, 0, 150), 1.0));
    painter.drawLine(QPointF(0.0, bandBottom + 0.5), QPointF(sceneWidth, bandBottom + 0.5));
    painter.setPen(QPen(QColor(150, 170, 190, 40), 1.0));
    painter.drawLine(QPointF(0.0, bandBottom + 1.5), QPointF(sceneWidth, bandBottom + 1.5));
    painter.drawLine(QPointF(0.0, 0.5), QPointF(sceneWidth, 0.5));

    const std::array<qreal, 4> seams = {112.0, 272.0, 416.0, 544.0};
    for (const qreal x : seams) {
        painter.setPen(QPen(QColor(0, 0, 0, 130), 1.0));
        painter.drawLine(QPointF(x + 0.5, 1.0), QPointF(x + 0.5, bandBottom));
        painter.setPen(QPen(QColor(150, 170, 190, 30), 1.0));
        painter.drawLine(QPointF(x + 1.5, 1.0), QPointF(x + 1.5, bandBottom));
        for (const qreal y : {9.0, bandBottom - 8.0}) {
            for (const qreal side : {-7.0, 9.0}) {
                painter.setPen(Qt::NoPen);
                painter.setBrush(QColor(0, 0, 0, 120));
                painter.drawEllipse(QPointF(x + side + 0.6, y + 0.6), 1.7, 1.7);
                painter.setBrush(QColor(140, 155, 170, 70));
                painter.drawEllipse(QPointF(x + side, y), 1.5, 1.5);
            }
        }
    }

    // Thin warning stripes at the band's ends, the usual hazard marking.
    painter.save();
    painter.setClipRect(QRectF(0.0, bandBottom - 10.0, 96.0, 6.0));
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(200, 170, 40, 45));
    for (int stripe = 0; stripe < 14; ++stripe) {
        const qreal x = static_cast<qreal>(stripe) * 10.0 - 8.0;
        QPolygonF slant;
        slant << QPointF(x, bandBottom - 4.0) << QPointF(x + 6.0, bandBottom - 10.0)
              << QPointF(x + 11.0, bandBottom - 10.0) << QPointF(x + 5.0, bandBottom - 4.0);
        painter.drawPolygon(slant);
    }
    painter.restore();
}

void paintMoon(QPainter& painter)
{
    // A dim moon over the right-hand side, lit from below by the fields: only a thin
    // crescent catches the light, so it stays quiet above the navigation list.
    const QPointF centre(548.0, 112.0);
    const qreal radius = 38.0;
    QRadialGradient halo(centre, radius * 2.2);
    halo.setColorAt(0.0, QColor(90, 140, 150, 40));
    halo.setColorAt(0.45, QColor(70, 110, 130, 18));
    halo.setColorAt(1.0, QColor(70, 110, 130, 0));
    painter.fillRect(QRectF(centre.x() - radius * 2.2, centre.y() - radius * 2.2, radius * 4.4,
                            radius * 4.4),
                     halo);

    QRadialGradient body(centre + QPointF(-radius * 0.3, -radius * 0.4), radius * 1.4);
    body.setColorAt(0.0, QColor(34, 40, 50));
    body.setColorAt(1.0, QColor(18, 22, 30));
    painter.setPen(Qt::NoPen);
    painter.setBrush(body);
    painter.drawEllipse(centre, radius, radius);

    QPainterPath disc;
    disc.addEllipse(centre, radius, radius);
    QPainterPath shadow;
    shadow.addEllipse(centre + QPointF(-radius * 0.18, -radius * 0.22), radius * 1.02, radius * 1.02);
    const QPainterPath crescent = disc.subtracted(shadow);
    QLinearGradient rim(centre.x(), centre.y() - radius, centre.x() + radius * 0.4,
                        centre.y() + radius);
    rim.setColorAt(0.0, QColor(120, 200, 170, 0));
    rim.setColorAt(1.0, QColor(140, 230, 180, 110));
    painter.setBrush(rim);
    painter.drawPath(crescent);

    // A few faint craters.
    painter.setBrush(QColor(8, 10, 14, 60));
    painter.drawEllipse(centre + QPointF(-12.0, -8.0), 7.0, 5.5);
    painter.drawEllipse(centre + QPointF(10.0, 9.0), 5.0, 4.0);
    painter.drawEllipse(centre + QPointF(-4.0, 18.0), 3.5, 2.8);
}

void paintHorizon(QPainter& painter)
{
    // A far ridge with the broken shapes of a war-torn base on the right, where the
    // window leaves it uncovered; then the near ground.
    QPainterPath ridge;
    ridge.moveTo(0.0, sceneHeight);
    ridge.lineTo(0.0, 420.0);
    ridge.cubicTo(120.0, 410.0, 260.0, 426.0, 404.0, 410.0);
    ridge.lineTo(440.0, 406.0);
    // A ruined watchtower.
    ridge.lineTo(440.0, 372.0);
    ridge.lineTo(436.0, 372.0);
    ridge.lineTo(436.0, 366.0);
    ridge.lineTo(452.0, 366.0);
    ridge.lineTo(455.0, 358.0);
    ridge.lineTo(457.0, 368.0);
    ridge.lineTo(452.0, 372.0);
    ridge.lineTo(450.0, 405.0);
    ridge.cubicTo(470.0, 402.0, 480.0, 402.0, 492.0, 402.0);
    // A cracked dome.
    ridge.cubicTo(494.0, 380.0, 530.0, 372.0, 540.0, 384.0);
    ridge.lineTo(534.0, 388.0);
    ridge.lineTo(544.0, 391.0);
    ridge.cubicTo(548.0, 396.0, 549.0, 399.0, 550.0, 402.0);
    // A leaning pylon.
    ridge.lineTo(574.0, 400.0);
    ridge.lineTo(582.0, 352.0);
    ridge.lineTo(586.0, 352.0);
    ridge.lineTo(584.0, 399.0);
    ridge.cubicTo(600.0, 396.0, 620.0, 398.0, sceneWidth, 394.0);
    ridge.lineTo(sceneWidth, sceneHeight);
    ridge.closeSubpath();
    painter.setPen(QPen(QColor(90, 200, 110, 45), 1.2));
    painter.setBrush(vertical(350.0, sceneHeight, QColor(12, 22, 20), QColor(7, 18, 12)));
    painter.drawPath(ridge);

    // A lamp still burning on the tower.
    QRadialGradient lamp(QPointF(446.0, 369.0), 9.0);
    lamp.setColorAt(0.0, QColor(255, 120, 60, 170));
    lamp.setColorAt(1.0, QColor(255, 120, 60, 0));
    painter.fillRect(QRectF(437.0, 360.0, 18.0, 18.0), lamp);

    QPainterPath ground;
    ground.moveTo(0.0, sceneHeight);
    ground.lineTo(0.0, 446.0);
    ground.cubicTo(140.0, 438.0, 260.0, 452.0, 380.0, 444.0);
    ground.cubicTo(480.0, 438.0, 560.0, 442.0, sceneWidth, 430.0);
    ground.lineTo(sceneWidth, sceneHeight);
    ground.closeSubpath();
    painter.setPen(QPen(QColor(110, 230, 120, 55), 1.0));
    painter.setBrush(vertical(430.0, sceneHeight, QColor(8, 24, 14), QColor(4, 12, 8)));
    painter.drawPath(ground);
}

// A soft glow in an ellipse, filled over a square so the gradient fades out on its own
// instead of being cut at the ellipse's edge.
void paintGlow(QPainter& painter, QPointF centre, qreal radius, qreal flatten, const QColor& colour)
{
    QRadialGradient glow(QPointF(0.0, 0.0), radius);
    glow.setColorAt(0.0, colour);
    QColor middle = colour;
    middle.setAlpha(colour.alpha() / 3);
    glow.setColorAt(0.4, middle);
    QColor none = colour;
    none.setAlpha(0);
    glow.setColorAt(1.0, none);
    painter.save();
    painter.translate(centre);
    painter.scale(1.0, flatten);
    painter.fillRect(QRectF(-radius, -radius, radius * 2.0, radius * 2.0), glow);
    painter.restore();
}

void paintCrystalCluster(QPainter& painter, QPointF foot, qreal size, Dice& dice)
{
    paintGlow(painter, foot, size * 2.4, 0.7, QColor(90, 255, 110, 110));

    const CrystalColours green{QColor(100, 230, 90), QColor(14, 105, 36), QColor(170, 255, 170, 190)};
    struct Shard {
        qreal offset;
        qreal height;
        qreal lean;
    };
    // Outer shards first, so the tall middle ones stand in front.
    const std::array<Shard, 6> shards = {{
        {-1.9, 0.45, -48.0}, {1.9, 0.5, 46.0}, {-1.1, 0.7, -26.0},
        {1.1, 0.72, 24.0}, {0.4, 0.55, 10.0}, {-0.2, 1.0, -5.0},
    }};
    for (const Shard& shard : shards) {
        const qreal height = size * shard.height * dice.between(0.9, 1.1);
        const QPointF at = foot + QPointF(shard.offset * size * 0.3, dice.between(-2.0, 2.0));
        drawCrystal(painter, at, height, height * dice.between(0.34, 0.42),
                    shard.lean + dice.between(-4.0, 4.0), green, 0.9);
    }
    paintGlow(painter, foot, size * 0.7, 0.5, QColor(180, 255, 170, 90));
}

void paintSpores(QPainter& painter, Dice& dice)
{
    // Drifting motes of tiberium dust, thicker near the ground.
    painter.setPen(Qt::NoPen);
    for (int mote = 0; mote < 90; ++mote) {
        const qreal x = dice.between(0.0, sceneWidth);
        const qreal depth = dice.next();
        const qreal y = sceneHeight - 20.0 - depth * depth * 260.0;
        const qreal radius = dice.between(0.6, 1.6);
        const int alpha = static_cast<int>(dice.between(25.0, 90.0) * (1.0 - depth * 0.6));
        if (calmArea.adjusted(-20.0, -20.0, 20.0, 20.0).contains(x, y)) {
            continue;
        }
        painter.setBrush(QColor(140, 255, 140, alpha));
        painter.drawEllipse(QPointF(x, y), radius, radius);
    }
}

void paintVignette(QPainter& painter)
{
    QRadialGradient vignette(QPointF(sceneWidth / 2.0, sceneHeight * 0.45), sceneWidth * 0.62);
    vignette.setColorAt(0.0, QColor(0, 0, 0, 0));
    vignette.setColorAt(0.7, QColor(0, 0, 0, 30));
    vignette.setColorAt(1.0, QColor(0, 0, 0, 150));
    painter.fillRect(QRectF(0.0, 0.0, sceneWidth, sceneHeight), vignette);
}

// ---- help cursor and tool-window buttons ---------------------------------------------

// A small mark drawn on a transparent 16 x 16 ground.
QPixmap paintedMark(void (*draw)(QPainter&))
{
    QImage image = clearImage(menuSize, menuSize);
    {
        QPainter painter(&image);
        smooth(painter);
        draw(painter);
    }
    return QPixmap::fromImage(image);
}

QImage buttonFace()
{
    QImage image(menuSize, menuSize, QImage::Format_ARGB32_Premultiplied);
    image.fill(toolWindowColour);
    QPainter painter(&image);
    smooth(painter);
    painter.setPen(QPen(toolWindowColour.darker(150), 1.0));
    painter.setBrush(toolWindowColour.lighter(108));
    painter.drawRoundedRect(QRectF(0.5, 0.5, 15.0, 15.0), 2.5, 2.5);
    return image;
}

} // namespace

QPixmap Artwork::menuPicture(int number)
{
    if (number < firstMenuPicture || number > lastMenuPicture) {
        return {};
    }
    QImage image = clearImage(menuSize, menuSize);
    {
        QPainter painter(&image);
        smooth(painter);
        switch (number) {
        case 1: drawGdi(painter); break;
        case 2: drawNod(painter); break;
        case 3: drawBothSides(painter); break;
        case 4: drawUnit(painter); break;
        case 5: drawStructure(painter); break;
        case 6: drawIonStorm(painter); break;
        case 7: drawWrench(painter); break;
        case 8: drawSourcePage(painter); break;
        case 9: drawRunCrystal(painter); break;
        case 10: drawCrosshair(painter); break;
        case 11: drawBarChart(painter); break;
        default: drawHelp(painter); break;
        }
    }
    return QPixmap::fromImage(image);
}

QIcon Artwork::windowIcon()
{
    QIcon icon;
    for (const int size : iconSizes) {
        icon.addPixmap(QPixmap::fromImage(iconImage(size)));
    }
    return icon;
}

QImage Artwork::applicationIcon(int size)
{
    return iconImage(size);
}

QPixmap Artwork::background(QSize size)
{
    if (size.isEmpty()) {
        return {};
    }
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::black);
    {
        QPainter painter(&image);
        smooth(painter);
        painter.scale(static_cast<qreal>(size.width()) / sceneWidth,
                      static_cast<qreal>(size.height()) / sceneHeight);
        Dice dice(0x7153u);
        paintSky(painter);
        paintMoon(painter);
        paintGrid(painter, size);
        paintPlating(painter);
        paintSpores(painter, dice);
        paintHorizon(painter);
        paintCrystalCluster(painter, QPointF(12.0, 474.0), 56.0, dice);
        paintCrystalCluster(painter, QPointF(598.0, 468.0), 72.0, dice);
        paintCrystalCluster(painter, QPointF(500.0, 478.0), 30.0, dice);
        paintVignette(painter);
    }
    return QPixmap::fromImage(image);
}

QCursor Artwork::helpCursor()
{
    constexpr int size = 32;
    QImage image = clearImage(size, size);
    {
        QPainter painter(&image);
        smooth(painter);

        // The arrow is drawn without smoothing, on whole pixels, like the desktop's
        // own pointers; its tip pixel is the hot spot.
        QPolygon arrow;
        arrow << QPoint(2, 2) << QPoint(2, 18) << QPoint(6, 14) << QPoint(9, 21)
              << QPoint(11, 20) << QPoint(8, 13) << QPoint(13, 13);
        painter.setRenderHint(QPainter::Antialiasing, false);
        painter.setPen(QPen(Qt::black, 0.0));
        painter.setBrush(Qt::white);
        painter.drawPolygon(arrow);
        painter.setRenderHint(QPainter::Antialiasing, true);

        painter.translate(14.0, 2.0);
        painter.scale(1.1, 1.1);
        drawQuestionMark(painter, Qt::black, 4.4, 2.3);
        drawQuestionMark(painter, Qt::white, 2.0, 1.2);
    }
    return QCursor(QPixmap::fromImage(image), 2, 2);
}

QPixmap Artwork::closeButton()
{
    QImage image = buttonFace();
    {
        QPainter painter(&image);
        smooth(painter);
        painter.setPen(QPen(QColor(60, 50, 20), 2.0, Qt::SolidLine, Qt::RoundCap));
        painter.drawLine(QPointF(5.0, 5.0), QPointF(11.0, 11.0));
        painter.drawLine(QPointF(11.0, 5.0), QPointF(5.0, 11.0));
    }
    return QPixmap::fromImage(image);
}

QPixmap Artwork::helpButton()
{
    QImage image = buttonFace();
    {
        QPainter painter(&image);
        smooth(painter);
        painter.translate(8.0, 8.0);
        painter.scale(0.85, 0.85);
        painter.translate(-8.0, -7.6);
        drawQuestionMark(painter, QColor(60, 50, 20), 2.0, 1.2);
    }
    return QPixmap::fromImage(image);
}

QPixmap Artwork::valueMark()
{
    return paintedMark([](QPainter& painter) {
        painter.setPen(outline(QColor(30, 60, 110)));
        painter.setBrush(vertical(3.0, 13.0, QColor(170, 200, 240), QColor(70, 120, 190)));
        painter.drawRoundedRect(QRectF(3.5, 3.5, 9.0, 9.0), 2.0, 2.0);
        painter.setPen(QPen(Qt::white, 1.4));
        painter.drawLine(QPointF(5.5, 8.0), QPointF(10.5, 8.0));
    });
}

QPixmap Artwork::actionMark()
{
    return paintedMark([](QPainter& painter) {
        painter.setPen(outline(QColor(110, 70, 10)));
        painter.setBrush(vertical(2.0, 14.0, QColor(255, 225, 120), QColor(220, 150, 30)));
        painter.drawPolygon(QPolygonF({QPointF(8.0, 1.5), QPointF(14.5, 8.0), QPointF(8.0, 14.5), QPointF(1.5, 8.0)}));
        painter.setBrush(QColor(110, 70, 10));
        painter.setPen(Qt::NoPen);
        painter.drawEllipse(QPointF(8.0, 8.0), 1.6, 1.6);
    });
}

QPixmap Artwork::roomMarker()
{
    return paintedMark([](QPainter& painter) {
        painter.setPen(outline(QColor(20, 90, 20)));
        painter.setBrush(vertical(2.0, 14.0, QColor(150, 240, 120), QColor(40, 160, 40)));
        painter.drawPolygon(QPolygonF({QPointF(3.5, 2.5), QPointF(13.5, 8.0), QPointF(3.5, 13.5)}));
    });
}

} // namespace halvex::ui
