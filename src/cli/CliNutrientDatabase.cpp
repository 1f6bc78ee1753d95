#include "cli/CliNutrientDatabase.h"

#include "platform/AppFolders.h"

#include <ostream>

std::unique_ptr<Nutrient::Database> OpenCliNutrientDatabase(std::filesystem::path folder, std::string_view command,
                                                            std::ostream& err) {
    if (folder.empty()) {
        folder = AppFolders::ProgramFolderFor(AppFolders::ExecutablePath());
    }
    auto database = std::make_unique<Nutrient::Database>(folder);
    if (!database->IsAvailable()) {
        err << "savorbridge-cli " << command << ": no nutrient database in " << folder.string() << '\n';
        return nullptr;
    }
    return database;
}
