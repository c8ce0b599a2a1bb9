// SPDX-FileCopyrightText: 2026 The Tavrel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The seven chakra pictures, crown first, each drawn from its traditional
// symbol: the petals of its lotus, its colours and its yantra.

#include <QImage>
#include <QString>

#include <span>

class QPainter;

namespace artwork {

struct ChakraArt
{
    const char *fileName; // as the application looks it up
    void (*paint)(QPainter &); // draws on the 168 x 168 design canvas
};

// Crown, third eye, throat, heart, navel, sacral, root.
std::span<const ChakraArt> chakraArt();

// Renders `art` as an opaque square picture of `size` pixels.
QImage renderChakra(const ChakraArt &art, int size);

} // namespace artwork
