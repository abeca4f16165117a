#include "Support/TestSkin.h"

#include "app/Sounds.h"

#include <QTest>

#include <gtest/gtest.h>

#include <cstdint>
#include <fstream>
#include <vector>

namespace fs = std::filesystem;

namespace {

// A short 16-bit mono PCM wave of silence, header field by field.
void WriteWave(const fs::path& file)
{
    const std::uint32_t samples = 800;
    const std::uint32_t dataBytes = samples * 2;
    std::vector<std::uint8_t> bytes;
    const auto u32 = [&](std::uint32_t v) {
        for (int i = 0; i < 4; ++i)
            bytes.push_back(static_cast<std::uint8_t>(v >> (8 * i)));
    };
    const auto u16 = [&](std::uint16_t v) {
        bytes.push_back(static_cast<std::uint8_t>(v));
        bytes.push_back(static_cast<std::uint8_t>(v >> 8));
    };
    const auto tag = [&](const char* t) { bytes.insert(bytes.end(), t, t + 4); };
    tag("RIFF");
    u32(36 + dataBytes); // size of everything after this field
    tag("WAVE");
    tag("fmt ");
    u32(16);        // format chunk size
    u16(1);         // PCM
    u16(1);         // mono
    u32(8000);      // sample rate
    u32(16000);     // bytes per second
    u16(2);         // block align
    u16(16);        // bits per sample
    tag("data");
    u32(dataBytes);
    bytes.resize(bytes.size() + dataBytes, 0);
    std::ofstream(file, std::ios::binary).write(reinterpret_cast<const char*>(bytes.data()),
                                                static_cast<std::streamsize>(bytes.size()));
}

TEST(Sounds, BothFilesAreNeededForAnySound)
{
    const fs::path folder = FreshTestFolder();
    WriteWave(folder / "good.wav");
    TSounds onlyGood;
    onlyGood.Open(folder.string() + "/");
    EXPECT_FALSE(onlyGood.Available());
    onlyGood.PlayGood(); // silent, and no crash without a device
    onlyGood.PlayBad();

    WriteWave(folder / "bad.wav");
    TSounds both;
    both.Open(folder.string() + "/");
    // The files decode without an audio device; playing then is silent.
    QTest::qWait(200);
    EXPECT_TRUE(both.Available());
    both.PlayGood();
    both.PlayGood();
    both.PlayBad();
}

TEST(Sounds, AFileThatIsNotAWaveSilencesBoth)
{
    const fs::path folder = FreshTestFolder();
    WriteWave(folder / "good.wav");
    std::ofstream(folder / "bad.wav") << "not a wave file";
    TSounds sounds;
    sounds.Open(folder.string() + "/");
    EXPECT_TRUE(QTest::qWaitFor([&]() { return !sounds.Available(); }, 3000));
}

} // namespace
