#include "app/CardsObj.h"

#include "game/CardSetInfo.h"
#include "platform/Translate.h"
#include "resources/LumRes.h"
#include "resources/ResourceError.h"

#include <algorithm>
#include <filesystem>
#include <system_error>

namespace {

bool HasCardSetExtension(const std::string& name)
{
    if (name.size() < 4)
        return false;
    std::string ext = name.substr(name.size() - 4);
    for (char& c : ext)
        if (c >= 'A' && c <= 'Z')
            c = char(c - 'A' + 'a');
    return ext == ".crd";
}

} // namespace

bool ReadCardsObj(const std::string& fileName, TCardsObj& set)
{
    try {
        TLumResFileReader reader(fileName);
        const TCardSetInfo info = ReadCardSetInfo(reader);
        // A set whose cards have no size cannot be laid out; no real set has
        // a negative face count.
        if (info.Width <= 0 || info.Height <= 0 || info.FaceCount < 0)
            return false;
        set.FileName = fileName;
        set.SetName = info.Name;
        set.CardWidth = info.Width;
        set.CardHeight = info.Height;
        set.ImageCount = info.FaceCount;
        return true;
    } catch (const EResourceError&) {
        return false;
    }
}

std::int32_t PutCardSet(TCardSets& sets, TCardsObj set)
{
    const std::int32_t index = FindCardSet(sets, CardSetFileName(set));
    if (index >= 0) {
        sets[static_cast<std::size_t>(index)] = std::move(set);
        return index;
    }
    sets.push_back(std::move(set));
    return static_cast<std::int32_t>(sets.size()) - 1;
}

std::int32_t FindCardSet(const TCardSets& sets, const std::string& fileName)
{
    for (std::size_t i = 0; i < sets.size(); ++i)
        if (CardSetFileName(sets[i]) == fileName)
            return static_cast<std::int32_t>(i);
    return -1;
}

std::int32_t BuildCardSets(const std::vector<std::string>& cardsDirs, const std::string& rememberedName,
                           TCardSets& sets)
{
    sets.clear();
    for (const std::string& cardsDir : cardsDirs) {
        std::string folder = cardsDir;
        if (!folder.empty() && folder.back() != '/')
            folder += '/';
        std::error_code ec;
        std::filesystem::directory_iterator it(folder, ec);
        for (; !ec && it != std::filesystem::directory_iterator(); it.increment(ec)) {
            const std::string name = it->path().filename().string();
            std::error_code typeError;
            if (!HasCardSetExtension(name) || !it->is_regular_file(typeError))
                continue;
            TCardsObj set;
            if (ReadCardsObj(folder + name, set))
                PutCardSet(sets, std::move(set));
        }
    }
    return std::max(FindCardSet(sets, rememberedName), 0);
}

std::string CardSetFileName(const TCardsObj& set)
{
    return std::filesystem::path(set.FileName).filename().string();
}

std::int32_t PairCountIndex(std::int32_t pairCount)
{
    for (std::size_t i = 0; i < PairCounts.size(); ++i)
        if (PairCounts[i] == pairCount)
            return static_cast<std::int32_t>(i);
    return 0;
}

std::int32_t CapPairIndex(std::int32_t selectedIndex, std::int32_t imageCount)
{
    if (selectedIndex < 0 || selectedIndex >= static_cast<std::int32_t>(PairCounts.size()))
        return selectedIndex;
    for (std::int32_t i = selectedIndex; i >= 0; --i)
        if (PairCounts[i] <= imageCount)
            return i;
    return selectedIndex;
}

bool LacksImages(std::int32_t selectedIndex, std::int32_t imageCount)
{
    if (selectedIndex < 0 || selectedIndex >= static_cast<std::int32_t>(PairCounts.size()))
        return false;
    return imageCount < PairCounts[selectedIndex];
}

std::int32_t LargestOfferedPairCount(std::int32_t imageCount)
{
    const std::int32_t last = static_cast<std::int32_t>(PairCounts.size()) - 1;
    const std::int32_t index = CapPairIndex(last, imageCount);
    return PairCounts[index] <= imageCount ? PairCounts[index] : 0;
}

std::string NotEnoughImagesText(std::int32_t imageCount)
{
    const std::int32_t pairs = LargestOfferedPairCount(imageCount);
    if (pairs > 0)
        return FillIn(Tr("CardSet", "This set of cards does not contain enough images!\n\n"
                                    "It has %n picture(s), enough for %1 pairs.", nullptr, imageCount),
                      {std::to_string(pairs)});
    return FillIn(Tr("CardSet", "This set of cards does not contain enough images!\n\n"
                                "It has %n picture(s), and a game needs at least %1.", nullptr, imageCount),
                  {std::to_string(PairCounts[0])});
}

std::string UnusableSetText(const TCardsObj& set, const std::string& plain, const std::string& detail)
{
    if (plain.empty())
        //: %1: the card set's name, %2: the technical reason, which stays English.
        return FillIn(Tr("CardSet", "The set of cards \"%1\" cannot be used.\n\nDetails: %2"), {set.SetName, detail});
    //: %1: the card set's name, %2: why (a text of the CardSet context), %3: the technical reason, which stays English.
    return FillIn(Tr("CardSet", "The set of cards \"%1\" cannot be used: %2.\n\nDetails: %3"),
                  {set.SetName, plain, detail});
}

TPlayerEdits NamesForEdits(const TPlayers& players, bool computerPlays)
{
    const std::size_t first = computerPlays ? 2 : 1;
    TPlayerEdits edits;
    for (std::size_t i = 0; i < edits.size(); ++i)
        edits[i] = players[first + i].Name;
    return edits;
}

std::int32_t ApplyPlayerNames(TPlayers& players, const TPlayerEdits& edits, bool computerPlays)
{
    const std::size_t first = computerPlays ? 2 : 1;
    for (std::size_t i = 0; i < edits.size(); ++i)
        players[first + i].Name = edits[i];
    if (computerPlays)
        players[1].Name = Tr("Players", "Computer");
    return NamePlayers(players, computerPlays);
}
