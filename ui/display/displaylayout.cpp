// SPDX-FileCopyrightText: 2026 The Tavrel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/display/displaylayout.h"

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

} // namespace tavrel::ui::displaylayout
