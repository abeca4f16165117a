#pragma once
// The one exception type of the resources layer: a failure to read or decode
// outside bytes. The message is meant for the user.

#include <stdexcept>
#include <string>

class EResourceError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};
