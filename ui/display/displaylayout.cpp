// SPDX-FileCopyrightText: 2026 The Tavrel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/display/displaylayout.h"

#include "ui/style.h"

namespace tavrel::ui::displaylayout {

QStringList chakraPictures()
{
    static const QStringList pictures{
        QStringLiteral(":/chakras/0 Crown Chakra.jpg"),  QStringLiteral(":/chakras/1 Third Eye Chakra.jpg"),
        QStringLiteral(":/chakras/2 Throat Chakra.jpg"), QStringLiteral(":/chakras/3 Heart Chakra.jpg"),
        QStringLiteral(":/chakras/4 Navel Chakra.jpg"),  QStringLiteral(":/chakras/5 Sacral Chakra.jpg"),
        QStringLiteral(":/chakras/6 Root Chakra.jpg")};
    return pictures;
}

LabelDesign caption(const char *name, const char *text, QRect twips, Qt::Alignment alignment, double points)
{
    return {.name = name,
            .text = QString::fromLatin1(text),
            .twips = twips,
            .points = points,
            .underline = true,
            .color = CaptionColor,
            .alignment = alignment};
}

LabelDesign value(const char *name, QRect twips, Qt::Alignment alignment, double points, bool underline)
{
    return {.name = name,
            .twips = twips,
            .points = points,
            .underline = underline,
            .color = ValueColor,
            .alignment = alignment};
}

LabelDesign paragraph(const char *name, QRect twips)
{
    return {.name = name,
            .twips = twips,
            .color = ParagraphColor,
            .alignment = Qt::AlignHCenter,
            .sizedToText = false,
            .wordWrap = true};
}

LabelDesign pathName()
{
    return value("lblPathName", {120, 240, 1380, 240}, Qt::AlignLeft, 9.75, true);
}

LabelDesign signName()
{
    return value("lblSunSignName", {3360, 120, 1755, 240}, Qt::AlignHCenter, 9.75, true);
}

LabelDesign signParagraph()
{
    return paragraph("lblSunSignDesc", {120, 480, 8175, 2775});
}

LabelDesign signPathHeading()
{
    LabelDesign design = value("Label34", {2400, 3000, 3870, 240}, Qt::AlignHCenter, 9.75, true);
    design.text = QStringLiteral("Path Associated With Your Sun Sign");
    return design;
}

LabelDesign signPathName()
{
    LabelDesign design = value("lblLiesPathName", {3600, 3240, 1695, 240}, Qt::AlignHCenter, 9.75, true);
    design.color = Green;
    return design;
}

LabelDesign sphereName()
{
    LabelDesign design = value("lblSphereName", {3960, 3600, 915, 210}, Qt::AlignHCenter, 9, true);
    design.color = HoverColor;
    return design;
}

LabelDesign sphereParagraph()
{
    return paragraph("lblSphereDesc", {120, 3960, 8175, 2655});
}

LabelDesign hoverHint()
{
    LabelDesign design = value("Label33", {480, 6840, 7695, 240}, Qt::AlignHCenter, 9.75);
    design.text = QStringLiteral("Move Your Mouse Over The Sephiroths To Know More About Sephiroths");
    design.color = HoverColor;
    return design;
}

} // namespace tavrel::ui::displaylayout
