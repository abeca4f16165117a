#pragma once
// The file-name rules of the maker of card sets from pictures: which chosen
// files make one card each and which make a pair whose two cards differ, and
// the file name a new set gets from its name. Nothing here reads a file.

#include <string>
#include <vector>

// One pair of the set to be: First shows on both cards, unless Second is
// given, which then shows on the pair's other card.
struct TPicturePair {
    std::string First;
    std::string Second; // empty: both cards alike
};

// Pairs the files as the maker's help says: two files whose names differ only
// in ".a" and ".b" just before the extension ("dog.a.png" and "dog.b.jpg", in
// any letter case) make one pair that differs; every other file, including a
// lone "x.a.png" and any side that more than one file claims, is a pair of its
// own. The order is that of the first file of each pair in files.
std::vector<TPicturePair> PairPictures(const std::vector<std::string>& files);

// A file name for a set called setName: its ASCII letters and digits in lower
// case, any run of other characters as one '-', at most 40 characters, then
// ".crd"; "pictures.crd" when nothing is left.
std::string SetFileNameFor(const std::string& setName);

// fileName when taken is false for it, else the first of "name-2.crd",
// "name-3.crd", ... for which it is.
template <typename F>
std::string FreeSetFileName(const std::string& fileName, F taken)
{
    if (!taken(fileName))
        return fileName;
    const std::string stem = fileName.substr(0, fileName.size() - 4);
    for (int n = 2;; ++n) {
        const std::string candidate = stem + "-" + std::to_string(n) + ".crd";
        if (!taken(candidate))
            return candidate;
    }
}
