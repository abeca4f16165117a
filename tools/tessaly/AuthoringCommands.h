#pragma once
// The card-set authoring commands of tessaly: create a set from picture
// files, check that a set is playable, preview the boards it deals.

#include "Commands.h"

#include <cstdint>
#include <string>

// create --name NAME --link URL --back FILE --ad FILE [--compress] [--pairs] OUT.crd FACE...
// (with --pairs each FACE is FIRST:SECOND)
int CreateCommand(const TCommandArgs& args, std::ostream& out);
// check FILE.crd: one line per problem, and per warning (a face whose border
// differs from the others); status 0 only for a playable set, warnings or not.
int CheckCommand(const TCommandArgs& args, std::ostream& out);
// preview FILE.crd --screen WxH: "PAIRS ROWSxCOLS CELLWIDTHxCELLHEIGHT" per
// offered pair count the set can fill.
int PreviewCommand(const TCommandArgs& args, std::ostream& out);

// The face type a picture file's extension names (letter case ignored):
// 1 for .gif, 2 for .jpg and .jpeg, 0 for .bmp. Throws ETessalyError otherwise.
std::int32_t FaceTypeOfFile(const std::string& fileName);
// "GIF", "JPEG" or "bitmap", as the game reads the type.
std::string FaceTypeName(std::int32_t faceType);
