// SPDX-FileCopyrightText: 2026 The Tavrel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Shapes shared by the chakra pictures: lotus petals, yantra figures and the
// night-blue backdrop. Every length is in design units; the pictures are
// drawn on a 168 x 168 canvas centred on (84, 84) and the painter is scaled
// for other output sizes.

#include <QColor>
#include <QPainterPath>
#include <QPointF>
#include <QPolygonF>

#include <functional>

class QPainter;

namespace artwork {

inline constexpr qreal kCanvas = 168.0;
inline constexpr QPointF kCentre{kCanvas / 2.0, kCanvas / 2.0};

// One lotus petal pointing away from `centre` at `angleDeg` (0 = right,
// 90 = down, as on screen). Its base sits on the circle of radius `rIn`, its
// tip reaches `rOut`, and it is `halfWidth` wide on each side at its widest.
QPainterPath petalPath(QPointF centre, qreal angleDeg, qreal rIn, qreal rOut, qreal halfWidth);

struct PetalColours
{
    QColor base; // next to the centre
    QColor body; // the widest part
    QColor tip; // the point
    QColor edge; // outline
};

struct PetalRing
{
    int count = 8;
    qreal firstAngleDeg = -90.0; // the first petal points straight up
    qreal rIn = 40.0;
    qreal rOut = 80.0;
    qreal halfWidth = 20.0;
    qreal edgeWidth = 2.5;
    qreal sheen = 0.5; // strength of the light streak, 0 to 1
};

// Paints the petals of `ring`; `colours(i)` gives the colours of petal i.
void paintPetals(QPainter &p, const PetalRing &ring, const std::function<PetalColours(int)> &colours);

// Widest half-width that lets `count` petals between rIn and rOut meet their
// neighbours, scaled by `fullness` (1 = just touching) and capped so that
// petals of a small ring do not turn into discs.
qreal petalHalfWidth(int count, qreal rIn, qreal rOut, qreal fullness);

// Night-blue backdrop with a soft glow of `glow` around the centre. The
// corners stay at the window colour RGB(0, 0, 64).
void paintBackdrop(QPainter &p, const QColor &glow);

// A disc with a radial shading from `inner` to `outer` and a rim.
void paintDisc(QPainter &p, QPointF centre, qreal radius, const QColor &inner, const QColor &outer, const QColor &rim,
               qreal rimWidth);

// A soft round halo of `colour`, fading out at `radius`.
void paintHalo(QPainter &p, QPointF centre, qreal radius, const QColor &colour);

// Equilateral triangle inscribed in the circle of `radius`.
QPolygonF triangle(QPointF centre, qreal radius, bool pointingDown);

// Six-pointed star of two interlaced triangles, as one outline.
QPainterPath hexagram(QPointF centre, qreal radius);

// A crescent moon with its horns turned up.
QPainterPath crescent(QPointF centre, qreal radius, qreal thickness);

QColor mix(const QColor &a, const QColor &b, qreal t);

} // namespace artwork
