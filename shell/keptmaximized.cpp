// SPDX-FileCopyrightText: 2026 The Tavrel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/keptmaximized.h"

#include <QEvent>
#include <QWidget>
#include <QWindow>

namespace tavrel::shell {

namespace {

class MaximizedKeeper final : public QObject
{
    Q_OBJECT

public:
    explicit MaximizedKeeper(QWidget *window)
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
        if (event->type() == QEvent::Show) {
            if (QWindow *handle = m_window->windowHandle()) {
                if (!m_restore)
                    m_maximized = handle->windowStates() & Qt::WindowMaximized;
                connect(handle, &QWindow::windowStateChanged, this, &MaximizedKeeper::stateChanged,
                        Qt::UniqueConnection);
            }
        } else if (event->type() == QEvent::WindowActivate && m_restore && !m_window->isMinimized()) {
            // Restored: maximized again, unless it is of itself.
            m_restore = false;
            if (!(m_window->windowState() & (Qt::WindowMaximized | Qt::WindowFullScreen)))
                m_window->setWindowState(m_window->windowState() | Qt::WindowMaximized);
        }
        return false;
    }

private:
    void stateChanged(Qt::WindowState state)
    {
        if (state == Qt::WindowMinimized)
            m_restore = m_restore || m_maximized;
        else if (!m_restore) // (not the state that the window system reports while the window is minimized)
            m_maximized = state == Qt::WindowMaximized;
    }

    QWidget *m_window;
    bool m_maximized = false; // the state before the window was minimized
    bool m_restore = false; // minimized while maximized: maximized again once active
};

} // namespace

void keepMaximizedThroughMinimize(QWidget *window)
{
    if (MaximizedKeptThroughMinimize)
        new MaximizedKeeper(window);
}

} // namespace tavrel::shell

#include "keptmaximized.moc"
