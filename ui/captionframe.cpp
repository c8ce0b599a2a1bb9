// SPDX-FileCopyrightText: 2026 The Tavrel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/captionframe.h"

#include <QPainter>

namespace tavrel::ui {

namespace {

constexpr QColor BorderColor{160, 160, 200};

} // namespace

CaptionFrame::CaptionFrame(const QString &caption, QWidget *parent)
    : QWidget(parent)
    , m_caption(caption)
{
    setAccessibleName(caption);
}

void CaptionFrame::setCaptionFont(const QFont &font)
{
    m_captionFont = font;
    update();
}

void CaptionFrame::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setFont(captionFont());
    const QFontMetrics metrics(painter.font());
    const int captionLeft = 8;
    const int captionWidth = metrics.horizontalAdvance(m_caption) + 6;
    const int borderTop = metrics.height() / 2;

    painter.setPen(QPen(BorderColor, 1));
    const QRectF box = QRectF(rect()).adjusted(0.5, borderTop + 0.5, -0.5, -0.5);
    // The border, open where the caption sits.
    painter.drawLine(box.topLeft(), QPointF(captionLeft, box.top()));
    painter.drawLine(QPointF(captionLeft + captionWidth, box.top()), box.topRight());
    painter.drawLine(box.topRight(), box.bottomRight());
    painter.drawLine(box.bottomRight(), box.bottomLeft());
    painter.drawLine(box.bottomLeft(), box.topLeft());

    painter.setPen(palette().color(QPalette::WindowText));
    painter.drawText(QRect(captionLeft + 3, 0, captionWidth, metrics.height()), Qt::AlignLeft | Qt::AlignVCenter,
                     m_caption);
}

} // namespace tavrel::ui
