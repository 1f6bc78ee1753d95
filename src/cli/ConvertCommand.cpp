#include "cli/CliBook.h"
#include "cli/CliCommand.h"
#include "io/RecipeTextFile.h"
#include "model/VersionBanner.h"
#include "quantities/IngredientLine.h"
#include "quantities/UnitTables.h"

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <ostream>

namespace {

constexpr const char* kUsage = "Usage: savorbridge-cli convert IN.rcp OUT.rcp|OUT.txt\n"
                               "       savorbridge-cli convert RECIPES.mmf|.mxp|.txt OUT.rcp\n";

std::string Extension(const std::string& path) {
    std::string extension = std::filesystem::path(path).extension().string();
    std::transform(extension.begin(), extension.end(), extension.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return extension;
}

bool IsRecipeText(const std::string& path) {
    const std::string extension = Extension(path);
    return extension == ".mmf" || extension == ".mxp" || extension == ".txt";
}

int SaveBook(CRecipeBook& book, const std::string& path, std::ostream& err) {
    try {
        RecipeBookFile::Save(book, path, {});
    } catch (const FileError& error) {
        err << "savorbridge-cli convert: cannot write '" << path << "': " << error.what() << '\n';
        return kExitFailure;
    }
    return kExitOk;
}

// Every recipe of the file becomes a recipe of a new book, in file order.
int ImportText(const std::string& in, const std::string& out, std::ostream& cout, std::ostream& err) {
    const UnitTables units;
    CRecipeBook book;
    book.SetTitle(std::filesystem::path(in).stem().string());
    RecipeTextWalker::Result result;
    try {
        result = RecipeTextFile::Read(in, book, units);
    } catch (const FileError& error) {
        err << "savorbridge-cli convert: cannot read '" << in << "': " << error.what() << '\n';
        return kExitFailure;
    }
    if (const int code = SaveBook(book, out, err); code != kExitOk) {
        return code;
    }
    cout << "Read " << result.recipes << " recipes from '" << in << "' (" << result.unplacedLines
         << " lines not placed); wrote '" << out << "'\n";
    return kExitOk;
}

// The plain-text export lays ingredients out in columns of eight characters.
int ExportText(const std::string& in, const std::string& out, std::ostream& cout, std::ostream& err) {
    const auto loaded = CliBook::Load(in);
    try {
        RecipeTextFile::Write(out, *loaded.book, kPaddedForm);
    } catch (const FileError& error) {
        err << "savorbridge-cli convert: cannot write '" << out << "': " << error.what() << '\n';
        return kExitFailure;
    }
    cout << "Wrote '" << out << "' (recipe text)\n";
    return kExitOk;
}

int Convert(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    if (args.size() != 2) {
        err << kUsage;
        return kExitUsage;
    }
    if (IsRecipeText(args[0]) && Extension(args[1]) == ".rcp") {
        return ImportText(args[0], args[1], out, err);
    }
    if (Extension(args[1]) == ".txt") {
        return ExportText(args[0], args[1], out, err);
    }
    const auto loaded = CliBook::Load(args[0]);
    if (loaded.book->LoadError()) {
        err << "savorbridge-cli convert: '" << args[0] << "' is damaged; writing what could be read\n";
    }
    if (const int code = SaveBook(*loaded.book, args[1], err); code != kExitOk) {
        return code;
    }
    out << "Wrote '" << args[1] << "' (version " << VersionBanner::kCurrentVersion << ")\n";
    return kExitOk;
}

const CliRegistrar registrar({"convert", "IN OUT",
                              "Rewrite a recipe book in the current format, read a Meal-Master, MasterCook, Now "
                              "You're Cooking! or recipe text file (.mmf, .mxp, .txt) into a book, or write a book as "
                              "recipe text (.txt).",
                              &Convert});

} // namespace
