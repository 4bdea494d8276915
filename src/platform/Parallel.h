#pragma once

#include <cstddef>
#include <functional>

// Work on many files at once, for disks that make each call wait.
namespace torva {

// Calls work(i) for every i below count, on up to atOnce threads (this one
// among them); returns when all are done. Without threads to be had, the
// ones there do the rest.
void forEachIndex(std::size_t count, std::size_t atOnce,
                  const std::function<void(std::size_t)>& work);

}  // namespace torva
