#pragma once
// Decoding hand-made bytes in the picture tests.

#include "resources/ResourceError.h"
#include "resources/Stream.h"

#include <cstdint>
#include <string>
#include <vector>

// The bytes decoded into a new picture of type TPicture; throws as its loader does.
template <class TPicture>
TPicture LoadPicture(const std::vector<std::uint8_t>& bytes)
{
    TMemoryStream stream(bytes);
    TPicture picture;
    picture.LoadFromStream(stream);
    return picture;
}

// The message of the EResourceError that decoding the bytes as TPicture
// throws, or "no error".
template <class TPicture>
std::string LoadError(const std::vector<std::uint8_t>& bytes)
{
    try {
        LoadPicture<TPicture>(bytes);
    } catch (const EResourceError& e) {
        return e.what();
    }
    return "no error";
}
