#pragma once
// The one exception type of the controls layer: a picture handed to a
// control that cannot be used (for example a pixel buffer that does not hold
// Width x Height words). The message is meant for the developer.

#include <stdexcept>

class EControlError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};
