// SPDX-FileCopyrightText: 2026 The Tavrel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "reading/catalogue.h"
#include "reading/chakras.h"

#include <QTest>

#include <set>

using namespace tavrel;

Q_DECLARE_METATYPE(tavrel::Chakra)

class TestCatalogue : public QObject
{
    Q_OBJECT

private slots:
    void signNames();
    void signsJoinTheirPathsSpheres();
    void chakraLabelsAndPictures();
    void chakraRecord_data();
    void chakraRecord();
    void chakraRecordOutOfRange();
};

void TestCatalogue::signNames()
{
    const QStringList names{"Aries", "Taurus",  "Gemini",      "Cancer",    "Leo",      "Virgo",
                            "Libra", "Scorpio", "Sagittarius", "Capricorn", "Aquarius", "Pisces"};
    for (int i = 0; i < SunSignCount; ++i) {
        QCOMPARE(sunSignName(AllSunSigns[static_cast<std::size_t>(i)]), names[i]);
        QCOMPARE(sunSignFromName(names[i]), std::optional(AllSunSigns[static_cast<std::size_t>(i)]));
    }
    QVERIFY(!sunSignFromName(u"aries").has_value());
    QVERIFY(!sunSignFromName(u"Aries ").has_value());
    QVERIFY(!sunSignFromName(u"").has_value());
}

// Each sign's path joins its two spheres, is named after them and numbered in the order of the signs; each sphere a
// sign uses shows its own name and position.
void TestCatalogue::signsJoinTheirPathsSpheres()
{
    const QStringList cards{"The Emperor", "The Hierophant", "The Lovers", "The Chariot", "Strength", "The Hermit",
                            "Justice",     "Death",          "Temperance", "The Devil",   "The Star", "The Moon"};
    const QStringList positions{"", "1st", "2nd", "3rd", "4th", "5th", "6th", "7th", "8th", "9th", "10th"};
    std::set<TreePath> paths;
    for (int i = 0; i < SunSignCount; ++i) {
        const SunSignInfo &info = sunSignInfo(AllSunSigns[static_cast<std::size_t>(i)]);
        QCOMPARE(info.tarotCard, cards[i]);
        QVERIFY(static_cast<int>(info.one) < static_cast<int>(info.two));
        const TreePathInfo &path = treePathInfo(info.path);
        QVERIFY(path.upper == info.one && path.lower == info.two);
        QCOMPARE(
            path.location,
            QStringLiteral("Connecting path between %1 and %2").arg(sephirahName(info.one), sephirahName(info.two)));
        QVERIFY2(path.hebrewLetter.startsWith(treePathLetter(info.path) + QLatin1String(", which means ")),
                 qPrintable(path.hebrewLetter));
        QCOMPARE(path.paragraph, i + 1);
        for (const Sephirah sephirah : {info.one, info.two}) {
            const SephirahInfo *sphere = sephirahInfo(sephirah);
            QVERIFY(sphere);
            QCOMPARE(sphere->sephirah, sephirah);
            QCOMPARE(sphere->name, sephirahName(sephirah));
            QCOMPARE(sphere->position, positions[static_cast<int>(sephirah)]);
        }
        paths.insert(info.path);
    }
    QCOMPARE(paths.size(), std::size_t(12));
    QVERIFY(!sephirahInfo(Sephirah::Keter));
    QVERIFY(!sephirahInfo(Sephirah::Daat));
}

void TestCatalogue::chakraLabelsAndPictures()
{
    const QStringList labels{"",
                             "Ajna (Third Eye) Chakra",
                             "Vishuddha (Throat) Chakra",
                             "Anahata (Heart) Chakra",
                             "Manipura (Navel) Chakra",
                             "Svadhisthana (Genitals) Chakra",
                             "Muladhara (Base of Spine) Chakra"};
    for (int c = 0; c < ChakraCount; ++c) {
        const ChakraInfo &info = chakraInfo(static_cast<Chakra>(c));
        QCOMPARE(info.label, labels[c]);
        QCOMPARE(info.picture, c + 1);
    }
}

void TestCatalogue::chakraRecord_data()
{
    QTest::addColumn<Chakra>("chakra");
    QTest::addColumn<QStringList>("values");

    QTest::newRow("Ajna") << Chakra::Ajna
                          << QStringList{"Ajna",
                                         "This state governs the nature of approach and vision of a person.",
                                         "Circle, 2 Luminous Petals in which all the Elements are pooled.",
                                         "Ajna (perceive, to know)",
                                         "Transcending Senses, Experiencing God-In-Self or Atman",
                                         "Indigo"};
    QTest::newRow("Svadhisthana")
        << Chakra::Svadhisthana
        << QStringList{"Swadhisthanna",
                       "This chakra is located just above the root chakra, which controls or stimulates the sexual "
                       "desires, emotions and creativity.",
                       "Blue Crescent Moon, covered by 6 Red Petals and earth filled with encircling water.",
                       "Svadhisthana (sweetness)",
                       "Purity and Attachments",
                       "Orange"};
    QTest::newRow("Muladhara")
        << Chakra::Muladhara
        << QStringList{"Muladhara",
                       "This chakra is the root center at the bottom part of spine, which makes a person feel his "
                       "physical strength and his survival instincts.",
                       "Yellow Yantra Square, covered by Four Red Petals represents the Four Directions of Earth.",
                       "Muladhara (root)",
                       "Patience and Greediness",
                       "Red"};
    QTest::newRow("Sahasrara")
        << Chakra::Sahasrara
        << QStringList{"Sahasrara",
                       "This chakra is all about perception and intelligence and your spiritual nature.",
                       "Beautiful one Thousand Rainbow Colored Petals.",
                       "Sahasrara (thousand-fold)",
                       "Kundalini Shakti rises up the spinal column to unite with Shiva here. One understands "
                       "Non-Duality, Lives in an Extended State of Consciousness and Attains illumination",
                       "Violet"};
}

void TestCatalogue::chakraRecord()
{
    QFETCH(Chakra, chakra);
    QFETCH(QStringList, values);
    const ChakraRecord record = tavrel::chakraRecord(chakra);
    QCOMPARE(record.size(), 6);
    const QStringList headings{"Chakras Name ", "Description ", "Symbol ", "Sanskrit Name ", "Keyword ", "Color "};
    for (int i = 0; i < 6; ++i) {
        QCOMPARE(record[i].heading, headings[i]);
        QCOMPARE(record[i].value, values[i]);
    }
}

// The three longer descriptions are two sentences with given opening words; the other fields keep each
// table's own spelling.
void TestCatalogue::chakraRecordOutOfRange()
{
    QVERIFY(tavrel::chakraRecord(static_cast<Chakra>(-1)).isEmpty());
    QVERIFY(tavrel::chakraRecord(static_cast<Chakra>(7)).isEmpty());
    QVERIFY(!chakraDetails(static_cast<Chakra>(7)));

    const struct
    {
        Chakra chakra;
        const char *opening;
    } longer[] = {{Chakra::Vishuddha, "This chakra is all about expressing oneself and"},
                  {Chakra::Anahata, "World treats heart as the symbol of love"},
                  {Chakra::Manipura, "The name itself suggests the location of this"}};
    for (const auto &c : longer) {
        const QString text = chakraDetails(c.chakra)->description;
        QVERIFY2(text.startsWith(QLatin1String(c.opening)), qPrintable(text));
        QCOMPARE(text.count(QLatin1String(". ")) + (text.endsWith(QLatin1Char('.')) ? 1 : 0), 2);
    }
    QCOMPARE(chakraDetails(Chakra::Vishuddha)->sanskritName, QStringLiteral("Visuddha (purification)"));
    QCOMPARE(chakraDetails(Chakra::Anahata)->sanskritName,
             QStringLiteral("Anahata (unstruck; the fresh, clean sound made without striking two things)"));
    QCOMPARE(chakraDetails(Chakra::Manipura)->symbol,
             QStringLiteral("Fiery Red Triangle, surrounded by 10 Blue Petals."));
    QCOMPARE(chakraDetails(Chakra::Anahata)->keyword, QStringLiteral("Impatience"));
    QCOMPARE(chakraDetails(Chakra::Vishuddha)->keyword, QStringLiteral("Ego"));
    QCOMPARE(chakraDetails(Chakra::Manipura)->keyword, QStringLiteral("Irritation"));
}

QTEST_APPLESS_MAIN(TestCatalogue)
#include "tst_catalogue.moc"
