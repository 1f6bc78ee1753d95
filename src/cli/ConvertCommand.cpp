#include "cli/CliBook.h"
#include "cli/CliCommand.h"
#include "model/VersionBanner.h"

#include <ostream>

namespace {

int Convert(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    if (args.size() != 2) {
        err << "Usage: savorbridge-cli convert IN.rcp OUT.rcp\n";
        return kExitUsage;
    }
    const auto loaded = CliBook::Load(args[0]);
    if (loaded.book->LoadError()) {
        err << "savorbridge-cli convert: '" << args[0] << "' is damaged; writing what could be read\n";
    }
    try {
        RecipeBookFile::Save(*loaded.book, args[1], {});
    } catch (const FileError& error) {
        err << "savorbridge-cli convert: cannot write '" << args[1] << "': " << error.what() << '\n';
        return kExitFailure;
    }
    out << "Wrote '" << args[1] << "' (version " << VersionBanner::kCurrentVersion << ")\n";
    return kExitOk;
}

const CliRegistrar registrar({"convert", "IN.rcp OUT.rcp", "Rewrite a recipe book in the current format.", &Convert});

} // namespace
