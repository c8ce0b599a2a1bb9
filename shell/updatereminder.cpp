// SPDX-FileCopyrightText: 2026 The Tavrel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/updatereminder.h"

#include "shell/clock.h"
#include "shell/links.h"
#include "shell/messages.h"
#include "shell/scramble.h"
#include "shell/settingsstore.h"

#include <QDate>

namespace tavrel::shell {

namespace {

// The stored date is ISO 8601 text, which reads back as the same day whatever the regional settings are.
constexpr QLatin1String storedDateFormat("yyyy-MM-dd");
constexpr qint64 quietDays = 14;

bool &askedInThisRun()
{
    static bool asked = false;
    return asked;
}

} // namespace

void beginReminderRun()
{
    askedInThisRun() = false;
}

void RemindOfUpdate()
{
    const std::unique_ptr<SettingsStore> store = openSettings();
    if (!store)
        return;
    const QString section = QStringLiteral("Settings");
    const QString entry = scramble(QStringLiteral("Duration"));

    const std::optional<QString> stored = store->read(section, entry);
    if (!stored)
        return;

    const QDate now = today();
    if (!now.isValid())
        return;
    const QString todayValue = scramble(now.toString(storedDateFormat));

    if (stored->isEmpty()) {
        store->write(section, entry, todayValue);
        return;
    }

    const std::optional<QString> text = unscramble(*stored);
    if (!text)
        return;
    const QDate last = QDate::fromString(*text, storedDateFormat); // strict: no blanks, no missing zeros
    if (!last.isValid())
        return;

    const qint64 daysAhead = now.daysTo(last); // negative when the stored date lies in the past
    if ((daysAhead >= -quietDays && daysAhead <= quietDays) || askedInThisRun())
        return;
    askedInThisRun() = true;

    const Answer answer = askYesNo(QStringLiteral("There maybe an update to this software available")
                                   + QLatin1Char('\r') + QStringLiteral("Do you want to check for an update?"));
    if (!store->write(section, entry, todayValue))
        return;
    if (answer == Answer::Yes)
        OpenDownloadPage();
}

} // namespace tavrel::shell
