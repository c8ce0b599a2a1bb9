// SPDX-FileCopyrightText: 2026 The Tavrel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/diagram/diagramsphere.h"

namespace tavrel::ui {

DiagramSphere::DiagramSphere(int index, QRect geometry, bool dottedOutline, QObject *parent)
    : QObject(parent)
    , m_index(index)
    , m_geometry(geometry)
    , m_dottedOutline(dottedOutline)
    , m_color(DefaultColor)
{
    setObjectName(QStringLiteral("ShpCircle_%1").arg(index));
}

void DiagramSphere::setColor(const QColor &color)
{
    if (color == m_color)
        return;
    m_color = color;
    emit colorChanged(color);
}

} // namespace tavrel::ui
