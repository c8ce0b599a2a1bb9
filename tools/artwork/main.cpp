// SPDX-FileCopyrightText: 2026 The Tavrel developers
// SPDX-License-Identifier: GPL-3.0-or-later
// tavrel-artwork: paints the seven chakra pictures and renders the
// application icon from assets/icons/tavrel.svg into PNGs and a Windows icon.
//
//   tavrel-artwork [chakra-dir] [--icons icon-dir]
//
// Both directories default to the ones in the source tree.

#include "tools/artwork/chakraart.h"
#include "tools/artwork/icowriter.h"

#include <QCommandLineParser>
#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QImageWriter>
#include <QPainter>
#include <QSvgRenderer>
#include <QTextStream>

#include <algorithm>
#include <array>

namespace {

constexpr int kChakraSize = 168;
constexpr int kJpegQuality = 92;
constexpr std::array kIconSizes{16, 22, 24, 32, 48, 64, 128, 256};
constexpr std::array kIcoSizes{16, 24, 32, 48, 64, 128, 256};

QTextStream &err()
{
    static QTextStream stream(stderr);
    return stream;
}

bool writeChakras(const QDir &dir)
{
    if (!dir.mkpath(QStringLiteral("."))) {
        err() << "cannot create " << dir.path() << Qt::endl;
        return false;
    }
    for (const artwork::ChakraArt &art : artwork::chakraArt()) {
        const QString path = dir.filePath(QString::fromUtf8(art.fileName));
        QImageWriter writer(path, "jpeg");
        writer.setQuality(kJpegQuality);
        writer.setOptimizedWrite(true);
        if (!writer.write(artwork::renderChakra(art, kChakraSize))) {
            err() << path << ": " << writer.errorString() << Qt::endl;
            return false;
        }
        QTextStream(stdout) << path << Qt::endl;
    }
    return true;
}

QImage renderIcon(QSvgRenderer &svg, int size)
{
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    svg.render(&p, QRectF(0, 0, size, size));
    p.end();
    return image;
}

bool writeIcons(const QDir &dir)
{
    const QString source = dir.filePath(QStringLiteral("tavrel.svg"));
    QSvgRenderer svg(source);
    if (!svg.isValid()) {
        err() << source << ": not a readable SVG picture" << Qt::endl;
        return false;
    }

    QList<QImage> icoImages;
    for (const int size : kIconSizes) {
        const QString sub = QStringLiteral("hicolor/%1x%1/apps").arg(size);
        if (!dir.mkpath(sub)) {
            err() << "cannot create " << dir.filePath(sub) << Qt::endl;
            return false;
        }
        const QImage image = renderIcon(svg, size);
        const QString path = dir.filePath(sub + QStringLiteral("/tavrel.png"));
        QImageWriter writer(path, "png");
        if (!writer.write(image)) {
            err() << path << ": " << writer.errorString() << Qt::endl;
            return false;
        }
        QTextStream(stdout) << path << Qt::endl;
        if (std::find(kIcoSizes.begin(), kIcoSizes.end(), size) != kIcoSizes.end())
            icoImages << image;
    }

    const QString ico = dir.filePath(QStringLiteral("tavrel.ico"));
    QString error;
    if (!artwork::writeIco(ico, icoImages, &error)) {
        err() << ico << ": " << error << Qt::endl;
        return false;
    }
    QTextStream(stdout) << ico << Qt::endl;
    return true;
}

} // namespace

int main(int argc, char *argv[])
{
    // The tool only paints into images; it needs no screen.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");

    QGuiApplication app(argc, argv);
    QGuiApplication::setApplicationName(QStringLiteral("tavrel-artwork"));

    const QDir assets(QStringLiteral(TAVREL_ASSETS_DIR));
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Paints Tavrel's chakra pictures and renders its application icon."));
    parser.addHelpOption();
    parser.addPositionalArgument(
        QStringLiteral("chakra-dir"),
        QStringLiteral("Where the chakra pictures go (default %1).").arg(assets.filePath(QStringLiteral("chakras"))),
        QStringLiteral("[chakra-dir]"));
    const QCommandLineOption iconsOption(QStringLiteral("icons"),
                                         QStringLiteral("Directory holding tavrel.svg; the PNGs and tavrel.ico "
                                                        "are written beside it (default %1).")
                                             .arg(assets.filePath(QStringLiteral("icons"))),
                                         QStringLiteral("icon-dir"), assets.filePath(QStringLiteral("icons")));
    parser.addOption(iconsOption);
    parser.process(app);

    const QStringList args = parser.positionalArguments();
    if (args.size() > 1)
        parser.showHelp(2);
    const QDir chakraDir(args.isEmpty() ? assets.filePath(QStringLiteral("chakras")) : args.first());
    const QDir iconDir(parser.value(iconsOption));

    if (!writeChakras(chakraDir) || !writeIcons(iconDir))
        return 1;
    return 0;
}
