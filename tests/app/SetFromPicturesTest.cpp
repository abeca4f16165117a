// A card set made from a folder of the player's pictures, as the options
// panel's maker makes it (without its dialogs): what it takes, what it
// leaves out, which pictures pair up, and that the set it writes is listed
// and plays to the end.
#include "PrivateFolders.h"
#include "game/NullView.h"
#include "platform/TempFolder.h"

#include "app/CardsObj.h"
#include "app/SetFromPictures.h"
#include "game/CardSetInfo.h"
#include "game/Game.h"
#include "platform/UserFolders.h"

#include <QFile>
#include <QFileInfo>
#include <QPainter>

#include <gtest/gtest.h>

#include <fstream>

namespace fs = std::filesystem;

namespace {

// A picture told apart from the others by its colours and a bar's place.
QImage Picture(int i, QSize size)
{
    QImage image(size, QImage::Format_ARGB32);
    image.fill(QColor::fromHsv((i * 37) % 360, 200, 220));
    QPainter(&image).fillRect(QRect(i * size.width() / 12, 0, size.width() / 12, size.height()), Qt::black);
    return image;
}

std::vector<std::string> Local(const QStringList& files)
{
    std::vector<std::string> local;
    for (const QString& file : files)
        local.push_back(QFile::encodeName(file).toStdString());
    return local;
}

TEST(SetFromPictures, GoodPicturesMakeAListedSetThatPlays)
{
    TTempFolder root;
    UsePrivateFolders(root.Path);
    const fs::path pictures = root.Path / "Holiday";
    fs::create_directories(pictures);
    // Nine pictures of four kinds, wide, tall and small; a folder and a text
    // file that are not pictures.
    const char* formats[] = {"png", "jpg", "bmp"};
    for (int i = 0; i < 9; ++i) {
        const QSize size = i % 3 == 0 ? QSize(1200, 900) : i % 3 == 1 ? QSize(300, 700) : QSize(50, 40);
        const fs::path file = pictures / ("img" + std::to_string(i + 1) + "." + formats[i % 3]);
        if (i != 2) {
            ASSERT_TRUE(Picture(i, size).save(QString::fromStdString(file.string())));
        }
    }
    // Qt writes no GIF: one red pixel, by hand. Header, screen 1 x 1 with a
    // two-colour table (red, black), an image of 1 x 1, its LZW data (clear,
    // colour 0, end), the trailer.
    std::ofstream(pictures / "img3.gif", std::ios::binary)
        << std::string("GIF89a\x01\x00\x01\x00\x80\x00\x00" "\xff\x00\x00\x00\x00\x00"
                       ",\x00\x00\x00\x00\x01\x00\x01\x00\x00" "\x02\x02\x44\x01\x00" ";", 35);
    // A pair whose two cards differ.
    ASSERT_TRUE(Picture(10, {400, 300}).save(QString::fromStdString((pictures / "dog.a.png").string())));
    ASSERT_TRUE(Picture(11, {400, 300}).save(QString::fromStdString((pictures / "dog.b.png").string())));
    // Half a pair: cat.b cannot be read, so cat.a is left out with it.
    ASSERT_TRUE(Picture(12, {400, 300}).save(QString::fromStdString((pictures / "cat.a.png").string())));
    std::ofstream(pictures / "cat.b.png", std::ios::binary) << "not a PNG";
    fs::copy_file(pictures / "img2.jpg", pictures / "img10 copy.jpg");          // the same picture again
    std::ofstream(pictures / "img11.jpg", std::ios::binary) << "not a JPEG";      // unreadable
    std::ofstream(pictures / "notes.txt") << "holiday";
    fs::create_directories(pictures / "more.png");

    const QStringList found = PictureFilesIn(QString::fromStdString(pictures.string()));
    ASSERT_EQ(found.size(), 15);
    EXPECT_TRUE(found[5].endsWith(QStringLiteral("/img2.jpg"))); // natural order: img2 before img10
    EXPECT_TRUE(found[13].endsWith(QStringLiteral("/img10 copy.jpg")));

    const fs::path out = UserCardsFolder() / "holiday.crd";
    TSetRequest request {Local(found), "Holiday", out.string()};

    // Stopped at once: nothing is written.
    std::atomic<bool> cancel {true};
    EXPECT_TRUE(MakeSetFromPictures(request, {}, cancel).Cancelled);
    EXPECT_FALSE(fs::exists(out));

    cancel = false;
    int lastDone = 0, lastTotal = 0;
    const TMadeSet made = MakeSetFromPictures(request, [&](int done, int total) { lastDone = done, lastTotal = total; },
                                              cancel);
    EXPECT_EQ(lastDone, 15);
    EXPECT_EQ(lastTotal, 15);
    ASSERT_TRUE(made.Saved);
    EXPECT_EQ(made.Pairs, 10);
    std::vector<std::string> skipped;
    for (const TSkippedPicture& picture : made.Skipped)
        skipped.push_back(QFileInfo(picture.File).fileName().toStdString());
    EXPECT_EQ(skipped, (std::vector<std::string> {"cat.b.png", "cat.a.png", "img10 copy.jpg", "img11.jpg"}));
    ASSERT_EQ(made.Skipped.size(), 4u);
    EXPECT_TRUE(made.Skipped[1].Reason.contains(QStringLiteral("cat.b.png")));
    EXPECT_TRUE(made.Skipped[2].Reason.contains(QStringLiteral("img2.jpg"))) << made.Skipped[2].Reason.toStdString();

    // Listed after the program's sets, and it plays to the end.
    const fs::path programCards = root.Path / "cards";
    fs::create_directories(programCards);
    TCardSets sets;
    const std::int32_t index = BuildCardSets({programCards.string(), UserCardsFolder().string()}, "holiday.crd", sets);
    ASSERT_EQ(sets.size(), 1u);
    EXPECT_EQ(sets[index].SetName, "Holiday");
    EXPECT_EQ(sets[index].ImageCount, 10);
    {
        TLumResFileReader archive(sets[index].FileName);
        EXPECT_TRUE(ReadCardSetInfo(archive).SecondFaces);
        EXPECT_EQ(archive.EntryCount(), FirstFaceEntry + 2 * 10);
    }
    EXPECT_EQ(sets[index].CardWidth, MadeCardSize.width());
    EXPECT_EQ(sets[index].CardHeight, MadeCardSize.height());

    TNullView view;
    TSettings settings;
    settings.ComputerPlays = false;
    settings.PairCount = 8;
    TRandom random;
    TGame game(view, settings, random);
    game.WorkAreaWidth = 1024;
    game.WorkAreaHeight = 738;
    game.Players[1].Name = "Ann";
    game.Players[2].Name = "Bo";
    game.NewGame1Click(sets[index].FileName);
    for (std::int32_t pair = 1; pair <= 8; ++pair) {
        for (std::int32_t r = 0; r < game.Rows; ++r)
            for (std::int32_t c = 0; c < game.Cols; ++c)
                if (game.CellPair[r][c] == pair && game.CellState[r][c] == 1)
                    game.MGridSelectCell(c, r);
        game.close_pair();
    }
    EXPECT_TRUE(game.GameOver);
    EXPECT_EQ(game.PairsFound, 8);
}

TEST(SetFromPictures, TallAndWidePicturesFillTheCardWithoutBars)
{
    for (const QSize size : {QSize(300, 900), QSize(900, 100), QSize(20, 15)}) {
        QImage picture(size, QImage::Format_RGB32);
        picture.fill(Qt::red);
        const QImage card = FitToCard(picture, MadeCardSize);
        ASSERT_EQ(card.size(), MadeCardSize);
        for (const QPoint corner : {QPoint(0, 0), QPoint(159, 119), QPoint(0, 119), QPoint(159, 0)})
            EXPECT_EQ(card.pixel(corner), QColor(Qt::red).rgb()) << size.width() << "x" << size.height();
    }
}

// Only two files that differ in nothing but ".a" and ".b" make a pair of
// two pictures; nothing an ordinary photo's name looks like does.
TEST(SetFromPictures, OnlyExactAAndBTwinsPairUp)
{
    const std::vector<std::string> files = {
        "/p/dog.b.jpg", "/p/cat.a.png", "/p/dog.A.png", "/p/IMG_0001.jpg", "/p/lone.a.png",
        "/p/two.a.png", "/p/two.a.jpg", "/p/two.b.png", "/p/q/cat.b.png", "/p/.a.png", "/p/b.a.b.png",
    };
    const std::vector<TPicturePair> pairs = PairPictures(files);
    std::vector<std::pair<std::string, std::string>> got;
    for (const TPicturePair& pair : pairs)
        got.emplace_back(pair.First, pair.Second);
    const std::vector<std::pair<std::string, std::string>> expected = {
        {"/p/dog.A.png", "/p/dog.b.jpg"}, // in the place of its first file
        {"/p/cat.a.png", ""},             // its twin is in another folder
        {"/p/IMG_0001.jpg", ""},
        {"/p/lone.a.png", ""},
        {"/p/two.a.png", ""}, // side a claimed twice: no pair
        {"/p/two.a.jpg", ""},
        {"/p/two.b.png", ""},
        {"/p/q/cat.b.png", ""},
        {"/p/.a.png", ""},
        {"/p/b.a.b.png", ""},
    };
    EXPECT_EQ(got, expected);
    EXPECT_EQ(SetFileNameFor("Our Holiday: Crete 2024!"), "our-holiday-crete-2024.crd");
    EXPECT_EQ(SetFileNameFor("Ünïcode ☃"), "n-code.crd");
    EXPECT_EQ(SetFileNameFor("***"), "pictures.crd");
}

} // namespace
