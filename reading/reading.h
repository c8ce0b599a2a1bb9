// SPDX-FileCopyrightText: 2026 The Tavrel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "reading/catalogue.h"
#include "reading/vocabulary.h"

#include <QString>

namespace tavrel {

class DescriptionCatalogue;

// Everything shown for one accepted birth date. It follows from the sign alone.
struct Reading
{
    SunSign sign = SunSign::Aries;
    const SunSignInfo *signInfo = nullptr;
    const SephirahInfo *one = nullptr; // Sephirah One, the higher sphere
    const SephirahInfo *two = nullptr; // Sephirah Two, the lower sphere
    const TreePathInfo *path = nullptr;
    const ChakraInfo *chakraOne = nullptr;
    const ChakraInfo *chakraTwo = nullptr;

    QString signParagraph;
    QString sphereOneParagraph;
    QString sphereTwoParagraph;
    QString angelOneParagraph;
    QString angelTwoParagraph;
    QString pathParagraph;

    // The one colour in which a reading marks its two spheres and its path.
    Rgb highlightColor = HighlightColor;

    QString signName() const { return sunSignName(sign); }
};

// The reading of a sign, with the paragraphs of the given catalogue (the shared one by default).
Reading makeReading(SunSign sign);
Reading makeReading(SunSign sign, const DescriptionCatalogue &catalogue);

} // namespace tavrel
