// SPDX-FileCopyrightText: 2026 The Tavrel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QLine>
#include <QObject>
#include <QString>

namespace tavrel::ui {

// A path of the Tree or a connector from a path to its name: a straight line in its border colour.
// Painted by the canvas; it takes no mouse input.
class DiagramLine : public QObject
{
    Q_OBJECT
    Q_PROPERTY(QColor color READ color WRITE setColor NOTIFY colorChanged)
    Q_PROPERTY(QLine line READ line CONSTANT)
    Q_PROPERTY(int width READ width CONSTANT)

public:
    DiagramLine(const QString &name, QLine line, int width, const QColor &color, QObject *parent);

    QColor color() const { return m_color; }
    void setColor(const QColor &color);
    QLine line() const { return m_line; }
    int width() const { return m_width; }

signals:
    void colorChanged(const QColor &color);

private:
    QLine m_line;
    int m_width;
    QColor m_color;
};

} // namespace tavrel::ui
