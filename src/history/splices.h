// A change between two sequences (a file's bytes, Today's List's entries) kept as
// the few runs that differ, so that what a step costs in memory follows what it
// changed and not the size of the file it changed.
#pragma once

#include <algorithm>
#include <cstddef>
#include <vector>

namespace pantrix {

template <typename Sequence> struct Splice
{
    std::size_t At = 0; // where the run starts in the older sequence
    Sequence Before;
    Sequence After;
};

template <typename Sequence> using Splices = std::vector<Splice<Sequence>>;

// Equal runs shorter than this between two changed runs are kept inside one
// splice: a record rewritten in place differs in a few scattered bytes.
inline constexpr std::size_t kSpliceGap = 16;

// The runs that turn `before` into `after`: the common start and end are left
// out; between them, sequences of equal length (records rewritten in place) keep
// only their changed runs, others one run for the whole middle.
template <typename Sequence>
Splices<Sequence> Difference(const Sequence& before, const Sequence& after)
{
    const std::size_t shorter = std::min(before.size(), after.size());
    std::size_t head = 0;
    while (head < shorter && before[head] == after[head])
        ++head;
    std::size_t tail = 0;
    while (tail < shorter - head &&
           before[before.size() - 1 - tail] == after[after.size() - 1 - tail])
        ++tail;
    const auto slice = [](const Sequence& s, std::size_t from, std::size_t to) {
        return Sequence(s.begin() + static_cast<std::ptrdiff_t>(from),
                        s.begin() + static_cast<std::ptrdiff_t>(to));
    };
    Splices<Sequence> runs;
    if (before.size() != after.size()) {
        runs.push_back({head, slice(before, head, before.size() - tail),
                        slice(after, head, after.size() - tail)});
        return runs;
    }
    const std::size_t end = before.size() - tail;
    for (std::size_t i = head; i < end;) {
        if (before[i] == after[i]) {
            ++i;
            continue;
        }
        std::size_t runEnd = i + 1, equal = 0;
        for (std::size_t j = i + 1; j < end && equal < kSpliceGap; ++j) {
            equal = before[j] == after[j] ? equal + 1 : 0;
            if (equal == 0)
                runEnd = j + 1;
        }
        runs.push_back({i, slice(before, i, runEnd), slice(after, i, runEnd)});
        i = runEnd;
    }
    return runs;
}

enum class Direction
{
    Back,   // from the newer sequence to the older: undo
    Forward // from the older to the newer: redo
};

// Whether `current` holds, at the runs' places, what the side we start from
// holds there: a sequence someone else changed is not patched blindly.
template <typename Sequence>
bool HoldsRuns(const Sequence& current, const Splices<Sequence>& runs, Direction direction)
{
    std::ptrdiff_t shift = 0;
    for (const Splice<Sequence>& run : runs) {
        const Sequence& expected = direction == Direction::Back ? run.After : run.Before;
        const std::size_t at =
            direction == Direction::Back ? run.At + static_cast<std::size_t>(shift) : run.At;
        if (at + expected.size() > current.size() ||
            !std::equal(expected.begin(), expected.end(),
                        current.begin() + static_cast<std::ptrdiff_t>(at)))
            return false;
        shift += static_cast<std::ptrdiff_t>(run.After.size()) -
                 static_cast<std::ptrdiff_t>(run.Before.size());
    }
    return true;
}

// `from` with the runs replaced by the other side's.
template <typename Sequence>
Sequence Applied(const Sequence& from, const Splices<Sequence>& runs, Direction direction)
{
    Sequence result;
    std::size_t cursor = 0;
    std::ptrdiff_t shift = 0;
    for (const Splice<Sequence>& run : runs) {
        const bool back = direction == Direction::Back;
        const Sequence& old = back ? run.After : run.Before;
        const Sequence& replacement = back ? run.Before : run.After;
        const std::size_t at = back ? run.At + static_cast<std::size_t>(shift) : run.At;
        result.insert(result.end(), from.begin() + static_cast<std::ptrdiff_t>(cursor),
                      from.begin() + static_cast<std::ptrdiff_t>(at));
        result.insert(result.end(), replacement.begin(), replacement.end());
        cursor = at + old.size();
        shift += static_cast<std::ptrdiff_t>(run.After.size()) -
                 static_cast<std::ptrdiff_t>(run.Before.size());
    }
    result.insert(result.end(), from.begin() + static_cast<std::ptrdiff_t>(cursor), from.end());
    return result;
}

} // namespace pantrix
