// The program's windows on a screen of two pixels per unit (QT_SCALE_FACTOR
// 2, offscreen): a grab of the window shows the bar with the very pixels of the
// skin drawn at twice the resolution, and a card set with only ordinary
// faces blown up smoothly, not in blocks.
#include "ProgramRun.h"

#include "app/MainF.h"
#include "app/BoardGrid.h"
#include "controls/LumBitmap.h"
#include "controls/LumSharpSkin.h"
#include "resources/Bitmap.h"
#include "resources/LumRes.h"

#include <QApplication>
#include <QPixmap>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <optional>

namespace fs = std::filesystem;

namespace {

QApplication& ScaledApp()
{
    static int argc = 1;
    static char name[] = "test_e2e";
    static char* argv[] = {name, nullptr};
    static QApplication* app = [] {
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
        setenv("QT_SCALE_FACTOR", "2", 1);
        return new QApplication(argc, argv);
    }();
    return *app;
}

QImage SkinPicture(const std::string& archive, std::int32_t entry)
{
    TLumResFileReader skin(archive);
    TMemoryStream stream;
    skin.CopyEntry(entry, stream);
    stream.SetPosition(0);
    TBitmap picture;
    picture.LoadFromStream(stream);
    return ToQImage(picture.Pixels()).convertToFormat(QImage::Format_RGB32);
}

// Where a row changes over two pixels, the share of places where it stays
// the same over the first: about half or more for a picture blown up in
// blocks (each of its pixels repeated), little for one blown up smoothly.
double RepeatedPixels(const QImage& image)
{
    int changes = 0;
    int repeats = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x + 2 < image.width(); ++x)
            if (image.pixel(x, y) != image.pixel(x + 2, y)) {
                ++changes;
                repeats += image.pixel(x, y) == image.pixel(x + 1, y);
            }
    return changes ? static_cast<double>(repeats) / changes : 1;
}

TEST(HighDpiE2e, AtScaleTwoTheSkinIsTheSharpOneAndFacesAreSmooth)
{
    ASSERT_TRUE(fs::exists(RunDir + "/kobalind@2x.dat")) << "build the content first: " << RunDir;
    ScaledApp();
    const TFreshHome home("highdpi");
    setenv("XDG_CONFIG_HOME", (home.Path() / "config").c_str(), 1);
    TLumResFileReader skin(RunDir + "/kobalind.dat");
    std::optional<TMainForm> built;
    {
        const TSharpSkin sharp(RunDir + "/kobalind@2x.dat");
        // A work area in units as large as the X tests' screen, whatever the offscreen one is.
        built.emplace(skin, RunDir + "/", TWorkArea {0, 0, 1280, 1024});
    }
    TMainForm& form = *built;
    form.show();
    for (int round = 0; round < 5; ++round)
        QCoreApplication::processEvents();

    // The window as it paints itself (the offscreen screen's own grab cuts a
    // scaled window to its size in units).
    const QPixmap screen = form.grab();
    ASSERT_EQ(screen.devicePixelRatio(), 2);
    EXPECT_EQ(screen.size(), QSize(490, 450) * 2);
    const QImage shot = screen.toImage().convertToFormat(QImage::Format_RGB32);

    // The bar's left end (its "About" and "Exit" buttons, clear of the status
    // line) pixel for pixel as the sharp skin has it.
    const QImage bar = SkinPicture(RunDir + "/kobalind@2x.dat", 11);
    const QRect barPlace((shot.width() - bar.width()) / 2, shot.height() - bar.height(), 140, bar.height());
    int different = 0;
    for (int y = 0; y < barPlace.height(); ++y)
        for (int x = 0; x < barPlace.width(); ++x)
            different += shot.pixel(barPlace.x() + x, barPlace.y() + y) != bar.pixel(x, y);
    EXPECT_EQ(different, 0) << "the bar is not the sharp skin's";

    // A deal of bitmap faces of one pixel per unit.
    const auto set = std::find_if(form.CardSets().begin(), form.CardSets().end(),
                                  [](const TCardsObj& s) { return s.FileName.ends_with("/travel.crd"); });
    ASSERT_NE(set, form.CardSets().end());
    form.Settings().PairCount = 8;
    form.Settings().ComputerPlays = false;
    form.Game().NewGame1Click(set->FileName);
    form.Game().GameActive = false; // the finished board shows every face
    const QImage board = form.MGrid->grab().toImage().convertToFormat(QImage::Format_RGB32);
    ASSERT_EQ(board.size(), form.MGrid->size() * 2);
    const QRect cell = form.MGrid->CellRect(0, 0);
    const QImage face = board.copy(QRect(cell.topLeft() * 2, cell.size() * 2));
    EXPECT_LT(RepeatedPixels(face), 0.4) << "the face was blown up in blocks";
}

} // namespace
