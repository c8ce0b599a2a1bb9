// SPDX-FileCopyrightText: 2026 The Tavrel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/diagram/diagramscene.h"

#include "ui/style.h"

#include <QPainter>

namespace tavrel::ui {

using namespace diagramdesign;

void DiagramScene::paint(QPainter &painter) const
{
    painter.setRenderHint(QPainter::Antialiasing);
    for (const Line &l : lines) {
        painter.setPen(QPen(l.color, l.width, Qt::SolidLine, Qt::RoundCap));
        painter.drawLine(l.line);
    }
    for (const Sphere &s : spheres) {
        painter.setPen(Qt::NoPen);
        painter.setBrush(s.color);
        painter.drawEllipse(s.box);
        if (s.dotted) {
            painter.setPen(QPen(Cyan, 1, Qt::DotLine));
            painter.setBrush(Qt::NoBrush);
            painter.drawEllipse(s.box.adjusted(0.5, 0.5, -0.5, -0.5));
        }
    }
    if (!focusMark.isEmpty()) {
        painter.setPen(QPen(Yellow, FocusMarkWidth));
        painter.setBrush(Qt::NoBrush);
        painter.drawEllipse(focusMark);
    }
}

void DiagramScene::paintPicture(QImage &image) const
{
    image.setDevicePixelRatio(ratio);
    image.fill(background);
    QPainter painter(&image);
    paint(painter);
}

} // namespace tavrel::ui
