// SPDX-FileCopyrightText: 2026 The Tavrel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/artwork/chakraart.h"

#include "tools/artwork/paintkit.h"

#include <QLinearGradient>
#include <QPainter>
#include <QRadialGradient>

#include <array>
#include <cmath>

namespace artwork {
namespace {

PetalColours shaded(const QColor &body, const QColor &edge)
{
    return {body.darker(150), body, body.lighter(135), edge};
}

// 0 Sahasrara: a thousand rainbow petals around a radiant centre, shown as
// three rings of ever finer petals.
void paintCrown(QPainter &p)
{
    paintBackdrop(p, QColor(150, 70, 230));

    struct Ring
    {
        int count;
        qreal rIn, rOut, hueShift;
    };
    const std::array<Ring, 3> rings{{
        {36, 40.0, 81.0, 0.0},
        {24, 30.0, 63.0, 0.5},
        {16, 22.0, 45.0, 0.25},
    }};
    for (const Ring &r : rings) {
        PetalRing ring;
        ring.count = r.count;
        ring.firstAngleDeg = -90.0 + r.hueShift * 360.0 / r.count;
        ring.rIn = r.rIn;
        ring.rOut = r.rOut;
        ring.halfWidth = petalHalfWidth(r.count, r.rIn, r.rOut, 1.25);
        ring.edgeWidth = 1.2;
        ring.sheen = 0.6;
        paintPetals(p, ring, [&](int i) {
            // Red at the top, round through the rainbow to violet.
            const qreal hue = std::fmod(qreal(i) / r.count + r.hueShift / r.count, 1.0) * 0.83;
            const QColor body = QColor::fromHsvF(float(hue), 0.78f, 1.0f);
            return PetalColours{QColor::fromHsvF(float(hue), 0.9f, 0.7f), body,
                                QColor::fromHsvF(float(hue), 0.45f, 1.0f), QColor::fromHsvF(float(hue), 0.9f, 0.45f)};
        });
    }

    paintHalo(p, kCentre, 34.0, QColor(255, 250, 220, 230));
    paintDisc(p, kCentre, 17.0, QColor(255, 255, 250), QColor(255, 214, 110), QColor(255, 240, 200), 2.0);
}

// 1 Ajna: an indigo circle with two luminous petals, left and right.
void paintThirdEye(QPainter &p)
{
    paintBackdrop(p, QColor(90, 60, 210));
    paintHalo(p, kCentre, 80.0, QColor(220, 210, 255, 120));

    PetalRing ring;
    ring.count = 2;
    ring.firstAngleDeg = 0.0;
    ring.rIn = 26.0;
    ring.rOut = 82.0;
    ring.halfWidth = 27.0;
    ring.edgeWidth = 3.0;
    ring.sheen = 0.9;
    paintPetals(p, ring, [](int) {
        return PetalColours{QColor(150, 130, 240), QColor(205, 195, 255), QColor(245, 242, 255), QColor(235, 230, 255)};
    });

    paintDisc(p, kCentre, 37.0, QColor(98, 70, 200), QColor(40, 18, 120), QColor(200, 190, 255), 3.5);

    // The downward triangle of the yantra, and the point of light in it.
    p.setPen(QPen(QColor(255, 236, 170), 3.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPolygon(triangle(kCentre + QPointF(0, 2), 26.0, true));
    paintHalo(p, kCentre, 16.0, QColor(255, 255, 255, 230));
    paintDisc(p, kCentre, 5.5, Qt::white, QColor(255, 240, 200), QColor(), 0.0);
}

// 2 Vishuddha: sixteen purple-grey petals round the white lunar circle.
void paintThroat(QPainter &p)
{
    paintBackdrop(p, QColor(40, 110, 255));

    PetalRing ring;
    ring.count = 16;
    ring.rIn = 36.0;
    ring.rOut = 81.0;
    ring.halfWidth = petalHalfWidth(ring.count, ring.rIn, ring.rOut, 1.15);
    ring.edgeWidth = 2.2;
    ring.sheen = 0.5;
    paintPetals(p, ring, [](int) {
        return PetalColours{QColor(92, 76, 120), QColor(152, 136, 176), QColor(196, 184, 214), QColor(60, 48, 90)};
    });

    paintDisc(p, kCentre, 41.0, QColor(60, 140, 255), QColor(14, 62, 170), QColor(150, 200, 255), 3.5);
    p.setPen(QPen(QColor(190, 225, 255), 3.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(QColor(10, 50, 150, 110));
    p.drawPolygon(triangle(kCentre + QPointF(0, 3), 36.0, true));
    paintHalo(p, kCentre + QPointF(0, 1), 30.0, QColor(255, 255, 255, 140));
    paintDisc(p, kCentre + QPointF(0, 1), 15.0, Qt::white, QColor(196, 206, 226), QColor(236, 242, 255), 2.0);
}

// 3 Anahata: twelve red petals round a smoky green six-pointed star.
void paintHeart(QPainter &p)
{
    paintBackdrop(p, QColor(40, 200, 90));

    PetalRing ring;
    ring.count = 12;
    ring.rIn = 38.0;
    ring.rOut = 81.0;
    ring.halfWidth = petalHalfWidth(ring.count, ring.rIn, ring.rOut, 1.12);
    ring.edgeWidth = 2.5;
    ring.sheen = 0.5;
    paintPetals(p, ring, [](int) { return shaded(QColor(222, 38, 38), QColor(110, 8, 14)); });

    paintDisc(p, kCentre, 42.0, QColor(48, 92, 64), QColor(16, 40, 26), QColor(150, 200, 160), 3.0);
    const QPainterPath star = hexagram(kCentre, 36.0);
    QRadialGradient smoke(kCentre, 36.0);
    smoke.setColorAt(0.0, QColor(176, 206, 180));
    smoke.setColorAt(1.0, QColor(104, 146, 114));
    p.setPen(QPen(QColor(226, 244, 226), 3.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(smoke);
    p.drawPath(star);
    paintDisc(p, kCentre, 6.0, QColor(255, 250, 230), QColor(240, 210, 120), QColor(), 0.0);
}

// 4 Manipura: ten blue petals round a fiery red triangle on a yellow disc.
void paintNavel(QPainter &p)
{
    paintBackdrop(p, QColor(255, 210, 40));

    PetalRing ring;
    ring.count = 10;
    ring.rIn = 38.0;
    ring.rOut = 81.0;
    ring.halfWidth = petalHalfWidth(ring.count, ring.rIn, ring.rOut, 1.1);
    ring.edgeWidth = 2.5;
    ring.sheen = 0.5;
    paintPetals(p, ring, [](int) { return shaded(QColor(44, 110, 236), QColor(10, 34, 110)); });

    paintDisc(p, kCentre, 43.0, QColor(255, 240, 120), QColor(240, 178, 0), QColor(255, 246, 190), 3.0);
    const QPolygonF fire = triangle(kCentre + QPointF(0, 5), 38.0, true);
    QLinearGradient flame(kCentre - QPointF(0, 14), kCentre + QPointF(0, 40));
    flame.setColorAt(0.0, QColor(255, 110, 20));
    flame.setColorAt(0.5, QColor(236, 30, 10));
    flame.setColorAt(1.0, QColor(170, 0, 0));
    p.setPen(QPen(QColor(130, 0, 0), 3.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(flame);
    p.drawPolygon(fire);
}

// 5 Svadhisthana: six vermilion petals, an orange disc holding water and a
// crescent moon.
void paintSacral(QPainter &p)
{
    paintBackdrop(p, QColor(255, 130, 20));

    PetalRing ring;
    ring.count = 6;
    ring.rIn = 38.0;
    ring.rOut = 82.0;
    ring.halfWidth = petalHalfWidth(ring.count, ring.rIn, ring.rOut, 1.05);
    ring.edgeWidth = 2.5;
    ring.sheen = 0.5;
    paintPetals(p, ring, [](int) { return shaded(QColor(242, 82, 32), QColor(120, 22, 6)); });

    paintDisc(p, kCentre, 45.0, QColor(255, 184, 80), QColor(236, 110, 0), QColor(255, 214, 150), 3.0);
    paintDisc(p, kCentre, 33.0, QColor(80, 160, 255), QColor(12, 60, 170), QColor(200, 230, 255), 3.0);
    // Ripples of the encircling water.
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(150, 200, 255, 120), 2.5));
    p.drawEllipse(kCentre, 26.0, 26.0);

    const QPainterPath moon = crescent(kCentre + QPointF(0, 1), 22.0, 10.0);
    QLinearGradient silver(kCentre - QPointF(0, 10), kCentre + QPointF(0, 24));
    silver.setColorAt(0.0, QColor(255, 255, 255));
    silver.setColorAt(1.0, QColor(176, 212, 255));
    p.setPen(QPen(QColor(20, 60, 150), 1.5));
    p.setBrush(silver);
    p.drawPath(moon);
}

// 6 Muladhara: four red petals for the four directions round the yellow
// square of earth with its downward triangle.
void paintRoot(QPainter &p)
{
    paintBackdrop(p, QColor(230, 30, 30));

    PetalRing ring;
    ring.count = 4;
    ring.rIn = 36.0;
    ring.rOut = 82.0;
    ring.halfWidth = petalHalfWidth(ring.count, ring.rIn, ring.rOut, 1.0);
    ring.edgeWidth = 3.0;
    ring.sheen = 0.5;
    paintPetals(p, ring, [](int) { return shaded(QColor(214, 24, 36), QColor(96, 4, 12)); });

    paintDisc(p, kCentre, 46.0, QColor(150, 20, 20), QColor(90, 6, 10), QColor(255, 200, 90), 3.0);

    const qreal half = 32.5;
    const QRectF square(kCentre - QPointF(half, half), QSizeF(2 * half, 2 * half));
    QLinearGradient gold(square.topLeft(), square.bottomRight());
    gold.setColorAt(0.0, QColor(255, 236, 90));
    gold.setColorAt(1.0, QColor(236, 170, 0));
    p.setPen(QPen(QColor(150, 90, 0), 2.5, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    p.setBrush(gold);
    p.drawRect(square);

    QLinearGradient blood(kCentre - QPointF(0, 20), kCentre + QPointF(0, 30));
    blood.setColorAt(0.0, QColor(240, 40, 30));
    blood.setColorAt(1.0, QColor(160, 0, 0));
    p.setPen(QPen(QColor(110, 0, 0), 2.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(blood);
    p.drawPolygon(triangle(kCentre + QPointF(0, 4), 28.0, true));
}

constexpr std::array<ChakraArt, 7> kChakras{{
    {"0 Crown Chakra.jpg", paintCrown},
    {"1 Third Eye Chakra.jpg", paintThirdEye},
    {"2 Throat Chakra.jpg", paintThroat},
    {"3 Heart Chakra.jpg", paintHeart},
    {"4 Navel Chakra.jpg", paintNavel},
    {"5 Sacral Chakra.jpg", paintSacral},
    {"6 Root Chakra.jpg", paintRoot},
}};

} // namespace

std::span<const ChakraArt> chakraArt()
{
    return kChakras;
}

QImage renderChakra(const ChakraArt &art, int size)
{
    QImage image(size, size, QImage::Format_RGB32);
    image.fill(QColor(0, 0, 64));
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    p.scale(size / kCanvas, size / kCanvas);
    art.paint(p);
    p.end();
    return image;
}

} // namespace artwork
