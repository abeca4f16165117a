// Cards that move on the largest board (120 cards of the default animated
// set): how evenly the frames of a flip, of a miss turning back and of a
// found pair's exit come, and what the board costs in CPU and timer wake-ups
// while it sits idle and while two animated faces play, motion on and off.
// Real time, real timers. A frame is a paint of the board; at 60 Hz a gap of
// more than one refresh between two frames drops the refreshes in between.
#include "app/BoardGrid.h"
#include "app/CardAnimator.h"
#include "app/FaceOverlay.h"
#include "app/MainF.h"
#include "app/MotionView.h"
#include "game/CardSetInfo.h"
#include "resources/LumRes.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEvent>
#include <QEventLoop>
#include <QTimer>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <memory>

#include <sys/resource.h>

namespace fs = std::filesystem;

namespace {

const std::string RunDir = std::string(KOBALIND_RUN_DIR) + "/";
constexpr double RefreshMs = 1000.0 / 60.0;

void StartApp()
{
    static int argc = 1;
    static char name[] = "bench_motion";
    static char* argv[] = {name, nullptr};
    static QApplication* app = [] {
        setenv("QT_QPA_PLATFORM", "offscreen", 0);
        const fs::path config = fs::temp_directory_path() / "kobalind-bench-motion";
        fs::create_directories(config);
        setenv("XDG_CONFIG_HOME", config.c_str(), 1);
        setenv("XDG_STATE_HOME", config.c_str(), 1);
        return new QApplication(argc, argv);
    }();
    (void)app;
}

// Notes the time of every paint of one widget and counts every timer event
// the application delivers.
class TWatch : public QObject {
public:
    explicit TWatch(QWidget* board) : Board(board)
    {
        Clock.start();
        QCoreApplication::instance()->installEventFilter(this);
    }
    ~TWatch() override { QCoreApplication::instance()->removeEventFilter(this); }

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (watched == Board && event->type() == QEvent::Paint)
            Paints.push_back(Clock.nsecsElapsed() / 1e6);
        if (event->type() == QEvent::Timer)
            ++Timers;
        return false;
    }
    double Now() const { return Clock.nsecsElapsed() / 1e6; }

    QWidget* Board;
    QElapsedTimer Clock;
    std::vector<double> Paints; // ms
    long Timers = 0;
};

struct TPacing {
    int Frames = 0;
    double LongestGapMs = 0;   // between two frames, or from the start to the first
    double LongestFrameMs = 0; // one pass of the event loop that painted
    int Dropped = 0;
};

// Runs the event loop until nothing moves; times every frame from the moment
// the movement began.
TPacing Pace(TMainForm& form, TWatch& watch, double startMs)
{
    watch.Paints.clear();
    TPacing pacing;
    double last = startMs;
    while (!form.Motion->Animator().Idle() || watch.Paints.empty()) {
        const double before = watch.Now();
        const std::size_t painted = watch.Paints.size();
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
        if (watch.Paints.size() > painted)
            pacing.LongestFrameMs = std::max(pacing.LongestFrameMs, watch.Now() - before);
        if (watch.Now() - startMs > 5000)
            break;
    }
    for (const double at : watch.Paints) {
        const double gap = at - last;
        pacing.LongestGapMs = std::max(pacing.LongestGapMs, gap);
        pacing.Dropped += std::max(0, static_cast<int>(std::ceil(gap / RefreshMs - 0.05)) - 1);
        last = at;
    }
    pacing.Frames = static_cast<int>(watch.Paints.size());
    return pacing;
}

void Report(benchmark::State& state, const char* name, const TPacing& pacing)
{
    const std::string n(name);
    state.counters[n + "_frames"] = pacing.Frames;
    state.counters[n + "_gap_ms"] = pacing.LongestGapMs;
    state.counters[n + "_frame_ms"] = pacing.LongestFrameMs;
    state.counters[n + "_dropped"] = pacing.Dropped;
}

double CpuMs()
{
    rusage usage {};
    getrusage(RUSAGE_SELF, &usage);
    return (usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) * 1e3
        + (usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e3;
}

// CPU milliseconds and timer events per second of the event loop left to itself.
std::pair<double, double> Idle(TWatch& watch, double seconds)
{
    const long timers = watch.Timers;
    const double cpu = CpuMs();
    QEventLoop loop;
    QTimer::singleShot(static_cast<int>(seconds * 1000), &loop, &QEventLoop::quit); // one wake-up of its own
    loop.exec();
    return {(CpuMs() - cpu) / seconds, (watch.Timers - timers) / seconds};
}

struct TBoard {
    std::unique_ptr<TMainForm> Form;
    int Set = -1;
};

// The window showing a fresh 60-pair deal of the first animated default set, humans only.
TBoard DealLargest(bool motion, benchmark::State& state)
{
    StartApp();
    TLumResFileReader skin(RunDir + "kobalind.dat");
    TBoard board {std::make_unique<TMainForm>(skin, RunDir, TWorkArea {0, 0, 1280, 1024}), -1};
    TMainForm& form = *board.Form;
    form.OnMessage = [](const std::string& text) { std::fprintf(stderr, "message: %s\n", text.c_str()); };
    form.OnShowScore = [] {};
    form.show();
    for (std::size_t i = 0; i < form.CardSets().size() && board.Set < 0; ++i) {
        TLumResFileReader reader(form.CardSets()[i].FileName);
        if (ReadCardSetInfo(reader).FaceType == 1 && form.CardSets()[i].ImageCount >= 60)
            board.Set = static_cast<int>(i);
    }
    if (board.Set < 0) {
        state.SkipWithError("no animated default set of 60 faces");
        return board;
    }
    form.Settings().PairCount = 60;
    form.Settings().ComputerPlays = false;
    form.Settings().MotionOn = motion;
    form.Settings().DelayIndex = 8; // the faces stay up while they are measured
    form.Game().NewGame1Click(form.CardSets()[static_cast<std::size_t>(board.Set)].FileName);
    for (int i = 0; i < 10; ++i)
        QCoreApplication::processEvents();
    return board;
}

// The cells of a pair, {col, row} each.
std::vector<std::pair<int, int>> CellsOf(const TGame& game, int pair)
{
    std::vector<std::pair<int, int>> cells;
    for (int row = 0; row < game.Rows; ++row)
        for (int col = 0; col < game.Cols; ++col)
            if (game.CellPair[row][col] == pair)
                cells.emplace_back(col, row);
    return cells;
}

void BM_MotionFramePacing120Cards(benchmark::State& state)
{
    for (auto _ : state) {
        const TBoard board = DealLargest(true, state);
        if (board.Set < 0)
            return;
        TMainForm& form = *board.Form;
        TGame& game = form.Game();
        TWatch watch(form.MGrid);
        const auto a = CellsOf(game, 1);
        const auto b = CellsOf(game, 2);
        // The first card up and playing; the second flips beside it.
        game.MGridSelectCell(a[0].first, a[0].second);
        Pace(form, watch, watch.Now());
        double start = watch.Now();
        game.MGridSelectCell(b[0].first, b[0].second);
        Report(state, "flip", Pace(form, watch, start));
        state.counters["gifs_playing"] = form.Panel1->isVisible() + form.Panel2->isVisible();
        // The miss turns back: both cards flip at once.
        start = watch.Now();
        game.close_pair();
        Report(state, "back", Pace(form, watch, start));
        // A found pair leaves.
        game.MGridSelectCell(a[0].first, a[0].second);
        game.MGridSelectCell(a[1].first, a[1].second);
        Pace(form, watch, watch.Now());
        start = watch.Now();
        game.close_pair();
        Report(state, "exit", Pace(form, watch, start));
    }
}
BENCHMARK(BM_MotionFramePacing120Cards)->Unit(benchmark::kMillisecond)->Iterations(1);

// Argument: motion off (0) or on (1).
void BM_MotionCpu120Cards(benchmark::State& state)
{
    for (auto _ : state) {
        const TBoard board = DealLargest(state.range(0) != 0, state);
        if (board.Set < 0)
            return;
        TMainForm& form = *board.Form;
        TGame& game = form.Game();
        TWatch watch(form.MGrid);
        const auto [idleCpu, idleTimers] = Idle(watch, 2);
        state.counters["idle_cpu_ms_per_s"] = idleCpu;
        state.counters["idle_timers_per_s"] = idleTimers;
        const auto a = CellsOf(game, 1);
        const auto b = CellsOf(game, 2);
        game.MGridSelectCell(a[0].first, a[0].second);
        game.MGridSelectCell(b[0].first, b[0].second);
        Idle(watch, 0.5); // the flips end, both faces play
        const auto [gifCpu, gifTimers] = Idle(watch, 3);
        state.counters["two_gifs_cpu_ms_per_s"] = gifCpu;
        state.counters["two_gifs_timers_per_s"] = gifTimers;
        state.counters["gifs_playing"] = form.Panel1->isVisible() + form.Panel2->isVisible();
        state.counters["animator_awake"] = form.Motion->Animator().TimerRunning();
    }
}
BENCHMARK(BM_MotionCpu120Cards)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->Iterations(1);

} // namespace
