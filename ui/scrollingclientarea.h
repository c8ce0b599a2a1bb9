// SPDX-FileCopyrightText: 2026 The Tavrel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QAbstractScrollArea>

namespace tavrel::ui {

// The frame's client area, which hosts the result window. As a multiple-document frame's client area does, it
// scrolls when a window in it does not fit, over the visible area and every window in it, also to the left of or
// above the visible area; scrolling moves the windows. Until the user scrolls they stay where they were put.
//
// It follows the keyboard focus: a control inside that takes the focus from another control of the frame (by
// Tab, an arrow key, a click) is scrolled into view with a margin for its mark of the focus, as a scroll area's
// ensureWidgetVisible does; of a tab strip, the current tab, which shows the focus, and again as the tab changes.
// The focus that comes back with the window leaves the view where the user left it. Page Up and Page Down, and the
// arrow keys that the control with the focus does not use, scroll it as any scrolled window.
class ScrollingClientArea final : public QAbstractScrollArea
{
    Q_OBJECT

public:
    explicit ScrollingClientArea(QWidget *parent);

protected:
    bool viewportEvent(QEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;
    void scrollContentsBy(int dx, int dy) override;

private:
    // The scroll range: from the visible area's position, wherever the windows reach beyond it.
    void fit();
    void focusChanged(QWidget *old, QWidget *now);
    // Scrolls the part of `control` that shows the focus into view.
    void showFocus(const QWidget *control);

    bool m_scrolling = false;
    bool m_fitting = false;
    QMetaObject::Connection m_tabsFollowed; // the current tab of a tab strip with the focus
};

} // namespace tavrel::ui
