// SPDX-FileCopyrightText: 2026 The Tavrel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
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
// Beside the lock, the first copy listens on a local channel that only the user can reach, on which it tells a later
// copy its process id, and the later copy asks it to bring its window forward, handing over what lets it take the
// foreground where the window system asks for it (a token: printable ASCII, no blanks, at most `MaxToken`
// characters).
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

    static constexpr qsizetype MaxToken = 512;

    // The first copy: calls `comeForward` with the token handed over (perhaps empty) whenever a later copy asks for
    // it; anything else on the channel is ignored. Does nothing where no lock is held.
    void listenForLaterCopies(const std::function<void(const QByteArray &token)> &comeForward);
    // A later copy: asks the first to bring its window forward with the token that `token` makes, given the first's
    // process id (0 where it told none that can be read), left out unless it is a token; waits at most `msecs` for
    // each step. false when it could not be asked.
    using TokenMaker = std::function<QByteArray(qint64 firstProcess)>;
    bool askFirstToComeForward(const TokenMaker &token = {}, int msecs = 2000) const;

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
