// SPDX-FileCopyrightText: 2026 The Tavrel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/display/displayimagelist.h"

namespace tavrel::ui {

DisplayImageList::DisplayImageList(const QStringList &resources, QObject *parent)
    : QObject(parent)
{
    for (const QString &resource : resources)
        m_pictures.append(QPixmap(resource));
}

QPixmap DisplayImageList::picture(int position) const
{
    if (position < 1 || position > count())
        return {};
    return m_pictures.at(position - 1);
}

} // namespace tavrel::ui
