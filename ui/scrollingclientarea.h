// SPDX-FileCopyrightText: 2026 The Tavrel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QAbstractScrollArea>

namespace tavrel::ui {

// The frame's client area, which hosts the result window. As a multiple-document frame's client area does, it
// scrolls when a window in it does not fit, over the visible area and every window in it, also to the left of or
// above the visible area; scrolling moves the windows. Until the user scrolls they stay where they were put.
class ScrollingClientArea final : public QAbstractScrollArea
{
public:
    explicit ScrollingClientArea(QWidget *parent);

protected:
    bool viewportEvent(QEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;
    void scrollContentsBy(int dx, int dy) override;

private:
    // The scroll range: from the visible area's position, wherever the windows reach beyond it.
    void fit();

    bool m_scrolling = false;
    bool m_fitting = false;
};

} // namespace tavrel::ui
