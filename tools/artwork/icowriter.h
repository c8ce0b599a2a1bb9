// SPDX-FileCopyrightText: 2026 The Tavrel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Writes a Windows icon holding several sizes of one picture. Qt's own ICO
// plugin stores a single image per file, so the container is written here:
// 32-bit bitmaps with an AND mask for the sizes below 256, and a PNG for
// 256 x 256, the way Windows Explorer and the resource compiler expect.

#include <QImage>
#include <QList>
#include <QString>

namespace artwork {

// Images must be square and at most 256 pixels wide. Returns false and sets
// `error` if the file cannot be written.
bool writeIco(const QString &path, const QList<QImage> &images, QString *error);

} // namespace artwork
