// SPDX-FileCopyrightText: 2026 The Tavrel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "reading/descriptions.h"
#include "reading/reading.h"
#include "reading/validation.h"
#include "tests/goldenreadings.h"

#include <QTest>

using namespace tavrel;

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
    QStringList v;
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
    addGoldenRows();
}

void TestReading::literalReadings()
{
    const GoldenReading &g = goldenRow();

    const Reading r = makeReading(g.value);
    QCOMPARE(shownValues(r), g.one + g.two + g.path + QStringList{QLatin1String(g.sign)} + g.chakraLabels);
    QCOMPARE(r.chakraOne->chakra, g.chakras[0]);
    QCOMPARE(r.chakraTwo->chakra, g.chakras[1]);

    const QStringList paragraphs{r.sphereOneParagraph, r.angelOneParagraph, r.sphereTwoParagraph,
                                 r.angelTwoParagraph,  r.pathParagraph,     r.signParagraph};
    for (int i = 0; i < paragraphs.size(); ++i)
        QVERIFY2(paragraphs[i].startsWith(g.openings[i]), qPrintable(paragraphs[i].left(60)));
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
        QCOMPARE(r.pathParagraph, catalogue.PathText(i + 1)); // paths are numbered in the order of the signs
        QCOMPARE(r.signParagraph, catalogue.SignText(sign));
        QCOMPARE(r.angelOneParagraph, catalogue.AngelText(r.one->archangel));
        QVERIFY(!r.signParagraph.isEmpty() && !r.angelTwoParagraph.isEmpty() && !r.sphereTwoParagraph.isEmpty());
    }
}

QTEST_APPLESS_MAIN(TestReading)
#include "tst_reading.moc"
