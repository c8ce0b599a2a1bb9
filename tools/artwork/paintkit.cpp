// SPDX-FileCopyrightText: 2026 The Tavrel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/artwork/paintkit.h"

#include <QLinearGradient>
#include <QPainter>
#include <QRadialGradient>
#include <QTransform>

#include <algorithm>
#include <cmath>
#include <numbers>

namespace artwork {

QPainterPath petalPath(QPointF centre, qreal angleDeg, qreal rIn, qreal rOut, qreal halfWidth)
{
    // Drawn along the positive x axis, then turned into place. The base is
    // narrow, the sides swell to `halfWidth` a little before the middle and
    // close in to a soft point.
    const qreal len = rOut - rIn;
    const qreal baseHalf = std::min(halfWidth * 0.45, rIn * 0.5);

    QPainterPath path;
    path.moveTo(rIn, -baseHalf);
    path.cubicTo(rIn + len * 0.25, -halfWidth * 1.25, rIn + len * 0.80, -halfWidth * 0.85, rOut, 0.0);
    path.cubicTo(rIn + len * 0.80, halfWidth * 0.85, rIn + len * 0.25, halfWidth * 1.25, rIn, baseHalf);
    path.closeSubpath();

    QTransform t;
    t.translate(centre.x(), centre.y());
    t.rotate(angleDeg);
    return t.map(path);
}

qreal petalHalfWidth(int count, qreal rIn, qreal rOut, qreal fullness)
{
    const qreal mid = rIn + (rOut - rIn) * 0.42;
    const qreal gap = 2.0 * std::numbers::pi * mid / std::max(count, 1);
    return std::min(gap * 0.5 * fullness, (rOut - rIn) * 0.7);
}

void paintPetals(QPainter &p, const PetalRing &ring, const std::function<PetalColours(int)> &colours)
{
    const qreal step = 360.0 / ring.count;
    for (int i = 0; i < ring.count; ++i) {
        const qreal angle = ring.firstAngleDeg + i * step;
        const PetalColours c = colours(i);
        const QPainterPath petal = petalPath(kCentre, angle, ring.rIn, ring.rOut, ring.halfWidth);

        const qreal rad = qDegreesToRadians(angle);
        const QPointF dir(std::cos(rad), std::sin(rad));
        QLinearGradient fill(kCentre + dir * ring.rIn, kCentre + dir * ring.rOut);
        fill.setColorAt(0.0, c.base);
        fill.setColorAt(0.45, c.body);
        fill.setColorAt(1.0, c.tip);

        p.setPen(QPen(c.edge, ring.edgeWidth, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.setBrush(fill);
        p.drawPath(petal);

        if (ring.sheen > 0.0) {
            // A lighter streak down the middle of the petal gives it body.
            const qreal len = ring.rOut - ring.rIn;
            const QPainterPath streak =
                petalPath(kCentre, angle, ring.rIn + len * 0.18, ring.rOut - len * 0.16, ring.halfWidth * 0.38);
            QColor light = mix(c.tip, Qt::white, 0.45);
            light.setAlphaF(float(0.55 * ring.sheen));
            p.setPen(Qt::NoPen);
            p.setBrush(light);
            p.drawPath(streak);
        }
    }
}

void paintBackdrop(QPainter &p, const QColor &glow)
{
    const QRectF canvas(0, 0, kCanvas, kCanvas);
    const QColor window(0, 0, 64);

    QRadialGradient sky(kCentre, kCanvas * 0.5 * std::numbers::sqrt2);
    sky.setColorAt(0.0, QColor(14, 16, 104));
    sky.setColorAt(0.55, QColor(5, 6, 80));
    sky.setColorAt(0.72, window);
    sky.setColorAt(1.0, window);
    p.fillRect(canvas, sky);

    QColor g = glow;
    g.setAlphaF(0.55f);
    paintHalo(p, kCentre, kCanvas * 0.5, g);
}

void paintDisc(QPainter &p, QPointF centre, qreal radius, const QColor &inner, const QColor &outer, const QColor &rim,
               qreal rimWidth)
{
    QRadialGradient shade(centre, radius, centre - QPointF(radius, radius) * 0.25);
    shade.setColorAt(0.0, inner);
    shade.setColorAt(1.0, outer);
    p.setBrush(shade);
    if (rimWidth > 0.0)
        p.setPen(QPen(rim, rimWidth));
    else
        p.setPen(Qt::NoPen);
    p.drawEllipse(centre, radius, radius);
}

void paintHalo(QPainter &p, QPointF centre, qreal radius, const QColor &colour)
{
    QColor clear = colour;
    clear.setAlpha(0);
    QColor half = colour;
    half.setAlphaF(colour.alphaF() * 0.45f);
    QRadialGradient halo(centre, radius);
    halo.setColorAt(0.0, colour);
    halo.setColorAt(0.5, half);
    halo.setColorAt(1.0, clear);
    p.setPen(Qt::NoPen);
    p.setBrush(halo);
    p.drawEllipse(centre, radius, radius);
}

QPolygonF triangle(QPointF centre, qreal radius, bool pointingDown)
{
    QPolygonF tri;
    const qreal first = pointingDown ? 90.0 : -90.0;
    for (int i = 0; i < 3; ++i) {
        const qreal rad = qDegreesToRadians(first + i * 120.0);
        tri << centre + QPointF(std::cos(rad), std::sin(rad)) * radius;
    }
    return tri;
}

QPainterPath hexagram(QPointF centre, qreal radius)
{
    QPainterPath up;
    up.addPolygon(triangle(centre, radius, false));
    up.closeSubpath();
    QPainterPath down;
    down.addPolygon(triangle(centre, radius, true));
    down.closeSubpath();
    return up.united(down);
}

QPainterPath crescent(QPointF centre, qreal radius, qreal thickness)
{
    QPainterPath moon;
    moon.addEllipse(centre, radius, radius);
    QPainterPath bite;
    bite.addEllipse(centre - QPointF(0, thickness), radius * 0.96, radius * 0.96);
    return moon.subtracted(bite);
}

QColor mix(const QColor &a, const QColor &b, qreal t)
{
    const qreal s = 1.0 - t;
    return QColor::fromRgbF(float(a.redF() * s + b.redF() * t), float(a.greenF() * s + b.greenF() * t),
                            float(a.blueF() * s + b.blueF() * t), float(a.alphaF() * s + b.alphaF() * t));
}

} // namespace artwork
