#pragma once

#include <string>

// The fixed page every display is written into. Only the skeleton's own script
// runs: it carries the page's nonce, and the page's content policy refuses any
// other script, remote content, frames and plug-ins. Generated pages keep their
// "editItem(...)" double-click attributes; the browser refuses to run them as
// inline code, so the skeleton listens for double clicks itself and calls
// editItem for the element that asked for it. Clicks on links never leave the
// page: the skeleton reports them to the program instead.
class HtmlSkeleton {
public:
    // The prefix of the console lines that carry a link to the program.
    static constexpr const char* kReportPrefix = "sb-link:";

    static std::string NewNonce();
    static std::string Build(const std::string& nonce);
    static std::string ContentPolicy(const std::string& nonce);
};
