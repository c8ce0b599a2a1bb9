// SPDX-FileCopyrightText: 2026 The Tavrel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <memory>
#include <optional>

namespace tavrel::shell {

// The per-user settings store, reduced to what the application needs. Entries are addressed by section
// and entry name.
class SettingsStore
{
public:
    virtual ~SettingsStore() = default;
    Q_DISABLE_COPY_MOVE(SettingsStore)
    // The stored text; an empty string for a missing entry; nullopt when the store or the entry cannot be read.
    virtual std::optional<QString> read(const QString &section, const QString &entry) = 0;
    // false when the store refuses the write.
    virtual bool write(const QString &section, const QString &entry, const QString &value) = 0;

protected:
    SettingsStore() = default;
};

// The real store: QSettings in the user's scope, application name = the executable's base name; for a portable
// copy, the settings file beside the executable (shell/portablesettings.h).
std::unique_ptr<SettingsStore> openUserSettings();

// Tests replace the store the application opens. An empty factory restores the real one.
using SettingsFactory = std::unique_ptr<SettingsStore> (*)();
void setSettingsFactory(SettingsFactory factory);
std::unique_ptr<SettingsStore> openSettings(); // what the application uses

} // namespace tavrel::shell
