#include "shell/settingsstore.h"

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

class UserSettingsStore final : public SettingsStore
{
public:
    UserSettingsStore()
        : m_settings(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("Tavrel"), applicationFileBaseName())
    { }

    std::optional<QString> read(const QString &section, const QString &entry) override
    {
        if (m_settings.status() != QSettings::NoError)
            return std::nullopt;
        const QVariant value = m_settings.value(key(section, entry));
        if (!value.isValid())
            return QString();
        // A text with commas that was not written by QSettings reads back as a list of texts.
        if (value.typeId() == QMetaType::QStringList)
            return value.toStringList().join(QLatin1String(", "));
        if (!value.canConvert<QString>())
            return std::nullopt;
        return value.toString();
    }

    bool write(const QString &section, const QString &entry, const QString &value) override
    {
        if (m_settings.status() != QSettings::NoError)
            return false;
        m_settings.setValue(key(section, entry), value);
        m_settings.sync();
        return m_settings.status() == QSettings::NoError;
    }

private:
    static QString key(const QString &section, const QString &entry) { return section + QLatin1Char('/') + entry; }

    QSettings m_settings;
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
