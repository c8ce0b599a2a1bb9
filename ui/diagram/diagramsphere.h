// SPDX-FileCopyrightText: 2026 The Tavrel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QObject>
#include <QRect>

namespace tavrel::ui {

// A sphere of the Tree: an ellipse filling its box, filled with its back colour. Painted by the canvas.
class DiagramSphere : public QObject
{
    Q_OBJECT
    Q_PROPERTY(int index READ index CONSTANT)
    Q_PROPERTY(QColor color READ color WRITE setColor NOTIFY colorChanged)
    Q_PROPERTY(QRect geometry READ geometry CONSTANT)
    Q_PROPERTY(bool dottedOutline READ hasDottedOutline CONSTANT)

public:
    // The colour of a sphere that no reading marks.
    static constexpr QColor DefaultColor{64, 64, 64};

    DiagramSphere(int index, QRect geometry, bool dottedOutline, QObject *parent);

    int index() const { return m_index; }
    QColor color() const { return m_color; }
    void setColor(const QColor &color);
    QRect geometry() const { return m_geometry; }
    bool hasDottedOutline() const { return m_dottedOutline; }

signals:
    void colorChanged(const QColor &color);

private:
    int m_index;
    QRect m_geometry;
    bool m_dottedOutline;
    QColor m_color;
};

} // namespace tavrel::ui
