#pragma once
// Work items done on several threads and taken in their order: the files of a
// check, or the parts of one large file.
#include <condition_variable>
#include <cstddef>
#include <mutex>
#include <optional>
#include <thread>
#include <vector>

namespace cli {

//! Calls produce(i) for every i < count on up to `workers` threads and
//! consume(i, result) on the calling thread in the order of i, each as soon as
//! the ones before it are consumed. Producers run at most workers + 1 items
//! ahead of the consumer, so few results are held at once. With one worker
//! everything runs on the calling thread.
template <typename Produce, typename Consume>
void inOrder(std::size_t count, std::size_t workers, Produce produce, Consume consume) {
    using Result = decltype(produce(std::size_t{0}));
    if (workers <= 1 || count <= 1) {
        for (std::size_t i = 0; i < count; ++i) consume(i, produce(i));
        return;
    }
    std::vector<std::optional<Result>> done(count);
    std::mutex mutex;
    std::condition_variable changed;
    std::size_t next = 0;
    std::size_t consumed = 0;
    const std::size_t ahead = workers + 1;
    const auto work = [&] {
        for (;;) {
            std::size_t index = 0;
            {
                std::unique_lock lock(mutex);
                changed.wait(lock, [&] { return next >= count || next < consumed + ahead; });
                if (next >= count) return;
                index = next++;
            }
            Result result = produce(index);
            std::lock_guard lock(mutex);
            done[index].emplace(std::move(result));
            changed.notify_all();
        }
    };
    std::vector<std::jthread> pool;
    for (std::size_t i = 0; i < workers && i < count; ++i) pool.emplace_back(work);
    for (std::size_t index = 0; index < count; ++index) {
        std::optional<Result> result;
        {
            std::unique_lock lock(mutex);
            changed.wait(lock, [&] { return done[index].has_value(); });
            result.swap(done[index]);
            consumed = index + 1;
            changed.notify_all();
        }
        consume(index, std::move(*result));
    }
}

} // namespace cli
