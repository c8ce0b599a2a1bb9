// SPDX-FileCopyrightText: 2026 The Tavrel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/display/displaytabs.h"

#include "ui/display/displaytabbar.h"

#include <QApplication>

namespace tavrel::ui {

DisplayTabs::DisplayTabs(int stripHeight, QWidget *parent)
    : QTabWidget(parent)
{
    setTabBar(new DisplayTabBar(stripHeight, this));
    // A control of the page that goes takes the focus along to the page that comes: to the control there that had
    // it last or to its first, and where it has none (the third page), Qt gives it to the page itself, which shows
    // no mark. The tab strip, which rings its current tab, takes it then.
    connect(this, &QTabWidget::currentChanged, this, [this] {
        const QWidget *focus = QApplication::focusWidget();
        if (focus && isAncestorOf(focus) && !(focus->focusPolicy() & Qt::TabFocus))
            tabBar()->setFocus(Qt::TabFocusReason);
    });
}

void DisplayTabs::addPage(QWidget *container, QRect geometry, const QString &caption)
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
