// SPDX-FileCopyrightText: 2026 The Tavrel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/lastresort.h"

#include "shell/processlimits.h"

#include <QByteArray>
#include <QString>
#include <QtGlobal>

#include <algorithm>
#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <exception>
#include <iterator>
#include <mutex>
#include <new>
#include <vector>

namespace tavrel {

namespace {

// The address space below which the program does not start. A reading in an X server takes about 120 MB of it;
// below that, memory runs out in places that cannot say so (the window system's connection waits for ever, a
// picture that could not be made is painted on), and the libraries and fonts of a desktop take more besides.
constexpr qint64 MinimumAddressSpace = 150'000'000;

// Qt's warnings where a QThread is not started (qthread_unix.cpp, qthread_win.cpp).
constexpr const char *ThreadNotStarted[] = {"QThread::start: Thread creation error",
                                            "QThread::start: Thread stack size error",
                                            "QThread::start: Failed to create thread"};

struct KeptMessage
{
    QtMsgType type;
    const char *file, *function, *category; // Qt's own texts, which live as long as the program
    int line;
    QString text;
};

QtMessageHandler passOn = nullptr;
std::atomic<bool> starting = false;
std::mutex keeping;
std::vector<KeptMessage> &kept()
{
    static std::vector<KeptMessage> messages;
    return messages;
}

[[noreturn]] void endWith(const QByteArray &line)
{
    std::fputs(("tavrel: " + line + '\n').constData(), stderr);
    std::fflush(nullptr);
    std::_Exit(1);
}

void handle(QtMsgType type, const QMessageLogContext &context, const QString &text)
{
    if (std::any_of(std::begin(ThreadNotStarted), std::end(ThreadNotStarted),
                    [&text](const char *warning) { return text.startsWith(QLatin1String(warning)); }))
        endWith("a thread could not be started (" + text.toLocal8Bit() + "); the program cannot go on");
    if (std::unique_lock lock(keeping); starting) {
        if (type == QtFatalMsg) {
            const QString cause = kept().empty() ? text.section(QLatin1Char('\n'), 0, 0) : kept().front().text;
            endWith("no display to open a window on (" + cause.simplified().toLocal8Bit() + ')');
        }
        kept().push_back({type, context.file, context.function, context.category, context.line, text});
        return;
    }
    if (passOn)
        passOn(type, context, text);
}

[[noreturn]] void terminated()
{
    if (const std::exception_ptr exception = std::current_exception()) {
        try {
            std::rethrow_exception(exception);
        } catch (const std::bad_alloc &) {
            std::fputs("tavrel: out of memory; the program cannot go on\n", stderr);
            std::fflush(nullptr);
            std::_Exit(1);
        } catch (...) { }
    }
    std::abort();
}

} // namespace

void endAtOnceWhereStuck()
{
    if (const std::optional<qint64> limit = shell::addressSpaceLimit(); limit && *limit < MinimumAddressSpace)
        endWith(QByteArray::number(*limit / 1'000'000)
                + " MB of address space is too little for the program, which needs "
                + QByteArray::number(MinimumAddressSpace / 1'000'000) + " MB");
    starting = true;
    passOn = qInstallMessageHandler(handle);
    std::set_terminate(terminated);
}

void applicationMade()
{
    const std::lock_guard lock(keeping);
    starting = false;
    for (const KeptMessage &message : kept())
        if (passOn)
            passOn(message.type, QMessageLogContext(message.file, message.line, message.function, message.category),
                   message.text);
    kept().clear();
}

} // namespace tavrel
