#pragma once

#include <algorithm>
#include <cstdint>
#include <vector>

namespace lumeno {

// A collapse of place `from` into place `to` at its cost, valid while neither place has
// changed since: `stamps` is the sum of their change counts then (counts only grow, so an
// equal sum means both are unchanged).
struct Candidate
{
    float cost;
    float length; // of the edge, squared
    uint32_t from, to;
    uint32_t stamps;
};

// Cheapest first; of equal costs (a flat region costs nothing), the shortest edge, so that
// flat regions shrink evenly instead of into fans of slivers; then by places, so that the
// order is the same on every machine.
struct Later
{
    bool operator()(const Candidate &a, const Candidate &b) const
    {
        if (a.cost != b.cost)
            return a.cost > b.cost;
        if (a.length != b.length)
            return a.length > b.length;
        if (a.from != b.from)
            return a.from > b.from;
        return a.to > b.to;
    }
};

// A binary heap of candidates in which changed ones stay until they come to the top and are
// dropped (lazy deletion), and are swept out when they have come to outnumber the others.
class CollapseHeap
{
public:
    void Assign(std::vector<Candidate> &&all)
    {
        entries = std::move(all);
        std::make_heap(entries.begin(), entries.end(), Later());
        sweepAt = std::max<size_t>(2 * entries.size(), 1 << 16);
    }
    bool Empty() const { return entries.empty(); }
    void Push(const Candidate &c)
    {
        entries.push_back(c);
        std::push_heap(entries.begin(), entries.end(), Later());
    }
    Candidate Pop()
    {
        std::pop_heap(entries.begin(), entries.end(), Later());
        const Candidate top = entries.back();
        entries.pop_back();
        return top;
    }
    // Drops the candidates `stale` answers true for, when there are many.
    template <typename Stale>
    void Sweep(Stale stale)
    {
        if (entries.size() < sweepAt)
            return;
        entries.erase(std::remove_if(entries.begin(), entries.end(), stale), entries.end());
        std::make_heap(entries.begin(), entries.end(), Later());
        sweepAt = std::max<size_t>(2 * entries.size(), 1 << 16);
    }

private:
    std::vector<Candidate> entries;
    size_t sweepAt = 1 << 16;
};

} // namespace lumeno
