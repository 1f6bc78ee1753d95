#pragma once

#include <cstddef>
#include <map>
#include <string>
#include <string_view>
#include <vector>

namespace Tovik {

// An in-memory word index from upper-cased words to the objects whose text
// holds them. The objects are opaque to the index: stored and handed back
// unchanged, never dereferenced, and they must outlive it.
class Dictionary {
public:
    using Object = const void*;
    using ObjectList = std::vector<Object>;

    Dictionary() = default;
    virtual ~Dictionary() = default;
    Dictionary(const Dictionary&) = delete;
    Dictionary& operator=(const Dictionary&) = delete;

    // Indexes every accepted word of the text for the object.
    void AddText(std::string_view text, Object object);

    // Appends to results the objects matching the words of text: every
    // accepted word when all is set, any of them otherwise. In partial mode a
    // word matches each indexed word that starts with the same character and
    // contains it.
    void Search(std::string_view text, bool all, ObjectList& results, bool partial);

    void AddWord(const std::string& word, Object object);
    void Lookup(const std::string& word, ObjectList& results, bool partial);

    // The next token of text from position on: a word up to the next space, or
    // the text between two double quotes. False at the end of the text.
    static bool NextToken(std::string_view text, std::size_t& position, std::string& token);

    // Strips , ( ) % " / from the token; true when what is left is longer than
    // two characters and is no part of the stop text.
    static bool AcceptWord(std::string& word);

    std::size_t WordCount() const;

protected:
    // Called for every word examined by a partial lookup.
    virtual void OnProgress(std::size_t index, std::size_t count) {}

private:
    using Bucket = std::map<std::string, ObjectList, std::less<>>;

    static std::string Upper(std::string_view text);
    static void KeepCommon(ObjectList& results, const ObjectList& found);

    std::map<char, Bucket> m_buckets;
};

} // namespace Tovik
