#pragma once

#include <string>
#include <string_view>

// Turns the bytes of a recipe text file into UTF-8 with line feeds only.
// Files arrive in UTF-8, Windows-1252 or the DOS code page 437, with CR LF,
// LF or CR line ends, and files concatenated over the years mix them: each
// line that is valid UTF-8 is kept as it is, the others are decoded with the
// one 8-bit code page that reads the file's accented letters and cooking
// signs ("é", "½", "°") best.
class RecipeTextDecoder {
public:
    enum class CodePage { Windows1252, Cp437 };

    static std::string Decode(std::string_view bytes);
    // Without a copy where none is needed: bytes itself when it is UTF-8 with
    // line feeds only, otherwise the decoded text kept in storage.
    static std::string_view Decode(std::string_view bytes, std::string& storage);

    // The code page under which the non-UTF-8 lines of the text read best;
    // Windows-1252 when both read equally well.
    static CodePage GuessCodePage(std::string_view bytes);

private:
    static std::string DecodeLines(std::string_view bytes);
    static std::string NormaliseLineEnds(std::string_view text);
    static void AppendDecodedLine(std::string& out, std::string_view line, CodePage codePage);
};
