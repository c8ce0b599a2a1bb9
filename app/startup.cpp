#include "app/startup.h"

#include "shell/forms.h"
#include "shell/messages.h"
#include "shell/singleinstance.h"
#include "shell/updatereminder.h"
#include "ui/formregistry.h"
#include "ui/frmMain.h"

#include <QApplication>
#include <QIcon>

#include <memory>

namespace tavrel {

namespace {

QIcon applicationIcon()
{
    QIcon icon;
    // The sizes a title bar or task bar shows; the large ones come from the desktop's icon theme.
    for (const int size : {16, 24, 32, 48, 64})
        icon.addFile(QStringLiteral(":/icons/hicolor/%1x%1/apps/tavrel.png").arg(size), QSize(size, size));
    return icon;
}

// Held for the whole run: the mark that this copy is running.
std::unique_ptr<shell::SingleInstance> &instanceLock()
{
    static std::unique_ptr<shell::SingleInstance> lock;
    return lock;
}

} // namespace

void StartApplication()
{
    QApplication::setWindowIcon(applicationIcon());

    if (!instanceLock())
        instanceLock() = std::make_unique<shell::SingleInstance>();
    if (!instanceLock()->isFirst()) {
        shell::showInformation(QStringLiteral("Application is already running"));
        shell::UnloadAllAndEnd();
        return;
    }

    shell::beginReminderRun();
    shell::RemindOfUpdate();
    ui::mainForm().get().show();
}

} // namespace tavrel
