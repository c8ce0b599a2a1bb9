// SPDX-FileCopyrightText: 2026 The Tavrel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/settingsstore.h"

#include "shell/ownfiles.h"
#include "shell/portablesettings.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QSettings>
#include <QStringList>

namespace tavrel::shell {

namespace {

QString applicationFileBaseName()
{
    QString name;
    if (QCoreApplication::instance())
        name = QFileInfo(QCoreApplication::applicationFilePath()).completeBaseName();
    return name.isEmpty() ? QStringLiteral("tavrel") : name;
}

// The user's own settings file, or nothing where it is not the user's own (shell/ownfiles.h): a link or another
// user's file is never read, written through or replaced. QSettings reads its file as soon as it is made; opening a
// named pipe or a device there would wait for ever.
// Where the files lie is asked of a settings object for a name that no one uses, which opens no file of the
// application's. Only this one file is opened: the folders of the whole system (XDG_CONFIG_DIRS) and the
// organisation's file, which QSettings would also read, are no place of the user's own setting.
// On Windows the settings live in the registry, where such a probe would leave a key behind, and there are no
// files to look at.
#ifndef Q_OS_WIN
std::optional<QString> userSettingsFile(const QString &organisation, const QString &application)
{
    const QString probeName = QStringLiteral("tavrel-settings-probe");
    const QFileInfo probe(QSettings(QSettings::NativeFormat, QSettings::UserScope, probeName, probeName).fileName());
    const QString folder = QFileInfo(probe.absolutePath()).absolutePath() + QLatin1Char('/');
    const QString suffix = probe.suffix().isEmpty() ? QString() : QLatin1Char('.') + probe.suffix();
    return ownSettingsFile(folder + organisation + QLatin1Char('/') + application + suffix);
}
#endif

class UserSettingsStore final : public SettingsStore
{
public:
    UserSettingsStore()
    {
        const QString organisation = QStringLiteral("Tavrel");
        const QString application = applicationFileBaseName();
        if ((m_settings = openPortableSettings())) {
            m_file = m_settings->fileName();
            return;
        }
#ifdef Q_OS_WIN
        m_settings =
            std::make_unique<QSettings>(QSettings::NativeFormat, QSettings::UserScope, organisation, application);
        m_settings->setFallbacksEnabled(false);
#else
        if (const std::optional<QString> file = userSettingsFile(organisation, application)) {
            m_file = *file;
            m_settings = std::make_unique<QSettings>(*file, QSettings::NativeFormat);
        }
#endif
    }

    std::optional<QString> read(const QString &section, const QString &entry) override
    {
        if (!usable())
            return std::nullopt;
        const QVariant value = m_settings->value(key(section, entry));
        if (!value.isValid()) // missing, or a value of a kind that cannot be read back, which stays as it is
            return m_settings->contains(key(section, entry)) ? std::nullopt : std::optional<QString>(QString());
        // A text with commas that was not written by QSettings reads back as a list of texts.
        if (value.typeId() == QMetaType::QStringList)
            return value.toStringList().join(QLatin1String(", "));
        if (!value.canConvert<QString>())
            return std::nullopt;
        return value.toString();
    }

    bool write(const QString &section, const QString &entry, const QString &value) override
    {
        if (!usable())
            return false;
        // Still the user's own file, or nothing, as when it was read; what an earlier write cut short goes.
        if (!m_file.isEmpty()) {
            if (ownSettingsFile(m_file) != m_file)
                return false;
            removeCutShortWrites(m_file);
        }
        m_settings->setValue(key(section, entry), value);
        m_settings->sync();
        return m_settings->status() == QSettings::NoError;
    }

private:
    static QString key(const QString &section, const QString &entry)
    {
        return section + QLatin1Char('/') + entry;
    }
    bool usable() const
    {
        return m_settings && m_settings->status() == QSettings::NoError;
    }

    std::unique_ptr<QSettings> m_settings; // none when its files are not safe to open
    QString m_file; // its file; none in the registry
};

SettingsFactory &settingsFactory()
{
    static SettingsFactory factory = nullptr;
    return factory;
}

} // namespace

std::unique_ptr<SettingsStore> openUserSettings()
{
    return std::make_unique<UserSettingsStore>();
}

void setSettingsFactory(SettingsFactory factory)
{
    settingsFactory() = factory;
}

std::unique_ptr<SettingsStore> openSettings()
{
    if (const SettingsFactory factory = settingsFactory())
        return factory();
    return openUserSettings();
}

} // namespace tavrel::shell
