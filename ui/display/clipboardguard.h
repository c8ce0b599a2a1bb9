// SPDX-FileCopyrightText: 2026 The Tavrel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QPointer>

class QAbstractScrollArea;
class QClipboard;

namespace tavrel::ui {

class ClipboardWatch;

// Keeps the text of the boxes it guards from staying copied: it empties the clipboard whenever a guarded box's text
// changes and whenever the mouse moves, is pressed, released or clicked over it. Owned by the window whose boxes it
// guards; a window without one leaves the clipboard alone.
class ClipboardGuard : public QObject
{
    Q_OBJECT

public:
    explicit ClipboardGuard(QObject *owner);

    // Guards `box` (a QPlainTextEdit or a QTextEdit) for as long as both live.
    void guard(QAbstractScrollArea *box);

    // Empties the clipboard and the X11 selection (what a middle click pastes) while they hold what this program
    // put there (or a clipboard manager holds it for this program), and leaves alone what other programs put there
    // and a clipboard that tells of no owner at all. A clipboard that cannot be emptied is left as it is.
    void emptyClipboard();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QPointer<ClipboardWatch> m_watch;
};

// Whether the clipboard, owned by another program, holds what this program copied last: a clipboard manager (most
// desktops run one, and the Wayland compositor weston is one) takes over what a program copies, whole or in one of
// its formats, so that it stays after that program ends; the clipboard then holds this program's text without this
// program owning it. Learnt as the clipboard changes, so another program's clipboard is read once after this
// program's copy went to it, not at every guarded event. One for each application object: a child of its clipboard.
class ClipboardWatch : public QObject
{
    Q_OBJECT

public:
    static ClipboardWatch *of(QClipboard *clipboard); // made on first use, watching from then on

    bool heldForThisProgram() const { return m_held; }

private:
    ClipboardWatch(QClipboard *clipboard, QObject *parent);
    void changed();

    QClipboard *m_clipboard;
    QString m_text; // this program's last copy while it may still be there: its text, and its formatted text for a
    QString m_html; // copy from a rich text box
    bool m_held = false;
};

} // namespace tavrel::ui
