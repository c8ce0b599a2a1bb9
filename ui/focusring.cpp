// SPDX-FileCopyrightText: 2026 The Tavrel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/focusring.h"

#include "ui/style.h"

#include <QApplication>
#include <QEvent>
#include <QPainter>
#include <QPainterPath>

namespace tavrel::ui {

void drawFocusRing(QPainter &painter, const QRectF &box)
{
    const auto band = [&painter](const QRectF &outer, qreal width, const QColor &color) {
        QPainterPath ring; // filled odd-even: the outer rectangle less the inner one
        ring.addRect(outer);
        ring.addRect(outer.adjusted(width, width, -width, -width));
        painter.fillPath(ring, color);
    };
    band(box, FocusRingWidth + 2, Navy);
    band(box.adjusted(1, 1, -1, -1), FocusRingWidth, Yellow);
}

FocusRing::FocusRing(const QList<QWidget *> &controls, QWidget *parent)
    : QWidget(parent)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
    hide();
    connect(qApp, &QApplication::focusChanged, this,
            [this, controls](QWidget *, QWidget *now) { follow(controls.contains(now) ? now : nullptr); });
}

void FocusRing::paintEvent(QPaintEvent * /*event*/)
{
    // The mark's outer navy edge falls outside: on the panel it is not needed, and it would cover what stands close
    // to the control (the underline of a caption above it, the border of a button beside it).
    QPainter painter(this);
    drawFocusRing(painter, QRectF(rect()).adjusted(-1, -1, 1, 1));
}

bool FocusRing::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_control && (event->type() == QEvent::Move || event->type() == QEvent::Resize))
        setGeometry(m_control->geometry().adjusted(-Reach, -Reach, Reach, Reach));
    return QWidget::eventFilter(watched, event);
}

void FocusRing::follow(QWidget *control)
{
    if (m_control)
        m_control->removeEventFilter(this);
    m_control = control;
    if (!control) {
        hide();
        return;
    }
    control->installEventFilter(this); // a control that moves (as a frame lays itself out) takes its ring along
    if (parentWidget() != control->parentWidget())
        setParent(control->parentWidget());
    setGeometry(control->geometry().adjusted(-Reach, -Reach, Reach, Reach));
    raise();
    show();
}

} // namespace tavrel::ui
