// SPDX-FileCopyrightText: 2026 The Tavrel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/display/displaytabs.h"

#include "ui/display/displaytabbar.h"

namespace tavrel::ui {

DisplayTabs::DisplayTabs(int stripHeight, QWidget *parent)
    : QTabWidget(parent)
{
    setTabBar(new DisplayTabBar(stripHeight, this));
}

void DisplayTabs::addPage(QWidget *container, const QRect &geometry, const QString &caption)
{
    auto *page = new QWidget;
    container->setParent(page);
    m_containers.append({container, geometry});
    addTab(page, caption);
    placePages();
}

void DisplayTabs::resizeEvent(QResizeEvent *event)
{
    QTabWidget::resizeEvent(event);
    placePages();
}

void DisplayTabs::showEvent(QShowEvent *event)
{
    QTabWidget::showEvent(event);
    placePages();
}

void DisplayTabs::placePages()
{
    // The pages share the stack below the tab strip; their containers are laid out in this control's
    // coordinates.
    for (const auto &[container, geometry] : std::as_const(m_containers)) {
        QWidget *page = container->parentWidget();
        const QPoint stack = page->parentWidget() ? page->parentWidget()->mapTo(this, QPoint()) : QPoint();
        container->setGeometry(geometry.translated(-stack));
    }
}

} // namespace tavrel::ui
