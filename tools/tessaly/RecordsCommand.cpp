// tessaly records: the record of finished games, for people who want their
// own statistics.
#include "Commands.h"

#include "game/Records.h"
#include "platform/AtomicFile.h"
#include "platform/PlatformError.h"
#include "platform/Translate.h"
#include "platform/UserFolders.h"

#include <filesystem>

const char* const RecordsTextEscapes = TrNoop(
    "tessaly",
    "in the text form \\\\ is a backslash, \\t a tab, \\n and \\r line breaks, \\, a comma, \\xHH another control character");

namespace {

// A text of the text form, kept on its line and in its column (a comma parts
// the players), as RecordsTextEscapes says.
std::string Escaped(const std::string& text)
{
    return EscapeText(text, {{'\\', "\\\\"}, {'\t', "\\t"}, {'\n', "\\n"}, {'\r', "\\r"}, {',', "\\,"}}, "\\x");
}

void WriteJson(const std::vector<TRecord>& records, std::ostream& out)
{
    out << "[";
    for (std::size_t i = 0; i < records.size(); ++i) {
        const TRecord& r = records[i];
        out << (i ? ",\n" : "\n") << "{\"date\":" << JsonQuote(r.Date) << ",\"set\":" << JsonQuote(r.CardSet)
            << ",\"pairs\":" << r.Pairs << ",\"computerLevel\":";
        if (r.ComputerLevel >= 0)
            out << r.ComputerLevel;
        else
            out << "null";
        out << ",\"winner\":";
        if (r.Winner > 0)
            out << JsonQuote(r.Players[static_cast<std::size_t>(r.Winner - 1)].Name);
        else
            out << "null";
        out << ",\"moves\":" << r.Moves << ",\"seconds\":" << r.Seconds << ",\"players\":[";
        for (std::size_t p = 0; p < r.Players.size(); ++p)
            out << (p ? "," : "") << "{\"name\":" << JsonQuote(r.Players[p].Name)
                << ",\"score\":" << r.Players[p].Score << "}";
        out << "]}";
    }
    out << "\n]\n";
}

void WriteText(const std::vector<TRecord>& records, std::ostream& out)
{
    out << "date\tset\tpairs\tlevel\twinner\tmoves\tseconds\tplayers\n";
    for (const TRecord& r : records) {
        out << Escaped(r.Date) << '\t' << Escaped(r.CardSet) << '\t' << r.Pairs << '\t'
            << (r.ComputerLevel >= 0 ? std::to_string(r.ComputerLevel) : "-") << '\t'
            << (r.Winner > 0 ? Escaped(r.Players[static_cast<std::size_t>(r.Winner - 1)].Name) : "-") << '\t'
            << r.Moves << '\t' << r.Seconds;
        for (std::size_t p = 0; p < r.Players.size(); ++p)
            out << (p ? ", " : "\t") << Escaped(r.Players[p].Name) << ' ' << r.Players[p].Score;
        out << '\n';
    }
}

} // namespace

int RecordsCommand(const TCommandArgs& args, std::ostream& out)
{
    const bool json = !args.empty() && args[0] == "--json";
    const std::size_t named = json ? 1 : 0;
    if (args.size() > named + 1)
        throw ETessalyError(FillIn(Tr("tessaly", "usage: %1"), {"tessaly records [--json] [FILE]"}));
    const std::filesystem::path file = args.size() > named ? std::filesystem::path(args.back()) : RecordsFile();
    std::vector<TRecord> records;
    std::error_code ec;
    if (std::filesystem::exists(file, ec)) {
        try {
            records = ParseRecords(ReadWholeFile(file, MaxRecordsFileSize));
        } catch (const EPlatformError& e) {
            throw ETessalyError(e.what());
        }
    }
    if (json)
        WriteJson(records, out);
    else
        WriteText(records, out);
    return 0;
}
