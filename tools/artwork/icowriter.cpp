// SPDX-FileCopyrightText: 2026 The Tavrel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/artwork/icowriter.h"

#include <QBuffer>
#include <QByteArray>
#include <QDataStream>
#include <QSaveFile>

namespace artwork {
namespace {

QByteArray pngEntry(const QImage &image)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return bytes;
}

// BITMAPINFOHEADER, then the pixels as BGRA from the bottom row up, then the
// 1-bit AND mask (set where the picture is fully transparent), each row of
// the mask padded to four bytes. The header gives twice the height because
// it counts both the colour rows and the mask rows.
QByteArray bitmapEntry(const QImage &source)
{
    const QImage image = source.convertToFormat(QImage::Format_ARGB32);
    const int w = image.width();
    const int h = image.height();
    const int maskStride = ((w + 31) / 32) * 4;

    QByteArray bytes;
    QDataStream out(&bytes, QIODevice::WriteOnly);
    out.setByteOrder(QDataStream::LittleEndian);
    out << quint32(40) << qint32(w) << qint32(h * 2) << quint16(1) << quint16(32) << quint32(0)
        << quint32(w * h * 4 + maskStride * h) << qint32(0) << qint32(0) << quint32(0) << quint32(0);

    for (int y = h - 1; y >= 0; --y) {
        const auto *row = reinterpret_cast<const QRgb *>(image.constScanLine(y));
        for (int x = 0; x < w; ++x)
            out << quint8(qBlue(row[x])) << quint8(qGreen(row[x])) << quint8(qRed(row[x])) << quint8(qAlpha(row[x]));
    }
    for (int y = h - 1; y >= 0; --y) {
        const auto *row = reinterpret_cast<const QRgb *>(image.constScanLine(y));
        QByteArray mask(maskStride, '\0');
        for (int x = 0; x < w; ++x) {
            if (qAlpha(row[x]) == 0)
                mask[x / 8] = char(mask[x / 8] | (0x80 >> (x % 8)));
        }
        out.writeRawData(mask.constData(), maskStride);
    }
    return bytes;
}

} // namespace

bool writeIco(const QString &path, const QList<QImage> &images, QString *error)
{
    QList<QByteArray> entries;
    for (const QImage &image : images) {
        if (image.width() != image.height() || image.width() < 1 || image.width() > 256) {
            *error = QStringLiteral("icon sizes must be square, 1 to 256 pixels");
            return false;
        }
        entries << (image.width() == 256 ? pngEntry(image) : bitmapEntry(image));
    }

    QByteArray bytes;
    QDataStream out(&bytes, QIODevice::WriteOnly);
    out.setByteOrder(QDataStream::LittleEndian);
    out << quint16(0) << quint16(1) << quint16(images.size());

    quint32 offset = 6 + 16 * quint32(images.size());
    for (qsizetype i = 0; i < images.size(); ++i) {
        const int side = images[i].width();
        const quint8 stored = side == 256 ? 0 : quint8(side); // 0 means 256
        out << stored << stored << quint8(0) << quint8(0) << quint16(1) << quint16(32) << quint32(entries[i].size())
            << offset;
        offset += quint32(entries[i].size());
    }
    for (const QByteArray &entry : entries)
        out.writeRawData(entry.constData(), int(entry.size()));

    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit()) {
        *error = file.errorString();
        return false;
    }
    return true;
}

} // namespace artwork
