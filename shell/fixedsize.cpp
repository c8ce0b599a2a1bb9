// SPDX-FileCopyrightText: 2026 The Tavrel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/fixedsize.h"

#include <QEvent>
#include <QWidget>
#include <QWindow>

namespace tavrel::shell {

namespace {

constexpr Qt::WindowStates Filling = Qt::WindowMaximized | Qt::WindowFullScreen;

class FixedSizeKeeper final : public QObject
{
    Q_OBJECT

public:
    explicit FixedSizeKeeper(QWidget *window)
        : QObject(window)
        , m_window(window)
    {
        window->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (watched != m_window)
            return false;
        switch (event->type()) {
        case QEvent::Show:
            if (QWindow *handle = m_window->windowHandle())
                connect(handle, &QWindow::windowStateChanged, this, &FixedSizeKeeper::stateAsked, Qt::UniqueConnection);
            break;
        case QEvent::WindowStateChange:
            // The window system has granted the state: the window is drawn in the size it was given, and then
            // asks to be as it was.
            if (m_window->windowState() & Filling) {
                m_giveBack = true;
                m_window->update();
            }
            break;
        case QEvent::UpdateRequest:
            if (m_giveBack) {
                m_giveBack = false;
                QMetaObject::invokeMethod(
                    this, [this] { m_window->setWindowState(m_window->windowState() & ~Filling); },
                    Qt::QueuedConnection);
            }
            break;
        case QEvent::Resize:
            if (m_released && m_window->size() == m_window->maximumSize()) {
                // Its own size again: of fixed size again.
                m_released = false;
                if (QWindow *handle = m_window->windowHandle())
                    handle->setMaximumSize(m_window->maximumSize());
            }
            break;
        default:
            break;
        }
        return false;
    }

private:
    // Called when the state is asked for, and again when the window system grants it: the window may take any
    // size while it lasts.
    void stateAsked()
    {
        if (m_released || !(m_window->windowHandle()->windowStates() & Filling))
            return;
        m_released = true;
        m_window->windowHandle()->setMaximumSize(QSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX));
    }

    QWidget *m_window;
    bool m_released = false;
    bool m_giveBack = false;
};

} // namespace

void keepFixedSize(QWidget *window)
{
    new FixedSizeKeeper(window);
}

} // namespace tavrel::shell

#include "fixedsize.moc"
