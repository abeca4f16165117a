// The program's windows on a screen of two pixels per unit (QT_SCALE_FACTOR
// 2, offscreen): a grab of the window shows the bar and a default set's back
// and face with the very pixels of their versions drawn at twice the resolution, a
// turned animated face plays at twice the resolution, and a card set with
// only ordinary faces is blown up smoothly, not in blocks.
#include "PrivateFolders.h"
#include "ProgramRun.h"

#include "app/MainF.h"
#include "app/BoardGrid.h"
#include "app/FaceOverlay.h"
#include "controls/LumBitmap.h"
#include "controls/LumSharpSkin.h"
#include "resources/Bitmap.h"
#include "resources/LumRes.h"

#include <QApplication>
#include <QPixmap>

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
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
        auto* made = new QApplication(argc, argv);
        // Read once by the application; the programs the other tests start
        // inherit this process's environment and must run at scale 1.
        unsetenv("QT_SCALE_FACTOR");
        return made;
    }();
    return *app;
}

QImage ArchivePicture(const std::string& archive, std::int32_t entry)
{
    TLumResFileReader skin(archive);
    TMemoryStream stream;
    skin.CopyEntry(entry, stream);
    stream.SetPosition(0);
    TBitmap picture;
    picture.LoadFromStream(stream);
    return ToQImage(picture.Pixels()).convertToFormat(QImage::Format_RGB32);
}

// Outside flat stretches, the share of pixels that equal their right-hand
// neighbour, at the column parity where that is highest: every one for a
// picture blown up in 2 x 2 blocks, few for one blown up smoothly.
double BlockRepeats(const QImage& image)
{
    std::array<int, 2> places {};
    std::array<int, 2> repeats {};
    for (int y = 0; y < image.height(); ++y)
        for (int x = 1; x + 2 < image.width(); ++x) {
            const QRgb left = image.pixel(x - 1, y), here = image.pixel(x, y);
            const QRgb right = image.pixel(x + 1, y), beyond = image.pixel(x + 2, y);
            if (left == here && here == right && right == beyond)
                continue;
            ++places[x % 2];
            repeats[x % 2] += here == right;
        }
    double most = 0;
    for (int parity = 0; parity < 2; ++parity)
        if (places[parity])
            most = std::max(most, static_cast<double>(repeats[parity]) / places[parity]);
    return most;
}

TEST(HighDpiE2e, AtScaleTwoSkinAndDefaultFacesAreTheSharpOnesAndOtherFacesSmooth)
{
    ASSERT_TRUE(fs::exists(RunDir + "/kobalind@2x.dat")) << "build the content first: " << RunDir;
    ScaledApp();
    const TFreshHome home("highdpi");
    UsePrivateFolders(home.Path());
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
    const QImage bar = ArchivePicture(RunDir + "/kobalind@2x.dat", 11);
    const QRect barPlace((shot.width() - bar.width()) / 2, shot.height() - bar.height(), 140, bar.height());
    int different = 0;
    for (int y = 0; y < barPlace.height(); ++y)
        for (int x = 0; x < barPlace.width(); ++x)
            different += shot.pixel(barPlace.x() + x, barPlace.y() + y) != bar.pixel(x, y);
    EXPECT_EQ(different, 0) << "the bar is not the sharp skin's";

    // The first cell of a fresh board of bitmap faces (a back), and once
    // the game is over (a face), as the screen shows it.
    form.Settings().PairCount = 8;
    form.Settings().ComputerPlays = false;
    form.Settings().MotionOn = false; // each card is looked at as soon as it turns
    const auto firstCell = [&](bool finished) {
        form.Game().GameActive = !finished;
        const QImage board = form.MGrid->grab().toImage().convertToFormat(QImage::Format_RGB32);
        const QRect cell = form.MGrid->CellRect(0, 0);
        return board.copy(QRect(cell.topLeft() * 2, cell.size() * 2));
    };
    // The pixels that differ inside the rounded corners.
    const auto differences = [](const QImage& shown, const QImage& twin) {
        EXPECT_EQ(shown.size(), twin.size());
        const QRect inside = shown.rect().adjusted(24, 24, -24, -24) & twin.rect();
        int different = 0;
        for (int y = inside.top(); y <= inside.bottom(); ++y)
            for (int x = inside.left(); x <= inside.right(); ++x)
                different += shown.pixel(x, y) != twin.pixel(x, y);
        return different;
    };

    // A default set: its twin's back and face, pixel for pixel.
    const std::string travel = RunDir + "/cards/travel.crd";
    const std::string travelTwin = RunDir + "/cards/@2x/travel.crd";
    form.Game().NewGame1Click(travel);
    EXPECT_EQ(differences(firstCell(false), ArchivePicture(travelTwin, 2)), 0) << "the back is not the twin's";
    const TGame& game = form.Game();
    const std::int32_t entry = game.FaceEntries.at(static_cast<std::size_t>(game.CellPair[0][0] - 1));
    EXPECT_EQ(differences(firstCell(true), ArchivePicture(travelTwin, entry)), 0) << "the face is not the twin's";

    // A turned animated face plays its twin: every pixel of the frames shows.
    form.Game().NewGame1Click(RunDir + "/cards/animals.crd");
    form.Game().MGridSelectCell(0, 0);
    const TFaceImage& playing = *form.Panel1->Img();
    ASSERT_TRUE(form.Panel1->isVisible());
    EXPECT_EQ(playing.Frame().size(), playing.size() * 2);

    // A user's set without a twin: its faces blown up smoothly.
    const fs::path own = home.Path() / "own.crd";
    fs::copy_file(travel, own);
    form.Game().NewGame1Click(own.string());
    const QImage shown = firstCell(true);
    const std::int32_t ownEntry = game.FaceEntries.at(static_cast<std::size_t>(game.CellPair[0][0] - 1));
    const QImage blocks =
        ArchivePicture(own.string(), ownEntry).scaled(shown.size(), Qt::IgnoreAspectRatio, Qt::FastTransformation);
    EXPECT_GT(BlockRepeats(blocks), 0.9) << "the measure misses blocks";
    EXPECT_LT(BlockRepeats(shown), 0.9) << "the face was blown up in blocks";
}

} // namespace
