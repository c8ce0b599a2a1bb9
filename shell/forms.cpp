// SPDX-FileCopyrightText: 2026 The Tavrel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/forms.h"

#include <QApplication>
#include <QCloseEvent>
#include <QShortcut>

namespace tavrel::shell {

namespace {

QList<QPointer<QWidget>> &loadedForms()
{
    static QList<QPointer<QWidget>> forms;
    return forms;
}

bool &ending()
{
    static bool value = false;
    return value;
}

std::function<void()> &endHandler()
{
    static std::function<void()> handler;
    return handler;
}

} // namespace

void LoadedForms::add(QWidget *form)
{
    loadedForms().append(form);
}

void LoadedForms::remove(QWidget *form)
{
    loadedForms().removeAll(form);
}

QList<QPointer<QWidget>> LoadedForms::all()
{
    QList<QPointer<QWidget>> forms = loadedForms();
    forms.removeAll(nullptr);
    return forms;
}

QWidget *ownerWindow()
{
    if (QWidget *modal = QApplication::activeModalWidget())
        return modal;
    if (QWidget *active = QApplication::activeWindow())
        return active;
    const QList<QPointer<QWidget>> forms = LoadedForms::all();
    for (auto form = forms.crbegin(); form != forms.crend(); ++form) {
        if ((*form)->isVisible())
            return (*form)->window();
    }
    return nullptr;
}

void takeEscapeEverywhere(QWidget *dialog)
{
    auto *escape = new QShortcut(QKeySequence::Cancel, dialog, dialog, &QWidget::close, Qt::ApplicationShortcut);
    escape->setObjectName(QStringLiteral("escapeEverywhere"));
}

void bringForward()
{
    QWidget *window = ownerWindow();
    if (!window)
        return;
    for (QWidget *w = window; w; w = w->parentWidget() ? w->parentWidget()->window() : nullptr) {
        if (w->isMinimized())
            w->setWindowState(w->windowState() & ~Qt::WindowMinimized);
    }
    window->raise();
    window->activateWindow();
}

void UnloadAllAndEnd()
{
    if (ending())
        return;
    ending() = true;

    // Unload the windows in the order they were loaded. A window may be in the middle of one of its own
    // handlers (an Exit button), so it is hidden now and destroyed when control returns to the event loop.
    const QList<QPointer<QWidget>> forms = LoadedForms::all();
    loadedForms().clear();
    for (const QPointer<QWidget> &form : forms) {
        if (form) {
            form->hide();
            form->deleteLater();
        }
    }

    if (endHandler())
        endHandler()();
    else
        QCoreApplication::exit(0);
}

bool isEnding()
{
    return ending();
}

void endOnClose(QCloseEvent *event)
{
    if (isEnding()) {
        event->accept();
        return;
    }
    event->ignore();
    UnloadAllAndEnd();
}

void setEndHandler(std::function<void()> handler)
{
    endHandler() = std::move(handler);
}

void resetEnding()
{
    ending() = false;
}

} // namespace tavrel::shell
