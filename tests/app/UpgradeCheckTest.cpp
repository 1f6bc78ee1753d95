#include "app/UpgradeCheck.h"
#include "support/MemoryProfile.h"
#include "support/ScriptedPrompts.h"

#include <gtest/gtest.h>

namespace {

// Answers immediately with a canned response and records the URL asked for.
class CannedHttp : public HttpClient {
public:
    std::optional<HttpResponse> response;
    std::string lastUrl;

    void Get(const std::string& url, std::chrono::milliseconds, Callback done) override {
        lastUrl = url;
        done(response);
    }
};

} // namespace

TEST(UpgradeCheck, ParsesTheLeadingDigitsOfTheFirstLine) {
    const struct {
        std::string body;
        std::optional<int> version;
    } cases[] = {
        {"402", 402},
        {"403\r\nnotes", 403},
        {" 410 beta", 410},
        {"v402", std::nullopt},
        {"", std::nullopt},
        {"99999999999999999999", std::nullopt},
        {std::string(600, ' ') + "402", std::nullopt},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(UpgradeCheck::ParseVersion(c.body), c.version) << c.body;
    }
}

TEST(UpgradeCheck, AsksOncePerNewerReleaseAndRemembersIt) {
    CannedHttp http;
    MemoryProfile profile;
    ScriptedPrompts prompts;
    int webShown = 0;
    UpgradeCheck check(http, profile, prompts, [&] { ++webShown; });

    const struct {
        std::string body;
        int questionsAfter;
        int informedAfter;
    } steps[] = {{"401", 0, 0}, {"400", 0, 0}, {"402", 1, 402}, {"402", 1, 402}, {"403", 2, 403}};
    for (const auto& step : steps) {
        http.response = HttpResponse{200, step.body};
        prompts.QueueAnswer(PromptAnswer::No);
        check.Start();
        EXPECT_EQ(prompts.Questions().size(), static_cast<std::size_t>(step.questionsAfter)) << step.body;
        EXPECT_EQ(profile.GetInt("SettingsV4", "UpgradeInformed", 0), step.informedAfter);
    }
    EXPECT_EQ(webShown, 0);
    EXPECT_EQ(http.lastUrl, "http://www.savorbridge.example/SB/version.txt");
}

TEST(UpgradeCheck, YesOpensTheWebView) {
    CannedHttp http;
    http.response = HttpResponse{200, "405\n"};
    MemoryProfile profile;
    profile.WriteString("SettingsV4", "Web Host", "http://127.0.0.1:8080/");
    ScriptedPrompts prompts;
    prompts.QueueAnswer(PromptAnswer::Yes);
    int webShown = 0;
    UpgradeCheck(http, profile, prompts, [&] { ++webShown; }).Start();
    EXPECT_EQ(webShown, 1);
    EXPECT_EQ(http.lastUrl, "http://127.0.0.1:8080/SB/version.txt");
    EXPECT_EQ(prompts.Questions().at(0).icon, PromptIcon::Question);
}

TEST(UpgradeCheck, FailuresAreSilentAndLeaveTheProfileAlone) {
    const std::optional<HttpResponse> failures[] = {std::nullopt, HttpResponse{404, "402"},
                                                    HttpResponse{200, "<html>garbage</html>"}};
    for (const auto& failure : failures) {
        CannedHttp http;
        http.response = failure;
        MemoryProfile profile;
        ScriptedPrompts prompts;
        UpgradeCheck(http, profile, prompts, nullptr).Start();
        EXPECT_TRUE(prompts.Questions().empty());
        EXPECT_FALSE(profile.Has("SettingsV4", "UpgradeInformed"));
    }
}
