// SPDX-FileCopyrightText: 2026 The Tavrel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "reading/vocabulary.h"

namespace tavrel {

namespace {

const std::array<QString, SunSignCount> &signNames()
{
    static const std::array<QString, SunSignCount> names{
        QStringLiteral("Aries"),     QStringLiteral("Taurus"),   QStringLiteral("Gemini"),
        QStringLiteral("Cancer"),    QStringLiteral("Leo"),      QStringLiteral("Virgo"),
        QStringLiteral("Libra"),     QStringLiteral("Scorpio"),  QStringLiteral("Sagittarius"),
        QStringLiteral("Capricorn"), QStringLiteral("Aquarius"), QStringLiteral("Pisces")};
    return names;
}

} // namespace

QString sunSignName(SunSign sign)
{
    return signNames()[static_cast<std::size_t>(sign)];
}

std::optional<SunSign> sunSignFromName(QStringView name)
{
    const auto &names = signNames();
    for (std::size_t i = 0; i < names.size(); ++i) {
        if (name == names[i])
            return AllSunSigns[i];
    }
    return std::nullopt;
}

QString sephirahName(Sephirah sephirah)
{
    static const std::array<QString, SephirahCount> names{
        QStringLiteral("Keter"),   QStringLiteral("Chokmah"),   QStringLiteral("Binah"),   QStringLiteral("Chesed"),
        QStringLiteral("Gevurah"), QStringLiteral("Tiphereth"), QStringLiteral("Netzach"), QStringLiteral("Hod"),
        QStringLiteral("Yesod"),   QStringLiteral("Malkhuth"),  QStringLiteral("Da'at")};
    return names[sephirahIndex(sephirah)];
}

QString archangelName(Archangel angel)
{
    static const std::array<QString, ArchangelCount> names{
        QStringLiteral("Gabriel"),    QStringLiteral("Michael"), QStringLiteral("Haniel"),   QStringLiteral("Raphael"),
        QStringLiteral("Sandalphon"), QStringLiteral("Raziel"),  QStringLiteral("Metatron"), QStringLiteral("Tzadqiel"),
        QStringLiteral("Tzaphqiel"),  QStringLiteral("Kamael")};
    return names[static_cast<std::size_t>(angel)];
}

QString treePathLetter(TreePath path)
{
    static const std::array<QString, TreePathCount> names{
        QStringLiteral("Heh"),    QStringLiteral("Vau"),  QStringLiteral("Zain"),   QStringLiteral("Cheth"),
        QStringLiteral("Teth"),   QStringLiteral("Yod"),  QStringLiteral("Lamed"),  QStringLiteral("Nun"),
        QStringLiteral("Samekh"), QStringLiteral("Ayin"), QStringLiteral("Tzaddi"), QStringLiteral("Qoph")};
    return names[static_cast<std::size_t>(path)];
}

} // namespace tavrel
