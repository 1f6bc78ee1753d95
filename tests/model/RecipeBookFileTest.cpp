#include "model/RecipeBookFile.h"

#include "model/ArchiveWriter.h"
#include "model/OldBookWriter.h"
#include "model/VersionBanner.h"
#include "platform/AtomicFile.h"
#include "support/ScriptedPrompts.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

namespace {

struct Waits {
    std::vector<std::chrono::milliseconds> seen;
    RecipeBookFile::ReadOptions Options() {
        return {[this](std::chrono::milliseconds delay) { seen.push_back(delay); }};
    }
};

// A book of three chapters with two recipes each, ids as a file of the
// current version stores them.
std::unique_ptr<CRecipeBook> MakeBook() {
    auto book = std::make_unique<CRecipeBook>(0x0012D687);
    book->SetTitle("Family Favourites");
    book->SetText("Collected over the years.");
    for (int c = 0; c < 3; ++c) {
        auto chapter = std::make_unique<CRecipeChapter>();
        chapter->SetTitle("Chapter " + std::to_string(c + 1));
        for (int r = 0; r < 2; ++r) {
            auto recipe = std::make_unique<CRecipe>();
            recipe->SetTitle("Dish " + std::to_string(c) + "." + std::to_string(r));
            recipe->SetText("Mix, then bake for 40 minutes.");
            recipe->AppendIngredient(std::make_unique<CIngredient>("1\u00BD", "cup", "flour -- sifted", 20081));
            recipe->AppendIngredient(std::make_unique<CIngredient>("2", "", "eggs"));
            recipe->SetServings(4);
            recipe->SetPrepTime("1 hour 10 minutes");
            chapter->AddRecipe(std::move(recipe));
        }
        book->AddChapter(std::move(chapter));
    }
    auto loose = std::make_unique<CRecipe>();
    loose->SetTitle("Caf\u00E9 au lait \u2615");
    CRecipe& looseRecipe = book->AddRecipe(std::move(loose));
    looseRecipe.SetFavourite(true, false);
    book->AddDeletedId(42);
    return book;
}

// Recipes of 4000 characters each, to make a book of some megabytes.
void AddLongRecipes(CRecipeBook& book, int count) {
    const std::string text(4000, 'x');
    for (int r = 0; r < count; ++r) {
        auto recipe = std::make_unique<CRecipe>();
        recipe->SetTitle("Long " + std::to_string(r));
        recipe->SetText(text);
        book.AddRecipe(std::move(recipe));
    }
}

RecipeBookFile::Loaded LoadBytes(const std::string& bytes, Waits& waits) {
    std::istringstream in(bytes);
    return RecipeBookFile::Load(in, "book.rcp", waits.Options());
}

} // namespace

TEST(RecipeBookFile, RoundTripsABookToIdenticalBytes) {
    const auto book = MakeBook();
    const std::string bytes = RecipeBookFile::ToBytes(*book, {});
    Waits waits;
    const auto loaded = LoadBytes(bytes, waits);
    ASSERT_NE(loaded.book, nullptr);
    EXPECT_EQ(loaded.fileVersion, 400);
    EXPECT_FALSE(loaded.book->Modified());
    EXPECT_FALSE(loaded.book->LoadError());
    EXPECT_TRUE(waits.seen.empty());
    EXPECT_EQ(RecipeBookFile::ToBytes(*loaded.book, {}), bytes);

    const CRecipeBook& read = *loaded.book;
    EXPECT_EQ(read.Id(), 0x0012D687u);
    EXPECT_EQ(read.IdCounter(), book->IdCounter());
    ASSERT_EQ(read.Chapters().size(), 3u);
    const CRecipe& recipe = *read.Chapters()[1]->Recipes()[0];
    EXPECT_EQ(recipe.Id(), book->Chapters()[1]->Recipes()[0]->Id());
    EXPECT_EQ(recipe.PrepTime(), "1 hour 10 minutes");
    EXPECT_EQ(recipe.Servings(), 4);
    EXPECT_EQ(recipe.Ingredients()[0]->Amount(), "1\u00BD");
    EXPECT_EQ(recipe.Ingredients()[0]->Link(), 20081);
    EXPECT_EQ(recipe.Ingredients()[0]->Owner(), &recipe);
    EXPECT_EQ(read.Recipes()[0]->Title(), "Caf\u00E9 au lait \u2615");
    ASSERT_EQ(read.Favourites().size(), 1u);
    EXPECT_EQ(read.Favourites()[0], read.Recipes()[0].get());
    EXPECT_TRUE(read.IsDeletedId(42));
}

TEST(RecipeBookFile, StartsWithTheBannerAndTheBookClass) {
    CRecipeBook empty(1);
    const std::string bytes = RecipeBookFile::ToBytes(empty, {});
    const std::string_view banner = VersionBanner::Current();
    ASSERT_LT(banner.size(), 255u);
    EXPECT_EQ(static_cast<unsigned char>(bytes[0]), banner.size());
    EXPECT_EQ(bytes.substr(1, banner.size()), banner);
    EXPECT_EQ(bytes.substr(1 + banner.size(), 17), std::string("\xFF\xFF\x90\x01\x0B\x00", 6) + "CRecipeBook");
    Waits waits;
    const auto loaded = LoadBytes(bytes, waits);
    EXPECT_TRUE(loaded.book->Chapters().empty());
    EXPECT_TRUE(loaded.book->Recipes().empty());
}

TEST(RecipeBookFile, KnowsEveryBannerOfEarlierVersions) {
    for (const int version : {100, 200, 250, 251, 300, 390, 400}) {
        EXPECT_EQ(VersionBanner::FileVersion(VersionBanner::ForVersion(version)), version);
    }
    EXPECT_EQ(VersionBanner::FileVersion("Savorbridge Version 4.0"), 0);
}

TEST(RecipeBookFile, ReadsBooksOfEveryEarlierVersion) {
    OldBook old;
    old.idCounter = 9;
    old.recipes = {{"Loose", 7, {"salt"}, false}};
    old.chapters = {{"Soups", 3, {{"Leek soup", 5, {"leeks -- sliced", "stock"}}}}};
    old.favouriteRecipes = {0};
    for (const int version : {100, 200, 250, 251, 300, 390}) {
        Waits waits;
        const auto loaded = LoadBytes(WriteOldBook(old, version), waits);
        ASSERT_NE(loaded.book, nullptr) << version;
        const CRecipeBook& book = *loaded.book;
        EXPECT_EQ(loaded.fileVersion, version);
        EXPECT_FALSE(book.LoadError()) << version;
        EXPECT_EQ(book.Title(), "Old Book");
        ASSERT_EQ(book.Chapters().size(), 1u) << version;
        const CRecipe& soup = *book.Chapters()[0]->Recipes()[0];
        EXPECT_EQ(soup.Title(), "Leek soup");
        ASSERT_EQ(soup.Ingredients().size(), 2u);
        EXPECT_EQ(soup.Ingredients()[0]->NameKey(), "leeks ");
        EXPECT_EQ(soup.Comments(), version >= 200 ? "old comments" : "") << version;
        EXPECT_EQ(soup.Servings(), version >= 200 ? 4 : 0) << version;
        EXPECT_EQ(book.Favourites().size(), 1u) << version;
        if (version >= 251) {
            EXPECT_TRUE(waits.seen.empty());
            EXPECT_EQ(book.Id(), old.id);
            EXPECT_EQ(soup.Id(), 5u);
            EXPECT_EQ(book.Chapters()[0]->Id(), 3u);
            EXPECT_EQ(book.IdCounter(), 9u);
            EXPECT_FALSE(RecipeBookFile::NeedsUpgrade(version));
        } else {
            EXPECT_EQ(waits.seen, std::vector{std::chrono::milliseconds(1500)});
            EXPECT_EQ(book.Recipes()[0]->Id(), 1u);
            EXPECT_EQ(book.Chapters()[0]->Id(), 2u);
            EXPECT_EQ(soup.Id(), 3u);
            EXPECT_EQ(book.IdCounter(), 3u);
            EXPECT_TRUE(RecipeBookFile::NeedsUpgrade(version));
        }
        EXPECT_FALSE(book.Modified());
        // A new id handed out after loading follows the stored ones.
        CRecipe& added = loaded.book->AddRecipe(std::make_unique<CRecipe>());
        EXPECT_EQ(added.Id(), book.IdCounter());
        EXPECT_GT(added.Id(), version >= 251 ? 9u : 3u);
    }
}

TEST(RecipeBookFile, ReadsTruncatedBookUpToTheDamage) {
    const auto book = MakeBook();
    const std::string bytes = RecipeBookFile::ToBytes(*book, {});
    const std::size_t third = bytes.find("Chapter 3");
    ASSERT_NE(third, std::string::npos);
    const std::size_t cut = bytes.find("Dish 2.1", third) + 3;
    Waits waits;
    const auto loaded = LoadBytes(bytes.substr(0, cut), waits);
    ASSERT_NE(loaded.book, nullptr);
    const CRecipeBook& read = *loaded.book;
    EXPECT_TRUE(read.LoadError());
    EXPECT_TRUE(read.Modified());
    ASSERT_EQ(read.Chapters().size(), 3u);
    EXPECT_EQ(read.Chapters()[1]->Recipes().size(), 2u);
    EXPECT_TRUE(read.Chapters()[2]->LoadError());
    EXPECT_EQ(read.Chapters()[2]->Recipes().size(), 2u);
    EXPECT_TRUE(read.Chapters()[2]->Recipes()[1]->LoadError());
    EXPECT_EQ(read.Recipes().size(), 1u);
}

TEST(RecipeBookFile, NeverFailsOnABookCutAtAnyByte) {
    const std::string bytes = RecipeBookFile::ToBytes(*MakeBook(), {});
    const std::size_t bodyStart = 1 + VersionBanner::Current().size() + 17;
    for (std::size_t length = 0; length < bytes.size(); ++length) {
        Waits waits;
        std::istringstream in(bytes.substr(0, length));
        try {
            const auto loaded = RecipeBookFile::Load(in, "cut.rcp", waits.Options());
            EXPECT_TRUE(loaded.book->LoadError()) << length;
            EXPECT_GE(length, bodyStart) << length;
        } catch (const NotABookError&) {
            EXPECT_LT(length, bodyStart + 2) << length;
        }
    }
}

TEST(RecipeBookFile, OpeningTellsAboutForeignAndDamagedFiles) {
    TempDir dir;
    ScriptedPrompts prompts;
    Waits waits;
    const auto text = dir.Write("notes.rcp", "Just some text\nthat is not a book.\n");
    EXPECT_EQ(RecipeBookFile::Open(text, prompts, waits.Options()).book, nullptr);
    const std::string bytes = RecipeBookFile::ToBytes(*MakeBook(), {});
    const auto damaged = dir.Write("damaged.rcp", bytes.substr(0, bytes.size() - 30));
    const auto loaded = RecipeBookFile::Open(damaged, prompts, waits.Options());
    ASSERT_NE(loaded.book, nullptr);
    EXPECT_EQ(loaded.book->Path(), damaged);

    ASSERT_EQ(prompts.Questions().size(), 2u);
    EXPECT_EQ(prompts.Questions()[0].text,
              "The file '" + text.string() + "' could not be read.\nIt is not a valid Savorbridge file.");
    EXPECT_EQ(prompts.Questions()[1].text,
              "An error was encountered while opening the following recipe book.\n\n  Family Favourites\n  " +
                  damaged.string() + "\n\nAs much data as possible was recovered. ");
    EXPECT_EQ(prompts.Questions()[1].icon, PromptIcon::Error);
    EXPECT_THROW(RecipeBookFile::Open(dir / "missing.rcp", prompts, waits.Options()), FileError);
}

TEST(RecipeBookFile, RefusesBannersOfUnknownVersions) {
    ArchiveWriter writer;
    writer.WriteString("Savorbridge Version 5.0 Copyright (c) 2009 Savorbridge Kitchen Software");
    Waits waits;
    EXPECT_THROW(LoadBytes(writer.Bytes(), waits), NotABookError);
    EXPECT_THROW(LoadBytes("", waits), NotABookError);
}

TEST(RecipeBookFile, FindsAnOpenBookWithTheSameId) {
    TempDir dir;
    auto book = MakeBook();
    RecipeBookFile::Save(*book, dir / "a.rcp", {});
    std::filesystem::copy_file(dir / "a.rcp", dir / "copy.rcp");
    Waits waits;
    auto first = RecipeBookFile::Load(dir / "a.rcp", waits.Options());
    auto copy = RecipeBookFile::Load(dir / "copy.rcp", waits.Options());
    CRecipeBook other(99);
    std::vector<CRecipeBook*> open{&other, first.book.get()};
    EXPECT_EQ(RecipeBookFile::FindIdentical(*copy.book, copy.fileVersion, open), first.book.get());
    EXPECT_EQ(RecipeBookFile::FindIdentical(*copy.book, 250, open), nullptr);
}

TEST(RecipeBookFile, SavingClearsTheModifiedMarkOnlyWhenTheFileIsWritten) {
    TempDir dir;
    auto book = MakeBook();
    ASSERT_TRUE(book->Modified());
    RecipeBookFile::Save(*book, dir / "book.rcp", {});
    EXPECT_FALSE(book->Modified());
    book->SetModified(true);
    EXPECT_THROW(RecipeBookFile::Save(*book, dir / "no-such-folder" / "book.rcp", {}), FileError);
    EXPECT_TRUE(book->Modified());
}

TEST(RecipeBookFile, SavesALargeBookInPiecesToTheSameBytes) {
    TempDir dir;
    auto book = MakeBook();
    AddLongRecipes(*book, 1000);
    const std::string expected = RecipeBookFile::ToBytes(*book, {});
    ASSERT_GT(expected.size(), std::size_t{3} << 20);
    RecipeBookFile::Save(*book, dir / "large.rcp", {});
    EXPECT_EQ(AtomicFile::Read(dir / "large.rcp"), expected);
}

TEST(RecipeBookFile, ReportsReadingProgressAndAlwaysTheEnd) {
    TempDir dir;
    auto book = MakeBook();
    AddLongRecipes(*book, 300);
    RecipeBookFile::Save(*book, dir / "large.rcp", {});
    const auto size = std::filesystem::file_size(dir / "large.rcp");
    const auto foreign = dir.Write("foreign.rcp", "this is no book");

    std::vector<std::pair<std::uint64_t, std::uint64_t>> reports;
    RecipeBookFile::ReadOptions options;
    options.progress = [&](std::uint64_t done, std::uint64_t total) { reports.emplace_back(done, total); };

    const auto loaded = RecipeBookFile::Load(dir / "large.rcp", options);
    EXPECT_EQ(loaded.book->Recipes().size(), book->Recipes().size());
    ASSERT_GE(reports.size(), 4U);
    for (std::size_t i = 0; i < reports.size(); ++i) {
        EXPECT_EQ(reports[i].second, size);
        EXPECT_LE(reports[i].first, size);
        if (i > 0) {
            EXPECT_GE(reports[i].first, reports[i - 1].first);
        }
    }
    EXPECT_EQ(reports.back().first, size);

    reports.clear();
    EXPECT_THROW(RecipeBookFile::Load(foreign, options), NotABookError);
    ASSERT_FALSE(reports.empty());
    EXPECT_EQ(reports.back(), std::make_pair(std::uint64_t{15}, std::uint64_t{15}));
}
