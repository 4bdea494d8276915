#include "platform/Parallel.h"

#include <algorithm>
#include <atomic>
#include <system_error>
#include <thread>
#include <vector>

namespace torva {

void forEachIndex(std::size_t count, std::size_t atOnce,
                  const std::function<void(std::size_t)>& work) {
    std::atomic<std::size_t> next{0};
    auto some = [&] {
        for (std::size_t i = next++; i < count; i = next++) {
            work(i);
        }
    };
    // A thread for every eight calls at most: a few calls are not worth one.
    const std::size_t threads = std::min(atOnce, count / 8 + 1);
    std::vector<std::thread> helpers;
    try {
        for (std::size_t n = 1; n < threads; ++n) {
            helpers.emplace_back(some);
        }
    } catch (const std::system_error&) {
    }
    some();
    for (std::thread& t : helpers) {
        t.join();
    }
}

}  // namespace torva
