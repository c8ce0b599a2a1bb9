// SPDX-FileCopyrightText: 2026 The Tavrel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "reading/descriptions.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

using namespace tavrel;

class TestDescriptions : public QObject
{
    Q_OBJECT

private slots:
    void dataIsSound();
    void paragraphs_data();
    void paragraphs();
    void pathNumbers();
    void problemsAreLogged();
};

void TestDescriptions::dataIsSound()
{
    const QStringList problems = DescriptionCatalogue::instance().problems();
    QVERIFY2(problems.isEmpty(), qPrintable(problems.join(QLatin1Char('\n'))));
}

void TestDescriptions::paragraphs_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("opening");

    const DescriptionCatalogue &c = DescriptionCatalogue::instance();
    using S = Sephirah;
    const std::pair<S, const char *> spheres[] = {
        {S::Malkhuth, "Malkhuth occupies the 10th position in the Tree"},
        {S::Yesod, "Yesod occupies the 9th position in the Tree"},
        {S::Hod, "Hod occupies the 8th position in the Tree"},
        {S::Netzach, "Netzach occupies the 7th position in the Tree"},
        {S::Tiphereth, "Tiphereth occupies the 6th position in the Tree"},
        {S::Gevurah, "Gevurah occupies the 5th position in the Tree"},
        {S::Chesed, "Chesed occupies the 4th position in the Tree"},
        {S::Binah, "Binah occupies the 3rd position in the Tree"},
        {S::Chokmah, "Chokmah occupies the 2nd position in the Tree"},
        {S::Keter, "Keter occupies the 1st position in the Tree"},
        {S::Daat, "Da'at is an invisible sphere that occupies the"},
    };
    for (const auto &[sphere, opening] : spheres)
        QTest::addRow("sphere %s", qPrintable(sephirahName(sphere)))
            << c.SphereText(sphere) << QString::fromLatin1(opening);

    using A = Archangel;
    const std::pair<A, const char *> angels[] = {
        {A::Gabriel, "The name Gabriel means the 'messenger of God'."},
        {A::Michael, "Michael is the angel for the month of"},
        {A::Haniel, "Haniel is the angel representing the month of"},
        {A::Raphael, "Raphael is the angel of journey to the"},
        {A::Sandalphon, "Sandalphon is looked upon as the ruling Angel"},
        {A::Raziel, "Also referred to as the 'Secret God' or"},
        {A::Metatron, "Metatron is believed to be the keeper of"},
        {A::Tzadqiel, "Archangel Tzadqiel means 'Righteousness of God'. He is"},
        {A::Tzaphqiel, "Tzaphqiel is the 'Prince of Spiritual Strife against"},
        {A::Kamael, "Archangel Kamael is also referred to as the"},
    };
    for (const auto &[angel, opening] : angels)
        QTest::addRow("angel %s", qPrintable(archangelName(angel)))
            << c.AngelText(angel) << QString::fromLatin1(opening);

    const char *paths[] = {"This is the path of civilization. The path",   "This is the path of grace and compassion.",
                           "This is the path of all Lovers. It",           "Path # 18 is the path that is",
                           "This is the path of creativity. Teth is",      "This is the path of purification. It is",
                           "This is the path of justice. It is",           "This is the path of intimacy. This is",
                           "This is the path of alchemy. This particular", "This is the path of practicality. The path",
                           "This is the path of righteousness. It is",     "This is the path of the mystiques. It"};
    for (int i = 0; i < 12; ++i) {
        QTest::addRow("path %d %s", i + 1, qPrintable(treePathLetter(static_cast<TreePath>(i))))
            << c.PathText(static_cast<TreePath>(i)) << QString::fromLatin1(paths[i]);
    }

    const char *signs[] = {"You are very independent and dynamic. You are",
                           "You have a powerful and commanding personality. You",
                           "You have an analytical mind. You have keen",
                           "You are a patient person and very emotional.",
                           "You are a leader and can never take",
                           "You are practical and polished. You would like",
                           "Justice means everything to you. You need to",
                           "Mysterious is the first word that comes to",
                           "You are very optimistic and spontaneous by nature.",
                           "You want to achieve a lot in life.",
                           "You are a thinker, philosopher and an idealist.",
                           "You are very creative and soft by nature."};
    for (int i = 0; i < 12; ++i) {
        QTest::addRow("sign %s", qPrintable(sunSignName(AllSunSigns[static_cast<std::size_t>(i)])))
            << c.SignText(AllSunSigns[static_cast<std::size_t>(i)]) << QString::fromLatin1(signs[i]);
    }
}

void TestDescriptions::paragraphs()
{
    QFETCH(QString, text);
    QFETCH(QString, opening);
    QVERIFY2(text.startsWith(opening), qPrintable(text.left(80)));
    QVERIFY2(text.size() >= 310 && text.size() <= 883, qPrintable(QString::number(text.size())));
    QVERIFY(!text.contains(QLatin1Char('\n')));
    QVERIFY(!text.contains(QLatin1Char('\r')));
    QVERIFY(!text.contains(QLatin1Char('\t')));
    QVERIFY(!text.contains(QLatin1Char('<'))); // no markup
    QCOMPARE(text, text.simplified()); // one paragraph, no doubled or stray blanks
}

void TestDescriptions::pathNumbers()
{
    const DescriptionCatalogue &c = DescriptionCatalogue::instance();
    QVERIFY(c.PathText(4).startsWith(QLatin1String("Path # 18 is the path that is")));
    QCOMPARE(c.PathText(12), c.PathText(TreePath::Qoph));
    QVERIFY(c.PathText(0).isEmpty());
    QVERIFY(c.PathText(13).isEmpty());
}

// The program reports broken data in its log when it reads the catalogue; sound data logs nothing.
void TestDescriptions::problemsAreLogged()
{
    QTest::failOnWarning(QRegularExpression(QStringLiteral(".*")));
    QVERIFY(DescriptionCatalogue::load().problems().isEmpty());

    QTemporaryDir dir;
    for (const char *name : {"spheres.txt", "archangels.txt", "paths.txt", "signs.txt"})
        QVERIFY(QFile::copy(QStringLiteral(":/descriptions/") + QLatin1String(name), dir.filePath(name)));
    QFile signs(dir.filePath(QStringLiteral("signs.txt")));
    QVERIFY(signs.setPermissions(QFile::ReadOwner | QFile::WriteOwner) && signs.open(QIODevice::ReadWrite));
    const QByteArray content = signs.readAll().replace("\nLeo\t", "\nLion\t");
    QVERIFY(signs.resize(0) && signs.write(content) == content.size());
    signs.close();

    const QString problem =
        dir.filePath(QStringLiteral("signs.txt")) + QStringLiteral(": entry 5 is keyed 'Lion', expected 'Leo'");
    QTest::ignoreMessage(QtWarningMsg, qPrintable(QStringLiteral("Description catalogue: ") + problem));
    QCOMPARE(DescriptionCatalogue::load(dir.path()).problems(), QStringList{problem});
}

QTEST_APPLESS_MAIN(TestDescriptions)
#include "tst_descriptions.moc"
