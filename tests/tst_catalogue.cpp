#include "reading/catalogue.h"
#include "reading/chakras.h"

#include <QTest>

#include <set>

using namespace tavrel;

Q_DECLARE_METATYPE(tavrel::Sephirah)
Q_DECLARE_METATYPE(tavrel::TreePath)
Q_DECLARE_METATYPE(tavrel::Chakra)

class TestCatalogue : public QObject
{
    Q_OBJECT

private slots:
    void signNames();
    void sephiroth_data();
    void sephiroth();
    void paths_data();
    void paths();
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
        QCOMPARE(sunSignInfo(AllSunSigns[static_cast<std::size_t>(i)]).cardLabel, "lbl" + names[i]);
    }
    QVERIFY(!sunSignFromName(u"aries").has_value());
    QVERIFY(!sunSignFromName(u"Aries ").has_value());
    QVERIFY(!sunSignFromName(u"").has_value());
}

void TestCatalogue::sephiroth_data()
{
    QTest::addColumn<Sephirah>("sephirah");
    QTest::addColumn<QStringList>("values"); // name, position, ruler, angel label, day, colour, wood, keyword, metal
    QTest::addColumn<int>("chakra");
    QTest::addColumn<QString>("angelKey");

    QTest::newRow("Chokmah")
        << Sephirah::Chokmah
        << QStringList{"Chokmah", "2nd", "Uranus", "Raziel", "", "Gray or Silver", "Musk", "Wisdom, Revelation", ""}
        << 1 << "Raziel";
    QTest::newRow("Binah") << Sephirah::Binah
                           << QStringList{"Binah",    "3rd",   "Saturn",          "Tzaphqiel",
                                          "Saturday", "Black", "Pine or Juniper", "Understanding, Intelligence, Reason",
                                          "Lead"}
                           << 1 << "Tzaphqiel";
    QTest::newRow("Chesed") << Sephirah::Chesed << QStringList{"Chesed",   "4th",  "Jupiter", "Tzadqiel",
                                                               "Thursday", "Blue", "Oak",     "Love, Kindness, Mercy",
                                                               "Tin"}
                            << 2 << "Tzadqiel";
    QTest::newRow("Gevurah") << Sephirah::Gevurah << QStringList{"Gevurah", "5th", "Mars",  "Kamael",
                                                                 "Tuesday", "Red", "Cedar", "Restraint, Justice",
                                                                 "Iron"}
                             << 2 << "Kamael";
    QTest::newRow("Tiphereth") << Sephirah::Tiphereth << QStringList{"Tiphereth", "6th",
                                                                     "Sun",       "Raphael",
                                                                     "Sunday",    "Gold or Yellow",
                                                                     "Laurel",    "Beauty, Equilibirum",
                                                                     "Gold"}
                               << 3 << "Raphael";
    QTest::newRow("Netzach") << Sephirah::Netzach
                             << QStringList{"Netzach", "7th",   "Venus",  "Haniel",
                                            "Friday",  "Green", "Myrtle", "Victory, Endurance, Prophecy, Eternity",
                                            "Copper"}
                             << 4 << "Haniel";
    QTest::newRow("Hod") << Sephirah::Hod
                         << QStringList{"Hod",
                                        "8th",
                                        "Mercury",
                                        "Micheal",
                                        "Wednesday",
                                        "Purple, Brown",
                                        "Hazelwood",
                                        "Splendour, Truthfulness, Communication",
                                        "Mercury/ Quicksilver"}
                         << 4 << "Michael";
    QTest::newRow("Yesod") << Sephirah::Yesod << QStringList{"Yesod",  "9th",
                                                             "Moon",   "Gabriel",
                                                             "Monday", "Gray or Silver",
                                                             "Willow", "Foundation, Passion, Truth",
                                                             "Silver"}
                           << 5 << "Gabriel";
    QTest::newRow("Malkhuth") << Sephirah::Malkhuth << QStringList{"Malkhuth", "10th", "Earth", "Sandalphon",
                                                                   "",         "",     "",      "Kingdom, Beginnings",
                                                                   ""}
                              << 6 << "Sandalphon";
}

void TestCatalogue::sephiroth()
{
    QFETCH(Sephirah, sephirah);
    QFETCH(QStringList, values);
    QFETCH(int, chakra);
    QFETCH(QString, angelKey);

    const SephirahInfo *info = sephirahInfo(sephirah);
    QVERIFY(info);
    const QStringList actual{info->name,   info->position, info->planetaryRuler, info->archangelLabel, info->luckyDay,
                             info->colour, info->wood,     info->keyword,        info->metal};
    QCOMPARE(actual, values);
    QCOMPARE(sephirahName(sephirah), values[0]);
    QCOMPARE(static_cast<int>(info->chakra), chakra);
    QCOMPARE(archangelName(info->archangel), angelKey);
    QCOMPARE(diagramIndex(sephirah), static_cast<int>(sephirah) - 1);
}

void TestCatalogue::paths_data()
{
    QTest::addColumn<TreePath>("path");
    QTest::addColumn<QStringList>("values"); // name, letter, location, planet, attribution, colour, element, line
    QTest::addColumn<int>("paragraph");

    const auto row = [](const char *tag, TreePath p, QStringList v, int n) { QTest::newRow(tag) << p << v << n; };
    row("Heh", TreePath::Heh,
        {"Path Of He", "Heh, which means window", "Connecting path between Chokmah and Tiphereth", "Mars",
         "Natural intelligence", "Light blue", "Fire", "ln26"},
        1);
    row("Vau", TreePath::Vau,
        {"Path Of Vau", "Vau, which means nail", "Connecting path between Chokmah and Chesed", "Venus",
         "Triumphal intelligence", "Indigo", "Earth", "ln24"},
        2);
    row("Zain", TreePath::Zain,
        {"Path Of Zaini", "Zain, which means sword or the male sex organ",
         "Connecting path between Binah and Tiphereth", "Mercury", "Disposing intelligence", "Mauve", "Air", "ln36"},
        3);
    row("Cheth", TreePath::Cheth,
        {"Path Of Cheth", "Cheth, which means chariot", "Connecting path between Binah and Gevurah", "Moon",
         "Influencing Intelligence", "Maroon", "Water", "ln35"},
        4);
    row("Teth", TreePath::Teth,
        {"Path Of Teth", "Teth, which means coiled serpent", "Connecting path between Chesed and Gevurah", "Sun",
         "Spiritual Intelligence", "Deep purple", "Air", "ln45"},
        5);
    row("Yod", TreePath::Yod,
        {"Path Of Yod", "Yod, which means sperm of God.", "Connecting path between Chesed and Tiphereth", "Mercury",
         "Willful Intelligence", "Slate gray", "Air", "ln46"},
        6);
    row("Lamed", TreePath::Lamed,
        {"Path Of Lamed", "Lamed, which means to teach.", "Connecting path between Gevurah and Tiphereth", "Venus",
         "Faithful Intelligence", "Blue", "Air", "ln56"},
        7);
    row("Nun", TreePath::Nun,
        {"Path Of Nun", "Nun, which means fish.", "Connecting path between Tiphereth and Netzach", "Mars",
         "Imaginative Intelligence", "Brown", "Fire", "ln67"},
        8);
    row("Samekh", TreePath::Samekh,
        {"Path Of Samekh", "Samekh, which means trust and closeness.", "Connecting path between Tiphereth and Yesod",
         "Jupiter", "Tentative Intelligence", "Yellow", "Fire", "ln69"},
        9);
    row("Ayin", TreePath::Ayin,
        {"Path Of Ayin", "Ayin, which means eye", "Connecting path between Tiphereth and Hod", "Saturn",
         "Renovating intelligence", "Black", "Earth", "ln68"},
        10);
    row("Tzaddi", TreePath::Tzaddi,
        {"Path Of Tzaddi", "Tzaddi, which means hook.", "Connecting path between Netzach and Yesod", "Uranus / Saturn",
         "Constituting Intelligence", "Red", "Earth", "ln79"},
        11);
    row("Qoph", TreePath::Qoph,
        {"Path Of Qoph", "Qoph, which means back of the head", "Connecting path between Netzach and Malkhuth", "Moon",
         "Corporeal Intelligence", "Buff", "Water", "ln710"},
        12);
}

void TestCatalogue::paths()
{
    QFETCH(TreePath, path);
    QFETCH(QStringList, values);
    QFETCH(int, paragraph);
    const TreePathInfo &info = treePathInfo(path);
    const QStringList actual{info.pathName, info.hebrewLetter, info.location, info.planet, info.yetsiraticAttribution,
                             info.colour,   info.element,      info.line};
    QCOMPARE(actual, values);
    QCOMPARE(info.paragraph, paragraph);
    QVERIFY(std::find(pathLineNames().begin(), pathLineNames().end(), info.line) != pathLineNames().end());
}

// Each sign's path is the line that joins its two spheres, and its card caption is its own.
void TestCatalogue::signsJoinTheirPathsSpheres()
{
    const QStringList cards{"The Emperor", "The Hierophant", "The Lovers", "The Chariot", "Strength", "The Hermit",
                            "Justice",     "Death",          "Temperance", "The Devil",   "The Star", "The Moon"};
    std::set<TreePath> paths;
    for (int i = 0; i < SunSignCount; ++i) {
        const SunSignInfo &info = sunSignInfo(AllSunSigns[static_cast<std::size_t>(i)]);
        QCOMPARE(info.cardCaption, cards[i]);
        QVERIFY(static_cast<int>(info.one) < static_cast<int>(info.two));
        const QString line = QStringLiteral("ln%1%2").arg(static_cast<int>(info.one)).arg(static_cast<int>(info.two));
        QCOMPARE(treePathInfo(info.path).line, line);
        QVERIFY(treePathInfo(info.path).location.endsWith(sephirahName(info.two)));
        paths.insert(info.path);
    }
    QCOMPARE(paths.size(), std::size_t(12));
    QCOMPARE(pathLineNames().size(), std::size_t(22));
    QVERIFY(!sephirahInfo(Sephirah::Keter));
    QVERIFY(!sephirahInfo(Sephirah::Daat));
    QCOMPARE(HighlightColor, (Rgb{236, 28, 210}));
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
