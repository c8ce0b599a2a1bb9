// SPDX-FileCopyrightText: 2026 The Tavrel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace tavrel::shell {

// Marks a running copy of the application for the user. The mark is a lock that the operating system drops when
// the process ends, however it ends, so no leftover of an earlier run can ever refuse a start. Whatever stands
// at the lock's place and is not a lock held by a running copy (an empty or foreign file, a folder, a link, a
// pipe) never refuses the start either: when no lock can be made, the test cannot be made, and the copy runs.
class SingleInstance
{
public:
    // On Unix-like systems `lockPath` is the file that is locked; on Windows it names the lock (a mutex).
    explicit SingleInstance(const QString &lockPath = defaultLockPath());
    ~SingleInstance();
    SingleInstance(const SingleInstance &) = delete;
    SingleInstance &operator=(const SingleInstance &) = delete;

    // true unless another running copy holds the lock.
    bool isFirst() const { return m_first; }

    // The user's lock, in a folder that only the user can write; empty when there is no such folder.
    static QString defaultLockPath();

private:
    qintptr m_handle = -1; // the open, locked file, or the mutex on Windows; -1 when nothing is held
    bool m_first = true;
};

} // namespace tavrel::shell
