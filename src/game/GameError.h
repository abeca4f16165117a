#pragma once
// The one exception type of the game layer: a game that cannot be dealt.
// The message names the card-set file and the reason, and is meant for the user.

#include <stdexcept>
#include <string>

class EGameError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
    // detail is the message above; plain says what is wrong in words a
    // player understands, without file names or codes.
    EGameError(const std::string& detail, const std::string& plain) : std::runtime_error(detail), FPlain(plain) {}

    // Empty when only the detail is known.
    const char* Plain() const noexcept { return FPlain.what(); }

private:
    std::runtime_error FPlain {""}; // copies without throwing, as an exception must
};
