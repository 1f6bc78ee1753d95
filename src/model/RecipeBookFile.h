#pragma once

#include "model/CRecipeBook.h"
#include "platform/FileError.h"

#include <chrono>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <istream>
#include <memory>
#include <span>
#include <string>

class ArchiveWriter;
class UserPrompts;

// The file does not start with a banner this program knows, or holds no
// book after it.
class NotABookError : public FileError {
public:
    using FileError::FileError;
};

// Reading and writing ".rcp" files: the version banner, then the book as one
// object of the archive.
class RecipeBookFile {
public:
    struct Loaded {
        std::unique_ptr<CRecipeBook> book;
        int fileVersion = 0;
    };

    struct ReadOptions {
        ReadOptions() = default;
        // Most readers only choose how to wait; they get no progress reports.
        ReadOptions(std::function<void(std::chrono::milliseconds)> waitFor) : wait(std::move(waitFor)) {}

        // Books of files before 2.51 take their id from the clock in seconds;
        // waiting between two such reads keeps their ids apart.
        std::function<void(std::chrono::milliseconds)> wait = DefaultWait;
        // Told the bytes read so far and the file's size while a book file is
        // read, and once more with both equal when the reading ends, however it ends.
        std::function<void(std::uint64_t done, std::uint64_t total)> progress;
    };

    struct WriteOptions {
        bool storeNutrientCache = false;
    };

    static constexpr int kNotValidMessage = 273;
    static constexpr int kRecoveredMessage = 287;
    static constexpr const char* kIdenticalBookMessage =
        "An identical recipe book has already been opened. Use the Import command to merge them.";

    // A damaged book comes back with what could be read, its load-error
    // mark and the modified mark. Throws NotABookError or FileError.
    static Loaded Load(const std::filesystem::path& path, const ReadOptions& options);
    static Loaded Load(std::istream& in, const std::filesystem::path& path, const ReadOptions& options);

    // Load, telling the user about a foreign file (273, nothing is opened)
    // or a damaged one (287). Other file errors reach the caller.
    static Loaded Open(const std::filesystem::path& path, UserPrompts& prompts, const ReadOptions& options);

    // The open book with the same id, when the file stores book ids at all.
    static CRecipeBook* FindIdentical(const CRecipeBook& book, int fileVersion,
                                      std::span<CRecipeBook* const> openBooks);
    // Files from before version 2.51 are rewritten in the current format.
    static bool NeedsUpgrade(int fileVersion) { return fileVersion <= 250; }

    static std::string ToBytes(const CRecipeBook& book, const WriteOptions& options);
    // Replaces the file only once the new one is complete; clears the
    // modified mark. Throws FileError.
    static void Save(CRecipeBook& book, const std::filesystem::path& path, const WriteOptions& options);

private:
    static Loaded LoadWithProgress(std::istream& in, const std::filesystem::path& path, const ReadOptions& options);
    static void WriteBook(const CRecipeBook& book, ArchiveWriter& writer);
    static void DefaultWait(std::chrono::milliseconds delay);
};
