#include "reduce/PieceBorders.h"

#include <vtkCellArray.h>
#include <vtkCellArrayIterator.h>
#include <vtkPointData.h>
#include <vtkPoints.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <map>
#include <set>

namespace lumeno {

namespace {

using Position = std::array<double, 3>;
using Edge = std::pair<Position, Position>;

Edge Sorted(const Position &a, const Position &b) { return a < b ? Edge{a, b} : Edge{b, a}; }

// A border edge of a piece: the one from corner `corner` of triangle `cell` to the next corner.
struct BorderEdge
{
    vtkIdType cell;
    int corner;
    vtkIdType a, b; // its points
    Position from, to;
};

struct Border
{
    std::vector<uint8_t> onBorder; // per point of the piece
    std::vector<BorderEdge> edges;
    std::set<Edge> sorted;
    std::map<Position, std::vector<Position>> neighbours;
};

Position At(vtkPolyData *piece, vtkIdType point)
{
    Position at;
    piece->GetPoint(point, at.data());
    return at;
}

Border BorderOf(vtkPolyData *piece)
{
    // Every edge by its points (the lower first), with the triangle and corner it starts at;
    // sorted, an edge of one triangle stands alone.
    struct Use
    {
        uint64_t points;
        vtkIdType cell;
        int corner;
        bool operator<(const Use &other) const { return points < other.points; }
    };
    std::vector<Use> uses;
    uses.reserve(3 * size_t(piece->GetNumberOfPolys()));
    auto cells = vtk::TakeSmartPointer(piece->GetPolys()->NewIterator());
    for (cells->GoToFirstCell(); !cells->IsDoneWithTraversal(); cells->GoToNextCell()) {
        vtkIdType count;
        const vtkIdType *ids;
        cells->GetCurrentCell(count, ids);
        if (count != 3)
            continue;
        for (int k = 0; k < 3; ++k) {
            const vtkIdType a = ids[k], b = ids[(k + 1) % 3];
            uses.push_back({uint64_t(std::min(a, b)) << 32 | uint64_t(std::max(a, b)), cells->GetCurrentCellId(), k});
        }
    }
    std::sort(uses.begin(), uses.end());
    std::vector<BorderEdge> once;
    for (size_t i = 0; i < uses.size(); ++i) {
        if ((i > 0 && uses[i - 1].points == uses[i].points) ||
            (i + 1 < uses.size() && uses[i + 1].points == uses[i].points))
            continue;
        vtkIdType count;
        const vtkIdType *ids;
        piece->GetPolys()->GetCellAtId(uses[i].cell, count, ids);
        const vtkIdType a = ids[uses[i].corner], b = ids[(uses[i].corner + 1) % 3];
        once.push_back({uses[i].cell, uses[i].corner, a, b, At(piece, a), At(piece, b)});
    }
    std::vector<Use>().swap(uses);
    // A cut the reduction made through the piece (vtkDecimatePro splits a mesh it cannot reduce
    // further) is a border edge twice at one place: no border with another piece.
    std::map<Edge, int> atPlace;
    for (const BorderEdge &edge : once)
        ++atPlace[Sorted(edge.from, edge.to)];
    Border border;
    border.onBorder.assign(size_t(piece->GetNumberOfPoints()), 0);
    for (const BorderEdge &edge : once) {
        if (atPlace[Sorted(edge.from, edge.to)] != 1)
            continue;
        border.onBorder[size_t(edge.a)] = border.onBorder[size_t(edge.b)] = 1;
        border.sorted.insert(Sorted(edge.from, edge.to));
        border.neighbours[edge.from].push_back(edge.to);
        border.neighbours[edge.to].push_back(edge.from);
        border.edges.push_back(edge);
    }
    return border;
}

// The points between `from` and `to` along another piece's border, none of them on `avoid`'s
// border: empty when there is no such way.
std::vector<Position> WayBetween(const Border &other, const Position &from, const Position &to, const Border &avoid)
{
    std::map<Position, Position> cameFrom{{from, from}};
    std::vector<Position> front{from};
    while (!front.empty()) {
        std::vector<Position> next;
        for (const Position &p : front) {
            const auto found = other.neighbours.find(p);
            if (found == other.neighbours.end())
                continue;
            for (const Position &q : found->second) {
                if (cameFrom.count(q))
                    continue;
                cameFrom[q] = p;
                if (q == to) {
                    std::vector<Position> way;
                    for (Position at = cameFrom[to]; at != from; at = cameFrom[at])
                        way.insert(way.begin(), at);
                    return way;
                }
                if (!avoid.neighbours.count(q))
                    next.push_back(q);
            }
        }
        front.swap(next);
    }
    return {};
}

struct Split
{
    int corner;                 // the edge from this corner to the next
    std::vector<Position> way; // the points to put on it, in order
};

double Distance(const Position &a, const Position &b)
{
    return std::sqrt((a[0] - b[0]) * (a[0] - b[0]) + (a[1] - b[1]) * (a[1] - b[1]) + (a[2] - b[2]) * (a[2] - b[2]));
}

// The piece with its triangles split as `splits` (by triangle) say.
vtkSmartPointer<vtkPolyData> WithSplits(vtkPolyData *piece, const std::map<vtkIdType, Split> &splits)
{
    auto points = vtkSmartPointer<vtkPoints>::New();
    points->DeepCopy(piece->GetPoints());
    auto data = vtkSmartPointer<vtkPointData>::New();
    data->InterpolateAllocate(piece->GetPointData(), piece->GetNumberOfPoints());
    for (vtkIdType p = 0; p < piece->GetNumberOfPoints(); ++p)
        data->CopyData(piece->GetPointData(), p, p);
    auto triangles = vtkSmartPointer<vtkCellArray>::New();
    auto cells = vtk::TakeSmartPointer(piece->GetPolys()->NewIterator());
    for (cells->GoToFirstCell(); !cells->IsDoneWithTraversal(); cells->GoToNextCell()) {
        vtkIdType count;
        const vtkIdType *ids;
        cells->GetCurrentCell(count, ids);
        const auto split = splits.find(cells->GetCurrentCellId());
        if (split == splits.end()) {
            triangles->InsertNextCell(count, ids);
            continue;
        }
        const int k = split->second.corner;
        const vtkIdType u = ids[k], v = ids[(k + 1) % 3], w = ids[(k + 2) % 3];
        const Position from = At(piece, u), to = At(piece, v);
        vtkIdType last = u;
        for (const Position &at : split->second.way) {
            const vtkIdType added = points->InsertNextPoint(at.data());
            const double along = Distance(from, at) / (Distance(from, at) + Distance(at, to));
            data->InterpolateEdge(piece->GetPointData(), added, u, v, along);
            const vtkIdType fan[3] = {last, added, w};
            triangles->InsertNextCell(3, fan);
            last = added;
        }
        const vtkIdType closing[3] = {last, v, w};
        triangles->InsertNextCell(3, closing);
    }
    auto result = vtkSmartPointer<vtkPolyData>::New();
    result->SetPoints(points);
    result->SetPolys(triangles);
    result->GetPointData()->ShallowCopy(data);
    return result;
}

// Two pieces that each laid a triangle on the same three border points (each filled its own
// border there) hold one triangle twice, which no reader would read back: both go, and the
// border of each runs past them.
// Returns whether any went.
bool WithoutTwins(std::vector<vtkSmartPointer<vtkPolyData>> &pieces, std::vector<Border> &borders)
{
    using Places = std::array<Position, 3>;
    std::map<Places, std::vector<std::pair<size_t, vtkIdType>>> onBorder;
    for (size_t k = 0; k < pieces.size(); ++k) {
        const Border &border = borders[k];
        auto cells = vtk::TakeSmartPointer(pieces[k]->GetPolys()->NewIterator());
        for (cells->GoToFirstCell(); !cells->IsDoneWithTraversal(); cells->GoToNextCell()) {
            vtkIdType count;
            const vtkIdType *ids;
            cells->GetCurrentCell(count, ids);
            if (count != 3)
                continue;
            if (!border.onBorder[size_t(ids[0])] || !border.onBorder[size_t(ids[1])] || !border.onBorder[size_t(ids[2])])
                continue;
            Places places{At(pieces[k], ids[0]), At(pieces[k], ids[1]), At(pieces[k], ids[2])};
            std::sort(places.begin(), places.end());
            onBorder[places].emplace_back(k, cells->GetCurrentCellId());
        }
    }
    std::vector<std::set<vtkIdType>> twins(pieces.size());
    for (const auto &[places, holders] : onBorder)
        if (holders.size() > 1 && std::any_of(holders.begin(), holders.end(), [&](const auto &h) {
                return h.first != holders.front().first;
            }))
            for (const auto &[piece, cell] : holders)
                twins[piece].insert(cell);
    bool any = false;
    for (size_t k = 0; k < pieces.size(); ++k) {
        if (twins[k].empty())
            continue;
        any = true;
        auto triangles = vtkSmartPointer<vtkCellArray>::New();
        auto cells = vtk::TakeSmartPointer(pieces[k]->GetPolys()->NewIterator());
        for (cells->GoToFirstCell(); !cells->IsDoneWithTraversal(); cells->GoToNextCell())
            if (!twins[k].count(cells->GetCurrentCellId())) {
                vtkIdType count;
                const vtkIdType *ids;
                cells->GetCurrentCell(count, ids);
                triangles->InsertNextCell(count, ids);
            }
        auto without = vtkSmartPointer<vtkPolyData>::New();
        without->ShallowCopy(pieces[k]);
        without->SetPolys(triangles);
        pieces[k] = without;
        borders[k] = BorderOf(without);
    }
    return any;
}

} // namespace

void CloseBorders(std::vector<vtkSmartPointer<vtkPolyData>> &pieces)
{
    // A triangle is split at one edge per round: a second round splits its others.
    constexpr int Rounds = 3;
    std::vector<Border> borders;
    for (const auto &piece : pieces)
        borders.push_back(BorderOf(piece));
    WithoutTwins(pieces, borders);
    for (int round = 0; round < Rounds; ++round) {
        std::vector<size_t> changed;
        for (size_t k = 0; k < pieces.size(); ++k) {
            std::map<vtkIdType, Split> splits;
            for (const BorderEdge &edge : borders[k].edges) {
                if (splits.count(edge.cell))
                    continue;
                const Edge sorted = Sorted(edge.from, edge.to);
                bool met = false;
                for (size_t j = 0; j < pieces.size() && !met; ++j)
                    met = j != k && borders[j].sorted.count(sorted);
                for (size_t j = 0; j < pieces.size() && !met; ++j) {
                    if (j == k || !borders[j].neighbours.count(edge.from) || !borders[j].neighbours.count(edge.to))
                        continue;
                    std::vector<Position> way = WayBetween(borders[j], edge.from, edge.to, borders[k]);
                    if (way.empty())
                        continue;
                    splits[edge.cell] = Split{edge.corner, std::move(way)};
                    met = true;
                }
            }
            if (splits.empty())
                continue;
            pieces[k] = WithSplits(pieces[k], splits);
            changed.push_back(k);
        }
        if (changed.empty())
            return;
        for (const size_t k : changed)
            borders[k] = BorderOf(pieces[k]);
    }
}

} // namespace lumeno
