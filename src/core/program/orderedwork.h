// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <algorithm>
#include <condition_variable>
#include <functional>
#include <mutex>
#include <optional>
#include <thread>
#include <vector>

namespace vendrilo {

// How many threads independent work may use: one per processor.
inline int processorCount()
{
    return std::max(1, static_cast<int>(std::thread::hardware_concurrency()));
}

// Runs make(worker, i) for i = 0 .. count - 1 on `workers` threads and hands each result to
// take(i, result) on the calling thread, strictly in the order of i, as soon as it is there; so
// the caller sees the same sequence as from a plain loop. take returning false ends the work:
// no further item starts, the running ones finish and are dropped. Workers run at most a few
// items ahead of take, which bounds the results held. `worker` (0 .. workers - 1) lets each
// thread keep its own scratch objects.
template <typename Result>
void runInOrder(int count, int workers, const std::function<Result(int worker, int i)>& make,
                const std::function<bool(int i, Result& result)>& take)
{
    std::mutex mutex;
    std::condition_variable changed;
    std::vector<std::optional<Result>> done(static_cast<std::size_t>(std::max(count, 0)));
    int next = 0;  // the next item to start
    int taken = 0; // items handed to take
    bool stop = false;
    const int ahead = 4 * workers;

    auto work = [&](int worker) {
        for (;;) {
            int i = 0;
            {
                std::unique_lock lock(mutex);
                changed.wait(lock, [&] { return stop || next >= count || next < taken + ahead; });
                if (stop || next >= count)
                    return;
                i = next++;
            }
            Result result = make(worker, i);
            {
                const std::lock_guard lock(mutex);
                done[static_cast<std::size_t>(i)] = std::move(result);
            }
            changed.notify_all();
        }
    };
    std::vector<std::jthread> threads;
    for (int w = 0; w < workers; ++w)
        threads.emplace_back(work, w);

    for (int i = 0; i < count; ++i) {
        std::optional<Result> result;
        {
            std::unique_lock lock(mutex);
            auto& slot = done[static_cast<std::size_t>(i)];
            changed.wait(lock, [&] { return slot.has_value(); });
            result = std::move(slot);
            slot.reset();
            taken = i + 1;
        }
        changed.notify_all();
        if (!take(i, *result)) {
            const std::lock_guard lock(mutex);
            stop = true;
            break;
        }
    }
    changed.notify_all();
    // The threads are joined here, before the state they share goes out of scope.
}

} // namespace vendrilo
