// tessaly: the card-set tool. tessaly COMMAND ARGS...
#include "AuthoringCommands.h"
#include "Commands.h"

#include <cstring>
#include <iostream>

namespace {

struct TCommand {
    const char* Name;
    const char* Usage;
    TCommandFunction Run;
    const char* Note = nullptr; // more on the output, for --help
};

// One line per command.
const TCommand Commands[] = {
    {"info", "info [--json] FILE", InfoCommand},
    {"extract", "extract FILE N OUT", ExtractCommand},
    {"create", "create --name NAME --link URL --back FILE --ad FILE [--compress] OUT.crd FACE...", CreateCommand},
    {"check", "check FILE.crd", CheckCommand},
    {"preview", "preview FILE.crd --screen WxH", PreviewCommand},
    {"frames", "frames --type gif|jpeg|bmp FILE OUTDIR", FramesCommand},
    {"records", "records [--json] [FILE]", RecordsCommand, RecordsTextEscapes},
};

void Usage(std::ostream& out, bool notes)
{
    out << "usage: tessaly COMMAND ARGS...\n";
    for (const TCommand& command : Commands) {
        out << "  tessaly " << command.Usage << '\n';
        if (notes && command.Note)
            out << "      " << command.Note << '\n';
    }
}

} // namespace

int main(int argc, char** argv)
{
    if (argc >= 2 && (std::strcmp(argv[1], "--help") == 0 || std::strcmp(argv[1], "-h") == 0)) {
        Usage(std::cout, true);
        return 0;
    }
    if (argc < 2) {
        Usage(std::cerr, false);
        return 1;
    }
    for (const TCommand& command : Commands) {
        if (std::strcmp(argv[1], command.Name) != 0)
            continue;
        try {
            return command.Run(TCommandArgs(argv + 2, argv + argc), std::cout);
        } catch (const std::exception& e) {
            std::cerr << "tessaly: " << e.what() << '\n';
            return 1;
        }
    }
    std::cerr << "tessaly: unknown command '" << argv[1] << "'\n";
    Usage(std::cerr, false);
    return 1;
}
