#include "cli/CliBook.h"
#include "cli/CliCommand.h"

#include <ostream>

namespace {

int Dump(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    if (args.size() != 1) {
        err << "Usage: savorbridge-cli dump BOOK.rcp\n";
        return kExitUsage;
    }
    out << CliBook::ToJson(CliBook::Load(args[0])).dump(2, ' ', false, nlohmann::json::error_handler_t::replace)
        << '\n';
    return kExitOk;
}

const CliRegistrar registrar({"dump", "BOOK.rcp", "Print the whole book as JSON.", &Dump});

} // namespace
