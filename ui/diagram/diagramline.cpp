// SPDX-FileCopyrightText: 2026 The Tavrel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/diagram/diagramline.h"

namespace tavrel::ui {

DiagramLine::DiagramLine(const QString &name, QLine line, int width, const QColor &color, QObject *parent)
    : QObject(parent)
    , m_line(line)
    , m_width(width)
    , m_color(color)
{
    setObjectName(name);
}

void DiagramLine::setColor(const QColor &color)
{
    if (color == m_color)
        return;
    m_color = color;
    emit colorChanged(color);
}

} // namespace tavrel::ui
