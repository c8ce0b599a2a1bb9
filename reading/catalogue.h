// SPDX-FileCopyrightText: 2026 The Tavrel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "reading/vocabulary.h"

#include <QString>

namespace tavrel {

// What a sign brings to a reading: its tarot card, its two spheres and its path.
struct SunSignInfo
{
    SunSign sign;
    QString tarotCard; // the tarot card of the sign's path, "The Emperor" ...
    Sephirah one; // the higher sphere on the Tree
    Sephirah two; // the lower sphere
    TreePath path; // joins exactly these two spheres
};

// The short values shown for a sphere; "" where a sphere has no such value.
struct SephirahInfo
{
    Sephirah sephirah;
    QString name;
    QString position;
    QString planetaryRuler;
    QString archangelLabel; // as shown ("Micheal" for Hod)
    QString luckyDay;
    QString colour;
    QString wood;
    QString keyword;
    QString metal;
    Archangel archangel; // whose paragraph belongs to the sphere
    Chakra chakra;
};

struct TreePathInfo
{
    TreePath path;
    QString pathName;
    QString hebrewLetter;
    QString location;
    QString planet;
    QString yetsiraticAttribution;
    QString colour;
    QString element;
    Sephirah upper; // the two spheres it joins, the higher on the Tree first
    Sephirah lower;
    int paragraph; // 1 ... 12, the number of the path's paragraph
};

struct ChakraInfo
{
    Chakra chakra;
    QString label; // shown beside the chakra picture; "" for the crown, which no sphere uses
    int picture; // 1-based entry of the chakra picture lists: chakra + 1
};

const SunSignInfo &sunSignInfo(SunSign sign);
// Defined for the nine spheres that signs use; nullptr for Keter and Da'at.
const SephirahInfo *sephirahInfo(Sephirah sephirah);
const TreePathInfo &treePathInfo(TreePath path);
const ChakraInfo &chakraInfo(Chakra chakra);

} // namespace tavrel
