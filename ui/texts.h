// SPDX-FileCopyrightText: 2026 The Tavrel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "shell/version.h"

#include <QString>

// Texts of the windows that are ours to word.
namespace tavrel::ui::texts {

inline const QString Version = QStringLiteral("Tavrel v" TAVREL_VERSION);

// The input form's banner over the forum.
inline QString formBanner()
{
    return QStringLiteral("The best Kabbalah, tarot and chakra forum online - visit us!");
}
// The frame's banner over the forum.
inline QString frameBanner()
{
    return QStringLiteral("Join the best online forum on Kabbalah, tarot and chakras - visit us!");
}

inline QString welcome()
{
    return QStringLiteral("Welcome to Tavrel. This software aims to give you a personal reading that relates your sun "
                          "sign to the Kabbalah Tree of Life and to its corresponding chakra.");
}

inline QString blurb()
{
    return QStringLiteral("Home Business Opportunity. Start your own Internet business from home, at your own pace, "
                          "with a simple plan and friendly support. Click here for more details.");
}

inline QString aboutDescription()
{
    return QStringLiteral("Tavrel is a zodiac sign based software that relates your sun sign to the Kabbalah Tree of "
                          "Life and to the corresponding chakras. It shows you which chakras affect you directly, so "
                          "that you can work on keeping them open and balanced in your daily life.");
}

} // namespace tavrel::ui::texts
