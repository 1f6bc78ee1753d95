#include "app/UpgradeCheck.h"

#include "app/CSettings.h"
#include "app/Version.h"
#include "platform/Profile.h"
#include "platform/UserPrompts.h"

#include <charconv>

namespace {

constexpr std::size_t kMaxLine = 512;
constexpr const char* kInformedKey = "UpgradeInformed";
constexpr const char* kQuestion = "An upgrade to Savorbridge is available. Read the News in 'Savorbridge on the Web' "
                                  "for more information.\n\nDo you want more information now?";

} // namespace

UpgradeCheck::UpgradeCheck(HttpClient& http, Profile& profile, UserPrompts& prompts, std::function<void()> showWeb)
    : m_http(http), m_profile(profile), m_prompts(prompts), m_showWeb(std::move(showWeb)) {}

std::string UpgradeCheck::WebHost(const Profile& profile) {
    std::string host = profile.GetString(CSettings::kSection, "Web Host", kDefaultWebHost);
    while (!host.empty() && host.back() == '/') {
        host.pop_back();
    }
    return host;
}

void UpgradeCheck::Start() {
    const std::string url = WebHost(m_profile) + std::string(kVersionPath);
    m_http.Get(url, kTimeout, [this](std::optional<HttpResponse> response) { OnResponse(response); });
}

std::optional<int> UpgradeCheck::ParseVersion(std::string_view body) {
    std::string_view line = body.substr(0, std::min(body.find_first_of("\r\n"), kMaxLine));
    while (!line.empty() && (line.front() == ' ' || line.front() == '\t')) {
        line.remove_prefix(1);
    }
    int version = 0;
    const auto [end, error] = std::from_chars(line.data(), line.data() + line.size(), version);
    if (error != std::errc() || end == line.data()) {
        return std::nullopt;
    }
    return version;
}

void UpgradeCheck::OnResponse(const std::optional<HttpResponse>& response) {
    if (!response || response->status < 200 || response->status > 299) {
        return;
    }
    const auto version = ParseVersion(response->body);
    if (!version || *version <= kReleaseNumber) {
        return;
    }
    if (*version <= m_profile.GetInt(CSettings::kSection, kInformedKey, 0)) {
        return;
    }
    m_profile.WriteInt(CSettings::kSection, kInformedKey, *version);
    if (m_prompts.Ask(kQuestion, PromptButtons::YesNo, PromptIcon::Question) == PromptAnswer::Yes && m_showWeb) {
        m_showWeb();
    }
}
