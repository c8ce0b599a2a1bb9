// SPDX-FileCopyrightText: 2026 The Tavrel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/modalfront.h"

#include <QApplication>
#include <QEvent>
#include <QWidget>
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
        dialog->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (watched == m_dialog && event->type() == QEvent::WindowStateChange && m_dialog->isMinimized())
            bringBack();
        return false;
    }

private:
    bool inFront() const { return m_dialog->isVisible() && QApplication::activeModalWidget() == m_dialog; }

    // A window of the application that the dialog blocks: any but the dialog and the windows that belong to it.
    bool blocks(QWindow *window) const
    {
        if (window->type() == Qt::Popup || window->type() == Qt::ToolTip)
            return false;
        for (const QWindow *w = window; w; w = w->transientParent()) {
            if (w == m_dialog->windowHandle())
                return false;
        }
        return true;
    }

    void focusMoved(QWindow *window)
    {
        if (window && inFront() && blocks(window))
            bringBack();
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

    QWidget *m_dialog;
};

} // namespace

void keepModalInFront(QWidget *dialog)
{
    if (ModalKeptInFront)
        new ModalKeeper(dialog);
}

} // namespace tavrel::shell
