#pragma once
// The one exception type of the game layer: a game that cannot be dealt.
// The message names the card-set file and the reason, and is meant for the user.

#include <stdexcept>
#include <string>

class EGameError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};
