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

ClipboardWatch *ClipboardWatch::of(QClipboard *clipboard)
{
    auto *watch = clipboard->findChild<ClipboardWatch *>(QString(), Qt::FindDirectChildrenOnly);
    return watch ? watch : new ClipboardWatch(clipboard, clipboard);
}

ClipboardWatch::ClipboardWatch(QClipboard *clipboard, QObject *parent)
    : QObject(parent)
    , m_clipboard(clipboard)
{
    connect(clipboard, &QClipboard::dataChanged, this, &ClipboardWatch::changed);
}

void ClipboardWatch::changed()
{
    m_held = false;
    if (m_clipboard->ownsClipboard()) { // this program's own copy: read without asking another program
        const QMimeData *data = m_clipboard->mimeData();
        m_text = data ? data->text() : QString();
        m_html = data ? data->html() : QString();
        return;
    }
    if (m_text.isEmpty() && m_html.isEmpty())
        return;
    const QMimeData *data = m_clipboard->mimeData();
    const QString text = data ? data->text() : QString();
    const QString html = data ? data->html() : QString();
    if (text.isEmpty() && html.isEmpty())
        return; // nothing to read yet, while the manager takes it over
    m_held = (text.isEmpty() || text == m_text) && (html.isEmpty() || html == m_html);
    if (!m_held)
        m_text = m_html = QString();
}

ClipboardGuard::ClipboardGuard(QObject *owner)
    : QObject(owner)
{
    if (QClipboard *clipboard = QGuiApplication::clipboard())
        m_watch = ClipboardWatch::of(clipboard);
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

void ClipboardGuard::emptyClipboard()
{
    QClipboard *clipboard = QGuiApplication::clipboard();
    if (!clipboard)
        return;
    if (clipboard->ownsClipboard()) {
        clipboard->clear(QClipboard::Clipboard);
    } else if (m_watch && m_watch->heldForThisProgram()) {
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
