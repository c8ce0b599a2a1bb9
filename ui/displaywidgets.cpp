#include "displaywidgets.h"

#include <QEvent>
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
        painter.drawText(option.rect.adjusted(4, 2, -4, -2), Qt::AlignCenter | Qt::TextWordWrap, caption);
    };
    // The selected tab last, so that its shape overlaps its neighbours.
    for (int i = 0; i < count(); ++i) {
        if (i != currentIndex())
            paintTab(i);
    }
    if (currentIndex() >= 0)
        paintTab(currentIndex());
}

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

DisplayImageList::DisplayImageList(const QStringList &resources, QObject *parent)
    : QObject(parent)
{
    for (const QString &resource : resources) {
        m_pictures.append(QPixmap(resource));
        m_keys.append(resource.section(QLatin1Char('/'), -1));
    }
}

QPixmap DisplayImageList::picture(int position) const
{
    if (position < 1 || position > count())
        return {};
    return m_pictures.at(position - 1);
}

QString DisplayImageList::key(int position) const
{
    if (position < 1 || position > count())
        return {};
    return m_keys.at(position - 1);
}

DisplayPicture::DisplayPicture(QWidget *parent)
    : QLabel(parent)
{
    setAlignment(Qt::AlignCenter);
}

void DisplayPicture::setPicture(const QPixmap &picture)
{
    m_picture = picture;
    m_renderedRatio = 0;
    render();
}

bool DisplayPicture::event(QEvent *event)
{
    switch (event->type()) {
    case QEvent::Resize:
        m_renderedRatio = 0;
        render();
        break;
    case QEvent::Show:
    case QEvent::ScreenChangeInternal:
        if (m_renderedRatio != devicePixelRatioF())
            render();
        break;
    default:
        break;
    }
    return QLabel::event(event);
}

void DisplayPicture::render()
{
    if (m_picture.isNull()) {
        clear();
        return;
    }
    // Scaled once to the device pixels of the box, so that the picture stays sharp at any scale factor.
    const qreal ratio = devicePixelRatioF();
    QPixmap scaled = m_picture.scaled(size() * ratio, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    scaled.setDevicePixelRatio(ratio);
    m_renderedRatio = ratio;
    setPixmap(scaled);
}

} // namespace tavrel::ui
