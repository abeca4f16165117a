#include "resources/ResourceError.h"
#include "resources/Stream.h"

#include "platform/FifoAt.h"

#include <gtest/gtest.h>

#include <unistd.h>

TEST(MemoryStream, WritePastEndFillsGapWithZeros)
{
    TMemoryStream s;
    s.SetPosition(3);
    s.Write("ab", 2);
    EXPECT_EQ(s.Data(), (std::vector<std::uint8_t>{0, 0, 0, 'a', 'b'}));
    EXPECT_EQ(s.Position(), 5);
}

TEST(MemoryStream, ReadStopsAtEndAndReadBufferThrows)
{
    TMemoryStream s({1, 2, 3});
    std::uint8_t buf[8] = {};
    s.SetPosition(1);
    EXPECT_EQ(s.Read(buf, sizeof buf), 2u);
    EXPECT_EQ(buf[0], 2);
    EXPECT_EQ(s.Read(buf, sizeof buf), 0u);
    s.SetPosition(2);
    EXPECT_THROW(s.ReadBuffer(buf, 2), EResourceError);
}

TEST(FileStream, MissingFileThrowsWithItsName)
{
    try {
        TFileStream f("/nonexistent/kobalind/file.crd");
        FAIL() << "no error";
    } catch (const EResourceError& e) {
        EXPECT_NE(std::string(e.what()).find("/nonexistent/kobalind/file.crd"), std::string::npos);
    }
}

// A FIFO where an archive should be (a skin, a card set) is refused at once.
TEST(FileStream, AFifoIsRefusedWithoutWaitingForAWriter)
{
    const std::filesystem::path fifo = std::filesystem::temp_directory_path()
                                       / ("kobalind-fifo-" + std::to_string(::getpid())) / "set.crd";
    {
        const TFifoAt at(fifo);
        EXPECT_THROW(TFileStream stream(fifo.string()), EResourceError);
        EXPECT_FALSE(at.Blocked());
    }
    std::filesystem::remove_all(fifo.parent_path());
}
