// SPDX-FileCopyrightText: 2026 The Tavrel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "reading/vocabulary.h"
#include "ui/diagram/diagramsphere.h"
#include "ui/twips.h"

#include <QColor>
#include <QLine>
#include <QRect>

#include <array>

// The design of the Tree-of-Life diagram: its colours, and where its spheres, paths, path names and tarot cards
// stand, in twips.
namespace tavrel::ui::diagramlayout {

inline constexpr int SphereCount = SephirahCount;

inline constexpr QColor SphereColor = DiagramSphere::DefaultColor;
inline constexpr QColor PathColor{64, 64, 64};
inline constexpr QColor ConnectorColor{139, 193, 119};
inline constexpr int PathWidth = 6;
inline constexpr int ConnectorWidth = 2;
inline constexpr int DaatIndex = 10;
// The ring around the sphere with the focus: a solid line this wide, this far outside the ellipse.
inline constexpr qreal FocusMarkWidth = 2;
inline constexpr qreal FocusMarkGap = 2;

using S = Sephirah;
using P = TreePath;

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
    int x1, y1, x2, y2; // twips
};

// A path, named by the two spheres it joins (pathLineName: "ln710").
struct PathDesign
{
    Sephirah upper, lower; // the higher on the Tree first
    LineDesign ends;
};

// The 22 paths.
inline constexpr std::array<PathDesign, 22> Paths{{
    {.upper = S::Keter, .lower = S::Chokmah, .ends = {.x1 = 2160, .y1 = 600, .x2 = 3000, .y2 = 1080}},
    {.upper = S::Keter, .lower = S::Binah, .ends = {.x1 = 1800, .y1 = 480, .x2 = 720, .y2 = 1200}},
    {.upper = S::Keter, .lower = S::Tiphereth, .ends = {.x1 = 1920, .y1 = 720, .x2 = 1920, .y2 = 3600}},
    {.upper = S::Chokmah, .lower = S::Binah, .ends = {.x1 = 960, .y1 = 1440, .x2 = 2760, .y2 = 1440}},
    {.upper = S::Chokmah, .lower = S::Chesed, .ends = {.x1 = 3240, .y1 = 1680, .x2 = 3240, .y2 = 2640}},
    {.upper = S::Chokmah, .lower = S::Tiphereth, .ends = {.x1 = 3000, .y1 = 1560, .x2 = 1920, .y2 = 3840}},
    {.upper = S::Binah, .lower = S::Gevurah, .ends = {.x1 = 600, .y1 = 1560, .x2 = 600, .y2 = 2640}},
    {.upper = S::Binah, .lower = S::Tiphereth, .ends = {.x1 = 840, .y1 = 1560, .x2 = 1800, .y2 = 3600}},
    {.upper = S::Chesed, .lower = S::Gevurah, .ends = {.x1 = 960, .y1 = 2760, .x2 = 2760, .y2 = 2760}},
    {.upper = S::Chesed, .lower = S::Tiphereth, .ends = {.x1 = 2880, .y1 = 2880, .x2 = 2040, .y2 = 3720}},
    {.upper = S::Chesed, .lower = S::Netzach, .ends = {.x1 = 3240, .y1 = 3120, .x2 = 3240, .y2 = 4680}},
    {.upper = S::Gevurah, .lower = S::Tiphereth, .ends = {.x1 = 960, .y1 = 2880, .x2 = 1800, .y2 = 3720}},
    {.upper = S::Gevurah, .lower = S::Hod, .ends = {.x1 = 600, .y1 = 3000, .x2 = 600, .y2 = 4680}},
    {.upper = S::Tiphereth, .lower = S::Netzach, .ends = {.x1 = 2160, .y1 = 4080, .x2 = 2880, .y2 = 4800}},
    {.upper = S::Tiphereth, .lower = S::Hod, .ends = {.x1 = 1680, .y1 = 4080, .x2 = 960, .y2 = 4800}},
    {.upper = S::Tiphereth, .lower = S::Yesod, .ends = {.x1 = 1920, .y1 = 4200, .x2 = 1920, .y2 = 5520}},
    {.upper = S::Netzach, .lower = S::Hod, .ends = {.x1 = 1080, .y1 = 4800, .x2 = 2880, .y2 = 4800}},
    {.upper = S::Netzach, .lower = S::Yesod, .ends = {.x1 = 2880, .y1 = 5040, .x2 = 2160, .y2 = 5640}},
    {.upper = S::Hod, .lower = S::Yesod, .ends = {.x1 = 960, .y1 = 5040, .x2 = 1680, .y2 = 5760}},
    {.upper = S::Netzach, .lower = S::Malkhuth, .ends = {.x1 = 3120, .y1 = 5040, .x2 = 2160, .y2 = 6720}},
    {.upper = S::Hod, .lower = S::Malkhuth, .ends = {.x1 = 720, .y1 = 5040, .x2 = 1680, .y2 = 6720}},
    {.upper = S::Yesod, .lower = S::Malkhuth, .ends = {.x1 = 1920, .y1 = 6120, .x2 = 1920, .y2 = 6600}},
}};

struct PathNameDesign
{
    const char *label;
    const char *caption;
    int left, top, width; // twips
    TreePath path; // the path it names
};

// The names of the twelve paths of the signs.
inline constexpr std::array<PathNameDesign, 12> PathNames{{
    {.label = "Label11", .caption = "Path of Zain", .left = 2880, .top = 360, .width = 1170, .path = P::Zain},
    {.label = "Label10", .caption = "Path of H\u00e9", .left = 3720, .top = 1680, .width = 1005, .path = P::Heh},
    {.label = "Label12", .caption = "Path of Cheth", .left = 3720, .top = 2160, .width = 1305, .path = P::Cheth},
    {.label = "Label13", .caption = "Path of Vau", .left = 3720, .top = 2400, .width = 1110, .path = P::Vau},
    {.label = "Label15", .caption = "Path of Yod", .left = 3720, .top = 3240, .width = 1110, .path = P::Yod},
    {.label = "Label16", .caption = "Path of Lamed", .left = 3720, .top = 3480, .width = 1395, .path = P::Lamed},
    {.label = "Label21", .caption = "Path of Teth", .left = 3720, .top = 3720, .width = 1185, .path = P::Teth},
    {.label = "Label18", .caption = "Path of Ayin", .left = 3720, .top = 4080, .width = 1185, .path = P::Ayin},
    {.label = "Label17", .caption = "Path of Nun", .left = 3720, .top = 4440, .width = 1125, .path = P::Nun},
    {.label = "Label20", .caption = "Path of Samekh", .left = 3720, .top = 5160, .width = 1530, .path = P::Samekh},
    {.label = "Label14", .caption = "Path of Tzaddi", .left = 3720, .top = 5400, .width = 1395, .path = P::Tzaddi},
    {.label = "Label22", .caption = "Path of Qoph", .left = 3720, .top = 6000, .width = 1245, .path = P::Qoph},
}};

struct ConnectorDesign
{
    const char *name;
    LineDesign ends;
};

// The connectors that tie each name of PathNames to its path, in the same order.
inline constexpr std::array<ConnectorDesign, PathNames.size()> Connectors{{
    {.name = "Line3", .ends = {.x1 = 1080, .y1 = 2040, .x2 = 2760, .y2 = 600}},
    {.name = "Line1", .ends = {.x1 = 2880, .y1 = 1800, .x2 = 3600, .y2 = 1800}},
    {.name = "Line4", .ends = {.x1 = 600, .y1 = 2280, .x2 = 3600, .y2 = 2280}},
    {.name = "Line2", .ends = {.x1 = 3240, .y1 = 2520, .x2 = 3600, .y2 = 2520}},
    {.name = "Line7", .ends = {.x1 = 2400, .y1 = 3360, .x2 = 3600, .y2 = 3360}},
    {.name = "Line6", .ends = {.x1 = 1680, .y1 = 3600, .x2 = 3600, .y2 = 3600}},
    {.name = "Line12", .ends = {.x1 = 1560, .y1 = 2760, .x2 = 3600, .y2 = 3840}},
    {.name = "Line5", .ends = {.x1 = 1560, .y1 = 4200, .x2 = 3600, .y2 = 4200}},
    {.name = "Line8", .ends = {.x1 = 2640, .y1 = 4560, .x2 = 3600, .y2 = 4560}},
    {.name = "Line10", .ends = {.x1 = 1920, .y1 = 5280, .x2 = 3600, .y2 = 5280}},
    {.name = "Line9", .ends = {.x1 = 2280, .y1 = 5520, .x2 = 3600, .y2 = 5520}},
    {.name = "Line11", .ends = {.x1 = 2520, .y1 = 6120, .x2 = 3600, .y2 = 6120}},
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

inline QLine pixels(LineDesign line)
{
    return {twipPoint(line.x1, line.y1), twipPoint(line.x2, line.y2)};
}

} // namespace tavrel::ui::diagramlayout
