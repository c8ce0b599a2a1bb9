// SPDX-FileCopyrightText: 2026 The Tavrel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/clicklabel.h"

#include "shell/links.h"
#include "ui/style.h"
#include "ui/texts.h"
#include "ui/twips.h"

#include <QMouseEvent>

namespace tavrel::ui {

ClickLabel::ClickLabel(const QString &text, QWidget *parent)
    : TextLabel(text, parent)
{
    setCursor(Qt::PointingHandCursor);
    setTextFormat(Qt::PlainText);
}

ClickLabel::ClickLabel(const QString &text, const char *name, double points, const QString &description,
                       void (*command)(), QWidget *parent)
    : ClickLabel(text, parent)
{
    setObjectName(QString::fromLatin1(name));
    setFont(verdana(points, true, true));
    setTextColor(this, White);
    setAccessibleDescription(description);
    connect(this, &ClickLabel::clicked, this, [command] { command(); });
}

ClickLabel *addBlurb(QWidget *parent, int left, int top)
{
    auto *blurb =
        new ClickLabel(texts::blurb(), "Label8", 8.25, QStringLiteral("Link: opens the offer in your web browser"),
                       &shell::OpenBrandingPage, parent);
    blurb->setGeometry(twipRect(left, top, 6135, 615));
    blurb->setWordWrap(true);
    blurb->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return blurb;
}

void ClickLabel::mousePressEvent(QMouseEvent *event)
{
    m_pressed = event->button() == Qt::LeftButton;
    QLabel::mousePressEvent(event);
}

void ClickLabel::mouseReleaseEvent(QMouseEvent *event)
{
    const bool click = m_pressed && event->button() == Qt::LeftButton && rect().contains(event->position().toPoint());
    m_pressed = false;
    QLabel::mouseReleaseEvent(event);
    if (click)
        emit clicked();
}

} // namespace tavrel::ui
