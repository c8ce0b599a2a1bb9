// SPDX-FileCopyrightText: 2026 The Tavrel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QTabBar>

namespace tavrel::ui {

// Tabs of equal width in one row, as high as the tab strip, with their captions wrapped over two lines
// instead of elided. While the strip has the keyboard focus, the current tab is ringed.
class DisplayTabBar : public QTabBar
{
    Q_OBJECT

public:
    explicit DisplayTabBar(int stripHeight, QWidget *parent = nullptr);

protected:
    QSize tabSizeHint(int index) const override;
    QSize minimumTabSizeHint(int index) const override;
    void paintEvent(QPaintEvent *event) override;

private:
    static constexpr int FocusInset = 3; // from the edge of the tab to the mark of the focus
    int m_stripHeight;
};

} // namespace tavrel::ui
