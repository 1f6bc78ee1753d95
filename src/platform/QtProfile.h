#pragma once

#include "platform/Profile.h"

#include <QSettings>

#include <memory>

// The profile in an INI file: ~/.config/Savorbridge/Savorbridge.conf for the
// program, any file for tests. Backslash-separated sections become groups.
class QtProfile : public Profile {
public:
    QtProfile();
    explicit QtProfile(const QString& iniPath);

    int GetInt(std::string_view section, std::string_view key, int defaultValue) const override;
    std::string GetString(std::string_view section, std::string_view key, std::string_view defaultValue) const override;
    void WriteInt(std::string_view section, std::string_view key, int value) override;
    void WriteString(std::string_view section, std::string_view key, std::string_view value) override;

    void Sync();
    QString FileName() const;

private:
    std::unique_ptr<QSettings> m_settings;
};
