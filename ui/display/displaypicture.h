// SPDX-FileCopyrightText: 2026 The Tavrel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLabel>
#include <QPixmap>

namespace tavrel::ui {

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
    QSize m_renderedSize; // of the box when the picture was last scaled
};

} // namespace tavrel::ui
