// SPDX-FileCopyrightText: 2026 The Tavrel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "reading/descriptions.h"

#include <QDebug>
#include <QFile>

#include <algorithm>
#include <span>

namespace tavrel {

namespace {

// Reads one "key<TAB>paragraph" file into slots, in the order of the expected keys.
void readGroup(const QString &resource, std::span<const QString> keys, std::span<QString> out, QStringList &problems)
{
    QFile file(resource);
    if (!file.open(QIODevice::ReadOnly)) {
        problems << QStringLiteral("%1: cannot be read").arg(resource);
        return;
    }
    const QString content = QString::fromUtf8(file.readAll());
    QStringList lines = content.split(QLatin1Char('\n'));
    if (!lines.isEmpty() && lines.constLast().isEmpty())
        lines.removeLast();

    if (lines.size() != static_cast<qsizetype>(keys.size())) {
        problems << QStringLiteral("%1: %2 entries, expected %3").arg(resource).arg(lines.size()).arg(keys.size());
    }
    const qsizetype count = std::min<qsizetype>(lines.size(), static_cast<qsizetype>(keys.size()));
    for (qsizetype i = 0; i < count; ++i) {
        const QString &line = lines.at(i);
        const qsizetype tab = line.indexOf(QLatin1Char('\t'));
        const QString key = tab < 0 ? QString() : line.left(tab);
        const QString text = tab < 0 ? line : line.mid(tab + 1);
        const QString &expected = keys[static_cast<std::size_t>(i)];
        if (key != expected) {
            problems << QStringLiteral("%1: entry %2 is keyed '%3', expected '%4'")
                            .arg(resource)
                            .arg(i + 1)
                            .arg(key, expected);
            continue;
        }
        const bool plain =
            std::none_of(text.cbegin(), text.cend(), [](QChar c) { return c.category() == QChar::Other_Control; });
        if (!plain)
            problems << QStringLiteral("%1: '%2' is not a single line of plain text").arg(resource, key);
        if (text.size() < DescriptionCatalogue::MinimumLength || text.size() > DescriptionCatalogue::MaximumLength)
            problems << QStringLiteral("%1: '%2' is %3 characters long").arg(resource, key).arg(text.size());
        if (text != text.trimmed())
            problems << QStringLiteral("%1: '%2' begins or ends with blanks").arg(resource, key);
        out[static_cast<std::size_t>(i)] = text;
    }
}

template<typename Enum, std::size_t N>
std::array<QString, N> namesOf(const std::array<Enum, N> &values, QString (*name)(Enum))
{
    std::array<QString, N> names;
    for (std::size_t i = 0; i < N; ++i)
        names[i] = name(values[i]);
    return names;
}

} // namespace

DescriptionCatalogue DescriptionCatalogue::load(const QString &folder)
{
    DescriptionCatalogue catalogue;
    const auto file = [&folder](const char *name) { return folder + QLatin1Char('/') + QLatin1String(name); };

    // The sphere paragraphs are stored from Malkhuth up to Keter, then Da'at.
    using S = Sephirah;
    const std::array<Sephirah, SephirahCount> sphereOrder{S::Malkhuth,  S::Yesod,   S::Hod,    S::Netzach,
                                                          S::Tiphereth, S::Gevurah, S::Chesed, S::Binah,
                                                          S::Chokmah,   S::Keter,   S::Daat};
    std::array<QString, SephirahCount> spheres;
    readGroup(file("spheres.txt"), namesOf(sphereOrder, &sephirahName), spheres, catalogue.m_problems);
    for (std::size_t i = 0; i < sphereOrder.size(); ++i)
        catalogue.m_spheres[sephirahIndex(sphereOrder[i])] = spheres[i];

    std::array<Archangel, ArchangelCount> angels{};
    for (int i = 0; i < ArchangelCount; ++i)
        angels[static_cast<std::size_t>(i)] = static_cast<Archangel>(i);
    readGroup(file("archangels.txt"), namesOf(angels, &archangelName), catalogue.m_angels, catalogue.m_problems);

    std::array<QString, TreePathCount> pathKeys;
    for (int i = 0; i < TreePathCount; ++i)
        pathKeys[static_cast<std::size_t>(i)] = QString::number(i + 1);
    readGroup(file("paths.txt"), pathKeys, catalogue.m_paths, catalogue.m_problems);

    readGroup(file("signs.txt"), namesOf(AllSunSigns, &sunSignName), catalogue.m_signs, catalogue.m_problems);

    for (const QString &problem : std::as_const(catalogue.m_problems))
        qWarning().noquote() << "Description catalogue:" << problem;
    return catalogue;
}

const DescriptionCatalogue &DescriptionCatalogue::instance()
{
    static const DescriptionCatalogue catalogue = load();
    return catalogue;
}

QString DescriptionCatalogue::SphereText(Sephirah sephirah) const
{
    return m_spheres[sephirahIndex(sephirah)];
}

QString DescriptionCatalogue::AngelText(Archangel angel) const
{
    return m_angels[static_cast<std::size_t>(angel)];
}

QString DescriptionCatalogue::PathText(TreePath path) const
{
    return m_paths[static_cast<std::size_t>(path)];
}

QString DescriptionCatalogue::PathText(int number) const
{
    if (number < 1 || number > TreePathCount)
        return {};
    return m_paths[static_cast<std::size_t>(number - 1)];
}

QString DescriptionCatalogue::SignText(SunSign sign) const
{
    return m_signs[static_cast<std::size_t>(sign)];
}

void LoadDescriptions()
{
    (void)DescriptionCatalogue::instance();
}

} // namespace tavrel
