#pragma once
// Card-set archives and folders for the catalogue and settings tests: only
// entry 0, the record, matters to them.

#include "../platform/TempFolder.h"
#include "game/CardSetInfo.h"
#include "resources/LumResWriter.h"

#include <filesystem>
#include <fstream>
#include <string>

class TCardsTestFolder {
public:
    TCardsTestFolder() : Root(Folder.Path) { std::filesystem::create_directories(Cards()); }

    std::filesystem::path Cards() const { return Root / "cards"; }
    // The cards folder as the program names it: with a trailing delimiter.
    std::string CardsDir() const { return Cards().string() + "/"; }
    std::filesystem::path Config() const { return Root / "config"; }

    void AddSet(const std::string& fileName, const std::string& name, std::int32_t faces, std::int32_t width = 40,
                std::int32_t height = 30) const
    {
        TCardSetInfo info;
        info.Width = width;
        info.Height = height;
        info.FaceCount = faces;
        info.FaceType = 3;
        info.Name = name;
        TLumResWriter writer;
        writer.AddStored(MakeCardSetInfo(info));
        writer.SaveToFile((Cards() / fileName).string());
    }

    void AddFile(const std::string& fileName, const std::string& bytes) const
    {
        std::ofstream(Cards() / fileName, std::ios::binary) << bytes;
    }

private:
    TTempFolder Folder; // removed with everything in it at the end

public:
    std::filesystem::path Root;
};
