#include "engine/trials/parallel/parallel_runs.h"

#include <atomic>
#include <condition_variable>
#include <exception>
#include <mutex>
#include <system_error>
#include <thread>

#include "engine/mixed_trial_run.h"
#include "engine/trials/jump/twister_jump.h"
#include "engine/trials/parallel/run_split.h"
#include "engine/trials/trial_session.h"

namespace kestavel {

namespace {

// What the threads share. Each run's counts are written by the one thread that does it, and read
// once every thread is joined.
struct SharedWork {
    SharedWork(const RunPlan& plan, TrialPath path) : plan(plan), path(path), counts(plan.runs.size()) {}

    const RunPlan& plan;
    TrialPath path;
    std::vector<RunCounts> counts;
    std::atomic<int32_t> runsDone{0};
    std::mutex mutex;
    std::condition_variable threadFinished;
    int32_t threadsWorking = 0;  // under `mutex`
};

// The runs of `stretch`, one after another from `engine`, which stands at the first of them.
template <typename AfterEachRun>
void DoStretch(SharedWork& work, const RunStretch& stretch, std::mt19937& engine, AfterEachRun afterEachRun) {
    TrialSession session(engine, work.path);
    for (size_t i = stretch.first; i < stretch.end; ++i) {
        const PlannedRun& run = work.plan.runs[i];
        if (run.listed.empty()) {
            work.counts[i] = session.Run(work.plan.allySpeed, run.enemySpeed, run.enemyCount);
        } else {
            session.Finish();  // the mixed loop draws straight from the engine
            work.counts[i] = SimulateMixedRun(work.plan.allySpeed, run.listed, engine);
        }
        work.runsDone.fetch_add(1);
        afterEachRun();
    }
}

// Threads that are joined on every way out, a failure of the calling thread's own runs included.
class JoinedThreads {
public:
    explicit JoinedThreads(size_t count) { threads_.reserve(count); }
    ~JoinedThreads() { JoinAll(); }
    JoinedThreads(const JoinedThreads&) = delete;
    JoinedThreads& operator=(const JoinedThreads&) = delete;

    template <typename Body>
    void Start(Body body) { threads_.emplace_back(std::move(body)); }
    void JoinAll() {
        for (std::thread& thread : threads_) {
            if (thread.joinable()) thread.join();
        }
    }

private:
    std::vector<std::thread> threads_;
};

}  // namespace

std::vector<RunCounts> RunInParallel(const RunPlan& plan, std::mt19937& engine, const Parallelism& parallelism,
                                     const RunsDoneProgress& progress) {
    // The path is read once, here, so that every thread runs the one the calling thread would.
    SharedWork work(plan, ActiveTrialPath());
    const std::vector<RunStretch> stretches = SplitRuns(plan, parallelism.threads, parallelism.jumpDraws);
    int32_t reported = -1;
    const auto report = [&] {
        const int32_t done = work.runsDone.load();
        if (!progress || done == reported) return;
        progress(done);
        reported = done;
    };

    // Every stretch after the first gets its own engine, copied before the calling thread draws.
    std::vector<std::mt19937> engines(stretches.size(), engine);
    std::vector<std::exception_ptr> failures(stretches.size());
    std::vector<size_t> leftToCaller;
    const auto otherStretch = [&](size_t k) {
        JumpAhead(engines[k], stretches[k].startDraw);
        DoStretch(work, stretches[k], engines[k], [] {});
    };
    JoinedThreads threads(stretches.size());
    for (size_t k = 1; k < stretches.size(); ++k) {
        {
            std::lock_guard lock(work.mutex);
            ++work.threadsWorking;
        }
        try {
            threads.Start([&, k] {
                try {
                    otherStretch(k);
                } catch (...) {
                    failures[k] = std::current_exception();
                }
                std::lock_guard lock(work.mutex);
                --work.threadsWorking;
                work.threadFinished.notify_one();
            });
        } catch (const std::system_error&) {
            // No thread to be had: the calling thread does this stretch after its own.
            std::lock_guard lock(work.mutex);
            --work.threadsWorking;
            leftToCaller.push_back(k);
        }
    }

    DoStretch(work, stretches[0], engine, report);
    for (size_t k : leftToCaller) {
        otherStretch(k);
        report();
    }
    {
        std::unique_lock lock(work.mutex);
        while (!work.threadFinished.wait_for(lock, std::chrono::milliseconds(50), [&] { return work.threadsWorking == 0; })) {
            lock.unlock();
            report();
            lock.lock();
        }
    }
    threads.JoinAll();
    for (const std::exception_ptr& failure : failures) {
        if (failure) std::rethrow_exception(failure);
    }
    // The last stretch ends where the last run leaves the engine.
    if (stretches.size() > 1) engine = engines.back();
    report();
    return std::move(work.counts);
}

}  // namespace kestavel
