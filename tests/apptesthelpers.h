// SPDX-FileCopyrightText: 2026 The Tavrel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Seams for driving the whole application in a test: messages are recorded instead of shown, web pages are
// recorded instead of opened, the end of the application is recorded instead of leaving the process, and
// settings live in a temporary folder.

#include "shell/clock.h"
#include "shell/forms.h"
#include "shell/messages.h"
#include "shell/singleinstance.h"

#include <QDesktopServices>
#include <QObject>
#include <QSettings>
#include <QStringList>
#include <QTemporaryDir>
#include <QUrl>

#include <deque>

class UrlRecorder : public QObject
{
    Q_OBJECT

public:
    QList<QUrl> urls;

public slots:
    void open(const QUrl &url) { urls.append(url); }
};

struct AppHarness
{
    QTemporaryDir dir;
    UrlRecorder browser;
    QStringList messages;
    std::deque<tavrel::shell::Answer> answers; // answers to Yes/No questions, Yes when none is queued
    int ends = 0;

    AppHarness()
    {
        // The single-instance lock, and the channel beside it, in a folder of the test's own.
        tavrel::shell::SingleInstance::setLockFolders(dir.path(), dir.path());
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, dir.path());
        QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, dir.path());
        QDesktopServices::setUrlHandler(QStringLiteral("https"), &browser, "open");
        QDesktopServices::setUrlHandler(QStringLiteral("http"), &browser, "open");
        tavrel::shell::setMessageSink([this](const tavrel::shell::MessageRequest &request) {
            messages.append(request.text);
            if (request.buttons == tavrel::shell::MessageButtons::Ok)
                return tavrel::shell::Answer::Ok;
            if (answers.empty())
                return tavrel::shell::Answer::Yes;
            const auto answer = answers.front();
            answers.pop_front();
            return answer;
        });
        tavrel::shell::setEndHandler([this] { ++ends; });
    }

    ~AppHarness()
    {
        QDesktopServices::unsetUrlHandler(QStringLiteral("https"));
        QDesktopServices::unsetUrlHandler(QStringLiteral("http"));
        tavrel::shell::setMessageSink({});
        tavrel::shell::setEndHandler({});
    }
};
