// SPDX-FileCopyrightText: 2026 The Tavrel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/display/clipboardguard.h"

#include <QAbstractScrollArea>
#include <QClipboard>
#include <QEvent>
#include <QGuiApplication>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QTextEdit>

namespace tavrel::ui {

namespace {

// What this program last put into the clipboard (its text, and its formatted text for a copy from a rich text
// box), while it may still be there: a clipboard manager (most desktops run one, and the Wayland compositor weston
// is one) takes over what a program copies, whole or in one of its formats, so that it stays after that program
// ends; the clipboard then holds this program's text without this program owning it.
struct Copied
{
    QString text;
    QString html;
};
Copied &lastCopied(QClipboard *clipboard)
{
    static Copied copied;
    static const bool watching = [clipboard] {
        QObject::connect(clipboard, &QClipboard::dataChanged, clipboard, [clipboard] {
            if (const QMimeData *data = clipboard->mimeData(); data && clipboard->ownsClipboard())
                copied = {data->text(), data->html()};
        });
        return true;
    }();
    Q_UNUSED(watching)
    return copied;
}

// Whether the clipboard, owned by another program, holds what this program copied last. Asks the owner only until
// it holds something else.
bool heldForThisProgram(QClipboard *clipboard)
{
    Copied &copied = lastCopied(clipboard);
    if (copied.text.isEmpty() && copied.html.isEmpty())
        return false;
    const QMimeData *data = clipboard->mimeData();
    const QString text = data ? data->text() : QString();
    const QString html = data ? data->html() : QString();
    if (text.isEmpty() && html.isEmpty())
        return false; // nothing to read yet, while the manager takes it over
    if ((text.isEmpty() || text == copied.text) && (html.isEmpty() || html == copied.html))
        return true;
    copied = {};
    return false;
}

} // namespace

ClipboardGuard::ClipboardGuard(QObject *owner)
    : QObject(owner)
{
    lastCopied(QGuiApplication::clipboard()); // from now on
}

void ClipboardGuard::guard(QAbstractScrollArea *box)
{
    if (auto *plain = qobject_cast<QPlainTextEdit *>(box))
        connect(plain, &QPlainTextEdit::textChanged, this, &ClipboardGuard::emptyClipboard);
    else if (auto *rich = qobject_cast<QTextEdit *>(box))
        connect(rich, &QTextEdit::textChanged, this, &ClipboardGuard::emptyClipboard);
    QWidget *viewport = box->viewport();
    viewport->setMouseTracking(true);
    viewport->installEventFilter(this);
}

// Platforms without a clipboard shared with other programs (offscreen, minimal) keep it inside this program: there,
// all of it is this program's. A clipboard that cannot be emptied is left as it is.
void ClipboardGuard::emptyClipboard()
{
    QClipboard *clipboard = QGuiApplication::clipboard();
    if (!clipboard)
        return;
    static const bool keptInside =
        QStringList{QStringLiteral("offscreen"), QStringLiteral("minimal")}.contains(QGuiApplication::platformName());
    if (keptInside || clipboard->ownsClipboard()) {
        clipboard->clear(QClipboard::Clipboard);
    } else if (heldForThisProgram(clipboard)) {
        // Only an owner can empty it: this program becomes the owner of an empty text, which the manager takes
        // over in turn. (Emptied at once, the manager would put back what it holds.)
        clipboard->setText(QString(), QClipboard::Clipboard);
    }
    if (clipboard->supportsSelection() && clipboard->ownsSelection())
        clipboard->clear(QClipboard::Selection);
}

bool ClipboardGuard::eventFilter(QObject *watched, QEvent *event)
{
    const QEvent::Type type = event->type();
    if (type == QEvent::MouseMove || type == QEvent::MouseButtonPress || type == QEvent::MouseButtonRelease
        || type == QEvent::MouseButtonDblClick)
        emptyClipboard();
    return QObject::eventFilter(watched, event);
}

} // namespace tavrel::ui
