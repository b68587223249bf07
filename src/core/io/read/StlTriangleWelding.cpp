#include "io/read/StlTriangleWelding.h"

#include "model/TriangleCells.h"

#include <QtEndian>

#include <vtkCellArray.h>
#include <vtkFloatArray.h>
#include <vtkPoints.h>
#include <vtkPolyData.h>
#include <vtkTypeInt32Array.h>

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <exception>
#include <functional>
#include <system_error>
#include <thread>
#include <vector>

namespace lumeno {

namespace {

constexpr size_t CornerSize = 12;
// Corner numbers and point ids are held in 31 bits: the top bit of a corner's entry marks a
// reference to an earlier corner at the same place.
constexpr uint32_t Reference = 0x80000000u;
static_assert(MaxStlCorners < Reference);
constexpr uint32_t NoCorner = 0xFFFFFFFFu;
// Below this many corners one thread does it all: starting others costs more than it gains.
constexpr size_t CornersForThreads = 1 << 16;

struct Corner
{
    uint32_t bits[3];
    float Coordinate(int axis) const
    {
        float value;
        std::memcpy(&value, &bits[axis], sizeof value);
        return value;
    }
};

class Corners
{
public:
    Corners(const char *records, size_t size) : data(records), recordSize(size) {}

    Corner At(size_t corner) const
    {
        const char *at = data + (corner / 3) * recordSize + CornerSize * (corner % 3);
        Corner read;
        for (int axis = 0; axis < 3; ++axis)
            read.bits[axis] = qFromLittleEndian<quint32>(at + 4 * axis);
        return read;
    }

private:
    const char *data;
    size_t recordSize;
};

// Equal as floats: -0 equals 0, and a NaN equals nothing, so it is never welded.
bool SamePlace(const Corner &a, const Corner &b)
{
    for (int axis = 0; axis < 3; ++axis)
        if (!(a.Coordinate(axis) == b.Coordinate(axis)))
            return false;
    return true;
}

uint64_t HashOf(const Corner &corner)
{
    uint64_t hash = 0x9E3779B97F4A7C15ull;
    for (uint32_t bits : corner.bits) {
        if (bits == 0x80000000u) // -0, which equals 0
            bits = 0;
        hash = (hash ^ bits) * 0xFF51AFD7ED558CCDull;
        hash ^= hash >> 32;
    }
    hash *= 0xC4CEB9FE1A85EC53ull;
    return hash ^ (hash >> 29);
}

// An open-addressing table of the first corner seen at each place, for the hash values of one
// share. A slot holds the place with the corner, so that a look-up reads one cache line and
// not the file; the table grows to stay at most 70 % full.
class FirstCorners
{
public:
    explicit FirstCorners(size_t expected)
    {
        size_t capacity = 1024;
        while (capacity * 7 < expected * 10)
            capacity *= 2;
        places.assign(capacity, Slot{});
    }

    // Asks the processor to fetch the slot a look-up of `hash` starts at.
    void Prefetch(uint64_t hash) const { __builtin_prefetch(&places[hash & (places.size() - 1)]); }

    // The first corner at `place`; `corner` itself when it is the first.
    uint32_t Insert(uint32_t corner, const Corner &place, uint64_t hash)
    {
        if (10 * (filled + 1) > 7 * places.size())
            Grow();
        const size_t mask = places.size() - 1;
        for (size_t at = hash & mask;; at = (at + 1) & mask) {
            Slot &slot = places[at];
            if (slot.corner == NoCorner) {
                slot = Slot{place, corner};
                ++filled;
                return corner;
            }
            if (SamePlace(slot.place, place))
                return slot.corner;
        }
    }

private:
    struct Slot
    {
        Corner place{};
        uint32_t corner = NoCorner;
    };

    void Grow()
    {
        std::vector<Slot> old(places.size() * 2);
        old.swap(places);
        const size_t mask = places.size() - 1;
        for (const Slot &slot : old) {
            if (slot.corner == NoCorner)
                continue;
            size_t at = HashOf(slot.place) & mask;
            while (places[at].corner != NoCorner)
                at = (at + 1) & mask;
            places[at] = slot;
        }
    }

    std::vector<Slot> places;
    size_t filled = 0;
};

// Runs work(0) ... work(count - 1) at once, the first on this thread; rethrows what any threw.
// Where the system gives no more threads, the rest run here one after the other.
void RunAtOnce(int count, const std::function<void(int)> &work)
{
    std::vector<std::exception_ptr> failures(static_cast<size_t>(count));
    const auto run = [&](int index) {
        try {
            work(index);
        } catch (...) {
            failures[size_t(index)] = std::current_exception();
        }
    };
    std::vector<std::thread> threads;
    int started = 1;
    try {
        for (; started < count; ++started)
            threads.emplace_back(run, started);
    } catch (const std::system_error &) {
    }
    run(0);
    for (std::thread &thread : threads)
        thread.join();
    for (int index = started; index < count; ++index)
        run(index);
    for (const std::exception_ptr &failure : failures)
        if (failure)
            std::rethrow_exception(failure);
}

struct Range
{
    size_t begin;
    size_t end;
};

Range ShareOf(size_t count, int share, int shares)
{
    return {count * size_t(share) / size_t(shares), count * size_t(share + 1) / size_t(shares)};
}

// Each corner's entry: its own number where it is the first at its place, else that first
// corner's number with the Reference bit. Thread t keeps the places whose hash is t modulo
// the threads, so each place has one table and one first corner, the earliest in the file.
void FindFirstCorners(const Corners &corners, uint32_t *entries, size_t count, int threads)
{
    // Most meshes have about one point for six corners.
    const size_t expected = count / 6 / size_t(threads) + 1;
    // Slots are fetched this many corners ahead, so that the memory's latency overlaps.
    constexpr size_t Ahead = 16;
    RunAtOnce(threads, [&](int share) {
        const auto isMine = [&](uint64_t hash) { return int((hash >> 40) % uint64_t(threads)) == share; };
        FirstCorners table(expected);
        uint64_t hashes[Ahead];
        for (size_t corner = 0; corner < std::min(Ahead, count); ++corner)
            hashes[corner] = HashOf(corners.At(corner));
        for (size_t corner = 0; corner < count; ++corner) {
            const uint64_t hash = hashes[corner % Ahead];
            if (corner + Ahead < count) {
                const uint64_t next = HashOf(corners.At(corner + Ahead));
                hashes[corner % Ahead] = next;
                if (isMine(next))
                    table.Prefetch(next);
            }
            if (!isMine(hash))
                continue;
            const uint32_t first = table.Insert(uint32_t(corner), corners.At(corner), hash);
            entries[corner] = first == corner ? first : (first | Reference);
        }
    });
}

// Numbers the first corners in their order into points and turns every entry into its point id.
vtkSmartPointer<vtkPoints> NumberPoints(const Corners &corners, uint32_t *entries, size_t count, int threads)
{
    std::vector<size_t> firstIds(size_t(threads) + 1, 0);
    RunAtOnce(threads, [&](int share) {
        const Range range = ShareOf(count, share, threads);
        size_t firsts = 0;
        for (size_t corner = range.begin; corner < range.end; ++corner)
            firsts += (entries[corner] & Reference) ? 0 : 1;
        firstIds[size_t(share) + 1] = firsts;
    });
    for (size_t share = 1; share < firstIds.size(); ++share)
        firstIds[share] += firstIds[share - 1];

    auto coordinates = vtkSmartPointer<vtkFloatArray>::New();
    coordinates->SetNumberOfComponents(3);
    coordinates->SetNumberOfTuples(vtkIdType(firstIds.back()));
    float *xyz = coordinates->GetPointer(0);
    RunAtOnce(threads, [&](int share) {
        const Range range = ShareOf(count, share, threads);
        uint32_t id = uint32_t(firstIds[size_t(share)]);
        for (size_t corner = range.begin; corner < range.end; ++corner) {
            if (entries[corner] & Reference)
                continue;
            const Corner place = corners.At(corner);
            for (int axis = 0; axis < 3; ++axis)
                xyz[3 * size_t(id) + size_t(axis)] = place.Coordinate(axis);
            entries[corner] = id++;
        }
    });
    // Every reference is to a first corner, whose entry is its point id now.
    RunAtOnce(threads, [&](int share) {
        const Range range = ShareOf(count, share, threads);
        for (size_t corner = range.begin; corner < range.end; ++corner)
            if (entries[corner] & Reference)
                entries[corner] = entries[entries[corner] & ~Reference];
    });
    auto points = vtkSmartPointer<vtkPoints>::New();
    points->SetData(coordinates);
    return points;
}

bool HasCoincidentCorners(const uint32_t *ids)
{
    return ids[0] == ids[1] || ids[1] == ids[2] || ids[0] == ids[2];
}

// Drops the triangles with two corners on one point, keeping the others' order; how many.
size_t DropTrianglesWithoutArea(uint32_t *ids, size_t &count)
{
    size_t kept = 0;
    for (size_t triangle = 0; 3 * triangle < count; ++triangle) {
        const uint32_t *corners = ids + 3 * triangle;
        if (HasCoincidentCorners(corners))
            continue;
        if (kept != triangle)
            std::copy(corners, corners + 3, ids + 3 * kept);
        ++kept;
    }
    const size_t dropped = count / 3 - kept;
    count = 3 * kept;
    return dropped;
}

int ThreadsFor(size_t corners, int threads)
{
    if (corners < CornersForThreads)
        return 1;
    if (threads <= 0)
        threads = int(std::max(1u, std::thread::hardware_concurrency()));
    return std::min(threads, 64);
}

} // namespace

FormatReading WeldStlTriangles(const char *records, size_t recordSize, size_t triangles, int threads)
{
    if (3 * triangles > MaxStlCorners)
        return Failed(ReadFailure::TooLarge);
    const Corners inFile(records, recordSize);
    // The corners' entries become the triangles' point ids in place.
    auto connectivity = vtkSmartPointer<vtkTypeInt32Array>::New();
    connectivity->SetNumberOfValues(vtkIdType(3 * triangles));
    auto *ids = reinterpret_cast<uint32_t *>(connectivity->GetPointer(0));
    size_t count = 3 * triangles;
    const int workers = ThreadsFor(count, threads);
    FindFirstCorners(inFile, ids, count, workers);
    FormatReading reading;
    reading.model = vtkSmartPointer<vtkPolyData>::New();
    reading.model->SetPoints(NumberPoints(inFile, ids, count, workers));
    reading.polygonsWithoutArea = qint64(DropTrianglesWithoutArea(ids, count));
    connectivity->SetNumberOfValues(vtkIdType(count));
    reading.model->SetPolys(TrianglesAround(connectivity.Get()));
    return reading;
}

} // namespace lumeno
