// SPDX-FileCopyrightText: 2026 The Tavrel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/startup.h"

#include "app/threadpool.h"
#include "packaging/activation.h"
#include "shell/forms.h"
#include "shell/messages.h"
#include "shell/singleinstance.h"
#include "shell/updatereminder.h"
#include "ui/formregistry.h"
#include "ui/frmMain.h"

#include <QApplication>
#include <QEvent>
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

// Reads the window icon when it is first needed: as soon as a window other than the input form is about to appear
// (a message at start-up), or once the input form has been painted for the first time. Reading the pictures costs
// as much as a good part of the form itself; the form's first look does not wait for it.
class WindowIconLoader final : public QObject
{
    Q_OBJECT

public:
    explicit WindowIconLoader(QObject *parent)
        : QObject(parent)
    {
        qApp->installEventFilter(this);
    }

    void setForm(const QWidget *form) { m_form = form; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (m_loaded || !watched->isWidgetType())
            return false;
        const auto *widget = static_cast<const QWidget *>(watched);
        if (event->type() == QEvent::Show && widget->isWindow() && widget != m_form)
            load();
        else if (event->type() == QEvent::Paint && m_form && widget->window() == m_form)
            QMetaObject::invokeMethod(this, &WindowIconLoader::load, Qt::QueuedConnection); // once it is on screen
        return false;
    }

private:
    void load()
    {
        if (m_loaded)
            return;
        m_loaded = true;
        qApp->removeEventFilter(this);
        QApplication::setWindowIcon(applicationIcon());
        deleteLater();
    }

    const QWidget *m_form = nullptr;
    bool m_loaded = false;
};

// Held for the whole run: the mark that this copy is running.
std::unique_ptr<shell::SingleInstance> &instanceLock()
{
    static std::unique_ptr<shell::SingleInstance> lock;
    return lock;
}

} // namespace

void StartApplication()
{
    fitThreadPoolToLimits();
    auto *icon = new WindowIconLoader(qApp);

    if (!instanceLock())
        instanceLock() = std::make_unique<shell::SingleInstance>();
    if (!instanceLock()->isFirst()) {
        // Once its message is read, the copy that runs comes forward in its place, with what the launcher gave
        // this copy to take the foreground with.
        platform::keepLaunchTokenForRunningCopy();
        shell::showInformation(QStringLiteral("Application is already running"));
        instanceLock()->askFirstToComeForward(&platform::activationToken);
        shell::UnloadAllAndEnd();
        return;
    }

    instanceLock()->listenForLaterCopies([](const QByteArray &token) {
        shell::bringForward();
        if (const QWidget *window = shell::ownerWindow())
            platform::activate(window->windowHandle(), token);
    });
    shell::beginReminderRun();
    shell::RemindOfUpdate();
    ui::frmMain &form = ui::mainForm().get();
    icon->setForm(&form);
    form.show();
}

} // namespace tavrel

#include "startup.moc"
