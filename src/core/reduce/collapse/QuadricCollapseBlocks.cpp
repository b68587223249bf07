// The blocks of a stretch: during most of each stretch, each lane collapses its side a block of
// about BlockVertices live vertices at a time, a heap of its own to each. A side's heap orders
// vertices from all over the side, which lie tens of megabytes apart: nearly every collapse
// waited on memory for the vertices around it. A block's records, lists and heap fit in the
// core's own cache.
//
// A block's vertices are those numbered within its range (along the side's Morton curve) whose
// triangles have every corner in the block, but for the seam's. The vertices along the blocks'
// edges (the band) wait, as the seam's do: so no block reads or writes what another does, and
// a block's collapses are the same whatever the others did, and in whichever order they ran.
// Each block takes its share of the lane's part of the stretch, and the vertex a block marks
// stale beyond its edge is weighed again when it comes to the top. Then the blocks go back into
// the side's heap, and the lane takes the rest of its share on its whole side, the band too.
//
// A block's share follows where the cheapest collapses lie: it is weighed by its vertices whose
// cheapest collapse is among as many of the side's cheapest as the stretch is to remove
// triangles. Shared by triangles alone, a flat block would have to keep what a detailed block
// next to it lost. Each goal within the blocks' part gives each block the same share of it, so
// a level is still what a run to it alone gives.

#include "reduce/collapse/QuadricCollapser.h"

#include <cstring>

namespace lumeno::detail {

namespace {

// Of a side's share of a stretch, the part its blocks take; the rest is taken on the whole side,
// where the band's vertices may go too.
constexpr double BlocksShare = 0.9;

} // namespace

void Collapser::SetUpBlocks(int which, size_t removals)
{
    Lane &lane = lanes[which];
    MergeBlocks(which);
    Heap &sideHeap = heaps[size_t(which)];
    const uint32_t count = uint32_t(std::min<size_t>(MostBlocks, sideHeap.size() / BlockVertices));
    if (count < 2 || removals == 0)
        return;
    const uint32_t from = sideStart[which], to = sideStart[which + 1], numbers = to - from;
    // Every other stretch the blocks move by half a block: the band's vertices lie inside one.
    const uint32_t shift = stretches % 2 ? numbers / count / 2 : 0;
    const uint8_t base = uint8_t(3 + which * MostBlocks);
    // The block of a number below `numbers` by a multiplication (a division per corner took
    // most of the set-up's time); the factor, rounded down, keeps it below `count`.
    const uint64_t factor = (uint64_t(count) << 32) / numbers;
    const auto blockOf = [&](uint32_t v) {
        uint32_t at = v - from + shift;
        at = at >= numbers ? at - numbers : at;
        return uint8_t(base + (uint64_t(at) * factor >> 32));
    };
    const auto inBlock = [&](uint8_t h) { return h >= base && h < base + count; };
    for (uint32_t v = from; v < to; ++v)
        if (home[v] == which)
            home[v] = blockOf(v);
    for (const uint32_t v : strays)
        if (v >= from && v < to && home[v] != Seam)
            home[v] = uint8_t(which);
    // The band: the corners of triangles whose corners lie in more than one block, the seam's
    // counted too (a block may not change the list of a seam vertex another reads), but staying
    // the seam's. A triangle across the cut has only the seam's, and is left to it. Eight
    // removed triangles in a row are passed over at once.
    constexpr uint64_t EightGone = 0x0101010101010101;
    const size_t tFrom = which == 0 ? 0 : crossingBegin, tTo = which == 0 ? crossingEnd : triangleGone.size();
    for (size_t t = tFrom; t < tTo; ++t) {
        uint64_t eight = 0;
        if (t % 8 == 0 && t + 8 <= tTo && (std::memcpy(&eight, &triangleGone[t], 8), eight == EightGone)) {
            t += 7;
            continue;
        }
        const uint32_t *c = &corners[3 * t];
        if (triangleGone[t] || side[c[0]] != which || side[c[1]] != which || side[c[2]] != which)
            continue;
        const uint8_t b = blockOf(c[0]);
        if (blockOf(c[1]) == b && blockOf(c[2]) == b)
            continue;
        for (int k = 0; k < 3; ++k)
            if (home[c[k]] != Seam)
                home[c[k]] = uint8_t(which);
    }

    // The order below which as many of the side's vertices have their cheapest collapse as the
    // stretch is to remove triangles (by its leading 12 bits: the cost's exponent and three
    // bits more).
    constexpr int Coarse = 20;
    std::vector<uint32_t> below(size_t(1) << (32 - Coarse), 0);
    for (const HeapEntry &e : sideHeap)
        ++below[e.order >> Coarse];
    uint32_t bound = 0;
    for (size_t seen = 0; bound < below.size() - 1; ++bound)
        if ((seen += below[bound]) >= removals)
            break;
    std::vector<uint32_t>().swap(below);

    // Each block's entries after the band's, with room for each of its live vertices.
    std::vector<size_t> held(count + 1, 0), room(count + 1, 0), weight(count + 1, 0);
    const auto bucket = [&](uint32_t v) { return inBlock(home[v]) ? size_t(home[v] - base) + 1 : 0; };
    for (const HeapEntry &e : sideHeap) {
        const size_t k = bucket(e.vertex);
        ++held[k];
        weight[k] += (e.order >> Coarse) <= bound;
    }
    for (uint32_t v = from; v < to; ++v)
        if (!vertexGone[v] && inBlock(home[v]))
            ++room[bucket(v)];
    room[0] = held[0];
    // Sorted by bucket in place (an American flag sort), then each block moved up to its room.
    std::vector<size_t> next(count + 1), end(count + 1);
    for (size_t k = 0, at = 0; k <= count; at += held[k++])
        next[k] = at, end[k] = at + held[k];
    for (size_t k = 0; k <= count; ++k)
        while (next[k] < end[k]) {
            const size_t into = bucket(sideHeap[next[k]].vertex);
            if (into == k)
                ++next[k];
            else
                std::swap(sideHeap[next[k]], sideHeap[next[into]++]);
        }
    std::vector<size_t> at(count + 1, 0);
    for (size_t k = 1; k <= count; ++k)
        at[k] = at[k - 1] + room[k - 1];
    for (size_t k = count; k >= 1; --k)
        std::memmove(&sideHeap[at[k]], &sideHeap[end[k] - held[k]], held[k] * sizeof(HeapEntry));

    uint64_t weights = 0;
    for (size_t k = 1; k <= count; ++k)
        weights += weight[k];
    for (uint32_t b = 0; b < count; ++b) {
        Heap &heap = heaps[base + b];
        heap.View(sideHeap, at[b + 1], room[b + 1], held[b + 1]);
        HeapifyAll(heap);
        // Where none is among the cheapest (every cheap collapse on the band), by size.
        lane.blocks.push_back({uint8_t(base + b), uint32_t(weights > 0 ? weight[b + 1] : held[b + 1])});
        lane.blockWeight += lane.blocks.back().weight;
    }
    sideHeap.Keep(held[0]);
    HeapifyAll(sideHeap);
    lane.blockShare = size_t(double(removals) * BlocksShare);
    if (lane.blockWeight == 0)
        MergeBlocks(which);
}

// Each block on until it has removed its share of `removals` (rounded up); a block that can
// remove no more hands what it lacks on to the next one, so that each block's share grows with
// `removals` alone.
Collapser::Halt Collapser::DrainBlocks(Lane &lane, size_t removals, double maxSquared)
{
    const uint8_t own = uint8_t(&lane - lanes);
    size_t lacking = 0;
    for (Lane::Block &block : lane.blocks) {
        const size_t want =
            size_t((uint64_t(removals) * block.weight + lane.blockWeight - 1) / lane.blockWeight) + lacking;
        if (block.removed < want && !block.dry) {
            lane.homeNow = block.home;
            const size_t before = lane.removed;
            const Halt halt =
                Drain(lane, block.home, block.home, lane.removed, before + (want - block.removed), maxSquared);
            block.removed += lane.removed - before;
            lane.homeNow = own;
            if (halt == Halt::Dry)
                block.dry = true;
            else if (halt != Halt::Reached)
                return halt;
        }
        lacking = block.removed < want ? want - block.removed : 0;
    }
    return lacking > 0 ? Halt::Dry : Halt::Reached;
}

// The blocks' heaps back into their side's, and their vertices home.
void Collapser::MergeBlocks(int which)
{
    Lane &lane = lanes[which];
    if (lane.blocks.empty())
        return;
    Heap &sideHeap = heaps[size_t(which)];
    size_t held = sideHeap.size();
    for (const Lane::Block &block : lane.blocks) {
        Heap &heap = heaps[block.home];
        std::memmove(&sideHeap[held], heap.begin(), heap.size() * sizeof(HeapEntry));
        held += heap.size();
        heap = Heap();
    }
    sideHeap.Keep(held);
    const uint8_t first = lane.blocks.front().home, last = lane.blocks.back().home;
    for (uint32_t v = sideStart[which]; v < sideStart[which + 1]; ++v)
        if (home[v] >= first && home[v] <= last)
            home[v] = uint8_t(which);
    HeapifyAll(sideHeap);
    lane.blocks.clear();
    lane.blockWeight = 0;
}

// Lane `which` on until it has removed `removals` triangles in this stretch: its blocks first,
// while the stretch has them, then its whole side.
Collapser::Halt Collapser::DrainSide(int which, size_t removals, double maxSquared)
{
    Lane &lane = lanes[which];
    if (!lane.blocks.empty()) {
        const Halt halt = DrainBlocks(lane, std::min(removals, lane.blockShare), maxSquared);
        if (halt != Halt::Reached || removals <= lane.blockShare)
            return halt;
        MergeBlocks(which);
    }
    return Drain(lane, uint8_t(which), uint8_t(which), lane.removed, removals, maxSquared);
}

} // namespace lumeno::detail
