#include "setup/ProfileIni.h"

#include "support/TempDir.h"

#include <QSettings>
#include <QString>

#include <gtest/gtest.h>

#include <ostream>
#include <string>

namespace {

constexpr const char* kManagerKey = "software/Microsoft/Windows/CurrentVersion/App Paths/CEAppMgr.exe/Default";

struct WrittenValue {
    const char* name;
    const char* key;
    const char* value;
};

std::ostream& operator<<(std::ostream& out, const WrittenValue& written) {
    return out << written.name;
}

class ProfileIniReadsQSettings : public testing::TestWithParam<WrittenValue> {};

// The main program writes its profile with QSettings, so whatever QSettings
// writes must read back unchanged.
TEST_P(ProfileIniReadsQSettings, ValueWrittenByQSettings) {
    const TempDir temp;
    const auto file = temp / "Savorbridge.conf";
    {
        QSettings settings(QString::fromStdString(file.string()), QSettings::IniFormat);
        settings.setValue("SettingsV4/Other", 1);
        settings.setValue(GetParam().key, QString::fromUtf8(GetParam().value));
    }
    EXPECT_EQ(ProfileIni::Value(file, GetParam().key), GetParam().value);
}

INSTANTIATE_TEST_SUITE_P(Values, ProfileIniReadsQSettings,
                         testing::Values(WrittenValue{"PlainPath", kManagerKey, "/opt/ceappmgr/CEAppMgr"},
                                         WrittenValue{"SpacesAndComma", kManagerKey, "/opt/ce app mgr/CEAppMgr, v2"},
                                         WrittenValue{"OuterSpacesQuotesAndBackslash", kManagerKey,
                                                      " /opt/padded;odd\\name\"quoted\" "},
                                         WrittenValue{"TopLevelKey", "TopLevel", "/usr/bin/x"}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(ProfileIni, ReadsTheKeyWrittenAsOneSectionPerFolder) {
    const TempDir temp;
    const auto file = temp.Write("a.conf", "[General]\nx=1\n\n[software\\Microsoft\\Windows\\CurrentVersion\\App "
                                           "Paths\\CEAppMgr.exe]\r\nDefault = /opt/mgr \r\n");
    EXPECT_EQ(ProfileIni::Value(file, kManagerKey), "/opt/mgr");
}

TEST(ProfileIni, ComparesKeysIgnoringCaseLikeTheRegistry) {
    const TempDir temp;
    const auto file = temp.Write("a.conf", "[SOFTWARE]\nmicrosoft\\windows\\currentversion\\app%20paths\\"
                                           "ceappmgr.exe\\default=/opt/mgr\n");
    EXPECT_EQ(ProfileIni::Value(file, kManagerKey), "/opt/mgr");
}

TEST(ProfileIni, MissingFileOrKeyGivesNothing) {
    const TempDir temp;
    const auto file = temp.Write("a.conf", "[software]\nMicrosoft\\Other\\Default=/opt/mgr\n; comment\nbroken line\n");
    EXPECT_EQ(ProfileIni::Value(file, kManagerKey), std::nullopt);
    EXPECT_EQ(ProfileIni::Value(temp / "missing.conf", kManagerKey), std::nullopt);
}

} // namespace
