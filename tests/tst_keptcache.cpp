// SPDX-FileCopyrightText: 2026 The Tavrel developers
// SPDX-License-Identifier: GPL-3.0-or-later
// What the windows keep between them goes with the application object, also when a program makes another one.

#include "ui/keptcache.h"

#include <QGuiApplication>
#include <QTest>

using namespace tavrel::ui;

class TestKeptCache : public QObject
{
    Q_OBJECT

private slots:
    void goesWithEachApplication();
};

void TestKeptCache::goesWithEachApplication()
{
    static KeptCache<int, QFont> fonts(4); // as the windows keep theirs
    int made = 0;
    const auto make = [&made] { return QFont(QStringLiteral("Verdana"), ++made); };
    int argc = 1;
    char name[] = "tst_keptcache";
    char *argv[] = {name, nullptr};
    for (int application = 1; application <= 3; ++application) {
        QGuiApplication app(argc, argv);
        fonts.get(1, make);
        QCOMPARE(fonts.get(1, make).pointSize(), application); // kept within one application, made anew in the next
    }
}

QTEST_APPLESS_MAIN(TestKeptCache)
#include "tst_keptcache.moc"
