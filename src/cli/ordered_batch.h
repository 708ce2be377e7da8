// Work on many items at once, delivered one by one in the items' order: a batch of models runs on
// every core while its output reads exactly as one model after another would have written it.
#pragma once

#include <condition_variable>
#include <cstddef>
#include <exception>
#include <functional>
#include <mutex>
#include <optional>
#include <thread>
#include <vector>

namespace flowmar::cli {

// How far the workers may run ahead of delivery, per worker: enough that a slow item does not
// idle the others, few enough that a batch of a hundred thousand models does not hold all its
// output at once.
inline constexpr std::size_t kItemsAheadPerWorker = 32;

// Calls work(i) for i in 0..count-1 on `jobs` threads (none beyond the caller's for one job) and
// deliver(result) on the caller's thread for i in order, each as soon as it and every item before
// it are done. An exception from work reaches the caller at its item's turn; the items after it
// are not delivered.
template <class Result>
void runInOrder(std::size_t count, unsigned jobs, const std::function<Result(std::size_t)>& work,
                const std::function<void(Result&)>& deliver) {
    if (jobs <= 1 || count <= 1) {
        for (std::size_t i = 0; i < count; ++i) {
            Result result = work(i);
            deliver(result);
        }
        return;
    }
    struct Slot {
        std::optional<Result> result;
        std::exception_ptr fault;
        bool done = false;
    };
    std::vector<Slot> slots(count);
    std::mutex mutex;
    std::condition_variable finished; // an item is done: the deliverer may go on
    std::condition_variable advanced; // an item was delivered: a worker may start further ahead
    std::size_t next = 0;
    std::size_t delivered = 0;
    bool stopping = false;
    const std::size_t ahead = kItemsAheadPerWorker * jobs;

    const auto worker = [&] {
        for (;;) {
            std::size_t i = 0;
            {
                std::unique_lock lock(mutex);
                advanced.wait(
                    lock, [&] { return stopping || next >= count || next < delivered + ahead; });
                if (stopping || next >= count) {
                    return;
                }
                i = next++;
            }
            Slot produced;
            try {
                produced.result.emplace(work(i));
            } catch (...) {
                produced.fault = std::current_exception();
            }
            produced.done = true;
            {
                const std::lock_guard lock(mutex);
                slots[i] = std::move(produced);
            }
            finished.notify_one();
        }
    };

    std::vector<std::thread> workers;
    const std::size_t threads = std::min<std::size_t>(jobs, count);
    workers.reserve(threads);
    for (std::size_t t = 0; t < threads; ++t) {
        workers.emplace_back(worker);
    }
    const auto stop = [&] {
        {
            const std::lock_guard lock(mutex);
            stopping = true;
        }
        advanced.notify_all();
        for (std::thread& t : workers) {
            t.join();
        }
    };
    try {
        for (std::size_t i = 0; i < count; ++i) {
            Slot slot;
            {
                std::unique_lock lock(mutex);
                finished.wait(lock, [&] { return slots[i].done; });
                slot = std::move(slots[i]);
                slots[i] = Slot{};
                delivered = i + 1;
            }
            advanced.notify_all();
            if (slot.fault) {
                std::rethrow_exception(slot.fault);
            }
            deliver(*slot.result);
        }
    } catch (...) {
        stop();
        throw;
    }
    stop();
}

} // namespace flowmar::cli
