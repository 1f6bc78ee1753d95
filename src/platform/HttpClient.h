#pragma once

#include <chrono>
#include <functional>
#include <optional>
#include <string>

struct HttpResponse {
    int status = 0;
    std::string body;
};

// Plain HTTP GET for the few places that talk to the maker's web host. The
// answer arrives later through the callback, on the caller's thread, so the
// window never waits on the network; nothing means the request failed
// (no connection, timeout, refused).
class HttpClient {
public:
    using Callback = std::function<void(std::optional<HttpResponse>)>;

    virtual ~HttpClient() = default;
    virtual void Get(const std::string& url, std::chrono::milliseconds timeout, Callback done) = 0;
};
