#include "platform/QtProfile.h"

#include <QStringList>

namespace {

QString KeyPath(std::string_view section, std::string_view key) {
    QString path = QString::fromUtf8(section.data(), static_cast<qsizetype>(section.size()));
    path.replace('\\', '/');
    return path + '/' + QString::fromUtf8(key.data(), static_cast<qsizetype>(key.size()));
}

// INI values come back as text, or as a list when the text held unquoted
// commas (a hand-edited file); either way it is the text the user sees.
QString ValueText(const QVariant& value) {
    if (value.typeId() == QMetaType::QStringList) {
        return value.toStringList().join(", ");
    }
    return value.toString();
}

} // namespace

QtProfile::QtProfile()
    : m_settings(
          std::make_unique<QSettings>(QSettings::IniFormat, QSettings::UserScope, "Savorbridge", "Savorbridge")) {}

QtProfile::QtProfile(const QString& iniPath) : m_settings(std::make_unique<QSettings>(iniPath, QSettings::IniFormat)) {}

int QtProfile::GetInt(std::string_view section, std::string_view key, int defaultValue) const {
    const QVariant value = m_settings->value(KeyPath(section, key));
    if (!value.isValid()) {
        return defaultValue;
    }
    bool ok = false;
    const int number = ValueText(value).trimmed().toInt(&ok);
    return ok ? number : defaultValue;
}

std::string QtProfile::GetString(std::string_view section, std::string_view key, std::string_view defaultValue) const {
    const QVariant value = m_settings->value(KeyPath(section, key));
    if (!value.isValid()) {
        return std::string(defaultValue);
    }
    return ValueText(value).toStdString();
}

void QtProfile::WriteInt(std::string_view section, std::string_view key, int value) {
    m_settings->setValue(KeyPath(section, key), value);
}

void QtProfile::WriteString(std::string_view section, std::string_view key, std::string_view value) {
    m_settings->setValue(KeyPath(section, key), QString::fromUtf8(value.data(), static_cast<qsizetype>(value.size())));
}

void QtProfile::Sync() {
    m_settings->sync();
}

QString QtProfile::FileName() const {
    return m_settings->fileName();
}
