#pragma once
// The one exception type of the platform layer: a failure of the key store
// or of reading a platform file. The message names the value or file.

#include <stdexcept>
#include <string>

class EPlatformError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};
