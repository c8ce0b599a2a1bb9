// SPDX-FileCopyrightText: 2026 The Tavrel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPointer>
#include <QString>

#include <functional>

class QLocalServer;

namespace tavrel::shell {

// Marks a running copy of the application for the user. The mark is a lock that the operating system drops when
// the process ends, however it ends, so no leftover of an earlier run can ever refuse a start. Whatever stands
// at the lock's place and is not a lock held by a running copy (an empty or foreign file, a folder, a link, a
// pipe) never refuses the start either: when no lock can be made, the test cannot be made, and the copy runs.
// A lock in a folder that is not the user's alone refuses, as a running copy does: there another user could take
// it away and let two copies run.
// Beside the lock, the first copy listens on a local channel that only the user can reach, on which a later copy
// asks it to bring its window forward.
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

    // The first copy: calls `comeForward` whenever a later copy asks for it. Does nothing where no lock is held.
    void listenForLaterCopies(const std::function<void()> &comeForward);
    // A later copy: asks the first to bring its window forward, waiting at most `msecs` for it to take the
    // request. false when it could not be asked.
    bool askFirstToComeForward(int msecs = 2000) const;

    // The user's lock, in a folder that only the user can write, named by the user id alone; empty when no such
    // folder can be made.
    static QString defaultLockPath();
    // Unix-like systems: the folders it is made in, /tmp and /run/user, for tests; empty restores them.
    static void setLockFolders(const QString &temporary, const QString &runtimeRoot);

private:
    QString channelName() const;

    QString m_lockPath;
    QPointer<QLocalServer> m_channel;
    qintptr m_handle = -1; // the open, locked file, or the mutex on Windows; -1 when nothing is held
    bool m_first = true;
};

} // namespace tavrel::shell
