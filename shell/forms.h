// SPDX-FileCopyrightText: 2026 The Tavrel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPointer>
#include <QWidget>

#include <functional>

class QCloseEvent;

namespace tavrel::shell {

// The windows that are loaded now, in the order they were loaded. UnloadAllAndEnd walks this list.
class LoadedForms
{
public:
    static void add(QWidget *form);
    static void remove(QWidget *form);
    static QList<QPointer<QWidget>> all();
};

// The window that a dialog or message box opened now belongs to, and is stacked over by the window system: the
// modal dialog in front, else the active window, else the visible window loaded last; nullptr when no window of
// the application is shown.
QWidget *ownerWindow();

// A modal dialog answers Escape (as its Cancel) whichever of the application's windows holds the keyboard: a
// window system may give the keyboard to a window the dialog blocks (on a click on it), where keys go nowhere.
void takeEscapeEverywhere(QWidget *dialog);

// Brings the application's window forward, as the user asked by starting it again: the visible window (with the
// windows it belongs to) restored if minimized, raised and activated. The window system decides whether it
// takes the focus.
void bringForward();

// One window of the application: created and loaded on first use, destroyed when unloaded, and created
// afresh from its design state when used again. `prepare` (optional) loads what the window lives in, which
// may in turn load this window; `create` builds the window (with its parent, if any); `load` runs its load
// handling, which may itself use other windows.
template<typename Form> class FormSlot
{
public:
    using Create = std::function<Form *()>;
    using Load = std::function<void(Form &)>;
    using Prepare = std::function<void()>;

    FormSlot(Create create, Load load, Prepare prepare = {})
        : m_create(std::move(create))
        , m_load(std::move(load))
        , m_prepare(std::move(prepare))
    { }

    // The window, loading it if it is not loaded.
    Form &get()
    {
        if (!m_form && m_prepare)
            m_prepare();
        if (!m_form) {
            Form *form = m_create();
            m_form = form;
            LoadedForms::add(form);
            if (m_load)
                m_load(*form);
        }
        return *m_form;
    }

    // The window if it is loaded, nullptr otherwise; never loads it.
    Form *loaded() const { return m_form.data(); }
    bool isLoaded() const { return !m_form.isNull(); }

    // Hides the window and destroys it once control returns to the event loop (so that a window can unload
    // itself from one of its own handlers). From now on get() creates a new one.
    void unload()
    {
        if (Form *form = m_form.data()) {
            m_form = nullptr;
            LoadedForms::remove(form);
            form->hide();
            form->deleteLater();
        }
    }

private:
    Create m_create;
    Load m_load;
    Prepare m_prepare;
    QPointer<Form> m_form;
};

// Unloads every loaded window (hidden ones included) and ends the application. Calls made while it runs
// (for instance from close events raised by the unloading) do nothing.
void UnloadAllAndEnd();
bool isEnding();

// What a close box of a main window does: the window does not close by itself, the application ends. Close
// events raised while the application is ending are accepted.
void endOnClose(QCloseEvent *event);

// What ending the application means: by default, leave the event loop with exit code 0 at once.
// Tests replace it to observe the end without leaving.
void setEndHandler(std::function<void()> handler);
// Lets a test start over after an end it observed.
void resetEnding();

} // namespace tavrel::shell
