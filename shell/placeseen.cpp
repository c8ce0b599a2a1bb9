// SPDX-FileCopyrightText: 2026 The Tavrel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/placeseen.h"

#include <QEvent>
#include <QSinglePointEvent>
#include <QWidget>
#include <QWindow>

#include <optional>

namespace tavrel::shell {

namespace {

class PlaceKeeper final : public QObject
{
    Q_OBJECT

public:
    explicit PlaceKeeper(QWidget *window)
        : QObject(window)
        , m_window(window)
    {
        window->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        const QEvent::Type type = event->type();
        if (watched == m_window) {
            if (type == QEvent::Move) {
                // Where the window system says the window is, or where it was asked to be.
                m_place = m_window->pos();
                m_pointed.reset();
            } else if (type == QEvent::Show) {
                if (QWindow *handle = m_window->windowHandle())
                    handle->installEventFilter(this); // (once: a filter installed again moves to the front)
                m_pointed.reset();
                askForPlace();
            } else if (type == QEvent::WinIdChange && !m_window->internalWinId()) {
                // The native window is gone, and made anew when the window is shown: made where it was seen, as
                // a window manager may place a new window where it was made and take no request until it is shown.
                askForPlace();
            }
        } else if (type == QEvent::MouseMove || type == QEvent::MouseButtonPress) {
            // The window's inside as the pointer finds it. Where it differs from the last time, the window was moved
            // without a note, and is asked for by as much further on. (Only the difference counts: a window manager
            // may put a window's inside elsewhere than asked, its frame where the inside was asked to be.)
            const auto *pointer = static_cast<const QSinglePointEvent *>(event);
            const QPoint inside = (pointer->globalPosition() - pointer->position()).toPoint();
            if (m_place && m_pointed)
                *m_place += inside - *m_pointed;
            m_pointed = inside;
        }
        return false;
    }

private:
    void askForPlace()
    {
        if (m_place && *m_place != m_window->pos())
            m_window->move(*m_place);
    }

    QWidget *m_window;
    std::optional<QPoint> m_place; // where the window is asked to be when it is shown again
    std::optional<QPoint> m_pointed; // the top left corner of its inside, as the pointer last found it
};

} // namespace

void keepPlaceSeen(QWidget *window)
{
    if (PlaceSeenKept)
        new PlaceKeeper(window);
}

} // namespace tavrel::shell

#include "placeseen.moc"
