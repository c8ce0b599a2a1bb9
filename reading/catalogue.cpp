// SPDX-FileCopyrightText: 2026 The Tavrel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "reading/catalogue.h"

#include <array>

namespace tavrel {

namespace {

using S = Sephirah;
using P = TreePath;
using A = Archangel;
using C = Chakra;

const std::array<SunSignInfo, SunSignCount> &signTable()
{
    static const std::array<SunSignInfo, SunSignCount> table{{
        {SunSign::Aries, QStringLiteral("The Emperor"), S::Chokmah, S::Tiphereth, P::Heh},
        {SunSign::Taurus, QStringLiteral("The Hierophant"), S::Chokmah, S::Chesed, P::Vau},
        {SunSign::Gemini, QStringLiteral("The Lovers"), S::Binah, S::Tiphereth, P::Zain},
        {SunSign::Cancer, QStringLiteral("The Chariot"), S::Binah, S::Gevurah, P::Cheth},
        {SunSign::Leo, QStringLiteral("Strength"), S::Chesed, S::Gevurah, P::Teth},
        {SunSign::Virgo, QStringLiteral("The Hermit"), S::Chesed, S::Tiphereth, P::Yod},
        {SunSign::Libra, QStringLiteral("Justice"), S::Gevurah, S::Tiphereth, P::Lamed},
        {SunSign::Scorpio, QStringLiteral("Death"), S::Tiphereth, S::Netzach, P::Nun},
        {SunSign::Sagittarius, QStringLiteral("Temperance"), S::Tiphereth, S::Yesod, P::Samekh},
        {SunSign::Capricorn, QStringLiteral("The Devil"), S::Tiphereth, S::Hod, P::Ayin},
        {SunSign::Aquarius, QStringLiteral("The Star"), S::Netzach, S::Yesod, P::Tzaddi},
        {SunSign::Pisces, QStringLiteral("The Moon"), S::Netzach, S::Malkhuth, P::Qoph},
    }};
    return table;
}

// Indexed by position - 2: Chokmah (2) ... Malkhuth (10).
const std::array<SephirahInfo, 9> &sephirahTable()
{
    static const std::array<SephirahInfo, 9> table{{
        {S::Chokmah, QStringLiteral("Chokmah"), QStringLiteral("2nd"), QStringLiteral("Uranus"),
         QStringLiteral("Raziel"), QString(), QStringLiteral("Gray or Silver"), QStringLiteral("Musk"),
         QStringLiteral("Wisdom, Revelation"), QString(), A::Raziel, C::Ajna},
        {S::Binah, QStringLiteral("Binah"), QStringLiteral("3rd"), QStringLiteral("Saturn"),
         QStringLiteral("Tzaphqiel"), QStringLiteral("Saturday"), QStringLiteral("Black"),
         QStringLiteral("Pine or Juniper"), QStringLiteral("Understanding, Intelligence, Reason"),
         QStringLiteral("Lead"), A::Tzaphqiel, C::Ajna},
        {S::Chesed, QStringLiteral("Chesed"), QStringLiteral("4th"), QStringLiteral("Jupiter"),
         QStringLiteral("Tzadqiel"), QStringLiteral("Thursday"), QStringLiteral("Blue"), QStringLiteral("Oak"),
         QStringLiteral("Love, Kindness, Mercy"), QStringLiteral("Tin"), A::Tzadqiel, C::Vishuddha},
        {S::Gevurah, QStringLiteral("Gevurah"), QStringLiteral("5th"), QStringLiteral("Mars"), QStringLiteral("Kamael"),
         QStringLiteral("Tuesday"), QStringLiteral("Red"), QStringLiteral("Cedar"),
         QStringLiteral("Restraint, Justice"), QStringLiteral("Iron"), A::Kamael, C::Vishuddha},
        {S::Tiphereth, QStringLiteral("Tiphereth"), QStringLiteral("6th"), QStringLiteral("Sun"),
         QStringLiteral("Raphael"), QStringLiteral("Sunday"), QStringLiteral("Gold or Yellow"),
         QStringLiteral("Laurel"), QStringLiteral("Beauty, Equilibirum"), QStringLiteral("Gold"), A::Raphael,
         C::Anahata},
        {S::Netzach, QStringLiteral("Netzach"), QStringLiteral("7th"), QStringLiteral("Venus"),
         QStringLiteral("Haniel"), QStringLiteral("Friday"), QStringLiteral("Green"), QStringLiteral("Myrtle"),
         QStringLiteral("Victory, Endurance, Prophecy, Eternity"), QStringLiteral("Copper"), A::Haniel, C::Manipura},
        {S::Hod, QStringLiteral("Hod"), QStringLiteral("8th"), QStringLiteral("Mercury"), QStringLiteral("Micheal"),
         QStringLiteral("Wednesday"), QStringLiteral("Purple, Brown"), QStringLiteral("Hazelwood"),
         QStringLiteral("Splendour, Truthfulness, Communication"), QStringLiteral("Mercury/ Quicksilver"), A::Michael,
         C::Manipura},
        {S::Yesod, QStringLiteral("Yesod"), QStringLiteral("9th"), QStringLiteral("Moon"), QStringLiteral("Gabriel"),
         QStringLiteral("Monday"), QStringLiteral("Gray or Silver"), QStringLiteral("Willow"),
         QStringLiteral("Foundation, Passion, Truth"), QStringLiteral("Silver"), A::Gabriel, C::Svadhisthana},
        {S::Malkhuth, QStringLiteral("Malkhuth"), QStringLiteral("10th"), QStringLiteral("Earth"),
         QStringLiteral("Sandalphon"), QString(), QString(), QString(), QStringLiteral("Kingdom, Beginnings"),
         QString(), A::Sandalphon, C::Muladhara},
    }};
    return table;
}

const std::array<TreePathInfo, TreePathCount> &pathTable()
{
    static const std::array<TreePathInfo, TreePathCount> table{{
        {P::Heh, QStringLiteral("Path Of He"), QStringLiteral("Heh, which means window"),
         QStringLiteral("Connecting path between Chokmah and Tiphereth"), QStringLiteral("Mars"),
         QStringLiteral("Natural intelligence"), QStringLiteral("Light blue"), QStringLiteral("Fire"), S::Chokmah,
         S::Tiphereth, 1},
        {P::Vau, QStringLiteral("Path Of Vau"), QStringLiteral("Vau, which means nail"),
         QStringLiteral("Connecting path between Chokmah and Chesed"), QStringLiteral("Venus"),
         QStringLiteral("Triumphal intelligence"), QStringLiteral("Indigo"), QStringLiteral("Earth"), S::Chokmah,
         S::Chesed, 2},
        {P::Zain, QStringLiteral("Path Of Zaini"), QStringLiteral("Zain, which means sword or the male sex organ"),
         QStringLiteral("Connecting path between Binah and Tiphereth"), QStringLiteral("Mercury"),
         QStringLiteral("Disposing intelligence"), QStringLiteral("Mauve"), QStringLiteral("Air"), S::Binah,
         S::Tiphereth, 3},
        {P::Cheth, QStringLiteral("Path Of Cheth"), QStringLiteral("Cheth, which means chariot"),
         QStringLiteral("Connecting path between Binah and Gevurah"), QStringLiteral("Moon"),
         QStringLiteral("Influencing Intelligence"), QStringLiteral("Maroon"), QStringLiteral("Water"), S::Binah,
         S::Gevurah, 4},
        {P::Teth, QStringLiteral("Path Of Teth"), QStringLiteral("Teth, which means coiled serpent"),
         QStringLiteral("Connecting path between Chesed and Gevurah"), QStringLiteral("Sun"),
         QStringLiteral("Spiritual Intelligence"), QStringLiteral("Deep purple"), QStringLiteral("Air"), S::Chesed,
         S::Gevurah, 5},
        {P::Yod, QStringLiteral("Path Of Yod"), QStringLiteral("Yod, which means sperm of God."),
         QStringLiteral("Connecting path between Chesed and Tiphereth"), QStringLiteral("Mercury"),
         QStringLiteral("Willful Intelligence"), QStringLiteral("Slate gray"), QStringLiteral("Air"), S::Chesed,
         S::Tiphereth, 6},
        {P::Lamed, QStringLiteral("Path Of Lamed"), QStringLiteral("Lamed, which means to teach."),
         QStringLiteral("Connecting path between Gevurah and Tiphereth"), QStringLiteral("Venus"),
         QStringLiteral("Faithful Intelligence"), QStringLiteral("Blue"), QStringLiteral("Air"), S::Gevurah,
         S::Tiphereth, 7},
        {P::Nun, QStringLiteral("Path Of Nun"), QStringLiteral("Nun, which means fish."),
         QStringLiteral("Connecting path between Tiphereth and Netzach"), QStringLiteral("Mars"),
         QStringLiteral("Imaginative Intelligence"), QStringLiteral("Brown"), QStringLiteral("Fire"), S::Tiphereth,
         S::Netzach, 8},
        {P::Samekh, QStringLiteral("Path Of Samekh"), QStringLiteral("Samekh, which means trust and closeness."),
         QStringLiteral("Connecting path between Tiphereth and Yesod"), QStringLiteral("Jupiter"),
         QStringLiteral("Tentative Intelligence"), QStringLiteral("Yellow"), QStringLiteral("Fire"), S::Tiphereth,
         S::Yesod, 9},
        {P::Ayin, QStringLiteral("Path Of Ayin"), QStringLiteral("Ayin, which means eye"),
         QStringLiteral("Connecting path between Tiphereth and Hod"), QStringLiteral("Saturn"),
         QStringLiteral("Renovating intelligence"), QStringLiteral("Black"), QStringLiteral("Earth"), S::Tiphereth,
         S::Hod, 10},
        {P::Tzaddi, QStringLiteral("Path Of Tzaddi"), QStringLiteral("Tzaddi, which means hook."),
         QStringLiteral("Connecting path between Netzach and Yesod"), QStringLiteral("Uranus / Saturn"),
         QStringLiteral("Constituting Intelligence"), QStringLiteral("Red"), QStringLiteral("Earth"), S::Netzach,
         S::Yesod, 11},
        {P::Qoph, QStringLiteral("Path Of Qoph"), QStringLiteral("Qoph, which means back of the head"),
         QStringLiteral("Connecting path between Netzach and Malkhuth"), QStringLiteral("Moon"),
         QStringLiteral("Corporeal Intelligence"), QStringLiteral("Buff"), QStringLiteral("Water"), S::Netzach,
         S::Malkhuth, 12},
    }};
    return table;
}

const std::array<ChakraInfo, ChakraCount> &chakraTable()
{
    static const std::array<ChakraInfo, ChakraCount> table{{
        {C::Sahasrara, QString(), 1},
        {C::Ajna, QStringLiteral("Ajna (Third Eye) Chakra"), 2},
        {C::Vishuddha, QStringLiteral("Vishuddha (Throat) Chakra"), 3},
        {C::Anahata, QStringLiteral("Anahata (Heart) Chakra"), 4},
        {C::Manipura, QStringLiteral("Manipura (Navel) Chakra"), 5},
        {C::Svadhisthana, QStringLiteral("Svadhisthana (Genitals) Chakra"), 6},
        {C::Muladhara, QStringLiteral("Muladhara (Base of Spine) Chakra"), 7},
    }};
    return table;
}

} // namespace

const SunSignInfo &sunSignInfo(SunSign sign)
{
    return signTable()[static_cast<std::size_t>(sign)];
}

const SephirahInfo *sephirahInfo(Sephirah sephirah)
{
    const int position = static_cast<int>(sephirah);
    if (position < 2 || position > 10)
        return nullptr;
    return &sephirahTable()[static_cast<std::size_t>(position - 2)];
}

const TreePathInfo &treePathInfo(TreePath path)
{
    return pathTable()[static_cast<std::size_t>(path)];
}

const ChakraInfo &chakraInfo(Chakra chakra)
{
    return chakraTable()[static_cast<std::size_t>(chakra)];
}

} // namespace tavrel
