// SPDX-FileCopyrightText: 2026 The Tavrel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Readings of four signs written out once, as the result window shows them: the engine's tests, the result
// window's tests and the screen-reader tests all check against these.

#include "reading/vocabulary.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <QTest>

#include <array>
#include <utility>

struct GoldenReading
{
    const char *sign; // the sign's name, as lblSunSignName shows it
    tavrel::SunSign value;
    const char *card; // the tarot-card label that becomes visible
    // Sephirah One and Two: name, position, ruler, archangel, lucky day, colour, wood, keyword, metal.
    QStringList one;
    QStringList two;
    // The path: name, Hebrew letter, location, planet, Yetsiratic attribution, colour, element.
    QStringList path;
    const char *line; // the diagram's line of the path
    QString diagramPath; // the diagram's name of the path
    std::array<int, 2> spheres; // the marked spheres of the diagram, by index
    std::array<tavrel::Chakra, 2> chakras;
    QStringList chakraLabels; // beside the two chakra pictures
    QStringList recordEnds; // the last value (the colour) of each chakra record
    QStringList openings; // of the paragraphs: sphere One, its archangel, sphere Two, its archangel, path, sign
};

inline const QList<GoldenReading> GoldenReadings{
    {.sign = "Pisces",
     .value = tavrel::SunSign::Pisces,
     .card = "lblPisces",
     .one = {"Netzach", "7th", "Venus", "Haniel", "Friday", "Green", "Myrtle", "Victory, Endurance, Prophecy, Eternity",
             "Copper"},
     .two = {"Malkhuth", "10th", "Earth", "Sandalphon", "", "", "", "Kingdom, Beginnings", ""},
     .path = {"Path Of Qoph", "Qoph, which means back of the head", "Connecting path between Netzach and Malkhuth",
              "Moon", "Corporeal Intelligence", "Buff", "Water"},
     .line = "ln710",
     .diagramPath = QStringLiteral("Path of Qoph"),
     .spheres = {6, 9},
     .chakras = {tavrel::Chakra::Manipura, tavrel::Chakra::Muladhara},
     .chakraLabels = {"Manipura (Navel) Chakra", "Muladhara (Base of Spine) Chakra"},
     .recordEnds = {"Yellow", "Red"},
     .openings = {"Netzach occupies", "Haniel is", "Malkhuth occupies", "Sandalphon is",
                  "This is the path of the mystiques.", "You are very creative"}},
    {.sign = "Leo",
     .value = tavrel::SunSign::Leo,
     .card = "lblLeo",
     .one = {"Chesed", "4th", "Jupiter", "Tzadqiel", "Thursday", "Blue", "Oak", "Love, Kindness, Mercy", "Tin"},
     .two = {"Gevurah", "5th", "Mars", "Kamael", "Tuesday", "Red", "Cedar", "Restraint, Justice", "Iron"},
     .path = {"Path Of Teth", "Teth, which means coiled serpent", "Connecting path between Chesed and Gevurah", "Sun",
              "Spiritual Intelligence", "Deep purple", "Air"},
     .line = "ln45",
     .diagramPath = QStringLiteral("Path of Teth"),
     .spheres = {3, 4},
     .chakras = {tavrel::Chakra::Vishuddha, tavrel::Chakra::Vishuddha},
     .chakraLabels = {"Vishuddha (Throat) Chakra", "Vishuddha (Throat) Chakra"},
     .recordEnds = {"Blue", "Blue"},
     .openings = {"Chesed occupies", "Archangel Tzadqiel", "Gevurah occupies", "Archangel Kamael",
                  "This is the path of creativity.", "You are a leader"}},
    {.sign = "Aries",
     .value = tavrel::SunSign::Aries,
     .card = "lblAries",
     .one = {"Chokmah", "2nd", "Uranus", "Raziel", "", "Gray or Silver", "Musk", "Wisdom, Revelation", ""},
     .two = {"Tiphereth", "6th", "Sun", "Raphael", "Sunday", "Gold or Yellow", "Laurel", "Beauty, Equilibirum", "Gold"},
     .path = {"Path Of He", "Heh, which means window", "Connecting path between Chokmah and Tiphereth", "Mars",
              "Natural intelligence", "Light blue", "Fire"},
     .line = "ln26",
     .diagramPath = QStringLiteral("Path of H\u00e9"),
     .spheres = {1, 5},
     .chakras = {tavrel::Chakra::Ajna, tavrel::Chakra::Anahata},
     .chakraLabels = {"Ajna (Third Eye) Chakra", "Anahata (Heart) Chakra"},
     .recordEnds = {"Indigo", "Green"},
     .openings = {"Chokmah occupies", "Also referred to as the 'Secret God' or", "Tiphereth occupies", "Raphael is",
                  "This is the path of civilization.", "You are very independent"}},
    {.sign = "Cancer",
     .value = tavrel::SunSign::Cancer,
     .card = "lblCancer",
     .one = {"Binah", "3rd", "Saturn", "Tzaphqiel", "Saturday", "Black", "Pine or Juniper",
             "Understanding, Intelligence, Reason", "Lead"},
     .two = {"Gevurah", "5th", "Mars", "Kamael", "Tuesday", "Red", "Cedar", "Restraint, Justice", "Iron"},
     .path = {"Path Of Cheth", "Cheth, which means chariot", "Connecting path between Binah and Gevurah", "Moon",
              "Influencing Intelligence", "Maroon", "Water"},
     .line = "ln35",
     .diagramPath = QStringLiteral("Path of Cheth"),
     .spheres = {2, 4},
     .chakras = {tavrel::Chakra::Ajna, tavrel::Chakra::Vishuddha},
     .chakraLabels = {"Ajna (Third Eye) Chakra", "Vishuddha (Throat) Chakra"},
     .recordEnds = {"Indigo", "Blue"},
     .openings = {"Binah occupies", "Tzaphqiel is", "Gevurah occupies", "Archangel Kamael", "Path # 18",
                  "You are a patient person"}},
};

// A data row for each golden reading, named after its sign; the test fetches it with goldenRow().
inline void addGoldenRows()
{
    QTest::addColumn<int>("golden");
    for (int i = 0; i < GoldenReadings.size(); ++i)
        QTest::newRow(GoldenReadings[i].sign) << i;
}

inline const GoldenReading &goldenRow()
{
    QFETCH(int, golden);
    return GoldenReadings[golden];
}

// The labels of the result window that show a reading's short values, each with the value `golden` shows in it.
inline QList<std::pair<QString, QString>> shownLabels(const GoldenReading &golden)
{
    static const QStringList sephirah{
        "SphereSign", "PositionInTreeOfLife", "PlanetaryRuler", "Archangel", "LuckyDay", "Color", "Wood", "Keyword",
        "Metal"};
    static const QStringList path{
        "lblPathName", "lblHebrewLetter", "lblLocation", "lblCorrespondingPlanet", "lblYetsiraticAttribution",
        "lblColor",    "lblElement"};
    QList<std::pair<QString, QString>> shown;
    for (qsizetype i = 0; i < sephirah.size(); ++i) {
        shown.append({QStringLiteral("lblOne") + sephirah[i], golden.one[i]});
        shown.append({QStringLiteral("lblTwo") + sephirah[i], golden.two[i]});
    }
    for (qsizetype i = 0; i < path.size(); ++i)
        shown.append({path[i], golden.path[i]});
    shown.append({QStringLiteral("lblOneSphereHead"), golden.one[0]});
    shown.append({QStringLiteral("lblTwoSphereHead"), golden.two[0]});
    shown.append({QStringLiteral("lblLiesPathName"), golden.path[0]});
    shown.append({QStringLiteral("lblSunSignName"), QString::fromLatin1(golden.sign)});
    shown.append({QStringLiteral("lbSephirothSOneCardName"), golden.chakraLabels[0]});
    shown.append({QStringLiteral("lbSephirothSTwoCardName"), golden.chakraLabels[1]});
    return shown;
}
