// SPDX-FileCopyrightText: 2026 The Tavrel developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The application as the program starts it, for the limits leg (tests/driver.py), on whatever platform Qt is
// given; settings live where XDG_CONFIG_HOME points. It prints "rehearsed" once the first letter's rehearsal is
// done. With --drive it drives itself: types a name, waits for the rehearsal, gets a reading for 5 March and paints
// its frame, prints "reading: SIGN" and ends with status 0, or says what went wrong and ends with 1. Without it a
// person (the driver) types and clicks, and Exit ends it.
#include "app/lastresort.h"
#include "app/startup.h"
#include "shell/forms.h"
#include "shell/messages.h"
#include "ui/formregistry.h"
#include "ui/frmMain.h"
#include "ui/frmMdi.h"
#include "ui/rehearsal.h"

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <cstdio>

using namespace tavrel;

int main(int argc, char *argv[])
{
    endAtOnceWhereStuck();
    QApplication app(argc, argv);
    applicationMade();
    const auto rehearsed = [] { return ui::rehearsalsDone() > 0; };
    if (!app.arguments().contains(QStringLiteral("--drive"))) {
        StartApplication();
        QTimer watch;
        QObject::connect(&watch, &QTimer::timeout, &watch, [&] {
            if (rehearsed()) {
                std::puts("rehearsed");
                std::fflush(stdout);
                watch.stop();
            }
        });
        watch.start(10);
        const int code = app.exec();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        return code;
    }
    shell::setMessageSink([](const shell::MessageRequest &request) {
        std::printf("message: %s\n", qPrintable(request.text));
        return request.buttons == shell::MessageButtons::Ok ? shell::Answer::Ok : shell::Answer::No;
    });
    StartApplication();
    ui::frmMain *form = ui::mainForm().loaded();
    if (!form) {
        std::puts("no input form");
        return 1;
    }
    QTest::keyClicks(form->findChild<QLineEdit *>(QStringLiteral("txtName")), QStringLiteral("ANNA"));
    if (!QTest::qWaitFor(rehearsed, 20000)) {
        std::puts("no rehearsal after the name was typed");
        return 1;
    }
    form->findChild<QComboBox *>(QStringLiteral("cboDate"))->setCurrentIndex(4);
    form->findChild<QComboBox *>(QStringLiteral("cboMonth"))->setCurrentIndex(2);
    QTest::mouseClick(form->findChild<QPushButton *>(QStringLiteral("cmdProceed")), Qt::LeftButton);
    ui::frmMdi *frame = ui::mdiForm().loaded();
    const auto *sign = frame ? frame->findChild<QLabel *>(QStringLiteral("lblSunSignName")) : nullptr;
    if (!sign || !QTest::qWaitForWindowExposed(frame) || frame->grab().isNull()) {
        std::puts("no reading painted");
        return 1;
    }
    std::printf("reading: %s\n", qPrintable(sign->text()));
    shell::setEndHandler([] {});
    shell::UnloadAllAndEnd();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    return 0;
}
