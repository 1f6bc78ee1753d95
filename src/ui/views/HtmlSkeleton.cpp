#include "ui/views/HtmlSkeleton.h"

#include <random>

namespace {

// The skeleton's script. Walking up the parents adds their offsets except for
// inline formatting elements, so the editor opens over the element itself.
constexpr const char* kScript = R"js(
function sbReport(link) {
    console.log("sb-link:" + sbNonce + ":" + link);
}
function editItem(code) {
    var item = document.getElementById(code);
    if (!item) return;
    var left = item.offsetLeft, top = item.offsetTop;
    for (var p = item.parentElement; p && p.tagName != "BODY"; p = p.parentElement) {
        if (["UL", "I", "B", "P", "FONT"].indexOf(p.tagName) < 0) {
            left += p.offsetLeft;
            top += p.offsetTop;
        }
    }
    // In a standards-mode page the document, not the body, scrolls.
    var scroller = document.scrollingElement || document.body;
    left -= scroller.scrollLeft;
    top -= scroller.scrollTop;
    sbReport(location.href.split("#")[0] + "#modify_" + code + "(" + left + "," + top + "," +
             item.offsetWidth + "," + item.offsetHeight + ")");
}
document.addEventListener("click", function (event) {
    var link = event.target.closest ? event.target.closest("a[href]") : null;
    if (!link) return;
    event.preventDefault();
    if (link.protocol == "javascript:") return;
    sbReport(link.href);
}, true);
document.addEventListener("dblclick", function (event) {
    var pattern = /^\s*editItem\(\s*['"]([A-Za-z0-9_]+)['"]\s*\)/;
    for (var e = event.target; e && e.getAttribute; e = e.parentElement) {
        var found = pattern.exec(e.getAttribute("ondblclick") || "");
        if (found) {
            editItem(found[1]);
            return;
        }
    }
}, true);
)js";

} // namespace

std::string HtmlSkeleton::NewNonce() {
    std::random_device random;
    static constexpr char kHex[] = "0123456789abcdef";
    std::string nonce;
    for (int i = 0; i < 32; ++i) {
        nonce += kHex[random() % 16];
    }
    return nonce;
}

std::string HtmlSkeleton::ContentPolicy(const std::string& nonce) {
    return "default-src 'none'; script-src 'nonce-" + nonce +
           "'; style-src 'unsafe-inline'; img-src file: data:; base-uri 'none'; form-action 'none'";
}

std::string HtmlSkeleton::Build(const std::string& nonce) {
    return "<!DOCTYPE html>\n<html><head><meta charset=\"utf-8\">\n"
           "<meta http-equiv=\"Content-Security-Policy\" content=\"" +
           ContentPolicy(nonce) + "\">\n<title></title>\n<script nonce=\"" + nonce + "\">\nvar sbNonce = \"" + nonce +
           "\";" + kScript +
           "</script>\n</head>\n"
           "<body link=\"#0000FF\" vlink=\"#0000FF\" bgcolor=\"#FFFFE0\" "
           "style=\"margin-top: 3px; margin-left: 5px\"></body></html>\n";
}
