// Benchmarks of the program over its default content (the runnable folder),
// in-process on the offscreen platform. bench/app_startup.sh measures the
// real process start in Xvfb. Run with QT_SCALE_FACTOR=2 for a screen of two
// pixels per unit (the peak memory of the animated game then includes the
// sharp skin and the four times larger window).
#include "app/AppWindows.h"
#include "app/BoardGrid.h"
#include "app/FaceOverlay.h"
#include "controls/LumSharpSkin.h"
#include "game/CardSetInfo.h"
#include "resources/LumRes.h"

#include "PrivateFolders.h"

#include <QApplication>
#include <QPaintEvent>
#include <QTimer>

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <memory>

#include <sys/resource.h>

namespace fs = std::filesystem;

namespace {

const std::string RunDir = std::string(KOBALIND_RUN_DIR) + "/";
const TWorkArea Screen {0, 0, 1280, 1024};

QApplication& App()
{
    static int argc = 1;
    static char name[] = "bench_app";
    static char* argv[] = {name, nullptr};
    static QApplication* app = [] {
        setenv("QT_QPA_PLATFORM", "offscreen", 0);
        // Fresh each run: no saved game or records of an earlier run.
        const fs::path home = fs::temp_directory_path() / "kobalind-bench-home";
        fs::remove_all(home);
        UsePrivateFolders(home);
        return new QApplication(argc, argv);
    }();
    return *app;
}

std::unique_ptr<TMainForm> MakeForm()
{
    App();
    TLumResFileReader skin(RunDir + "kobalind.dat");
    const TSharpSkin sharp(RunDir + "kobalind@2x.dat");
    auto form = std::make_unique<TMainForm>(skin, RunDir, Screen);
    form->OnMessage = [](const std::string& text) { std::fprintf(stderr, "message: %s\n", text.c_str()); };
    form->OnShowScore = [] {};
    return form;
}

// The catalogue entry of the first default set of a face type (1 GIF, 2 JPEG, other bitmap).
int SetOfType(const TMainForm& form, int faceType)
{
    for (std::size_t i = 0; i < form.CardSets().size(); ++i) {
        TLumResFileReader reader(form.CardSets()[i].FileName);
        const int type = ReadCardSetInfo(reader).FaceType;
        if (type == faceType || (faceType == 0 && type != 1 && type != 2))
            return static_cast<int>(i);
    }
    return -1;
}

// A shown window and the number of its first default set of a face type;
// Set is -1, and the benchmark marked skipped, when there is no such set.
struct TShownForm {
    std::unique_ptr<TMainForm> Form;
    int Set = -1;
};

TShownForm ShownFormWithSet(int faceType, benchmark::State& state)
{
    TShownForm shown {MakeForm(), -1};
    shown.Form->show();
    shown.Set = SetOfType(*shown.Form, faceType);
    if (shown.Set < 0)
        state.SkipWithError("no default set of this face type");
    return shown;
}

void Deal(TMainForm& form, int set, int pairs, bool computer)
{
    form.Settings().PairCount = pairs;
    form.Settings().ComputerPlays = computer;
    form.Settings().SelectedCardSet = set;
    form.Game().NewGame1Click(form.CardSets()[static_cast<std::size_t>(set)].FileName);
}

// Paints the window once, as the first show does.
class TPaintWatcher : public QObject {
public:
    bool Painted = false;
    bool eventFilter(QObject*, QEvent* event) override
    {
        Painted = Painted || event->type() == QEvent::Paint;
        return false;
    }
};

void BM_StartUpToFirstPaint(benchmark::State& state)
{
    App();
    for (auto _ : state) {
        TLumResFileReader skin(RunDir + "kobalind.dat");
        TAppWindows windows(skin, RunDir);
        TPaintWatcher watcher;
        windows.MainForm->installEventFilter(&watcher);
        windows.MainForm->show();
        while (!watcher.Painted)
            QCoreApplication::processEvents();
        windows.MainForm->removeEventFilter(&watcher);
    }
}
BENCHMARK(BM_StartUpToFirstPaint)->Unit(benchmark::kMillisecond);

void BM_Deal60Pairs(benchmark::State& state)
{
    const auto [form, set] = ShownFormWithSet(static_cast<int>(state.range(0)), state);
    if (set < 0)
        return;
    // 60 pairs, or as many as a smaller set can fill.
    const TCardsObj& info = form->CardSets()[static_cast<std::size_t>(set)];
    const int pairs = std::min(60, LargestOfferedPairCount(info.ImageCount));
    for (auto _ : state)
        Deal(*form, set, pairs, false);
    state.SetLabel(info.SetName + ", " + std::to_string(pairs) + " pairs");
}
BENCHMARK(BM_Deal60Pairs)->Arg(1)->Arg(2)->Arg(0)->Unit(benchmark::kMillisecond);

// The finished board: every one of the 120 cells decodes its GIF face and
// paints its still.
void BM_EndOfGameRepaint120GifStills(benchmark::State& state)
{
    const auto [form, set] = ShownFormWithSet(1, state);
    if (set < 0)
        return;
    for (auto _ : state) {
        state.PauseTiming();
        Deal(*form, set, 60, false);
        form->Game().GameActive = false;
        state.ResumeTiming();
        const QPixmap board = form->MGrid->grab();
        benchmark::DoNotOptimize(board);
    }
}
BENCHMARK(BM_EndOfGameRepaint120GifStills)->Unit(benchmark::kMillisecond);

// Later repaints of the same finished board (the window uncovered, say).
void BM_FinishedBoardRepaint(benchmark::State& state)
{
    const auto [form, set] = ShownFormWithSet(1, state);
    if (set < 0)
        return;
    Deal(*form, set, 60, false);
    form->Game().GameActive = false;
    form->MGrid->grab();
    for (auto _ : state) {
        const QPixmap board = form->MGrid->grab();
        benchmark::DoNotOptimize(board);
    }
}
BENCHMARK(BM_FinishedBoardRepaint)->Unit(benchmark::kMillisecond);

// A whole 60-pair game of animated faces, played pair by pair with the
// frames flowing; reports the process's peak resident memory.
void BM_WholeAnimatedGamePeakMemory(benchmark::State& state)
{
    const auto [form, set] = ShownFormWithSet(1, state);
    if (set < 0)
        return;
    for (auto _ : state) {
        Deal(*form, set, 60, false);
        TGame& game = form->Game();
        for (int pair = 1; pair <= 60; ++pair) {
            for (int row = 0; row < game.Rows; ++row)
                for (int col = 0; col < game.Cols; ++col)
                    if (game.CellPair[row][col] == pair && game.CellState[row][col] == 1)
                        game.MGridSelectCell(col, row);
            // Let a few frames of both animations arrive and paint.
            QTimer wait;
            wait.setSingleShot(true);
            wait.start(40);
            while (wait.isActive())
                QCoreApplication::processEvents();
            form->grab();
            game.close_pair();
        }
        form->MGrid->grab();
    }
    rusage usage {};
    getrusage(RUSAGE_SELF, &usage);
    state.counters["peak_MB"] = static_cast<double>(usage.ru_maxrss) / 1024.0;
}
BENCHMARK(BM_WholeAnimatedGamePeakMemory)->Unit(benchmark::kMillisecond)->Iterations(1);

} // namespace
