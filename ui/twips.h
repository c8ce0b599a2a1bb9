// SPDX-FileCopyrightText: 2026 The Tavrel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

// Window layouts are designed in twips (1/1440 inch). At 96 dots per inch, 15 twips make one
// device-independent pixel; this is the one place where twips become pixels.
namespace tavrel::ui {

inline constexpr int TwipsPerPixel = 15;

// Rounds to the nearest pixel (halves towards zero), for negative lengths too.
constexpr int px(int twips)
{
    return twips >= 0 ? (twips + TwipsPerPixel / 2) / TwipsPerPixel : -((-twips + TwipsPerPixel / 2) / TwipsPerPixel);
}

constexpr int toTwips(int pixels)
{
    return pixels * TwipsPerPixel;
}

constexpr QPoint twipPoint(int x, int y)
{
    return {px(x), px(y)};
}
constexpr QSize twipSize(int width, int height)
{
    return {px(width), px(height)};
}
constexpr QRect twipRect(int left, int top, int width, int height)
{
    return {px(left), px(top), px(width), px(height)};
}
constexpr QRect twipRect(QRect twips)
{
    return twipRect(twips.x(), twips.y(), twips.width(), twips.height());
}

} // namespace tavrel::ui
