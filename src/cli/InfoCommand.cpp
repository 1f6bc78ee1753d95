#include "cli/CliBook.h"
#include "cli/CliCommand.h"

#include <ostream>

namespace {

const char* YesNo(bool value) {
    return value ? "yes" : "no";
}

int Info(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    if (args.size() != 1) {
        err << "Usage: savorbridge-cli info BOOK.rcp\n";
        return kExitUsage;
    }
    const auto loaded = CliBook::Load(args[0]);
    const CRecipeBook& book = *loaded.book;
    std::size_t recipes = book.Recipes().size();
    std::size_t ingredients = 0;
    for (const auto& recipe : book.Recipes()) {
        ingredients += recipe->Ingredients().size();
    }
    for (const auto& chapter : book.Chapters()) {
        recipes += chapter->Recipes().size();
        for (const auto& recipe : chapter->Recipes()) {
            ingredients += recipe->Ingredients().size();
        }
    }
    out << "title: " << book.Title() << "\nversion: " << loaded.fileVersion << "\nchapters: " << book.Chapters().size()
        << "\nrecipes: " << recipes << "\ningredients: " << ingredients << "\nmodified: " << YesNo(book.Modified())
        << "\nload error: " << YesNo(book.LoadError()) << '\n';
    return kExitOk;
}

const CliRegistrar registrar({"info", "BOOK.rcp", "Show the version and size of a recipe book.", &Info});

} // namespace
