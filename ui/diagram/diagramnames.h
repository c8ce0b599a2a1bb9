// SPDX-FileCopyrightText: 2026 The Tavrel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "reading/vocabulary.h"

#include <QString>

// Where the diagram shows what a reading names: the controls of the Tree-of-Life diagram for the engine's spheres,
// paths and signs. The one mapping between the two, for the windows and their tests.
namespace tavrel::ui {

// The element of the sphere arrays ShpCircle and lblClick that shows a sphere. They hold the spheres in the order
// of the Tree: the sphere at position n is element n - 1, and Da'at is element 10.
constexpr int sphereIndex(Sephirah sephirah)
{
    return static_cast<int>(sephirahIndex(sephirah));
}
// The sphere shown by element `index`, 0 ... 10.
constexpr Sephirah sephirahAt(int index)
{
    return AllSephiroth[static_cast<std::size_t>(index)];
}

// The line that draws a path: "ln" and the positions of the two spheres it joins, the higher first ("ln710").
QString pathLineName(TreePath path);

// The label that names the tarot card of a sign: "lbl" and the sign's name ("lblPisces").
QString cardLabelName(SunSign sign);

} // namespace tavrel::ui
