#pragma once

#include <cstdio>

namespace torva::bench {

// The targets of a benchmark: each printed with its figure and MET or
// MISSED; allMet decides the exit status.
struct Verdicts {
    bool allMet = true;

    void check(const char* target, double figure, double limit, const char* unit = "") {
        const bool met = figure <= limit;
        allMet = allMet && met;
        std::printf("TARGET %-58s %8.2f%s (limit %.2f%s)  %s\n", target, figure, unit, limit, unit,
                    met ? "MET" : "MISSED");
    }
};

}  // namespace torva::bench
