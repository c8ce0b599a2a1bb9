#include "reading/descriptions.h"
#include "reading/reading.h"
#include "reading/validation.h"

#include <QTest>

using namespace tavrel;

Q_DECLARE_METATYPE(tavrel::SunSign)

class TestReading : public QObject
{
    Q_OBJECT

private slots:
    void literalReadings_data();
    void literalReadings();
    void everySignIsConsistent();
};

// The values that a reading of the sign writes into the result window, in its order.
static QStringList shownValues(const Reading &r)
{
    QStringList v{r.cardLabel()};
    for (const SephirahInfo *s : {r.one, r.two}) {
        v << s->name << s->position << s->planetaryRuler << s->archangelLabel << s->luckyDay << s->colour << s->wood
          << s->keyword << s->metal;
    }
    v << r.path->pathName << r.path->hebrewLetter << r.path->location << r.path->planet << r.path->yetsiraticAttribution
      << r.path->colour << r.path->element << r.signName() << r.chakraOne->label << r.chakraTwo->label;
    return v;
}

void TestReading::literalReadings_data()
{
    QTest::addColumn<SunSign>("sign");
    QTest::addColumn<QStringList>("values");
    QTest::addColumn<QList<int>>("marks"); // sphere one, sphere two, picture one, picture two, chakra one, chakra two
    QTest::addColumn<QString>("line");
    QTest::addColumn<QStringList>("paragraphOpenings"); // sphere one, angel one, sphere two, angel two, path, sign

    QTest::newRow("Pisces") << SunSign::Pisces
                            << QStringList{"lblPisces",
                                           "Netzach",
                                           "7th",
                                           "Venus",
                                           "Haniel",
                                           "Friday",
                                           "Green",
                                           "Myrtle",
                                           "Victory, Endurance, Prophecy, Eternity",
                                           "Copper",
                                           "Malkhuth",
                                           "10th",
                                           "Earth",
                                           "Sandalphon",
                                           "",
                                           "",
                                           "",
                                           "Kingdom, Beginnings",
                                           "",
                                           "Path Of Qoph",
                                           "Qoph, which means back of the head",
                                           "Connecting path between Netzach and Malkhuth",
                                           "Moon",
                                           "Corporeal Intelligence",
                                           "Buff",
                                           "Water",
                                           "Pisces",
                                           "Manipura (Navel) Chakra",
                                           "Muladhara (Base of Spine) Chakra"}
                            << QList<int>{6, 9, 5, 7, 4, 6} << "ln710"
                            << QStringList{"Netzach occupies",
                                           "Haniel is",
                                           "Malkhuth occupies",
                                           "Sandalphon is",
                                           "This is the path of the mystiques.",
                                           "You are very creative"};
    QTest::newRow("Leo") << SunSign::Leo
                         << QStringList{"lblLeo",
                                        "Chesed",
                                        "4th",
                                        "Jupiter",
                                        "Tzadqiel",
                                        "Thursday",
                                        "Blue",
                                        "Oak",
                                        "Love, Kindness, Mercy",
                                        "Tin",
                                        "Gevurah",
                                        "5th",
                                        "Mars",
                                        "Kamael",
                                        "Tuesday",
                                        "Red",
                                        "Cedar",
                                        "Restraint, Justice",
                                        "Iron",
                                        "Path Of Teth",
                                        "Teth, which means coiled serpent",
                                        "Connecting path between Chesed and Gevurah",
                                        "Sun",
                                        "Spiritual Intelligence",
                                        "Deep purple",
                                        "Air",
                                        "Leo",
                                        "Vishuddha (Throat) Chakra",
                                        "Vishuddha (Throat) Chakra"}
                         << QList<int>{3, 4, 3, 3, 2, 2} << "ln45" << QStringList{"Chesed occupies",
                                                                                  "Archangel Tzadqiel",
                                                                                  "Gevurah occupies",
                                                                                  "Archangel Kamael",
                                                                                  "This is the path of creativity.",
                                                                                  "You are a leader"};
    QTest::newRow("Aries")
        << SunSign::Aries
        << QStringList{"lblAries",
                       "Chokmah",
                       "2nd",
                       "Uranus",
                       "Raziel",
                       "",
                       "Gray or Silver",
                       "Musk",
                       "Wisdom, Revelation",
                       "",
                       "Tiphereth",
                       "6th",
                       "Sun",
                       "Raphael",
                       "Sunday",
                       "Gold or Yellow",
                       "Laurel",
                       "Beauty, Equilibirum",
                       "Gold",
                       "Path Of He",
                       "Heh, which means window",
                       "Connecting path between Chokmah and Tiphereth",
                       "Mars",
                       "Natural intelligence",
                       "Light blue",
                       "Fire",
                       "Aries",
                       "Ajna (Third Eye) Chakra",
                       "Anahata (Heart) Chakra"}
        << QList<int>{1, 5, 2, 4, 1, 3} << "ln26"
        << QStringList{"Chokmah occupies", "Also referred to as the 'Secret God' or", "Tiphereth occupies",
                       "Raphael is",       "This is the path of civilization.",       "You are very independent"};
    QTest::newRow("Cancer") << SunSign::Cancer
                            << QStringList{"lblCancer",
                                           "Binah",
                                           "3rd",
                                           "Saturn",
                                           "Tzaphqiel",
                                           "Saturday",
                                           "Black",
                                           "Pine or Juniper",
                                           "Understanding, Intelligence, Reason",
                                           "Lead",
                                           "Gevurah",
                                           "5th",
                                           "Mars",
                                           "Kamael",
                                           "Tuesday",
                                           "Red",
                                           "Cedar",
                                           "Restraint, Justice",
                                           "Iron",
                                           "Path Of Cheth",
                                           "Cheth, which means chariot",
                                           "Connecting path between Binah and Gevurah",
                                           "Moon",
                                           "Influencing Intelligence",
                                           "Maroon",
                                           "Water",
                                           "Cancer",
                                           "Ajna (Third Eye) Chakra",
                                           "Vishuddha (Throat) Chakra"}
                            << QList<int>{2, 4, 2, 3, 1, 2} << "ln35"
                            << QStringList{"Binah occupies",   "Tzaphqiel is", "Gevurah occupies",
                                           "Archangel Kamael", "Path # 18",    "You are a patient person"};
}

void TestReading::literalReadings()
{
    QFETCH(SunSign, sign);
    QFETCH(QStringList, values);
    QFETCH(QList<int>, marks);
    QFETCH(QString, line);
    QFETCH(QStringList, paragraphOpenings);

    const Reading r = makeReading(sign);
    QCOMPARE(shownValues(r), values);
    QCOMPARE(r.highlightSphereOne, marks[0]);
    QCOMPARE(r.highlightSphereTwo, marks[1]);
    QCOMPARE(r.chakraOne->picture, marks[2]);
    QCOMPARE(r.chakraTwo->picture, marks[3]);
    QCOMPARE(static_cast<int>(r.chakraOne->chakra), marks[4]);
    QCOMPARE(static_cast<int>(r.chakraTwo->chakra), marks[5]);
    QCOMPARE(r.highlightLine, line);
    QCOMPARE(r.highlightColor, (Rgb{236, 28, 210}));

    const QStringList paragraphs{r.sphereOneParagraph, r.angelOneParagraph, r.sphereTwoParagraph,
                                 r.angelTwoParagraph,  r.pathParagraph,     r.signParagraph};
    for (int i = 0; i < paragraphs.size(); ++i)
        QVERIFY2(paragraphs[i].startsWith(paragraphOpenings[i]), qPrintable(paragraphs[i].left(60)));
}

// The pairs of chakras per sign, and the agreement of every reading with its sign's tables.
void TestReading::everySignIsConsistent()
{
    const QList<std::pair<int, int>> chakras{{1, 3}, {1, 2}, {1, 3}, {1, 2}, {2, 2}, {2, 3},
                                             {2, 3}, {3, 4}, {3, 5}, {3, 4}, {4, 5}, {4, 6}};
    const DescriptionCatalogue &catalogue = DescriptionCatalogue::instance();
    for (int i = 0; i < SunSignCount; ++i) {
        const SunSign sign = AllSunSigns[static_cast<std::size_t>(i)];
        const Reading r = makeReading(sign);
        QCOMPARE(r.sign, sign);
        QCOMPARE((std::pair{static_cast<int>(r.chakraOne->chakra), static_cast<int>(r.chakraTwo->chakra)}), chakras[i]);
        QCOMPARE(r.chakraOne->picture, static_cast<int>(r.chakraOne->chakra) + 1);
        QCOMPARE(r.highlightSphereOne, static_cast<int>(r.one->sephirah) - 1);
        QCOMPARE(r.highlightSphereTwo, static_cast<int>(r.two->sephirah) - 1);
        QCOMPARE(r.pathParagraph, catalogue.PathText(i + 1)); // paths are numbered in the order of the signs
        QCOMPARE(r.signParagraph, catalogue.SignText(sign));
        QCOMPARE(r.angelOneParagraph, catalogue.AngelText(r.one->archangel));
        QVERIFY(!r.signParagraph.isEmpty() && !r.angelTwoParagraph.isEmpty() && !r.sphereTwoParagraph.isEmpty());
    }
}

QTEST_APPLESS_MAIN(TestReading)
#include "tst_reading.moc"
