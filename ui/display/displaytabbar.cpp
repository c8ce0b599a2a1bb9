// SPDX-FileCopyrightText: 2026 The Tavrel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/display/displaytabbar.h"

#include "ui/focusring.h"
#include "ui/textlabel.h"

#include <QGuiApplication>
#include <QStyleOptionTab>
#include <QStylePainter>

namespace tavrel::ui {

DisplayTabBar::DisplayTabBar(int stripHeight, QWidget *parent)
    : QTabBar(parent)
    , m_stripHeight(stripHeight)
{
    setExpanding(true);
    setUsesScrollButtons(false);
    setElideMode(Qt::ElideNone);
    setDrawBase(false);
    // The strip is in the system's button face with its button text, whatever the panel behind it: some styles
    // paint a tab's face in the Window colour (the navy of the panel), others in the Button colour.
    const QPalette system = QGuiApplication::palette();
    QPalette strip = palette();
    for (const QPalette::ColorRole role : {QPalette::Window, QPalette::Button})
        strip.setBrush(role, system.brush(QPalette::Button));
    for (const QPalette::ColorRole role : {QPalette::WindowText, QPalette::ButtonText})
        strip.setBrush(role, system.brush(QPalette::ButtonText));
    setPalette(strip);
}

QSize DisplayTabBar::tabSizeHint(int /*index*/) const
{
    const QWidget *control = parentWidget();
    const int available = control ? control->width() : width();
    return {qMax(1, available / qMax(1, count())), m_stripHeight};
}

QSize DisplayTabBar::minimumTabSizeHint(int index) const
{
    return tabSizeHint(index);
}

void DisplayTabBar::paintEvent(QPaintEvent * /*event*/)
{
    QStylePainter painter(this);
    const auto paintTab = [&](int index) {
        QStyleOptionTab option;
        initStyleOption(&option, index);
        const QString caption = option.text;
        option.text.clear();
        painter.drawControl(QStyle::CE_TabBarTabShape, option);
        painter.setPen(option.palette.color(QPalette::ButtonText));
        drawKeptText(painter, option.rect.adjusted(4, 2, -4, -2), Qt::AlignCenter | Qt::TextWordWrap, caption);
    };
    // The selected tab last, so that its shape overlaps its neighbours.
    for (int i = 0; i < count(); ++i) {
        if (i != currentIndex())
            paintTab(i);
    }
    if (currentIndex() >= 0)
        paintTab(currentIndex());
    // The current tab is ringed while the strip has the focus, however the focus came: with the window too.
    if (hasFocus() && currentIndex() >= 0)
        drawFocusRing(painter,
                      QRectF(tabRect(currentIndex())).adjusted(FocusInset, FocusInset, -FocusInset, -FocusInset));
}

} // namespace tavrel::ui
