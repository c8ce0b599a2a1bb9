// SPDX-FileCopyrightText: 2026 The Tavrel developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Computes the reading of every date that the input form accepts and prints the time per reading.
#include "reading/descriptions.h"
#include "reading/reading.h"
#include "reading/validation.h"

#include <QElapsedTimer>

#include <cstdio>
#include <vector>

using namespace tavrel;

int main()
{
    QElapsedTimer load;
    load.start();
    LoadDescriptions();
    const qint64 loadNs = load.nsecsElapsed();

    // Every accepted (name, day, month, year) combination of the lists.
    struct Date
    {
        int day, month, year;
    };
    std::vector<Date> dates;
    for (int year = 1900; year <= 2050; ++year)
        for (int month = 0; month < 12; ++month)
            for (int day = 0; day < 31; ++day)
                dates.push_back({day, month, year});

    std::size_t checksum = 0;
    std::size_t readings = 0;
    constexpr int Rounds = 20;
    QElapsedTimer timer;
    timer.start();
    for (int round = 0; round < Rounds; ++round) {
        for (const Date &d : dates) {
            if (!ValidateInput(u"NAME", d.day, d.month, d.year).accepted())
                continue;
            const Reading r = makeReading(*FindSunSign(d.month, d.day));
            checksum += static_cast<std::size_t>(static_cast<int>(r.one->sephirah) + r.pathParagraph.size());
            ++readings;
        }
    }
    const qint64 ns = timer.nsecsElapsed();
    std::printf("catalogue load:            %10.1f us\n", static_cast<double>(loadNs) / 1000.0);
    std::printf("dates tried:               %10zu\n", dates.size() * Rounds);
    std::printf("readings made:             %10zu\n", readings);
    std::printf("validate + sign + reading: %10.1f ns per reading\n",
                static_cast<double>(ns) / static_cast<double>(readings));
    std::printf("(checksum %zu)\n", checksum);
    return 0;
}
