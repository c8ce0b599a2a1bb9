// SPDX-FileCopyrightText: 2026 The Tavrel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/display/displaypicture.h"

#include "ui/keptcache.h"

#include <QEvent>

#include <utility>

namespace tavrel::ui {

namespace {

// The pictures scaled for their boxes. Every reading shows two of the seven pictures in boxes of one size, so the
// few scalings are kept rather than made again for each new window.
QPixmap scaledPicture(const QPixmap &picture, QSize boxSize, qreal ratio)
{
    // Beyond a few: pictures that are gone, or sizes no longer used.
    static KeptCache<std::pair<std::pair<qint64, QSize>, qreal>, QPixmap> scaled(32);
    return scaled.get({{picture.cacheKey(), boxSize}, ratio}, [&] {
        QPixmap result = picture.scaled(boxSize * ratio, Qt::KeepAspectRatio, Qt::SmoothTransformation);
        result.setDevicePixelRatio(ratio);
        return result;
    });
}

} // namespace

DisplayPicture::DisplayPicture(QWidget *parent)
    : QLabel(parent)
{
    setAlignment(Qt::AlignCenter);
}

void DisplayPicture::setPicture(const QPixmap &picture)
{
    m_picture = picture;
    render();
}

bool DisplayPicture::event(QEvent *event)
{
    switch (event->type()) {
    case QEvent::Resize:
        if (size() != m_renderedSize)
            render();
        break;
    case QEvent::Show:
    case QEvent::ScreenChangeInternal:
        if (m_renderedRatio != devicePixelRatioF())
            render();
        break;
    default:
        break;
    }
    return QLabel::event(event);
}

void DisplayPicture::render()
{
    m_renderedSize = size();
    if (m_picture.isNull()) {
        clear();
        return;
    }
    // Scaled once to the device pixels of the box, so that the picture stays sharp at any scale factor.
    const qreal ratio = devicePixelRatioF();
    m_renderedRatio = ratio;
    setPixmap(scaledPicture(m_picture, size(), ratio));
}

} // namespace tavrel::ui
