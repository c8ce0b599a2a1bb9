// SPDX-FileCopyrightText: 2026 The Tavrel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "reading/vocabulary.h"
#include "ui/diagram/diagramsphere.h"
#include "ui/twips.h"

#include <QColor>
#include <QImage>
#include <QLine>
#include <QList>
#include <QRect>
#include <QSize>
#include <QString>

#include <array>

class QPainter;

// The scene of the Tree-of-Life diagram: where its spheres, paths, path names and tarot cards stand (in twips) and
// how they are coloured, and the scene as values that any thread can paint.
namespace tavrel::ui::diagramdesign {

inline constexpr int SphereCount = 11;

inline constexpr QColor SphereColor = DiagramSphere::DefaultColor;
inline constexpr QColor PathColor{64, 64, 64};
inline constexpr QColor ConnectorColor{139, 193, 119};
inline constexpr int PathWidth = 6;
inline constexpr int ConnectorWidth = 2;
inline constexpr int DaatIndex = 10;
// The ring around the sphere with the focus: a solid line this wide, this far outside the ellipse.
inline constexpr qreal FocusMarkWidth = 2;
inline constexpr qreal FocusMarkGap = 2;

// The names shown in the explanation, by diagram index; Da'at is written without its apostrophe.
inline const std::array<QString, SphereCount> SphereNames{
    QStringLiteral("Keter"),   QStringLiteral("Chokmah"),   QStringLiteral("Binah"),   QStringLiteral("Chesed"),
    QStringLiteral("Gevurah"), QStringLiteral("Tiphereth"), QStringLiteral("Netzach"), QStringLiteral("Hod"),
    QStringLiteral("Yesod"),   QStringLiteral("Malkhuth"),  QStringLiteral("Daat")};

struct SphereDesign
{
    const char *caption;
    QRect label; // twips
    QRect shape; // twips
};

// By diagram index: the ten Sephiroth in the order of the Tree, Da'at last. The captions keep their blanks.
inline constexpr std::array<SphereDesign, SphereCount> Spheres{{
    {.caption = "   1   Keter", .label = {1560, 120, 735, 615}, .shape = {1560, 120, 735, 615}},
    {.caption = " 2 Chokmah", .label = {2640, 1080, 975, 615}, .shape = {2760, 1080, 735, 615}},
    {.caption = "     3     Binah", .label = {360, 1080, 735, 615}, .shape = {360, 1080, 735, 615}},
    {.caption = " 4 Chesed", .label = {2760, 2520, 735, 615}, .shape = {2760, 2520, 735, 615}},
    {.caption = "5 Gevurah", .label = {240, 2520, 855, 615}, .shape = {360, 2520, 735, 615}},
    {.caption = "6 Tiphereth", .label = {1440, 3600, 975, 615}, .shape = {1560, 3600, 735, 615}},
    {.caption = " 7 Netzach", .label = {2640, 4560, 975, 615}, .shape = {2760, 4560, 735, 615}},
    {.caption = "    8    Hod", .label = {360, 4560, 735, 615}, .shape = {360, 4560, 735, 615}},
    {.caption = " 9  Yesod", .label = {1560, 5520, 735, 615}, .shape = {1560, 5520, 735, 615}},
    {.caption = " 10 Malkhuth", .label = {1440, 6600, 945, 615}, .shape = {1560, 6600, 735, 615}},
    {.caption = "         Daat", .label = {1560, 1560, 735, 615}, .shape = {1560, 1560, 735, 615}},
}};

struct LineDesign
{
    const char *name;
    int x1, y1, x2, y2; // twips
};

// The 22 paths, named by the numbers of the two spheres they join, lower first.
inline constexpr std::array<LineDesign, 22> Paths{{
    {.name = "ln12", .x1 = 2160, .y1 = 600, .x2 = 3000, .y2 = 1080},
    {.name = "ln13", .x1 = 1800, .y1 = 480, .x2 = 720, .y2 = 1200},
    {.name = "ln16", .x1 = 1920, .y1 = 720, .x2 = 1920, .y2 = 3600},
    {.name = "ln23", .x1 = 960, .y1 = 1440, .x2 = 2760, .y2 = 1440},
    {.name = "ln24", .x1 = 3240, .y1 = 1680, .x2 = 3240, .y2 = 2640},
    {.name = "ln26", .x1 = 3000, .y1 = 1560, .x2 = 1920, .y2 = 3840},
    {.name = "ln35", .x1 = 600, .y1 = 1560, .x2 = 600, .y2 = 2640},
    {.name = "ln36", .x1 = 840, .y1 = 1560, .x2 = 1800, .y2 = 3600},
    {.name = "ln45", .x1 = 960, .y1 = 2760, .x2 = 2760, .y2 = 2760},
    {.name = "ln46", .x1 = 2880, .y1 = 2880, .x2 = 2040, .y2 = 3720},
    {.name = "ln47", .x1 = 3240, .y1 = 3120, .x2 = 3240, .y2 = 4680},
    {.name = "ln56", .x1 = 960, .y1 = 2880, .x2 = 1800, .y2 = 3720},
    {.name = "ln58", .x1 = 600, .y1 = 3000, .x2 = 600, .y2 = 4680},
    {.name = "ln67", .x1 = 2160, .y1 = 4080, .x2 = 2880, .y2 = 4800},
    {.name = "ln68", .x1 = 1680, .y1 = 4080, .x2 = 960, .y2 = 4800},
    {.name = "ln69", .x1 = 1920, .y1 = 4200, .x2 = 1920, .y2 = 5520},
    {.name = "ln78", .x1 = 1080, .y1 = 4800, .x2 = 2880, .y2 = 4800},
    {.name = "ln79", .x1 = 2880, .y1 = 5040, .x2 = 2160, .y2 = 5640},
    {.name = "ln89", .x1 = 960, .y1 = 5040, .x2 = 1680, .y2 = 5760},
    {.name = "ln710", .x1 = 3120, .y1 = 5040, .x2 = 2160, .y2 = 6720},
    {.name = "ln810", .x1 = 720, .y1 = 5040, .x2 = 1680, .y2 = 6720},
    {.name = "ln910", .x1 = 1920, .y1 = 6120, .x2 = 1920, .y2 = 6600},
}};

struct PathNameDesign
{
    const char *label;
    const char *caption;
    int left, top, width; // twips
    const char *path; // the path it names
};

// The names of the twelve paths of the signs.
inline constexpr std::array<PathNameDesign, 12> PathNames{{
    {.label = "Label11", .caption = "Path of Zain", .left = 2880, .top = 360, .width = 1170, .path = "ln36"},
    {.label = "Label10", .caption = "Path of H\u00e9", .left = 3720, .top = 1680, .width = 1005, .path = "ln26"},
    {.label = "Label12", .caption = "Path of Cheth", .left = 3720, .top = 2160, .width = 1305, .path = "ln35"},
    {.label = "Label13", .caption = "Path of Vau", .left = 3720, .top = 2400, .width = 1110, .path = "ln24"},
    {.label = "Label15", .caption = "Path of Yod", .left = 3720, .top = 3240, .width = 1110, .path = "ln46"},
    {.label = "Label16", .caption = "Path of Lamed", .left = 3720, .top = 3480, .width = 1395, .path = "ln56"},
    {.label = "Label21", .caption = "Path of Teth", .left = 3720, .top = 3720, .width = 1185, .path = "ln45"},
    {.label = "Label18", .caption = "Path of Ayin", .left = 3720, .top = 4080, .width = 1185, .path = "ln68"},
    {.label = "Label17", .caption = "Path of Nun", .left = 3720, .top = 4440, .width = 1125, .path = "ln67"},
    {.label = "Label20", .caption = "Path of Samekh", .left = 3720, .top = 5160, .width = 1530, .path = "ln69"},
    {.label = "Label14", .caption = "Path of Tzaddi", .left = 3720, .top = 5400, .width = 1395, .path = "ln79"},
    {.label = "Label22", .caption = "Path of Qoph", .left = 3720, .top = 6000, .width = 1245, .path = "ln710"},
}};

// The connectors that tie each name of PathNames to its path, in the same order.
inline constexpr std::array<LineDesign, PathNames.size()> Connectors{{
    {.name = "Line3", .x1 = 1080, .y1 = 2040, .x2 = 2760, .y2 = 600},
    {.name = "Line1", .x1 = 2880, .y1 = 1800, .x2 = 3600, .y2 = 1800},
    {.name = "Line4", .x1 = 600, .y1 = 2280, .x2 = 3600, .y2 = 2280},
    {.name = "Line2", .x1 = 3240, .y1 = 2520, .x2 = 3600, .y2 = 2520},
    {.name = "Line7", .x1 = 2400, .y1 = 3360, .x2 = 3600, .y2 = 3360},
    {.name = "Line6", .x1 = 1680, .y1 = 3600, .x2 = 3600, .y2 = 3600},
    {.name = "Line12", .x1 = 1560, .y1 = 2760, .x2 = 3600, .y2 = 3840},
    {.name = "Line5", .x1 = 1560, .y1 = 4200, .x2 = 3600, .y2 = 4200},
    {.name = "Line8", .x1 = 2640, .y1 = 4560, .x2 = 3600, .y2 = 4560},
    {.name = "Line10", .x1 = 1920, .y1 = 5280, .x2 = 3600, .y2 = 5280},
    {.name = "Line9", .x1 = 2280, .y1 = 5520, .x2 = 3600, .y2 = 5520},
    {.name = "Line11", .x1 = 2520, .y1 = 6120, .x2 = 3600, .y2 = 6120},
}};

struct CardDesign
{
    int left, top, width; // twips
};

// Where the tarot card of each sign is named, in the order of the signs (Aries first).
inline constexpr std::array<CardDesign, SunSignCount> Cards{{
    {.left = 2040, .top = 2280, .width = 1260},
    {.left = 2880, .top = 1920, .width = 1500},
    {.left = 720, .top = 2280, .width = 1080},
    {.left = 0, .top = 2040, .width = 1125},
    {.left = 1800, .top = 2640, .width = 840},
    {.left = 2280, .top = 3120, .width = 1080},
    {.left = 960, .top = 3120, .width = 675},
    {.left = 2160, .top = 4320, .width = 570},
    {.left = 1320, .top = 5040, .width = 1215},
    {.left = 840, .top = 4320, .width = 915},
    {.left = 2040, .top = 5280, .width = 825},
    {.left = 2040, .top = 6240, .width = 930},
}};

inline constexpr int LabelHeight = 195;

inline QLine pixels(const LineDesign &line)
{
    return {twipPoint(line.x1, line.y1), twipPoint(line.x2, line.y2)};
}

} // namespace tavrel::ui::diagramdesign

namespace tavrel::ui {

// What the canvas paints, as values: a second thread can draw it while the window is still being built.
struct DiagramScene
{
    struct Line
    {
        QLineF line;
        QColor color;
        int width;
        friend bool operator==(const Line &, const Line &) = default;
    };
    struct Sphere
    {
        QRectF box;
        QColor color;
        bool dotted;
        friend bool operator==(const Sphere &, const Sphere &) = default;
    };

    QSize size;
    qreal ratio = 1;
    QColor background;
    QList<Line> lines; // connectors, then paths: in the order they stack
    QList<Sphere> spheres;
    QRectF focusMark; // empty when no sphere has the focus

    friend bool operator==(const DiagramScene &, const DiagramScene &) = default;

    void paint(QPainter &painter) const;
    // Draws the canvas as the screen shows it, its background and then the drawing, on `image`: a picture of
    // the canvas's size in device pixels.
    void paintPicture(QImage &image) const;
};

} // namespace tavrel::ui
