// SPDX-FileCopyrightText: 2026 The Tavrel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QObject>
#include <QPixmap>
#include <QStringList>

namespace tavrel::ui {

// A list of pictures addressed by their position, 1 ... count(), as an image list of the window holds them.
class DisplayImageList : public QObject
{
    Q_OBJECT

public:
    DisplayImageList(const QStringList &resources, QObject *parent);

    int count() const { return static_cast<int>(m_pictures.size()); }
    // The picture at a position 1 ... count(); a null picture for any other position.
    QPixmap picture(int position) const;

private:
    QList<QPixmap> m_pictures;
};

} // namespace tavrel::ui
