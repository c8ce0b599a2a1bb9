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
    return names[static_cast<std::size_t>(diagramIndex(sephirah))];
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

const std::array<QString, 22> &pathLineNames()
{
    static const std::array<QString, 22> names{
        QStringLiteral("ln12"),  QStringLiteral("ln13"), QStringLiteral("ln16"), QStringLiteral("ln23"),
        QStringLiteral("ln24"),  QStringLiteral("ln26"), QStringLiteral("ln35"), QStringLiteral("ln36"),
        QStringLiteral("ln45"),  QStringLiteral("ln46"), QStringLiteral("ln47"), QStringLiteral("ln56"),
        QStringLiteral("ln58"),  QStringLiteral("ln67"), QStringLiteral("ln68"), QStringLiteral("ln69"),
        QStringLiteral("ln78"),  QStringLiteral("ln79"), QStringLiteral("ln89"), QStringLiteral("ln710"),
        QStringLiteral("ln810"), QStringLiteral("ln910")};
    return names;
}

} // namespace tavrel
