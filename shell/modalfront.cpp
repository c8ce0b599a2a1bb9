// SPDX-FileCopyrightText: 2026 The Tavrel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/modalfront.h"

#include <QApplication>
#include <QKeyEvent>
#include <QPointer>
#include <QShortcut>
#include <QWidget>
#include <QWindow>

namespace tavrel::shell {

namespace {

class ModalKeeper final : public QObject
{
    Q_OBJECT

public:
    explicit ModalKeeper(QWidget *dialog)
        : QObject(dialog)
        , m_dialog(dialog)
    {
        connect(qApp, &QGuiApplication::focusWindowChanged, this, &ModalKeeper::focusMoved);
        dialog->installEventFilter(this);
        // While a window it blocks holds the keyboard, Enter presses the dialog's button all the same (Escape
        // cancels it: takeEscapeEverywhere).
        for (const int key : {Qt::Key_Return, Qt::Key_Enter}) {
            auto *enter =
                new QShortcut(QKeySequence(key), dialog, this, &ModalKeeper::pressEnter, Qt::ApplicationShortcut);
            enter->setObjectName(QStringLiteral("enterEverywhere"));
            enter->setEnabled(false);
            m_enter.append(enter);
        }
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (watched != m_dialog || m_remapping)
            return false;
        if (event->type() == QEvent::Show && !m_watching) {
            // A title bar drawn by the toolkit (on a Wayland compositor) minimizes its window itself, whether
            // the window is blocked or not, and tells no one but the window.
            m_watching = true;
            const QWindowList windows = QGuiApplication::topLevelWindows();
            for (QWindow *window : windows) {
                connect(window, &QWindow::windowStateChanged, this, [this, window](Qt::WindowState state) {
                    if (state == Qt::WindowMinimized)
                        minimized(window);
                });
            }
        } else if (event->type() == QEvent::Hide) {
            // Closed where the window system never gave it the keyboard: the window that holds it is again
            // the active one.
            QWidget *holder = widgetOf(QGuiApplication::focusWindow());
            if (holder && holder != m_dialog && QApplication::activeWindow() != holder)
                QApplication::setActiveWindow(holder);
        }
        return false;
    }

private:
    bool inFront() const { return m_dialog && m_dialog->isVisible() && QApplication::activeModalWidget() == m_dialog; }

    // A window of the application that the dialog, in front, blocks: any but the dialog and the windows that
    // belong to it (its menus, tool tips).
    bool blocks(const QWindow *window) const
    {
        if (!window || !inFront() || window->type() == Qt::Popup || window->type() == Qt::ToolTip)
            return false;
        for (const QWindow *w = window; w; w = w->transientParent()) {
            if (w == m_dialog->windowHandle())
                return false;
        }
        return true;
    }

    static QWidget *widgetOf(const QWindow *window)
    {
        const QWidgetList windows = QApplication::topLevelWidgets();
        for (QWidget *w : windows) {
            if (window && w->windowHandle() == window)
                return w;
        }
        return nullptr;
    }

    void focusMoved(QWindow *window)
    {
        const bool blocked = blocks(window);
        for (QShortcut *enter : std::as_const(m_enter))
            enter->setEnabled(blocked);
        if (m_dialog && window == m_dialog->windowHandle())
            m_broughtBack = false;
        if (!blocked)
            return;
        // The window system has given a blocked window the keyboard (after a click on it, or the dialog
        // minimized): the dialog is what the application shows as active, so that the blocked window shows no
        // focus mark and no caret, and it is brought back, once until it has the keyboard again.
        QApplication::setActiveWindow(m_dialog);
        if (!m_broughtBack) {
            m_broughtBack = true;
            later([this] { remap(m_dialog->windowHandle()); });
        }
    }

    // Minimized alone, the dialog (which has no minimize box) comes back at once; so does a window it blocks
    // (which takes no input), with the dialog above it. Minimized together (as a window manager minimizes a
    // window with the dialogs that belong to it), they come back together when the window system shows them.
    void minimized(QWindow *window)
    {
        if (window != m_dialog->windowHandle() && !blocks(window))
            return;
        later([this, window = QPointer<QWindow>(window)] {
            const QWindowList windows = QGuiApplication::topLevelWindows();
            for (const QWindow *other : windows) {
                if (other != window && other->isVisible() && (other == m_dialog->windowHandle() || blocks(other))
                    && other->windowStates() & Qt::WindowMinimized)
                    return;
            }
            if (window && window != m_dialog->windowHandle())
                remap(window);
            remap(m_dialog->windowHandle());
        });
    }

    void later(const std::function<void()> &work)
    {
        QMetaObject::invokeMethod(
            this,
            [this, work] {
                if (inFront())
                    work();
            },
            Qt::QueuedConnection);
    }

    // The window is mapped anew: a window system may have no request that brings a window back from minimized,
    // or refuse the keyboard to one that asks for it, but it shows a window that is mapped and gives it the
    // keyboard. The window's widget, and a dialog's modal loop, go on.
    void remap(QWindow *window)
    {
        m_remapping = true;
        window->setWindowStates(window->windowStates() & ~Qt::WindowMinimized);
        window->hide();
        window->show();
        m_remapping = false;
    }

    // Enter, sent to the dialog's control with the focus as if typed there.
    void pressEnter()
    {
        if (!inFront())
            return;
        for (QShortcut *enter : std::as_const(m_enter))
            enter->setEnabled(false); // (the key sent below is not taken for the shortcut again)
        QWidget *receiver = m_dialog->focusWidget() ? m_dialog->focusWidget() : m_dialog.data();
        QKeyEvent press(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
        QKeyEvent release(QEvent::KeyRelease, Qt::Key_Return, Qt::NoModifier);
        QCoreApplication::sendEvent(receiver, &press);
        QCoreApplication::sendEvent(receiver, &release);
        focusMoved(QGuiApplication::focusWindow());
    }

    QPointer<QWidget> m_dialog;
    QList<QShortcut *> m_enter;
    bool m_watching = false;
    bool m_remapping = false;
    bool m_broughtBack = false;
};

} // namespace

void keepModalInFront(QWidget *dialog)
{
    if (ModalKeptInFront)
        new ModalKeeper(dialog);
}

} // namespace tavrel::shell

#include "modalfront.moc"
