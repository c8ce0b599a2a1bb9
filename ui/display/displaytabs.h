// SPDX-FileCopyrightText: 2026 The Tavrel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QTabBar>
#include <QTabWidget>

#include <utility>

namespace tavrel::ui {

// The tab control of the result window. Each tab holds one page container, placed at its own geometry in
// the coordinates of the tab control (tab strip included), as the layouts give it.
class DisplayTabs : public QTabWidget
{
    Q_OBJECT

public:
    DisplayTabs(int stripHeight, QWidget *parent);

    void addPage(QWidget *container, QRect geometry, const QString &caption);

protected:
    void resizeEvent(QResizeEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    void placePages();

    QList<std::pair<QWidget *, QRect>> m_containers;
};

} // namespace tavrel::ui
