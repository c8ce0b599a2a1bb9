#pragma once

#include <QLabel>
#include <QList>
#include <QObject>
#include <QPixmap>
#include <QStringList>
#include <QTabBar>
#include <QTabWidget>

#include <utility>

namespace tavrel::ui {

// Tabs of equal width in one row, as high as the tab strip, with their captions wrapped over two lines
// instead of elided.
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
    int m_stripHeight;
};

// The tab control of the result window. Each tab holds one page container, placed at its own geometry in
// the coordinates of the tab control (tab strip included), as the layouts give it.
class DisplayTabs : public QTabWidget
{
    Q_OBJECT

public:
    DisplayTabs(int stripHeight, QWidget *parent);

    void addPage(QWidget *container, const QRect &geometry, const QString &caption);

protected:
    void resizeEvent(QResizeEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    void placePages();

    QList<std::pair<QWidget *, QRect>> m_containers;
};

// A list of pictures addressed by their position, 1 ... count(), as an image list of the window holds them.
class DisplayImageList : public QObject
{
    Q_OBJECT

public:
    DisplayImageList(const QStringList &resources, QObject *parent);

    int count() const { return static_cast<int>(m_pictures.size()); }
    // The picture at a position 1 ... count(); a null picture for any other position.
    QPixmap picture(int position) const;
    QString key(int position) const;

private:
    QList<QPixmap> m_pictures;
    QStringList m_keys;
};

// A picture box that shows its picture scaled smoothly to its size, at the resolution of its screen.
class DisplayPicture : public QLabel
{
    Q_OBJECT

public:
    explicit DisplayPicture(QWidget *parent);

    void setPicture(const QPixmap &picture);
    QPixmap picture() const { return m_picture; }

protected:
    bool event(QEvent *event) override;

private:
    void render();

    QPixmap m_picture;
    qreal m_renderedRatio = 0;
};

} // namespace tavrel::ui
