#pragma once
// Work items done on several threads and taken in their order: the files of a
// check, or the parts of one large file.
#include <condition_variable>
#include <cstddef>
#include <exception>
#include <mutex>
#include <optional>
#include <thread>
#include <vector>

namespace cli {

//! Calls produce(i) for every i < count on up to `workers` threads and
//! consume(i, result) on the calling thread in the order of i, each as soon as
//! the ones before it are consumed. Producers run at most workers + 1 items
//! ahead of the consumer, so few results are held at once. With one worker
//! everything runs on the calling thread. An exception from produce or
//! consume stops the work and is thrown again on the calling thread, in the
//! place of the item that threw (so a failure costs only what follows it).
template <typename Produce, typename Consume>
void inOrder(std::size_t count, std::size_t workers, Produce produce, Consume consume) {
    using Result = decltype(produce(std::size_t{0}));
    if (workers <= 1 || count <= 1) {
        for (std::size_t i = 0; i < count; ++i) consume(i, produce(i));
        return;
    }
    std::vector<std::optional<Result>> done(count);
    std::vector<std::exception_ptr> failed(count);
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
            std::optional<Result> result;
            std::exception_ptr failure;
            try {
                result.emplace(produce(index));
            } catch (...) {
                failure = std::current_exception();
            }
            std::lock_guard lock(mutex);
            done[index].swap(result);
            failed[index] = failure;
            changed.notify_all();
        }
    };
    const auto stop = [&] {
        std::lock_guard lock(mutex);
        next = count;
        changed.notify_all();
    };
    std::vector<std::jthread> pool;
    for (std::size_t i = 0; i < workers && i < count; ++i) pool.emplace_back(work);
    try {
        for (std::size_t index = 0; index < count; ++index) {
            std::optional<Result> result;
            {
                std::unique_lock lock(mutex);
                changed.wait(lock, [&] { return done[index].has_value() || failed[index]; });
                if (failed[index]) std::rethrow_exception(failed[index]);
                result.swap(done[index]);
                consumed = index + 1;
                changed.notify_all();
            }
            consume(index, std::move(*result));
        }
    } catch (...) {
        stop(); // the workers end with the item they hold; the pool waits for them
        throw;
    }
}

} // namespace cli
