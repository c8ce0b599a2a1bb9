// SPDX-FileCopyrightText: 2026 The Tavrel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/scrollingclientarea.h"

#include "ui/style.h"
#include "ui/twips.h"

#include <QAccessibleWidget>
#include <QApplication>
#include <QChildEvent>
#include <QScrollBar>
#include <QStyle>
#include <QTabBar>

#include <utility>

namespace tavrel::ui {

namespace {

// Read by a screen reader as a plain widget with its children. Qt's own reading of a scroll area (Qt 6.4) asks
// for a child by its number without looking whether it is still there: when the scroll bars go as the frame is
// maximized while a screen reader walks the frame, it reads past the end of its list and the program crashes.
QAccessibleInterface *accessibleArea(const QString &, QObject *object)
{
    auto *area = dynamic_cast<ScrollingClientArea *>(object);
    return area ? new QAccessibleWidget(area, QAccessible::Client) : nullptr;
}

} // namespace

ScrollingClientArea::ScrollingClientArea(QWidget *parent)
    : QAbstractScrollArea(parent)
{
    static const bool readable = (QAccessible::installFactory(accessibleArea), true);
    Q_UNUSED(readable)
    setFrameShape(QFrame::NoFrame);
    setFocusPolicy(Qt::NoFocus);
    // The windows inside take the background role of the client area, as they would in any other widget.
    viewport()->setBackgroundRole(QPalette::Window);
    setBackground(viewport(), Navy);
    connect(qApp, &QApplication::focusChanged, this, &ScrollingClientArea::focusChanged);
}

void ScrollingClientArea::focusChanged(QWidget *old, QWidget *now)
{
    disconnect(m_tabsFollowed);
    if (!now || !viewport()->isAncestorOf(now))
        return;
    if (const auto *tabs = qobject_cast<const QTabBar *>(now))
        m_tabsFollowed = connect(tabs, &QTabBar::currentChanged, this, [this, tabs] { showFocus(tabs); });
    if (old && old->window() == window())
        showFocus(now);
}

void ScrollingClientArea::showFocus(const QWidget *control)
{
    QRect box = control->rect();
    if (const auto *tabs = qobject_cast<const QTabBar *>(control); tabs && tabs->currentIndex() >= 0)
        box = tabs->tabRect(tabs->currentIndex());
    const int margin = px(150); // room for the mark of the focus around the control
    box = QRect(control->mapTo(viewport(), box.topLeft()), box.size()).adjusted(-margin, -margin, margin, margin);
    // Along each axis: a box that starts before the view, or is longer than it, is shown from its start; one that
    // ends beyond the view, up to its end.
    const auto shift = [](int start, int length, int view) {
        return start < 0 || length > view ? start : qMax(0, start + length - view);
    };
    horizontalScrollBar()->setValue(horizontalScrollBar()->value()
                                    + shift(box.left(), box.width(), viewport()->width()));
    verticalScrollBar()->setValue(verticalScrollBar()->value() + shift(box.top(), box.height(), viewport()->height()));
}

bool ScrollingClientArea::viewportEvent(QEvent *event)
{
    if (event->type() == QEvent::ChildAdded) {
        if (QObject *added = static_cast<QChildEvent *>(event)->child(); added->isWidgetType())
            added->installEventFilter(this);
    } else if (event->type() == QEvent::ChildRemoved || event->type() == QEvent::Resize) {
        fit();
    }
    return QAbstractScrollArea::viewportEvent(event);
}

bool ScrollingClientArea::eventFilter(QObject *watched, QEvent *event)
{
    const QEvent::Type type = event->type();
    if (!m_scrolling && watched->parent() == viewport()
        && (type == QEvent::Move || type == QEvent::Resize || type == QEvent::Show || type == QEvent::Hide))
        fit();
    return QAbstractScrollArea::eventFilter(watched, event);
}

void ScrollingClientArea::scrollContentsBy(int dx, int dy)
{
    const bool scrolling = std::exchange(m_scrolling, true);
    for (QWidget *window : viewport()->findChildren<QWidget *>(Qt::FindDirectChildrenOnly))
        window->move(window->pos() + QPoint(dx, dy));
    m_scrolling = scrolling;
}

void ScrollingClientArea::fit()
{
    if (std::exchange(m_fitting, true))
        return;
    QRect windows;
    for (const QWidget *window : viewport()->findChildren<QWidget *>(Qt::FindDirectChildrenOnly)) {
        if (!window->isHidden())
            windows |= window->geometry();
    }
    // Which scroll bars are needed is settled here and now rather than later, as Qt would, so that a frame
    // laid out at its design size and then maximized is never painted with bars that are about to go.
    const QSize whole = maximumViewportSize();
    const int thickness = style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, this);
    const auto beyond = [&windows](int width, int height) {
        return std::pair{windows.left() < 0 || windows.left() + windows.width() > width,
                         windows.top() < 0 || windows.top() + windows.height() > height};
    };
    auto [horizontal, vertical] = beyond(whole.width(), whole.height());
    if (horizontal != vertical) {
        const auto [h, v] =
            beyond(whole.width() - (vertical ? thickness : 0), whole.height() - (horizontal ? thickness : 0));
        horizontal = horizontal || h;
        vertical = vertical || v;
    }
    setHorizontalScrollBarPolicy(horizontal ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(vertical ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff);

    const QSize view = viewport()->size();
    const QRect extent = windows | QRect(QPoint(), view);
    m_scrolling = true;
    for (QScrollBar *bar : {horizontalScrollBar(), verticalScrollBar()}) {
        const bool isHorizontal = bar == horizontalScrollBar();
        const int start = (isHorizontal ? extent.left() : extent.top()) + bar->value();
        const int overhang = (isHorizontal ? extent.width() - view.width() : extent.height() - view.height());
        bar->setRange(qMin(0, start), qMax(0, start + overhang));
        bar->setPageStep(isHorizontal ? view.width() : view.height());
        bar->setSingleStep(20);
    }
    m_scrolling = false;
    m_fitting = false;
}

} // namespace tavrel::ui
