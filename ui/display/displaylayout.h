// SPDX-FileCopyrightText: 2026 The Tavrel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ui/display/displaylabel.h"

#include <QColor>
#include <QPoint>
#include <QRect>
#include <QStringList>

#include <array>

// The design of the result window: its colours, and where its labels and boxes stand, in twips.
namespace tavrel::ui::displaylayout {

inline constexpr QColor CaptionColor{128, 128, 255};
inline constexpr QColor ValueColor{255, 128, 0};
inline constexpr QColor ParagraphColor{255, 255, 128};
inline constexpr QColor HoverColor{255, 0, 255};
inline constexpr QColor RecordHeadingColor{0, 128, 0};
inline constexpr QColor RecordValueColor{0, 0, 0};

inline constexpr int CaptionHeight = 195;
inline constexpr int TabStripHeight = 600;

// The attributes of one value grid of the first tab, in the order of a reading.
enum Attribute {
    SphereSign,
    Position,
    PlanetaryRuler,
    Archangel,
    LuckyDay,
    Colour,
    Wood,
    Keyword,
    Metal,
    AttributeCount
};

// One band of the first tab: Sephirah One above, Sephirah Two below.
struct BandDesign
{
    struct Cell
    {
        const char *caption;
        const char *captionText;
        QPoint captionAt;
        const char *value;
        QRect valueBox; // left, top, width; 195 high
    };

    const char *chakraCaption;
    int top; // of the chakra caption
    const char *chakraName;
    QRect chakraNameBox;
    const char *recordBox;
    int index; // in the control array RTB
    QRect recordBoxGeometry;
    const char *picture;
    QRect pictureBox;
    const char *pictureList;
    const char *sphereHead;
    QRect sphereHeadBox;
    const char *angelCaption;
    Qt::Alignment angelCaptionAlignment;
    QRect angelCaptionBox;
    const char *sphereDesc;
    QRect sphereDescBox;
    const char *angelDesc;
    QRect angelDescBox;
    std::array<Cell, AttributeCount> cells; // by Attribute
};

inline constexpr BandDesign BandOne{
    .chakraCaption = "Label38",
    .top = 0,
    .chakraName = "lbSephirothSOneCardName",
    .chakraNameBox = {3720, 0, 4290, 240},
    .recordBox = "RTB_0",
    .index = 0,
    .recordBoxGeometry = {120, 255, 7215, 1095},
    .picture = "PicOneSephirothsCard",
    .pictureBox = {7500, 260, 630, 630},
    .pictureList = "IMGSephirothsOneCard",
    .sphereHead = "lblOneSphereHead",
    .sphereHeadBox = {2400, 2880, 1200, 240},
    .angelCaption = "Label51",
    .angelCaptionAlignment = Qt::AlignRight,
    .angelCaptionBox = {5955, 2880, 2370, 240},
    .sphereDesc = "txtOneSphereDesc",
    .sphereDescBox = {120, 3120, 5775, 735},
    .angelDesc = "txtOneAngelDesc",
    .angelDescBox = {6000, 3120, 2295, 735},
    .cells = {{
        {.caption = "Label1",
         .captionText = "Sphere Sign",
         .captionAt = {6540, 1485},
         .value = "lblOneSphereSign",
         .valueBox = {6450, 1725, 1350, 0}},
        {.caption = "Label2",
         .captionText = "Position In Tree Of Life",
         .captionAt = {6000, 1965},
         .value = "lblOnePositionInTreeOfLife",
         .valueBox = {6000, 2205, 2250, 0}},
        {.caption = "Label4",
         .captionText = "Planetary Ruler",
         .captionAt = {375, 2452},
         .value = "lblOnePlanetaryRuler",
         .valueBox = {285, 2700, 1695, 0}},
        {.caption = "Label5",
         .captionText = "Archangel",
         .captionAt = {630, 1484},
         .value = "lblOneArchangel",
         .valueBox = {510, 1726, 1230, 0}},
        {.caption = "Label6",
         .captionText = "Lucky Day",
         .captionAt = {3360, 1484},
         .value = "lblOneLuckyDay",
         .valueBox = {3360, 1726, 1185, 0}},
        {.caption = "Label7",
         .captionText = "Color ",
         .captionAt = {6840, 2445},
         .value = "lblOneColor",
         .valueBox = {6720, 2700, 750, 0}},
        {.caption = "Label8",
         .captionText = "Wood",
         .captionAt = {855, 1968},
         .value = "lblOneWood",
         .valueBox = {735, 2210, 780, 0}},
        {.caption = "Label3",
         .captionText = "Keyword",
         .captionAt = {3480, 2452},
         .value = "lblOneKeyword",
         .valueBox = {2160, 2700, 3960, 0}},
        {.caption = "Label9",
         .captionText = "Metal",
         .captionAt = {3600, 1968},
         .value = "lblOneMetal",
         .valueBox = {3480, 2210, 765, 0}},
    }},
};
inline constexpr BandDesign BandTwo{
    .chakraCaption = "Label39",
    .top = 3960,
    .chakraName = "lbSephirothSTwoCardName",
    .chakraNameBox = {3720, 3960, 2025, 240},
    .recordBox = "RTB_1",
    .index = 1,
    .recordBoxGeometry = {120, 4200, 7215, 1095},
    .picture = "PicTwoSephirothsCard",
    .pictureBox = {7500, 4200, 630, 630},
    .pictureList = "IMGSephirothsTwoCard",
    .sphereHead = "lblTwoSphereHead",
    .sphereHeadBox = {2407, 6720, 1200, 240},
    .angelCaption = "Label50",
    .angelCaptionAlignment = Qt::AlignLeft,
    .angelCaptionBox = {5955, 6720, 2370, 240},
    .sphereDesc = "txtTwoSphereDesc",
    .sphereDescBox = {120, 6960, 5775, 735},
    .angelDesc = "txtTwoAngelDesc",
    .angelDescBox = {6000, 6960, 2295, 735},
    .cells = {{
        {.caption = "Label23",
         .captionText = "Sphere Sign",
         .captionAt = {6540, 5404},
         .value = "lblTwoSphereSign",
         .valueBox = {6450, 5626, 1350, 0}},
        {.caption = "Label24",
         .captionText = "Position In Tree Of Life",
         .captionAt = {6000, 5848},
         .value = "lblTwoPositionInTreeOfLife",
         .valueBox = {6000, 6070, 2250, 0}},
        {.caption = "Label26",
         .captionText = "Planetary Ruler",
         .captionAt = {315, 6292},
         .value = "lblTwoPlanetaryRuler",
         .valueBox = {225, 6520, 1695, 0}},
        {.caption = "Label27",
         .captionText = "Archangel",
         .captionAt = {570, 5404},
         .value = "lblTwoArchangel",
         .valueBox = {450, 5626, 1230, 0}},
        {.caption = "Label28",
         .captionText = "Lucky Day",
         .captionAt = {3510, 5404},
         .value = "lblTwoLuckyDay",
         .valueBox = {3420, 5626, 1185, 0}},
        {.caption = "Label29",
         .captionText = "Color ",
         .captionAt = {6960, 6292},
         .value = "lblTwoColor",
         .valueBox = {6840, 6520, 750, 0}},
        {.caption = "Label30",
         .captionText = "Wood",
         .captionAt = {795, 5848},
         .value = "lblTwoWood",
         .valueBox = {675, 6070, 780, 0}},
        {.caption = "Label25",
         .captionText = "Keyword",
         .captionAt = {3585, 6292},
         .value = "lblTwoKeyword",
         .valueBox = {2160, 6520, 3960, 0}},
        {.caption = "Label31",
         .captionText = "Metal",
         .captionAt = {3750, 5848},
         .value = "lblTwoMetal",
         .valueBox = {3630, 6070, 765, 0}},
    }},
};
// The path tab: the path's name above its paragraph, then a row for each of its attributes, the caption at the left
// edge and the value beside it.
LabelDesign pathName();
inline constexpr QRect PathParagraphBox{120, 480, 8175, 1815};
struct PathRowDesign
{
    const char *caption;
    const char *captionText;
    const char *value;
    int top;
    int valueWidth;
};
inline constexpr int PathValueLeft = 2640;
inline constexpr std::array<PathRowDesign, 6> PathRows{{
    {"Label41", "Hebrew Letter", "lblHebrewLetter", 2640, 4680},
    {"Label42", "Location", "lblLocation", 3000, 1065},
    {"Label46", "Corresponding Planet", "lblCorrespondingPlanet", 3360, 2280},
    {"Label45", "Yetsiratic Attribution", "lblYetsiraticAttribution", 3720, 2220},
    {"Label47", "Color", "lblColor", 4080, 750},
    {"Label44", "Element", "lblElement", 4440, 1035},
}};

// The sun-sign tab, from the top: the sign's name and paragraph, the path of the sign under its heading, the name
// and paragraph of the sphere under the mouse, and the hint to move the mouse over the diagram.
LabelDesign signName();
LabelDesign signParagraph();
LabelDesign signPathHeading();
LabelDesign signPathName();
LabelDesign sphereName();
LabelDesign sphereParagraph();
LabelDesign hoverHint();

// The chakra pictures of the two image lists, in the order the lists hold them.
QStringList chakraPictures();

// A caption: 8.25 pt (or larger) bold underlined, sized to its text.
LabelDesign caption(const char *name, const char *text, QRect twips, Qt::Alignment alignment = Qt::AlignLeft,
                    double points = 8.25);

// A value, sized to its text; `underline` and `points` for the headings of tabs 1 and 2.
LabelDesign value(const char *name, QRect twips, Qt::Alignment alignment, double points = 8.25, bool underline = false);

// A paragraph label of tab 2: fixed, word-wrapped, centred, cut off at the bottom.
LabelDesign paragraph(const char *name, QRect twips);

} // namespace tavrel::ui::displaylayout
