// SPDX-FileCopyrightText: 2026 The Tavrel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "reading/vocabulary.h"

#include <QString>

#include <array>

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

// The names shown in the explanation, by element; Da'at is written without its apostrophe.
inline const std::array<QString, SephirahCount> SphereNames{
    QStringLiteral("Keter"),   QStringLiteral("Chokmah"),   QStringLiteral("Binah"),   QStringLiteral("Chesed"),
    QStringLiteral("Gevurah"), QStringLiteral("Tiphereth"), QStringLiteral("Netzach"), QStringLiteral("Hod"),
    QStringLiteral("Yesod"),   QStringLiteral("Malkhuth"),  QStringLiteral("Daat")};

// The line that draws the path between two spheres: "ln" and their positions, the higher on the Tree first
// ("ln710"); and the line of a path of the signs.
QString pathLineName(Sephirah upper, Sephirah lower);
QString pathLineName(TreePath path);

// The label that names the tarot card of a sign: "lbl" and the sign's name ("lblPisces").
QString cardLabelName(SunSign sign);

} // namespace tavrel::ui
