#include "model/RecipeBookFile.h"

#include "model/ArchiveReader.h"
#include "model/ArchiveWriter.h"
#include "model/ReadProgressBuffer.h"
#include "model/VersionBanner.h"
#include "platform/AtomicFileWriter.h"
#include "platform/StringTable.h"
#include "platform/UserPrompts.h"

#include <fstream>
#include <thread>

namespace {

constexpr int kFirstVersionWithIds = 251;
constexpr std::chrono::milliseconds kClockIdWait{1500};

// Fills the "%s" places of a message in order.
std::string FormatMessage(std::string text, std::initializer_list<std::string> values) {
    std::size_t from = 0;
    for (const std::string& value : values) {
        const std::size_t place = text.find("%s", from);
        if (place == std::string::npos) {
            break;
        }
        text.replace(place, 2, value);
        from = place + value.size();
    }
    return text;
}

int ReadFileVersion(ArchiveReader& reader, const std::filesystem::path& path) {
    if (const auto version = VersionBanner::ReadKnown(reader)) {
        return *version;
    }
    throw NotABookError(path, "not a Savorbridge recipe book");
}

// Tells the progress display that the reading is over, also when it failed.
struct FinalReport {
    const std::function<void(std::uint64_t, std::uint64_t)>& report;
    std::uint64_t total;
    ~FinalReport() { report(total, total); }
};

} // namespace

void RecipeBookFile::DefaultWait(std::chrono::milliseconds delay) {
    std::this_thread::sleep_for(delay);
}

RecipeBookFile::Loaded RecipeBookFile::Load(const std::filesystem::path& path, const ReadOptions& options) {
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        throw FileError(path, "cannot open the file");
    }
    if (options.progress) {
        return LoadWithProgress(in, path, options);
    }
    return Load(in, path, options);
}

RecipeBookFile::Loaded RecipeBookFile::LoadWithProgress(std::istream& in, const std::filesystem::path& path,
                                                        const ReadOptions& options) {
    std::error_code error;
    const std::uintmax_t size = std::filesystem::file_size(path, error);
    const std::uint64_t total = error ? 0 : size;
    const FinalReport finish{options.progress, total};
    ReadProgressBuffer counted(*in.rdbuf(), total, options.progress);
    std::istream countedIn(&counted);
    return Load(countedIn, path, options);
}

RecipeBookFile::Loaded RecipeBookFile::Load(std::istream& in, const std::filesystem::path& path,
                                            const ReadOptions& options) {
    ArchiveReader reader(in);
    const int version = ReadFileVersion(reader, path);
    if (version < kFirstVersionWithIds && options.wait) {
        options.wait(kClockIdWait);
    }
    reader.SetContext({version});
    reader.Register(CRecipeBook::s_class);
    reader.Register(CRecipeChapter::s_class);
    reader.Register(CRecipe::s_class);
    reader.Register(CIngredient::s_class);
    std::unique_ptr<CRecipeBook> book;
    try {
        book = reader.ReadNew<CRecipeBook>(CRecipeBook::s_class);
    } catch (const ArchiveError&) {
    }
    if (book == nullptr) {
        throw NotABookError(path, "no recipe book follows the banner");
    }
    if (book->LoadError()) {
        book->SetModified(true);
    }
    book->SetIdAssignment(true);
    book->SetPath(path);
    return {std::move(book), version};
}

RecipeBookFile::Loaded RecipeBookFile::Open(const std::filesystem::path& path, UserPrompts& prompts,
                                            const ReadOptions& options) {
    Loaded loaded;
    try {
        loaded = Load(path, options);
    } catch (const NotABookError&) {
        prompts.Message(FormatMessage(StringTable::Get(kNotValidMessage), {path.string()}), PromptIcon::Error);
        return {};
    }
    if (loaded.book->LoadError()) {
        prompts.Message(FormatMessage(StringTable::Get(kRecoveredMessage), {loaded.book->Title(), path.string()}),
                        PromptIcon::Error);
    }
    return loaded;
}

CRecipeBook* RecipeBookFile::FindIdentical(const CRecipeBook& book, int fileVersion,
                                           std::span<CRecipeBook* const> openBooks) {
    if (NeedsUpgrade(fileVersion)) {
        return nullptr;
    }
    for (CRecipeBook* open : openBooks) {
        if (open != &book && open->Id() == book.Id()) {
            return open;
        }
    }
    return nullptr;
}

std::string RecipeBookFile::ToBytes(const CRecipeBook& book, const WriteOptions& options) {
    ArchiveWriter writer({options.storeNutrientCache});
    WriteBook(book, writer);
    return writer.TakeBytes();
}

void RecipeBookFile::Save(CRecipeBook& book, const std::filesystem::path& path, const WriteOptions& options) {
    AtomicFileWriter file(path);
    ArchiveWriter writer({options.storeNutrientCache}, [&file](std::string_view bytes) { file.Append(bytes); });
    WriteBook(book, writer);
    writer.Flush();
    file.Commit();
    book.SetModified(false);
}

void RecipeBookFile::WriteBook(const CRecipeBook& book, ArchiveWriter& writer) {
    writer.WriteString(VersionBanner::Current());
    writer.WriteObject(&book);
}
