#include "search/Dictionary.h"

#include <algorithm>
#include <unordered_set>

namespace Tovik {

namespace {

constexpr std::string_view kStopText = "AND FOR ALL ONLY FROM WILL THE ITEM WITHOUT ADD";
constexpr std::string_view kStrippedCharacters = ",()%\"/";

} // namespace

std::string Dictionary::Upper(std::string_view text) {
    std::string upper(text);
    // ASCII only: bytes of multi-byte UTF-8 characters pass unchanged.
    std::transform(upper.begin(), upper.end(), upper.begin(),
                   [](char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c; });
    return upper;
}

bool Dictionary::NextToken(std::string_view text, std::size_t& position, std::string& token) {
    while (position < text.size()) {
        const char c = text[position];
        if (c == ' ') {
            ++position;
            continue;
        }
        if (c == '"') {
            const std::size_t closing = text.find('"', position + 1);
            if (closing == std::string_view::npos) {
                ++position;
                continue;
            }
            token.assign(text.substr(position + 1, closing - position - 1));
            position = closing + 1;
            return true;
        }
        const std::size_t end = std::min(text.find(' ', position), text.size());
        token.assign(text.substr(position, end - position));
        position = end < text.size() ? end + 1 : end;
        return true;
    }
    return false;
}

bool Dictionary::AcceptWord(std::string& word) {
    std::erase_if(word, [](char c) { return kStrippedCharacters.find(c) != std::string_view::npos; });
    return word.size() > 2 && kStopText.find(word) == std::string_view::npos;
}

void Dictionary::AddText(std::string_view text, Object object) {
    const std::string upper = Upper(text);
    std::size_t position = 0;
    std::string token;
    while (NextToken(upper, position, token)) {
        if (AcceptWord(token)) {
            AddWord(token, object);
        }
    }
}

void Dictionary::AddWord(const std::string& word, Object object) {
    if (word.empty()) {
        return;
    }
    Bucket& bucket = m_buckets[word.front()];
    const auto found = bucket.find(word);
    if (found != bucket.end()) {
        found->second.push_back(object);
        return;
    }
    bucket.emplace(word, ObjectList{object});
}

void Dictionary::Lookup(const std::string& word, ObjectList& results, bool partial) {
    if (word.empty()) {
        return;
    }
    const auto bucket = m_buckets.find(word.front());
    if (bucket == m_buckets.end()) {
        return;
    }
    if (!partial) {
        const auto found = bucket->second.find(word);
        if (found != bucket->second.end()) {
            results.insert(results.end(), found->second.begin(), found->second.end());
        }
        return;
    }
    const std::size_t count = bucket->second.size();
    std::size_t index = 0;
    for (const auto& [indexed, objects] : bucket->second) {
        OnProgress(index++, count);
        if (indexed.find(word) != std::string::npos) {
            results.insert(results.end(), objects.begin(), objects.end());
        }
    }
}

void Dictionary::KeepCommon(ObjectList& results, const ObjectList& found) {
    const std::unordered_set<Object> present(found.begin(), found.end());
    std::erase_if(results, [&present](Object object) { return !present.contains(object); });
}

void Dictionary::Search(std::string_view text, bool all, ObjectList& results, bool partial) {
    const std::string upper = Upper(text);
    std::size_t position = 0;
    std::string token;
    bool first = true;
    while (NextToken(upper, position, token)) {
        if (!AcceptWord(token)) {
            continue;
        }
        ObjectList found;
        Lookup(token, found, partial);
        if (!all) {
            results.insert(results.end(), found.begin(), found.end());
            continue;
        }
        if (first) {
            results = std::move(found);
            first = false;
        } else if (!found.empty()) {
            KeepCommon(results, found);
        } else {
            results.clear();
        }
        if (results.empty()) {
            return;
        }
    }
}

std::size_t Dictionary::WordCount() const {
    std::size_t count = 0;
    for (const auto& [first, bucket] : m_buckets) {
        count += bucket.size();
    }
    return count;
}

} // namespace Tovik
