#include "WindowsTestSupport.h"
#include "../resources/PictureTestSupport.h"

#include "controls/LumCursors.h"
#include "resources/LumResWriter.h"

#include <gtest/gtest.h>

namespace {

// The program's two cursor slots (the application itself is QtTestApp's).
class TCursorEnvironment : public ::testing::Environment {
public:
    void SetUp() override
    {
        RegisterCursor(1, QCursor(Qt::OpenHandCursor));
        RegisterCursor(2, QCursor(Qt::PointingHandCursor));
    }
};

const auto* const Registered = ::testing::AddGlobalTestEnvironment(new TCursorEnvironment);

} // namespace

QColor SkinColour(int entry)
{
    return QColor(QColor::fromHsv((entry * 37) % 360, 200, 100 + (entry * 5) % 150).rgb());
}

std::vector<std::uint8_t> MakeTestSkin(int entryCount)
{
    TLumResWriter writer;
    for (int entry = 0; entry < entryCount; ++entry) {
        int width = 13, height = 12;
        switch (entry) {
        case 18: width = 385; height = 53; break;
        case 22: width = 60; height = 20; break;
        case 23: width = AboutTitleWidth; height = 16; break;
        case 29: width = HelpTitleWidth; height = 16; break;
        case 30: width = ScoreTitleWidth; height = 16; break;
        default: break;
        }
        writer.AddBitmap(SolidBitmapFile(width, height, SkinColour(entry).rgb()));
    }
    return writer.Bytes();
}

TTestSkin::TTestSkin(int entryCount) : Stream(MakeTestSkin(entryCount))
{
    Reader.Stream = &Stream;
    Reader.ReadHeader();
}
