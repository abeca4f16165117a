#include "app/CardAnimator.h"

#include <QElapsedTimer>

#include <algorithm>
#include <memory>

TCardAnimator::TCardAnimator(QObject* parent) : QObject(parent)
{
    Timer.setSingleShot(true);
    // A coarse timer may wait up to 5% longer, which a 16 ms frame cannot spare.
    Timer.setTimerType(Qt::PreciseTimer);
    connect(&Timer, &QTimer::timeout, this, [this]() { Tick(); });
    auto started = std::make_shared<QElapsedTimer>();
    started->start();
    Clock = [started]() { return started->elapsed(); };
}

void TCardAnimator::SetClock(TClock clock)
{
    Clock = std::move(clock);
}

void TCardAnimator::Start(int col, int row, TMotionKind kind, std::int64_t startMs)
{
    std::erase_if(Motions, [col, row](const TMotion& m) { return m.Col == col && m.Row == row; });
    Motions.push_back({col, row, kind, startMs});
    if (OnRepaint)
        OnRepaint(col, row);
    Schedule();
}

void TCardAnimator::Clear()
{
    Motions.clear();
    Timer.stop();
}

std::optional<TMotionFrame> TCardAnimator::FrameFor(int col, int row) const
{
    for (const TMotion& m : Motions)
        if (m.Col == col && m.Row == row)
            return MotionFrameAt(m.Kind, Clock() - m.Start);
    return std::nullopt;
}

bool TCardAnimator::AnyMoving(TMotionKind kind) const
{
    return std::any_of(Motions.begin(), Motions.end(), [kind](const TMotion& m) { return m.Kind == kind; });
}

std::int64_t TCardAnimator::EndOfAll() const
{
    std::int64_t end = Clock();
    for (const TMotion& m : Motions)
        end = std::max(end, m.End());
    return end;
}

void TCardAnimator::Tick()
{
    const std::int64_t now = Clock();
    std::vector<TMotion> ended;
    for (const TMotion& m : Motions)
        if (m.Start <= now && OnRepaint)
            OnRepaint(m.Col, m.Row);
    for (auto it = Motions.begin(); it != Motions.end();) {
        if (it->End() <= now) {
            ended.push_back(*it);
            it = Motions.erase(it);
        } else {
            ++it;
        }
    }
    std::stable_sort(ended.begin(), ended.end(), [](const TMotion& a, const TMotion& b) { return a.End() < b.End(); });
    // An ending may start or clear movements: the list is settled before anyone hears of it.
    for (const TMotion& m : ended)
        if (OnFinished)
            OnFinished(m.Col, m.Row, m.Kind);
    Schedule();
}

void TCardAnimator::Schedule()
{
    const std::int64_t now = Clock();
    std::optional<std::int64_t> next;
    for (const TMotion& m : Motions) {
        // A movement under way wants its next frame, on a grid counted from its
        // start so the time a frame takes does not push the next one back; one
        // still to come wants its start.
        const std::int64_t due = m.Start <= now ? std::min(m.Start + ((now - m.Start) / FrameMs + 1) * FrameMs, m.End())
                                                : m.Start;
        next = next ? std::min(*next, due) : due;
    }
    if (!next) {
        Timer.stop();
        return;
    }
    Timer.start(static_cast<int>(std::max<std::int64_t>(*next - now, 0)));
}
