#include "engine/trials/parallel/parallel_runs.h"

#include <atomic>
#include <condition_variable>
#include <exception>
#include <mutex>
#include <optional>
#include <system_error>
#include <thread>

#include "engine/mixed_trial_run.h"
#include "engine/trials/jump/twister_jump.h"
#include "engine/trials/parallel/run_split.h"
#include "engine/trials/trial_session.h"

namespace kestavel {

namespace {

// The runs a thread has yet to do, next to end - 1: it claims each before doing it. A thread that
// runs out may take the later part of another's, lowering its end, and jump its own engine there.
struct Claim {
    size_t next = 0;
    size_t end = 0;
    bool ownerless = false;  // its thread could not be started: taken whole by another
};

// What the threads share. Each run's counts are written by the one thread that claimed it, and
// read once every thread is joined.
class SharedWork {
public:
    SharedWork(const RunPlan& plan, const std::mt19937& start, uint64_t jumpDraws)
        : plan(plan), path(ActiveTrialPath()), start(start), before(DrawsBefore(plan)), cost(CostBefore(plan)),
          counts(plan.runs.size()),
          jumpDraws_(jumpDraws) {}

    const RunPlan& plan;
    // Read once, here, so that every thread runs the path the calling thread would.
    const TrialPath path;
    const std::mt19937 start;
    const std::vector<uint64_t> before;  // where each run starts in the engine's sequence: jumps
    const std::vector<uint64_t> cost;    // and in time: the shares and the takings
    std::vector<RunCounts> counts;
    std::atomic<int32_t> runsDone{0};

    void Share(const std::vector<RunStretch>& stretches) {
        for (const RunStretch& s : stretches) claims_.push_back(Claim{s.first, s.end});
    }

    std::optional<size_t> ClaimNext(size_t thread) {
        std::lock_guard lock(mutex_);
        Claim& claim = claims_[thread];
        if (claim.next >= claim.end) return std::nullopt;
        return claim.next++;
    }

    // For a thread that has run out: the later part of the claim with the most time left, when
    // that is worth a jump (a claim without a thread whatever is left), its first run claimed
    // already, so that every taking makes headway.
    std::optional<size_t> TakeLaterPart(size_t thread) {
        std::lock_guard lock(mutex_);
        Claim* taken = nullptr;
        uint64_t most = 0;
        for (Claim& claim : claims_) {
            if (claim.next >= claim.end) continue;
            const uint64_t left = cost[claim.end] - cost[claim.next];
            if (claim.ownerless || left > most) {
                taken = &claim;
                most = left;
            }
            if (claim.ownerless) break;
        }
        if (taken == nullptr) return std::nullopt;
        size_t from = taken->next;
        if (!taken->ownerless) {
            if (!WorthTakingPart(most, jumpDraws_)) return std::nullopt;
            from = std::max(from, RunNear(cost, cost[taken->end] - (most - jumpDraws_) / 2));
            if (from >= taken->end) return std::nullopt;
        }
        claims_[thread] = Claim{from + 1, taken->end};
        taken->end = from;
        return from;
    }

    void ThreadStarting() {
        std::lock_guard lock(mutex_);
        ++threadsWorking_;
    }
    // No thread to be had: its claim goes whole to whichever thread runs out first.
    void ThreadNotStarted(size_t thread) {
        std::lock_guard lock(mutex_);
        --threadsWorking_;
        claims_[thread].ownerless = true;
    }

    void ThreadFinished(std::exception_ptr failure) {
        std::lock_guard lock(mutex_);
        if (failure && !failure_) failure_ = failure;
        --threadsWorking_;
        threadFinished_.notify_one();
    }

    // Until every started thread has finished, `whileWaiting` every 50 ms.
    template <typename WhileWaiting>
    void AwaitThreads(WhileWaiting whileWaiting) {
        std::unique_lock lock(mutex_);
        while (!threadFinished_.wait_for(lock, std::chrono::milliseconds(50), [&] { return threadsWorking_ == 0; })) {
            lock.unlock();
            whileWaiting();
            lock.lock();
        }
        if (failure_) std::rethrow_exception(failure_);
    }

    // The engine after the plan's last run, from the thread that did it.
    void KeepEnd(const std::mt19937& engine) {
        std::lock_guard lock(mutex_);
        end_ = engine;
    }
    std::optional<std::mt19937> End() {
        std::lock_guard lock(mutex_);
        return end_;
    }

private:
    const uint64_t jumpDraws_;
    std::mutex mutex_;
    std::condition_variable threadFinished_;
    std::vector<Claim> claims_;
    int32_t threadsWorking_ = 0;
    std::exception_ptr failure_;
    std::optional<std::mt19937> end_;
};

// One thread's share: its stretch, then what it can take from others, each part's runs one after
// another through one session, from an engine jumped to the part's first run.
template <typename AfterEachRun>
void Work(SharedWork& work, size_t thread, AfterEachRun afterEachRun) {
    std::mt19937 engine = work.start;
    size_t at = 0;  // the run the engine stands at
    for (std::optional<size_t> first = work.ClaimNext(thread); first; first = work.TakeLaterPart(thread)) {
        if (*first < at) {
            engine = work.start;
            at = 0;
        }
        JumpAhead(engine, work.before[*first] - work.before[at]);
        TrialSession session(engine, work.path);
        for (std::optional<size_t> run = first; run; run = work.ClaimNext(thread)) {
            const PlannedRun& planned = work.plan.runs[*run];
            if (planned.listed.empty()) {
                work.counts[*run] = session.Run(work.plan.allySpeed, planned.enemySpeed, planned.enemyCount);
            } else {
                session.Finish();  // the mixed loop draws straight from the engine
                work.counts[*run] = SimulateMixedRun(work.plan.allySpeed, planned.listed, engine);
            }
            at = *run + 1;
            work.runsDone.fetch_add(1);
            afterEachRun();
        }
        session.Finish();
        if (at == work.plan.runs.size()) work.KeepEnd(engine);
    }
}

// Threads that are joined on every way out, a failure of the calling thread's own runs included.
class JoinedThreads {
public:
    ~JoinedThreads() {
        for (std::thread& thread : threads_) thread.join();
    }
    template <typename Body>
    void Start(Body body) { threads_.emplace_back(std::move(body)); }
    void Reserve(size_t count) { threads_.reserve(count); }

private:
    std::vector<std::thread> threads_;
};

}  // namespace

std::vector<RunCounts> RunInParallel(const RunPlan& plan, std::mt19937& engine, const Parallelism& parallelism,
                                     const RunsDoneProgress& progress) {
    SharedWork work(plan, engine, parallelism.jumpDraws);
    const std::vector<RunStretch> stretches = SplitRuns(work.cost, parallelism.threads, parallelism.jumpDraws);
    work.Share(stretches);
    int32_t reported = -1;
    const auto report = [&] {
        const int32_t done = work.runsDone.load();
        if (!progress || done == reported) return;
        progress(done);
        reported = done;
    };

    {
        JoinedThreads threads;
        threads.Reserve(stretches.size());
        for (size_t k = 1; k < stretches.size(); ++k) {
            work.ThreadStarting();
            try {
                threads.Start([&work, k] {
                    std::exception_ptr failure;
                    try {
                        Work(work, k, [] {});
                    } catch (...) {
                        failure = std::current_exception();
                    }
                    work.ThreadFinished(failure);
                });
            } catch (const std::system_error&) {
                work.ThreadNotStarted(k);
            }
        }
        Work(work, 0, report);
        work.AwaitThreads(report);
    }
    if (const std::optional<std::mt19937> end = work.End()) engine = *end;
    report();
    return std::move(work.counts);
}

}  // namespace kestavel
