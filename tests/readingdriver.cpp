// SPDX-FileCopyrightText: 2026 The Tavrel developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Starts the application on whatever platform Qt is given, types a name, gets a reading for 5 March and paints
// its frame, then ends: prints "reading: SIGN" and ends with status 0, or says what went wrong and ends with 1.
// tests/limits.sh runs it under limits on threads and memory. Settings live where XDG_CONFIG_HOME points.
#include "app/startup.h"
#include "shell/forms.h"
#include "shell/messages.h"
#include "ui/formregistry.h"
#include "ui/frmMain.h"
#include "ui/frmMdi.h"

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <cstdio>

int main(int argc, char *argv[])
{
    using namespace tavrel;
    QApplication app(argc, argv);
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
    QTest::qWait(200); // the first letter's rehearsal, as a person pauses before the click
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
