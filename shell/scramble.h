// SPDX-FileCopyrightText: 2026 The Tavrel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <optional>

namespace tavrel::shell {

// The reversible transformation that keeps the reminder's entry name and value from being read as plain text
// in the settings store. unscramble(scramble(t)) == t for every text t; unscramble gives nullopt for text that
// scramble cannot have produced.
QString scramble(const QString &text);
std::optional<QString> unscramble(const QString &text);

} // namespace tavrel::shell
