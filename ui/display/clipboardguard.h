// SPDX-FileCopyrightText: 2026 The Tavrel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>

class QAbstractScrollArea;

namespace tavrel::ui {

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
    // put there (or a clipboard manager holds it for this program), and leaves alone what other programs put there.
    static void emptyClipboard();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
};

} // namespace tavrel::ui
