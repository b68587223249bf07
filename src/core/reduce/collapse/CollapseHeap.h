#pragma once

#include <algorithm>
#include <cassert>
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

// The candidates, cheapest first, in two tiers: a binary heap of the cheapest ones and an
// unordered pool of those that come after `bound`. Greedy collapse pops nearly in the order of
// cost and most new candidates cost more than the ones left, so the heap stays small enough for
// the cache and the pool takes them at the price of an append; when the heap runs dry, the next
// cheapest share of the pool is moved into it. The order is that of a single heap. Changed
// candidates stay until they come to the top (lazy deletion) or are swept out of the pool.
class CollapseHeap
{
public:
    void Assign(std::vector<Candidate> &&all)
    {
        pool = std::move(all);
        near.clear();
        bounded = false;
    }
    bool Empty() const { return near.empty() && pool.empty(); }
    // `stale` tells the changed ones: a full pool drops them before it grows (growing holds the
    // old block and one twice its size at once). The pool holds nearly every edge; it grows only
    // where that leaves it nearly full.
    template <typename Stale>
    void Push(const Candidate &c, Stale stale)
    {
        if (bounded && !Later()(bound, c)) {
            if (pool.size() == pool.capacity() && pool.size() >= MinimumRefill) {
                pool.erase(std::remove_if(pool.begin(), pool.end(), stale), pool.end());
                if (pool.size() > pool.capacity() - pool.capacity() / 16) // so that sweeps stay rare
                    pool.reserve(2 * pool.capacity());
            }
            pool.push_back(c);
            return;
        }
        near.push_back(c);
        SiftUp(near.size() - 1);
    }
    // The cheapest candidate; not Empty(). `stale` tells the changed ones, which a refill leaves.
    template <typename Stale>
    Candidate Pop(Stale stale)
    {
        if (near.empty())
            Refill(stale);
        const Candidate top = near.front();
        near.front() = near.back();
        near.pop_back();
        if (!near.empty())
            SiftDown(0);
        return top;
    }

private:
    // A share of the pool big enough that refills are rare, small enough for the heap to stay
    // in the cache.
    static constexpr size_t MinimumRefill = 1 << 16;
    static constexpr size_t RefillShare = 8;

    template <typename Stale>
    void Refill(Stale stale)
    {
        assert(!pool.empty());
        pool.erase(std::remove_if(pool.begin(), pool.end(), stale), pool.end());
        const size_t take = std::max(MinimumRefill, pool.size() / RefillShare);
        if (pool.size() <= take) {
            near.swap(pool);
            pool.clear();
            bounded = false;
        } else {
            // The `take` cheapest before the bound, the rest from it on.
            std::nth_element(pool.begin(), pool.begin() + std::ptrdiff_t(take), pool.end(),
                             [](const Candidate &a, const Candidate &b) { return Later()(b, a); });
            bound = pool[take];
            near.assign(pool.begin(), pool.begin() + std::ptrdiff_t(take));
            pool.erase(pool.begin(), pool.begin() + std::ptrdiff_t(take));
            bounded = true;
        }
        for (size_t i = near.size() < 2 ? 0 : (near.size() - 2) / Ways + 1; i-- > 0;)
            SiftDown(i);
    }

    // A heap of four children per node: half the levels of a binary one, so half the cache
    // misses of a pop once the heap outgrows the cache. Any heap pops in the same order: no
    // two different candidates are equal under Later.
    static constexpr size_t Ways = 4;
    void SiftUp(size_t i)
    {
        const Candidate c = near[i];
        for (size_t parent; i > 0 && Later()(near[parent = (i - 1) / Ways], c); i = parent)
            near[i] = near[parent];
        near[i] = c;
    }
    void SiftDown(size_t i)
    {
        const size_t count = near.size();
        const Candidate c = near[i];
        for (size_t first; (first = Ways * i + 1) < count;) {
            size_t next = first;
            for (size_t k = first + 1; k < std::min(first + Ways, count); ++k)
                if (Later()(near[next], near[k]))
                    next = k;
            if (!Later()(c, near[next]))
                break;
            near[i] = near[next];
            i = next;
        }
        near[i] = c;
    }

    std::vector<Candidate> near; // a heap: all that come before `bound`
    std::vector<Candidate> pool; // `bound` and all after it, when bounded
    Candidate bound{};
    bool bounded = false;
};

} // namespace lumeno
