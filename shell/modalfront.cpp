// SPDX-FileCopyrightText: 2026 The Tavrel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/modalfront.h"

#include <QApplication>
#include <QKeyEvent>
#include <QPointer>
#include <QWidget>
#include <QShortcut>
#include <QWindow>

namespace tavrel::shell {

namespace {

class ModalKeeper final : public QObject
{
public:
    explicit ModalKeeper(QWidget *dialog)
        : QObject(dialog)
        , m_dialog(dialog)
    {
        connect(qApp, &QGuiApplication::focusWindowChanged, this, &ModalKeeper::focusMoved);
        qApp->installEventFilter(this);
        // While a window it blocks holds the keyboard, Enter presses the dialog's button all the same (Escape
        // cancels it: takeEscapeEverywhere).
        for (const int key : {Qt::Key_Return, Qt::Key_Enter}) {
            auto *enter = new QShortcut(QKeySequence(key), dialog, this, &ModalKeeper::pressEnter,
                                        Qt::ApplicationShortcut);
            enter->setObjectName(QStringLiteral("enterEverywhere"));
            enter->setEnabled(false);
            m_enter.append(enter);
        }
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        switch (event->type()) {
        case QEvent::WindowStateChange:
            if (watched == m_dialog && m_dialog->isMinimized())
                bringBack();
            break;
        case QEvent::MouseButtonPress:
            // A click on a window the dialog blocks, which may hold the keyboard already.
            if (watched->isWindowType() && blocks(static_cast<QWindow *>(watched)))
                bringBack();
            break;
        case QEvent::Hide:
            // A window system that never gave the dialog the keyboard leaves it where it was: the window there
            // is again the active one.
            if (watched == m_dialog) {
                QWidget *holder = widgetOf(QGuiApplication::focusWindow());
                if (holder && holder != m_dialog && QApplication::activeWindow() != holder)
                    QApplication::setActiveWindow(holder);
            }
            break;
        default:
            break;
        }
        return false;
    }

private:
    bool inFront() const
    {
        return m_dialog && m_dialog->isVisible() && QApplication::activeModalWidget() == m_dialog;
    }

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

    void focusMoved(QWindow *window)
    {
        const bool blocked = blocks(window);
        for (QShortcut *enter : std::as_const(m_enter))
            enter->setEnabled(blocked);
        if (!blocked)
            return;
        // The window system has given a blocked window the keyboard: until the dialog has it back, the dialog
        // is what the application shows as active, so that the blocked window shows no focus mark and no caret.
        QApplication::setActiveWindow(m_dialog);
        bringBack();
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

    // Enter, sent to the dialog's control with the focus as if typed there.
    void pressEnter()
    {
        if (!inFront())
            return;
        bringBack();
        for (QShortcut *enter : std::as_const(m_enter))
            enter->setEnabled(false); // (the key sent below is not taken for the shortcut again)
        QWidget *receiver = m_dialog->focusWidget() ? m_dialog->focusWidget() : m_dialog.data();
        QKeyEvent press(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
        QKeyEvent release(QEvent::KeyRelease, Qt::Key_Return, Qt::NoModifier);
        QCoreApplication::sendEvent(receiver, &press);
        QCoreApplication::sendEvent(receiver, &release);
        focusMoved(QGuiApplication::focusWindow());
    }

    void bringBack()
    {
        QMetaObject::invokeMethod(
            this,
            [this] {
                if (!inFront())
                    return;
                if (m_dialog->isMinimized())
                    m_dialog->setWindowState(m_dialog->windowState() & ~Qt::WindowMinimized);
                m_dialog->raise();
                m_dialog->activateWindow();
            },
            Qt::QueuedConnection);
    }

    QPointer<QWidget> m_dialog;
    QList<QShortcut *> m_enter;
};

} // namespace

void keepModalInFront(QWidget *dialog)
{
    if (ModalKeptInFront)
        new ModalKeeper(dialog);
}

} // namespace tavrel::shell
