// SPDX-FileCopyrightText: 2026 The Tavrel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "reading/reading.h"

#include "reading/descriptions.h"

namespace tavrel {

Reading makeReading(SunSign sign)
{
    return makeReading(sign, DescriptionCatalogue::instance());
}

Reading makeReading(SunSign sign, const DescriptionCatalogue &catalogue)
{
    Reading r;
    r.sign = sign;
    r.signInfo = &sunSignInfo(sign);
    r.one = sephirahInfo(r.signInfo->one);
    r.two = sephirahInfo(r.signInfo->two);
    r.path = &treePathInfo(r.signInfo->path);
    r.chakraOne = &chakraInfo(r.one->chakra);
    r.chakraTwo = &chakraInfo(r.two->chakra);

    r.signParagraph = catalogue.SignText(sign);
    r.sphereOneParagraph = catalogue.SphereText(r.one->sephirah);
    r.sphereTwoParagraph = catalogue.SphereText(r.two->sephirah);
    r.angelOneParagraph = catalogue.AngelText(r.one->archangel);
    r.angelTwoParagraph = catalogue.AngelText(r.two->archangel);
    r.pathParagraph = catalogue.PathText(r.path->paragraph);

    r.highlightColor = HighlightColor;
    return r;
}

} // namespace tavrel
