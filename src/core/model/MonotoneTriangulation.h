#pragma once

#include <array>
#include <cstddef>
#include <set>
#include <utility>
#include <vector>

namespace lumeno {

struct PlanePoint
{
    double x;
    double y;
    bool operator==(const PlanePoint &other) const { return x == other.x && y == other.y; }
};

// Triangulates a simple polygon in O(n log n) for n corners, as de Berg, Cheong, van Kreveld and
// Overmars describe it ("Computational Geometry", 3rd ed., chapter 3): a sweep line from the
// top down adds the diagonals that split the polygon into y-monotone pieces (Lee and
// Preparata 1977), and each piece is triangulated in linear time along its two chains
// (Garey, Johnson, Preparata and Tarjan 1978). The result is checked: every triangle turns
// counter-clockwise and every diagonal borders two triangles, one on each side, so the
// triangles cover the polygon exactly once. A polygon with two corners at one place (as where
// it touches itself) or a spike without width is refused, and one that crosses itself fails
// the sweep or the check unless its triangles still form one sheet that turns one way; the
// caller then triangulates it some other way.
class MonotoneTriangulator
{
public:
    // The polygon turns counter-clockwise. Appends n - 2 triangles, three corner indices each,
    // turning counter-clockwise, to `triangles`; false, with nothing appended, when the polygon
    // is not one this method can triangulate (see above).
    bool Triangulate(const std::vector<PlanePoint> &corners, std::vector<int> &triangles);

private:
    enum class Kind { Start, End, Split, Merge, Regular };

    // The edges the sweep line crosses with the polygon's inside to their right, from left to
    // right. An edge is numbered by its first corner; it runs downwards from it.
    struct EdgeOrder
    {
        using is_transparent = void;
        struct Corner
        {
            int index;
        };
        const MonotoneTriangulator *triangulator;
        bool operator()(int a, int b) const;
        bool operator()(int edge, Corner corner) const;
        bool operator()(Corner corner, int edge) const;
    };
    using Status = std::set<int, EdgeOrder>;

    bool Above(int a, int b) const { return rank[size_t(a)] < rank[size_t(b)]; }
    int Next(int corner) const { return corner + 1 == count ? 0 : corner + 1; }
    int Previous(int corner) const { return corner == 0 ? count - 1 : corner - 1; }
    bool SortAndClassify();
    bool Sweep();
    bool StatusInsert(Status &status, int edge, int helperCorner);
    bool StatusErase(Status &status, int edge);
    int EdgeLeftOf(const Status &status, int corner) const;
    bool SplitIntoPieces();
    bool TriangulatePieces(std::vector<int> &triangles);
    bool TriangulatePiece(int begin, int end, std::vector<int> &triangles);
    void SortEdgeKeys();
    bool CoverExactly(const std::vector<int> &triangles, size_t first);

    const std::vector<PlanePoint> *points = nullptr;
    int count = 0;
    std::vector<int> order;           // the corners from the top down, left to right on one height
    std::vector<int> rank;            // each corner's place in that order
    std::vector<Kind> kinds;
    std::vector<int> helpers;         // of each edge in the status: the corner a diagonal would go to
    std::vector<Status::iterator> inStatus;
    std::vector<bool> listed;
    std::vector<std::array<int, 2>> diagonals;
    // The edges and diagonals as half-edges, grouped by the corner they leave (tails), each
    // group counter-clockwise around its corner.
    std::vector<int> firstOut;
    std::vector<int> heads;
    std::vector<int> tails;
    std::vector<int> twins;
    std::vector<std::array<int, 3>> edgeKeys; // two corners, lower first, and what the key stands for
    std::vector<std::array<int, 3>> sortedKeys;
    std::vector<int> counts;
    std::vector<int> pieceCorners; // the monotone pieces' corners, counter-clockwise, one after another
    std::vector<int> pieceStarts;  // where each piece starts in pieceCorners, and where the last ends
    std::vector<std::pair<int, bool>> sorted; // a piece's corners from the top down: on its left chain?
    std::vector<int> stack;                   // places in `sorted` of corners waiting for a diagonal
};

} // namespace lumeno
