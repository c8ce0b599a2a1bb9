// SPDX-FileCopyrightText: 2026 The Tavrel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringView>

#include <array>
#include <optional>

namespace tavrel {

// The twelve sun signs in the order of the zodiac, Aries first.
enum class SunSign {
    Aries,
    Taurus,
    Gemini,
    Cancer,
    Leo,
    Virgo,
    Libra,
    Scorpio,
    Sagittarius,
    Capricorn,
    Aquarius,
    Pisces
};
inline constexpr int SunSignCount = 12;
inline constexpr std::array<SunSign, SunSignCount> AllSunSigns{
    SunSign::Aries, SunSign::Taurus,  SunSign::Gemini,      SunSign::Cancer,    SunSign::Leo,      SunSign::Virgo,
    SunSign::Libra, SunSign::Scorpio, SunSign::Sagittarius, SunSign::Capricorn, SunSign::Aquarius, SunSign::Pisces};

// The spheres of the Tree of Life, numbered by their position (Keter 1 ... Malkhuth 10), and the hidden Da'at.
enum class Sephirah { Keter = 1, Chokmah, Binah, Chesed, Gevurah, Tiphereth, Netzach, Hod, Yesod, Malkhuth, Daat };
inline constexpr int SephirahCount = 11;
// The spheres in the order of the Tree, Keter to Malkhuth, then Da'at.
inline constexpr std::array<Sephirah, SephirahCount> AllSephiroth{
    Sephirah::Keter,   Sephirah::Chokmah, Sephirah::Binah, Sephirah::Chesed,   Sephirah::Gevurah, Sephirah::Tiphereth,
    Sephirah::Netzach, Sephirah::Hod,     Sephirah::Yesod, Sephirah::Malkhuth, Sephirah::Daat};

// The place of a sphere in that order, 0 (Keter) to 10 (Da'at): position - 1.
constexpr std::size_t sephirahIndex(Sephirah s)
{
    return static_cast<std::size_t>(s) - 1;
}

// The twelve paths of the Tree that belong to signs, named by their Hebrew letter, in the order of the signs.
enum class TreePath { Heh, Vau, Zain, Cheth, Teth, Yod, Lamed, Nun, Samekh, Ayin, Tzaddi, Qoph };
inline constexpr int TreePathCount = 12;

// The seven chakras from the crown (0) to the root (6).
enum class Chakra { Sahasrara, Ajna, Vishuddha, Anahata, Manipura, Svadhisthana, Muladhara };
inline constexpr int ChakraCount = 7;

// The archangels whose paragraphs the description catalogue holds, in the catalogue's order.
enum class Archangel { Gabriel, Michael, Haniel, Raphael, Sandalphon, Raziel, Metatron, Tzadqiel, Tzaphqiel, Kamael };
inline constexpr int ArchangelCount = 10;

struct Rgb
{
    int red = 0;
    int green = 0;
    int blue = 0;
    friend constexpr bool operator==(Rgb, Rgb) = default;
};

// The one colour in which a reading marks its two spheres and its path.
inline constexpr Rgb HighlightColor{236, 28, 210};

QString sunSignName(SunSign sign);
// Exact, case-sensitive lookup of a sign by its name; any other text is no sign.
std::optional<SunSign> sunSignFromName(QStringView name);

// "Keter" ... "Malkhuth", "Da'at".
QString sephirahName(Sephirah sephirah);
QString archangelName(Archangel angel);
QString treePathLetter(TreePath path);

} // namespace tavrel
