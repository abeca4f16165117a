#include "game/Records.h"
#include "platform/Translate.h"

#include <charconv>
#include <filesystem>

namespace {

constexpr std::string_view LineVersion = "2";
constexpr std::string_view OldLineVersion = "1"; // players without their own moves
constexpr std::size_t FixedFields = 8;

void AppendEscaped(std::string& out, std::string_view text)
{
    for (char c : text) {
        switch (c) {
        case '\\': out += "\\\\"; break;
        case '\t': out += "\\t"; break;
        case '\n': out += "\\n"; break;
        case '\r': out += "\\r"; break;
        default: out += c;
        }
    }
}

std::optional<std::string> Unescaped(std::string_view field)
{
    std::string out;
    for (std::size_t i = 0; i < field.size(); ++i) {
        if (field[i] != '\\') {
            out += field[i];
            continue;
        }
        if (++i == field.size())
            return std::nullopt;
        switch (field[i]) {
        case '\\': out += '\\'; break;
        case 't': out += '\t'; break;
        case 'n': out += '\n'; break;
        case 'r': out += '\r'; break;
        default: return std::nullopt;
        }
    }
    return out;
}

std::optional<std::int32_t> Number(std::string_view field, std::int32_t low, std::int32_t high)
{
    std::int32_t n = 0;
    const auto [end, error] = std::from_chars(field.data(), field.data() + field.size(), n);
    if (error != std::errc() || end != field.data() + field.size() || n < low || n > high)
        return std::nullopt;
    return n;
}

std::vector<std::string_view> SplitTabs(std::string_view line)
{
    std::vector<std::string_view> fields;
    std::size_t start = 0;
    for (;;) {
        const std::size_t tab = line.find('\t', start);
        fields.push_back(line.substr(start, tab == std::string_view::npos ? std::string_view::npos : tab - start));
        if (tab == std::string_view::npos)
            return fields;
        start = tab + 1;
    }
}

// Visits each line of text that parses, oldest first.
template <typename TVisit> void EachRecordLine(std::string_view text, TVisit visit)
{
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find('\n', start);
        if (end == std::string_view::npos)
            end = text.size();
        const std::string_view line = text.substr(start, end - start);
        if (std::optional<TRecord> record = ParseRecord(line))
            visit(line, std::move(*record));
        start = end + 1;
    }
}

// Known moves come before unknown ones (-1).
bool FewerMoves(std::int32_t moves, std::int32_t than)
{
    return moves >= 0 && (than < 0 || moves < than);
}

bool IsComputer(const TRecord& record, std::size_t place)
{
    return record.ComputerLevel >= 0 && place == 0;
}

} // namespace

TRecord MakeRecord(const TGame& game, const TSettings& settings, const std::string& date, std::int32_t seconds)
{
    TRecord record;
    record.Date = date;
    record.CardSet = std::filesystem::path(game.CardSetFile).filename().string();
    record.Pairs = game.Rows * game.Cols / 2;
    record.ComputerLevel = settings.ComputerPlays ? settings.ComputerLevel : -1;
    record.Moves = game.Moves;
    record.Seconds = seconds;
    for (std::int32_t i = 1; i <= game.PlayerCount; ++i)
        record.Players.push_back(game.Players[static_cast<std::size_t>(i)]);
    record.Winner = game.Winner;
    return record;
}

std::string RecordDate(std::time_t time)
{
    std::tm utc {};
    gmtime_r(&time, &utc);
    char text[32];
    std::strftime(text, sizeof text, "%Y-%m-%dT%H:%M:%SZ", &utc);
    return text;
}

std::string FormatRecord(const TRecord& record)
{
    std::string line(LineVersion);
    const auto field = [&line](std::string_view text) {
        line += '\t';
        AppendEscaped(line, text);
    };
    field(record.Date);
    field(record.CardSet);
    for (std::int32_t n : {record.Pairs, record.ComputerLevel, record.Winner, record.Moves, record.Seconds})
        field(std::to_string(n));
    for (const TPlayer& player : record.Players) {
        field(player.Name);
        field(std::to_string(player.Score));
        field(std::to_string(player.Moves));
    }
    return line;
}

std::optional<TRecord> ParseRecord(std::string_view line)
{
    if (!line.empty() && line.back() == '\r')
        line.remove_suffix(1);
    if (line.size() > MaxRecordLine)
        return std::nullopt;
    const std::vector<std::string_view> fields = SplitTabs(line);
    if (fields.empty() || (fields[0] != LineVersion && fields[0] != OldLineVersion))
        return std::nullopt;
    const bool ownMoves = fields[0] == LineVersion;
    const std::size_t perPlayer = ownMoves ? 3 : 2;
    if (fields.size() < FixedFields + perPlayer || (fields.size() - FixedFields) % perPlayer != 0)
        return std::nullopt;
    const std::int32_t players = static_cast<std::int32_t>((fields.size() - FixedFields) / perPlayer);
    if (players > PlayerRecords)
        return std::nullopt;

    TRecord record;
    std::optional<std::string> date = Unescaped(fields[1]);
    std::optional<std::string> set = Unescaped(fields[2]);
    const auto pairs = Number(fields[3], 1, FaceSlots);
    const auto level = Number(fields[4], -1, 10);
    const auto winner = Number(fields[5], 0, players);
    const auto moves = Number(fields[6], 0, 1 << 30);
    const auto seconds = Number(fields[7], 0, 1 << 30);
    if (!date || !set || !pairs || !level || !winner || !moves || !seconds)
        return std::nullopt;
    record.Date = std::move(*date);
    record.CardSet = std::move(*set);
    record.Pairs = *pairs;
    record.ComputerLevel = *level;
    record.Winner = *winner;
    record.Moves = *moves;
    record.Seconds = *seconds;
    for (std::size_t i = FixedFields; i < fields.size(); i += perPlayer) {
        std::optional<std::string> name = Unescaped(fields[i]);
        const auto score = Number(fields[i + 1], 0, FaceSlots);
        const auto moves = ownMoves ? Number(fields[i + 2], -1, record.Moves) : std::optional<std::int32_t>(-1);
        if (!name || !score || !moves)
            return std::nullopt;
        record.Players.push_back(TPlayer {std::move(*name), *score, *moves});
    }
    return record;
}

std::vector<TRecord> ParseRecords(std::string_view text)
{
    std::vector<TRecord> records;
    EachRecordLine(text, [&records](std::string_view, TRecord record) { records.push_back(std::move(record)); });
    return records;
}

std::string AppendRecord(std::string_view text, const TRecord& record, std::size_t keep)
{
    std::vector<std::string_view> lines;
    EachRecordLine(text, [&lines](std::string_view line, TRecord) { lines.push_back(line); });
    const std::size_t kept = keep == 0 ? 0 : std::min(lines.size(), keep - 1);
    std::string out;
    for (std::size_t i = lines.size() - kept; i < lines.size(); ++i) {
        out += lines[i];
        out += '\n';
    }
    if (keep > 0)
        out += FormatRecord(record) + '\n';
    return out;
}

std::optional<TBestResult> BestResult(const std::vector<TRecord>& records, const std::string& cardSet,
                                      std::int32_t pairs)
{
    std::optional<TBestResult> best;
    for (const TRecord& record : records) {
        if (record.CardSet != cardSet || record.Pairs != pairs)
            continue;
        for (std::size_t place = 0; place < record.Players.size(); ++place) {
            const TPlayer& player = record.Players[place];
            if (IsComputer(record, place))
                continue;
            if (!best || player.Score > best->Score
                || (player.Score == best->Score && FewerMoves(player.Moves, best->Moves)))
                best = TBestResult {player.Name, player.Score, player.Moves, record.Date};
        }
    }
    return best;
}

TWonLost WonLostAgainstComputer(const std::vector<TRecord>& records, std::int32_t level)
{
    TWonLost count;
    for (const TRecord& record : records) {
        if (record.ComputerLevel != level || record.Winner == 0)
            continue;
        if (IsComputer(record, static_cast<std::size_t>(record.Winner - 1)))
            ++count.Lost;
        else
            ++count.Won;
    }
    return count;
}

std::vector<std::string> SummaryLines(const std::vector<TRecord>& records, const TRecord& game)
{
    std::vector<std::string> lines;
    if (const std::optional<TBestResult> best = BestResult(records, game.CardSet, game.Pairs)) {
        const std::string name = IsolatedName(best->Name);
        if (best->Moves >= 0)
            //: The score window's record line. %1: a player's name, %n: the pairs found, %2: "%n move(s)".
            lines.push_back(FillIn(Tr("Records", "Best: %1, %n pair(s) in %2", nullptr, best->Score),
                                   {name, Tr("Records", "%n move(s)", nullptr, best->Moves)}));
        else
            lines.push_back(FillIn(Tr("Records", "Best: %1, %n pair(s)", nullptr, best->Score), {name}));
    }
    if (game.ComputerLevel >= 0) {
        const TWonLost wonLost = WonLostAgainstComputer(records, game.ComputerLevel);
        //: %1: the computer's memory level, %2 and %3: games won and lost against it at that level.
        lines.push_back(FillIn(Tr("Records", "Computer memory %1 of 10: won %2, lost %3"),
                               {std::to_string(game.ComputerLevel), std::to_string(wonLost.Won),
                                std::to_string(wonLost.Lost)}));
    }
    return lines;
}
