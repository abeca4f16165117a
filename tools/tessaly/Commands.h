#pragma once
// The commands of tessaly, the card-set tool. A command gets its arguments
// (without the command name), writes its results to out and returns the exit
// status. Failures throw ETessalyError (or EResourceError from the readers)
// with a one-line message that names the file and the problem; main prints
// it and exits with status 1.

#include "resources/LumRes.h"
#include "resources/Stream.h"

#include <initializer_list>
#include <memory>
#include <ostream>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

class ETessalyError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

using TCommandArgs = std::vector<std::string>;
using TCommandFunction = int (*)(const TCommandArgs& args, std::ostream& out);

// info [--json] FILE: the archive's tag and entry table, and the card-set
// record when entry 0 is one.
int InfoCommand(const TCommandArgs& args, std::ostream& out);
// extract FILE N OUT: entry N's content as CopyEntry gives it, to OUT or to
// out when OUT is "-".
int ExtractCommand(const TCommandArgs& args, std::ostream& out);
// records [--json] [FILE]: the finished games of the record file (the
// player's own when no FILE is named), oldest first; no file, no games. The
// text form escapes texts as RecordsTextEscapes says.
extern const char* const RecordsTextEscapes;
int RecordsCommand(const TCommandArgs& args, std::ostream& out);
// frames --type gif|jpeg|bmp FILE OUTDIR: each frame as played, over white,
// to OUTDIR/frame-NNN.png, with a line per frame and one for the loops.
int FramesCommand(const TCommandArgs& args, std::ostream& out);

// An archive file opened for reading with its header checked. Throws
// ETessalyError when the file cannot be opened or its header is not one.
class TArchiveFile {
public:
    explicit TArchiveFile(const std::string& fileName);
    TArchiveFile(const TArchiveFile&) = delete;
    TArchiveFile& operator=(const TArchiveFile&) = delete;

    const std::string& FileName() const { return Name; }
    TLumResReader& Reader() { return Archive; }

private:
    std::string Name;
    std::unique_ptr<TFileStream> File;
    TLumResReader Archive;
};

// A byte and the text that stands for it.
struct TEscape {
    char Byte;
    std::string_view Text;
};
// text with each named byte replaced by its escape and any other control
// character (below 0x20, and 0x7F) by hexPrefix and two hex digits.
std::string EscapeText(std::string_view text, std::initializer_list<TEscape> named, std::string_view hexPrefix);

// text as a JSON string literal, quotes included; bytes that are not UTF-8
// become U+FFFD.
std::string JsonQuote(const std::string& text);
