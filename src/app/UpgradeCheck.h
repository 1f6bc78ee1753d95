#pragma once

#include "platform/HttpClient.h"

#include <functional>
#include <optional>
#include <string>
#include <string_view>

class Profile;
class UserPrompts;

// Asks the maker's web host for the number of the newest release and tells
// the user once about each release newer than this one. Every failure is
// silent: the check must never get in the way of starting the program.
class UpgradeCheck {
public:
    static constexpr std::string_view kVersionPath = "/SB/version.txt";
    static constexpr std::string_view kDefaultWebHost = "http://www.savorbridge.example";
    static constexpr std::chrono::milliseconds kTimeout{5000};

    UpgradeCheck(HttpClient& http, Profile& profile, UserPrompts& prompts, std::function<void()> showWeb);

    // Sends the request; the answer is handled when it arrives.
    void Start();

    // The decision on a response (public so a caller with the body in hand
    // can use it directly).
    void OnResponse(const std::optional<HttpResponse>& response);

    // The leading digits of the first line (at most 512 characters).
    static std::optional<int> ParseVersion(std::string_view body);

    static std::string WebHost(const Profile& profile);

private:
    HttpClient& m_http;
    Profile& m_profile;
    UserPrompts& m_prompts;
    std::function<void()> m_showWeb;
};
