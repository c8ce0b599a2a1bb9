// SPDX-FileCopyrightText: 2026 The Tavrel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/aheadoftime.h"

#include "ui/display/frmDisplay.h"
#include "ui/frmMdi.h"

#include <QFutureWatcher>
#include <QPromise>
#include <QThreadPool>

#include <array>
#include <condition_variable>
#include <mutex>
#include <new>
#include <system_error>
#include <thread>
#include <vector>

namespace tavrel::ui::ahead {

namespace {

int rehearsals = 0;

std::array<bool, 2> &switches()
{
    static std::array<bool, 2> on{true, true};
    return on;
}

// Holds the threads that pass it until it is opened.
class Gate
{
public:
    void pass()
    {
        std::unique_lock lock(m_mutex);
        m_opened.wait(lock, [this] { return m_open; });
    }
    void open()
    {
        {
            const std::lock_guard lock(m_mutex);
            m_open = true;
        }
        m_opened.notify_all();
    }

private:
    std::mutex m_mutex;
    std::condition_variable m_opened;
    bool m_open = false;
};

// Starts `work` on a thread of its own; an empty thread when none can be started.
std::jthread startThread(std::function<void()> work)
{
    try {
        return std::jthread(std::move(work));
    } catch (const std::system_error &) {
        return {};
    }
}

} // namespace

bool isOn(Piece piece)
{
    return switches()[static_cast<std::size_t>(piece)];
}

void setOn(Piece piece, bool on)
{
    switches()[static_cast<std::size_t>(piece)] = on;
}

void setAllOn(bool on)
{
    switches().fill(on);
}

// The pool starts a thread when it is given work and has fewer threads than it may have; a thread that cannot be
// started then takes its work with it, and whoever waits for that work (Qt's drawing does) waits for ever. Where
// threads are scarce, the pool is given now the threads it may have, less one left for Qt's own later needs, and
// keeps them: it never starts another.
void securePool()
{
    QThreadPool *pool = QThreadPool::globalInstance();
    // Enough threads for the pool and one for Qt's later needs: are they there?
    const int wanted = pool->maxThreadCount() + 1;
    int possible = 0;
    {
        Gate trial; // each thread waits at the gate until no more are to be started
        std::vector<std::jthread> threads;
        for (int i = 0; i < wanted; ++i) {
            std::jthread thread = startThread([&trial] { trial.pass(); });
            if (!thread.joinable())
                break;
            threads.push_back(std::move(thread));
        }
        possible = static_cast<int>(threads.size());
        trial.open();
    } // the threads end
    if (possible == wanted || possible == 0)
        return; // plenty, or none: the pool is left as it is
    const int threads = qMax(possible - 1, 1);
    pool->setExpiryTimeout(-1);
    pool->setMaxThreadCount(threads);
    // Held at a gate until all are given, the tasks make the pool start all its threads.
    auto gate = std::make_shared<Gate>();
    for (int i = 0; i < threads; ++i)
        pool->start([gate] { gate->pass(); });
    gate->open();
}

bool handToPool(Piece piece, QObject *receiver, std::function<std::function<void()>()> work)
{
    if (!isOn(piece))
        return false;
    using Delivery = std::function<void()>;
    auto promise = std::make_shared<QPromise<Delivery>>();
    // The watcher lives on the receiver's thread and goes with the receiver, and with it whatever is handed back.
    auto *watcher = new QFutureWatcher<Delivery>(receiver);
    QObject::connect(watcher, &QFutureWatcherBase::finished, watcher, [watcher] {
        if (watcher->future().resultCount() > 0)
            watcher->result()();
        watcher->deleteLater();
    });
    watcher->setFuture(promise->future());
    promise->start();
    QThreadPool::globalInstance()->start([promise, work = std::move(work)] {
        try {
            promise->addResult(work());
        } catch (const std::bad_alloc &) {
            // Short of memory: nothing is handed back, and the receiver does the work itself when it needs it.
        }
        promise->finish();
    });
    return true;
}

void rehearseReading(const Reading &reading)
{
    if (!isOn(Piece::Rehearsal))
        return;
    try {
        frmMdi frame; // at its restored size: the picture of a maximized one would take far more memory, to no end
        frmDisplay::rehearse(reading, *frame.clientArea());
        ++rehearsals;
    } catch (const std::bad_alloc &) {
        // Short of memory: the first reading makes what it needs itself.
    }
}

int rehearsalsDone()
{
    return rehearsals;
}

} // namespace tavrel::ui::ahead
