#include "ui/displaypicture.h"

#include <QEvent>

namespace tavrel::ui {

DisplayPicture::DisplayPicture(QWidget *parent)
    : QLabel(parent)
{
    setAlignment(Qt::AlignCenter);
}

void DisplayPicture::setPicture(const QPixmap &picture)
{
    m_picture = picture;
    m_renderedRatio = 0;
    render();
}

bool DisplayPicture::event(QEvent *event)
{
    switch (event->type()) {
    case QEvent::Resize:
        m_renderedRatio = 0;
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
    if (m_picture.isNull()) {
        clear();
        return;
    }
    // Scaled once to the device pixels of the box, so that the picture stays sharp at any scale factor.
    const qreal ratio = devicePixelRatioF();
    QPixmap scaled = m_picture.scaled(size() * ratio, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    scaled.setDevicePixelRatio(ratio);
    m_renderedRatio = ratio;
    setPixmap(scaled);
}

} // namespace tavrel::ui
