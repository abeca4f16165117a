#pragma once
// The one exception type of the windows layer: rich text that cannot be
// loaded or saved. The message is meant for the user.

#include <stdexcept>
#include <string>

class EWindowError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};
