#include "model/MonotoneTriangulation.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <numeric>
#include <utility>

namespace lumeno {

namespace {

// Twice the signed area of the triangle abc: positive when it turns counter-clockwise.
double Orientation(const PlanePoint &a, const PlanePoint &b, const PlanePoint &c)
{
    return (b.x - a.x) * (c.y - a.y) - (b.y - a.y) * (c.x - a.x);
}

using Key = std::array<int, 3>;

// Stable counting sort of the keys by one of their fields, whose values lie in [0, range).
void CountingSort(const std::vector<Key> &from, size_t field, int range, std::vector<Key> &to,
                  std::vector<int> &counts)
{
    counts.assign(size_t(range) + 1, 0);
    for (const Key &key : from)
        ++counts[size_t(key[field]) + 1];
    std::partial_sum(counts.begin(), counts.end(), counts.begin());
    to.resize(from.size());
    for (const Key &key : from)
        to[size_t(counts[size_t(key[field])]++)] = key;
}

} // namespace

// By their first two fields, corners below `range`, in linear time.
void MonotoneTriangulator::SortEdgeKeys()
{
    CountingSort(edgeKeys, 1, count, sortedKeys, counts);
    CountingSort(sortedKeys, 0, count, edgeKeys, counts);
}

// Of two edges the sweep line crosses, the one whose upper corner the sweep reached later is
// compared with the other at that corner: the edges do not cross, so that side is theirs.
bool MonotoneTriangulator::EdgeOrder::operator()(int a, int b) const
{
    if (a == b)
        return false;
    const std::vector<PlanePoint> &p = *triangulator->points;
    if (triangulator->Above(a, b))
        return Orientation(p[size_t(a)], p[size_t(triangulator->Next(a))], p[size_t(b)]) > 0;
    return Orientation(p[size_t(b)], p[size_t(triangulator->Next(b))], p[size_t(a)]) < 0;
}

// An edge comes before a corner that lies to its right (an edge runs downwards).
bool MonotoneTriangulator::EdgeOrder::operator()(int edge, Corner corner) const
{
    const std::vector<PlanePoint> &p = *triangulator->points;
    return Orientation(p[size_t(edge)], p[size_t(triangulator->Next(edge))], p[size_t(corner.index)]) > 0;
}

bool MonotoneTriangulator::EdgeOrder::operator()(Corner corner, int edge) const
{
    const std::vector<PlanePoint> &p = *triangulator->points;
    return Orientation(p[size_t(edge)], p[size_t(triangulator->Next(edge))], p[size_t(corner.index)]) < 0;
}

bool MonotoneTriangulator::Triangulate(const std::vector<PlanePoint> &corners, std::vector<int> &triangles)
{
    // Half-edges, four for each corner at most, are counted in ints.
    if (corners.size() > size_t(std::numeric_limits<int>::max() / 4))
        return false;
    points = &corners;
    count = static_cast<int>(corners.size());
    const size_t first = triangles.size();
    const bool triangulated = count >= 3 && SortAndClassify() && Sweep() && SplitIntoPieces() &&
                              TriangulatePieces(triangles) && CoverExactly(triangles, first);
    if (!triangulated)
        triangles.resize(first);
    points = nullptr;
    return triangulated;
}

// From the top down, and from left to right on one height, so that no two corners are level;
// two corners at one place end it. A corner whose neighbours both lie below it starts a piece
// (convex) or splits one (concave); one whose neighbours both lie above ends a piece or
// merges two. A spike without width fits neither.
bool MonotoneTriangulator::SortAndClassify()
{
    const std::vector<PlanePoint> &p = *points;
    order.resize(size_t(count));
    std::iota(order.begin(), order.end(), 0);
    std::sort(order.begin(), order.end(), [&p](int a, int b) {
        return p[size_t(a)].y > p[size_t(b)].y || (p[size_t(a)].y == p[size_t(b)].y && p[size_t(a)].x < p[size_t(b)].x);
    });
    rank.resize(size_t(count));
    for (int i = 0; i < count; ++i) {
        if (i > 0 && p[size_t(order[size_t(i)])] == p[size_t(order[size_t(i - 1)])])
            return false;
        rank[size_t(order[size_t(i)])] = i;
    }
    kinds.resize(size_t(count));
    for (int corner = 0; corner < count; ++corner) {
        const int before = Previous(corner);
        const int after = Next(corner);
        const double turn = Orientation(p[size_t(before)], p[size_t(corner)], p[size_t(after)]);
        const bool beforeBelow = Above(corner, before);
        const bool afterBelow = Above(corner, after);
        if (beforeBelow != afterBelow) {
            kinds[size_t(corner)] = Kind::Regular;
            continue;
        }
        if (turn == 0)
            return false;
        if (beforeBelow)
            kinds[size_t(corner)] = turn > 0 ? Kind::Start : Kind::Split;
        else
            kinds[size_t(corner)] = turn > 0 ? Kind::End : Kind::Merge;
    }
    return true;
}

bool MonotoneTriangulator::StatusInsert(Status &status, int edge, int helperCorner)
{
    const auto [at, inserted] = status.insert(edge);
    if (!inserted)
        return false;
    inStatus[size_t(edge)] = at;
    listed[size_t(edge)] = true;
    helpers[size_t(edge)] = helperCorner;
    return true;
}

bool MonotoneTriangulator::StatusErase(Status &status, int edge)
{
    if (!listed[size_t(edge)])
        return false;
    status.erase(inStatus[size_t(edge)]);
    listed[size_t(edge)] = false;
    return true;
}

// The edge in the status directly left of the corner; -1 when there is none.
int MonotoneTriangulator::EdgeLeftOf(const Status &status, int corner) const
{
    auto right = status.lower_bound(EdgeOrder::Corner{corner});
    if (right == status.begin())
        return -1;
    return *--right;
}

// Every split corner is joined to a corner above it and every merge corner to one below it,
// the helpers of the edges to their left: what is left between the diagonals is monotone.
bool MonotoneTriangulator::Sweep()
{
    Status status(EdgeOrder{this});
    helpers.assign(size_t(count), -1);
    inStatus.assign(size_t(count), status.end());
    listed.assign(size_t(count), false);
    diagonals.clear();
    const auto joinIfMerge = [this](int corner, int helper) {
        if (kinds[size_t(helper)] == Kind::Merge)
            diagonals.push_back({std::min(corner, helper), std::max(corner, helper)});
    };
    // The edge left of the corner takes it as its helper, joined first to a merge helper.
    const auto passLeftEdge = [&](int corner, bool alwaysJoin) {
        const int left = EdgeLeftOf(status, corner);
        if (left < 0)
            return false;
        const int helper = helpers[size_t(left)];
        if (alwaysJoin)
            diagonals.push_back({std::min(corner, helper), std::max(corner, helper)});
        else
            joinIfMerge(corner, helper);
        helpers[size_t(left)] = corner;
        return true;
    };
    // The edge that ends in the corner leaves the status, joined first to a merge helper.
    const auto endEdgeBefore = [&](int corner) {
        const int before = Previous(corner);
        if (!listed[size_t(before)])
            return false;
        joinIfMerge(corner, helpers[size_t(before)]);
        return StatusErase(status, before);
    };
    for (int corner : order) {
        bool consistent = true;
        switch (kinds[size_t(corner)]) {
        case Kind::Start:
            consistent = StatusInsert(status, corner, corner);
            break;
        case Kind::End:
            consistent = endEdgeBefore(corner);
            break;
        case Kind::Split:
            consistent = passLeftEdge(corner, true) && StatusInsert(status, corner, corner);
            break;
        case Kind::Merge:
            consistent = endEdgeBefore(corner) && passLeftEdge(corner, false);
            break;
        case Kind::Regular:
            // The boundary comes down into the corner: the inside lies to its right.
            if (Above(Previous(corner), corner))
                consistent = endEdgeBefore(corner) && StatusInsert(status, corner, corner);
            else
                consistent = passLeftEdge(corner, false);
            break;
        }
        if (!consistent)
            return false;
    }
    return status.empty();
}

// The pieces between the diagonals: the edges and diagonals as half-edges around each corner
// in counter-clockwise order; a piece leaves a corner by the half-edge next clockwise from
// the one it came in by.
bool MonotoneTriangulator::SplitIntoPieces()
{
    const std::vector<PlanePoint> &p = *points;
    for (const auto &diagonal : diagonals)
        if (diagonal[0] == diagonal[1] || Next(diagonal[0]) == diagonal[1] || Next(diagonal[1]) == diagonal[0])
            return false;
    std::sort(diagonals.begin(), diagonals.end());
    if (std::adjacent_find(diagonals.begin(), diagonals.end()) != diagonals.end())
        return false;

    firstOut.assign(size_t(count) + 1, 2);
    firstOut[0] = 0;
    for (const auto &diagonal : diagonals) {
        ++firstOut[size_t(diagonal[0]) + 1];
        ++firstOut[size_t(diagonal[1]) + 1];
    }
    std::partial_sum(firstOut.begin(), firstOut.end(), firstOut.begin());
    const size_t halfEdges = size_t(firstOut.back());
    heads.resize(halfEdges);
    tails.resize(halfEdges);
    std::vector<int> free(firstOut.begin(), firstOut.end() - 1);
    const auto add = [&](int from, int to) {
        tails[size_t(free[size_t(from)])] = from;
        heads[size_t(free[size_t(from)]++)] = to;
    };
    for (int corner = 0; corner < count; ++corner) {
        add(corner, Next(corner));
        add(corner, Previous(corner));
    }
    for (const auto &diagonal : diagonals) {
        add(diagonal[0], diagonal[1]);
        add(diagonal[1], diagonal[0]);
    }
    for (int corner = 0; corner < count; ++corner) {
        const PlanePoint &centre = p[size_t(corner)];
        std::sort(heads.begin() + firstOut[size_t(corner)], heads.begin() + firstOut[size_t(corner) + 1],
                  [&](int a, int b) {
                      return std::atan2(p[size_t(a)].y - centre.y, p[size_t(a)].x - centre.x) <
                             std::atan2(p[size_t(b)].y - centre.y, p[size_t(b)].x - centre.x);
                  });
    }

    edgeKeys.resize(halfEdges);
    for (size_t edge = 0; edge < halfEdges; ++edge)
        edgeKeys[edge] = {std::min(tails[edge], heads[edge]), std::max(tails[edge], heads[edge]), int(edge)};
    SortEdgeKeys();
    twins.resize(halfEdges);
    for (size_t i = 0; i + 1 < halfEdges; i += 2) {
        if (edgeKeys[i][0] != edgeKeys[i + 1][0] || edgeKeys[i][1] != edgeKeys[i + 1][1])
            return false;
        twins[size_t(edgeKeys[i][2])] = edgeKeys[i + 1][2];
        twins[size_t(edgeKeys[i + 1][2])] = edgeKeys[i][2];
    }

    // The half-edges from each corner back to the one before it run around the outside.
    std::vector<bool> visited(halfEdges, false);
    for (size_t edge = 0; edge < halfEdges; ++edge)
        visited[edge] = heads[edge] == Previous(tails[edge]);
    pieceCorners.clear();
    pieceStarts.assign(1, 0);
    for (size_t start = 0; start < halfEdges; ++start) {
        if (visited[start])
            continue;
        size_t edge = start;
        do {
            if (visited[edge])
                return false;
            visited[edge] = true;
            pieceCorners.push_back(tails[edge]);
            const int corner = heads[edge];
            const int back = twins[edge];
            edge = size_t(back == firstOut[size_t(corner)] ? firstOut[size_t(corner) + 1] - 1 : back - 1);
        } while (edge != start);
        pieceStarts.push_back(int(pieceCorners.size()));
    }
    return pieceStarts.size() == diagonals.size() + 2;
}

bool MonotoneTriangulator::TriangulatePieces(std::vector<int> &triangles)
{
    for (size_t piece = 0; piece + 1 < pieceStarts.size(); ++piece)
        if (!TriangulatePiece(pieceStarts[piece], pieceStarts[piece + 1], triangles))
            return false;
    return true;
}

// A monotone piece from its top corner down both chains at once: corners that cannot be
// joined yet wait on a stack, a reflex chain, until a corner below can see them.
bool MonotoneTriangulator::TriangulatePiece(int begin, int end, std::vector<int> &triangles)
{
    const int size = end - begin;
    if (size < 3)
        return false;
    const int *piece = pieceCorners.data() + begin;
    const auto next = [size](int i) { return i + 1 == size ? 0 : i + 1; };
    const auto previous = [size](int i) { return i == 0 ? size - 1 : i - 1; };
    int top = 0;
    int bottom = 0;
    for (int i = 1; i < size; ++i) {
        if (Above(piece[i], piece[top]))
            top = i;
        if (Above(piece[bottom], piece[i]))
            bottom = i;
    }
    // Counter-clockwise, the left chain runs down from the top, the right chain up from the bottom.
    for (int i = top; i != bottom; i = next(i))
        if (!Above(piece[i], piece[next(i)]))
            return false;
    for (int i = bottom; i != top; i = next(i))
        if (!Above(piece[next(i)], piece[i]))
            return false;

    sorted.clear();
    sorted.push_back({piece[top], true});
    for (int left = next(top), right = previous(top); left != bottom || right != bottom;) {
        if (right == bottom || (left != bottom && Above(piece[left], piece[right]))) {
            sorted.push_back({piece[left], true});
            left = next(left);
        } else {
            sorted.push_back({piece[right], false});
            right = previous(right);
        }
    }
    sorted.push_back({piece[bottom], false});

    const std::vector<PlanePoint> &p = *points;
    // Two corners waiting, a and b above it, make a triangle with a corner below them: b a
    // corner counter-clockwise when they wait on the left chain, corner a b on the right.
    const auto emit = [&triangles](int corner, bool waitingOnLeft, int a, int b) {
        if (waitingOnLeft)
            triangles.insert(triangles.end(), {b, a, corner});
        else
            triangles.insert(triangles.end(), {corner, a, b});
    };
    stack.assign({0, 1});
    for (size_t j = 2; j + 1 < sorted.size(); ++j) {
        const auto [corner, onLeft] = sorted[j];
        if (onLeft != sorted[size_t(stack.back())].second) {
            // The other chain: every corner waiting can be joined.
            const int last = stack.back();
            for (size_t i = stack.size() - 1; i > 0; --i)
                emit(corner, !onLeft, sorted[size_t(stack[i])].first, sorted[size_t(stack[i - 1])].first);
            stack.assign({last, int(j)});
            continue;
        }
        int a = stack.back();
        stack.pop_back();
        while (!stack.empty()) {
            const int pa = sorted[size_t(a)].first;
            const int pb = sorted[size_t(stack.back())].first;
            const double turn = onLeft ? Orientation(p[size_t(pb)], p[size_t(pa)], p[size_t(corner)])
                                       : Orientation(p[size_t(corner)], p[size_t(pa)], p[size_t(pb)]);
            if (!(turn > 0))
                break;
            emit(corner, onLeft, pa, pb);
            a = stack.back();
            stack.pop_back();
        }
        stack.push_back(a);
        stack.push_back(int(j));
    }
    // The bottom corner sees all that wait, from the side opposite them.
    const int corner = sorted.back().first;
    const bool waitingOnLeft = sorted[size_t(stack.back())].second;
    for (size_t i = stack.size() - 1; i > 0; --i)
        emit(corner, waitingOnLeft, sorted[size_t(stack[i])].first, sorted[size_t(stack[i - 1])].first);
    return true;
}

// n - 2 triangles, each turning counter-clockwise, each edge of the polygon on one of them
// (along it), each diagonal on two (once each way): then they cover the polygon once.
bool MonotoneTriangulator::CoverExactly(const std::vector<int> &triangles, size_t first)
{
    const std::vector<PlanePoint> &p = *points;
    if ((triangles.size() - first) / 3 != size_t(count - 2))
        return false;
    std::vector<bool> &edgeUsed = listed;
    edgeUsed.assign(size_t(count), false);
    edgeKeys.clear();
    for (size_t t = first; t < triangles.size(); t += 3) {
        const int corners[3] = {triangles[t], triangles[t + 1], triangles[t + 2]};
        if (!(Orientation(p[size_t(corners[0])], p[size_t(corners[1])], p[size_t(corners[2])]) > 0))
            return false;
        for (int i = 0; i < 3; ++i) {
            const int from = corners[i];
            const int to = corners[(i + 1) % 3];
            if (to == Next(from)) {
                if (edgeUsed[size_t(from)])
                    return false;
                edgeUsed[size_t(from)] = true;
            } else if (from == Next(to)) {
                return false;
            } else {
                edgeKeys.push_back({std::min(from, to), std::max(from, to), from < to ? 1 : 0});
            }
        }
    }
    if (std::find(edgeUsed.begin(), edgeUsed.end(), false) != edgeUsed.end() || edgeKeys.size() % 2 != 0)
        return false;
    SortEdgeKeys();
    for (size_t i = 0; i < edgeKeys.size(); i += 2) {
        const bool pair = edgeKeys[i][0] == edgeKeys[i + 1][0] && edgeKeys[i][1] == edgeKeys[i + 1][1] &&
                          edgeKeys[i][2] != edgeKeys[i + 1][2];
        const bool thrice = i + 2 < edgeKeys.size() && edgeKeys[i + 2][0] == edgeKeys[i][0] &&
                            edgeKeys[i + 2][1] == edgeKeys[i][1];
        if (!pair || thrice)
            return false;
    }
    return true;
}

} // namespace lumeno
