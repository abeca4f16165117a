// tessaly: the card-set tool. tessaly COMMAND ARGS...
#include "AuthoringCommands.h"
#include "Commands.h"
#include "platform/Translate.h"
#if KOBALIND_TESSALY_CATALOGUES
#include "Catalogue.h"
#endif

#include <cstring>
#include <iostream>

namespace {

struct TCommand {
    const char* Name;
    const char* Usage;
    const char* Summary;
    TCommandFunction Run;
    const char* Note = nullptr; // more on the output, for --help
};

// One line per command.
const TCommand Commands[] = {
    {"info", "info [--json] FILE", TrNoop("tessaly", "List what a card set or skin file holds: its name, link and pictures."),
     InfoCommand},
    {"extract", "extract FILE N OUT", TrNoop("tessaly", "Copy entry number N (a picture or the set's text) out of a card set or skin file; OUT \"-\" prints it."),
     ExtractCommand},
    {"create", "create --name NAME --link URL --back FILE --ad FILE [--compress] [--pairs] OUT.crd FACE...",
     TrNoop("tessaly", "Make a new card set from your own pictures: one picture per card face (GIF, JPEG or BMP), "
                       "a card back and an advertisement picture."),
     CreateCommand,
     TrNoop("tessaly", "With --pairs each FACE is FIRST:SECOND, two pictures for the two cards of one pair "
                       "(a word and its picture, say); cards still match by pair.")},
    {"check", "check FILE.crd", TrNoop("tessaly", "Tell whether the game can play a card set, and what is wrong with it if not."),
     CheckCommand},
    {"preview", "preview FILE.crd --screen WxH", TrNoop("tessaly", "Show which boards a card set fills on a screen of that size."),
     PreviewCommand},
    {"frames", "frames --type gif|jpeg|bmp FILE OUTDIR", TrNoop("tessaly", "Save every frame of a card picture as PNG files, as the game shows them."),
     FramesCommand},
    {"records", "records [--json] [FILE]", TrNoop("tessaly", "List the finished games the game has recorded, oldest first."),
     RecordsCommand, RecordsTextEscapes},
};

bool IsHelp(const char* arg)
{
    return std::strcmp(arg, "--help") == 0 || std::strcmp(arg, "-h") == 0 || std::strcmp(arg, "help") == 0;
}

void PrintHelp(std::ostream& out)
{
    out << FillIn(Tr("tessaly", "usage: %1"), {"tessaly COMMAND ARGS..."}) << '\n'
        << Tr("tessaly", "Makes and inspects the card sets of the pairs game Orvane Kobalind.") << "\n\n";
    for (const TCommand& command : Commands) {
        out << "  tessaly " << command.Usage << "\n      " << Tr("tessaly", command.Summary) << '\n';
        if (command.Note)
            out << "      " << Tr("tessaly", command.Note) << '\n';
    }
    out << '\n' << Tr("tessaly", "'tessaly COMMAND --help' explains one command; 'man tessaly' tells more.") << '\n';
}

int Usage()
{
    PrintHelp(std::cerr);
    return 1;
}

} // namespace

int main(int argc, char** argv)
{
#if KOBALIND_TESSALY_CATALOGUES
    SpeakDesktopLanguage();
#endif
    if (argc < 2)
        return Usage();
    if (IsHelp(argv[1])) {
        PrintHelp(std::cout);
        return 0;
    }
    for (const TCommand& command : Commands) {
        if (std::strcmp(argv[1], command.Name) != 0)
            continue;
        if (argc == 3 && IsHelp(argv[2])) {
            std::cout << FillIn(Tr("tessaly", "usage: %1"), {std::string("tessaly ") + command.Usage}) << '\n'
                      << Tr("tessaly", command.Summary) << '\n';
            if (command.Note)
                std::cout << Tr("tessaly", command.Note) << '\n';
            return 0;
        }
        try {
            return command.Run(TCommandArgs(argv + 2, argv + argc), std::cout);
        } catch (const std::exception& e) {
            std::cerr << FillIn(Tr("tessaly", "tessaly: %1"), {e.what()}) << '\n';
            return 1;
        }
    }
    std::cerr << FillIn(Tr("tessaly", "tessaly: unknown command '%1'"), {argv[1]}) << '\n';
    return Usage();
}
