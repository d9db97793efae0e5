#pragma once

#include <cstddef>
#include <utility>
#include <vector>

namespace orv {

/// In-place quicksort of items[0..count-1], ascending by `key(item)`, shared by the date
/// list and the holiday list. Ties keep no particular order. The pending ranges live on
/// an explicit stack; the smaller side is sorted first, so the stack stays logarithmic.
template <typename T, typename KeyOf>
void QuickSortByKey(T* items, std::ptrdiff_t count, KeyOf key)
{
    if (count < 2)
        return;
    std::vector<std::pair<std::ptrdiff_t, std::ptrdiff_t>> pending;
    std::ptrdiff_t lo = 0;
    std::ptrdiff_t hi = count - 1;
    for (;;) {
        while (lo < hi) {
            const auto pivot = key(items[lo + (hi - lo) / 2]);
            std::ptrdiff_t i = lo;
            std::ptrdiff_t j = hi;
            do {
                // The bounds checks only matter for keys without an order (NaN).
                while (i < hi && key(items[i]) < pivot)
                    ++i;
                while (j > lo && pivot < key(items[j]))
                    --j;
                if (i <= j) {
                    std::swap(items[i], items[j]);
                    ++i;
                    --j;
                }
            } while (i <= j);
            if (j - lo < hi - i) {
                if (i < hi)
                    pending.emplace_back(i, hi);
                hi = j;
            } else {
                if (lo < j)
                    pending.emplace_back(lo, j);
                lo = i;
            }
        }
        if (pending.empty())
            return;
        lo = pending.back().first;
        hi = pending.back().second;
        pending.pop_back();
    }
}

} // namespace orv
