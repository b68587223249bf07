// lumeno3d-cgal-peer: CGAL's edge collapse with Lindstrom and Turk's cost and placement
// ("Fast and memory efficient polygonal simplification", 1998), at the paper's defaults, as a
// peer the quality bench measures the program's engines against. A bench tool: the program
// itself never links CGAL.
//   lumeno3d-cgal-peer INPUT OUTPUT.off TRIANGLES
// INPUT is any polygon soup CGAL reads (OFF, OBJ, STL, PLY). It is repaired and oriented into a
// manifold Surface_mesh first, so non-manifold inputs work too; what that changed is listed.
// One JSON object on stdout: the result's triangles, the changes, and the seconds of the mesh
// making and of the collapse (reading and writing the files left out, as the bench leaves
// them out for the in-process engines).
#include <CGAL/Exact_predicates_inexact_constructions_kernel.h>
#include <CGAL/IO/polygon_soup_io.h>
#include <CGAL/boost/graph/IO/OFF.h>
#include <CGAL/Polygon_mesh_processing/orient_polygon_soup.h>
#include <CGAL/Polygon_mesh_processing/polygon_soup_to_polygon_mesh.h>
#include <CGAL/Polygon_mesh_processing/repair_polygon_soup.h>
#include <CGAL/Surface_mesh.h>
#include <CGAL/Surface_mesh_simplification/Policies/Edge_collapse/LindstromTurk_cost.h>
#include <CGAL/Surface_mesh_simplification/Policies/Edge_collapse/LindstromTurk_placement.h>
#include <CGAL/Surface_mesh_simplification/edge_collapse.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>
#include <vector>

namespace {

using Kernel = CGAL::Exact_predicates_inexact_constructions_kernel;
using Point = Kernel::Point_3;
using Mesh = CGAL::Surface_mesh<Point>;
using Polygon = std::vector<std::size_t>;
namespace PMP = CGAL::Polygon_mesh_processing;
namespace SMS = CGAL::Surface_mesh_simplification;

// Stops once the mesh holds `triangles` or fewer: CGAL 5.5's Count_stop_predicate counts
// edges, which on a mesh with borders or several bodies is no fixed multiple of the triangles.
// A collapse removes one or two triangles, so the result has the count asked or one fewer.
class TriangleCountStop
{
public:
    explicit TriangleCountStop(std::size_t goal) : triangles(goal) {}

    template <typename Cost, typename Profile>
    bool operator()(const Cost &, const Profile &profile, std::size_t, std::size_t) const
    {
        return profile.surface_mesh().number_of_faces() <= triangles;
    }

private:
    std::size_t triangles;
};

double SecondsSince(std::chrono::steady_clock::time_point start)
{
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

std::string Quoted(const std::string &text)
{
    std::string quoted = "\"";
    for (char c : text)
        quoted += (c == '"' || c == '\\') ? std::string{'\\', c} : std::string{c};
    return quoted + "\"";
}

int Fail(const std::string &message)
{
    std::printf("{\"error\": %s}\n", Quoted(message).c_str());
    return 1;
}

// The soup made into a manifold triangle mesh; each change to the soup is added to `changes`.
// False when it cannot be made one.
bool SoupToMesh(std::vector<Point> &points, std::vector<Polygon> &polygons, Mesh &mesh,
                std::vector<std::string> &changes)
{
    const std::size_t pointsBefore = points.size(), polygonsBefore = polygons.size();
    PMP::repair_polygon_soup(points, polygons);
    if (points.size() != pointsBefore)
        changes.push_back("repair: " + std::to_string(pointsBefore - points.size()) +
                          " duplicate or unused points merged or dropped");
    if (polygons.size() != polygonsBefore)
        changes.push_back("repair: " + std::to_string(polygonsBefore - polygons.size()) +
                          " degenerate or duplicate triangles dropped");
    const std::size_t pointsUnoriented = points.size();
    if (!PMP::orient_polygon_soup(points, polygons))
        changes.push_back("orientation: " + std::to_string(points.size() - pointsUnoriented) +
                          " points duplicated at non-manifold or inconsistently oriented places");
    if (!PMP::is_polygon_soup_a_polygon_mesh(polygons))
        return false;
    PMP::polygon_soup_to_polygon_mesh(points, polygons, mesh);
    return CGAL::is_triangle_mesh(mesh);
}

} // namespace

int main(int argc, char *argv[])
{
    if (argc != 4) {
        std::fprintf(stderr, "Usage: lumeno3d-cgal-peer INPUT OUTPUT.off TRIANGLES\n");
        return 2;
    }
    const std::size_t target = std::strtoull(argv[3], nullptr, 10);

    std::vector<Point> points;
    std::vector<Polygon> polygons;
    if (!CGAL::IO::read_polygon_soup(argv[1], points, polygons) || polygons.empty())
        return Fail(std::string("cannot read ") + argv[1]);
    for (const Polygon &polygon : polygons)
        if (polygon.size() != 3)
            return Fail("the input has polygons other than triangles");
    const std::size_t inputTriangles = polygons.size();

    const auto start = std::chrono::steady_clock::now();
    Mesh mesh;
    std::vector<std::string> changes;
    if (!SoupToMesh(points, polygons, mesh, changes))
        return Fail("the repaired soup is no manifold triangle mesh");
    const std::size_t meshTriangles = mesh.number_of_faces();
    const double meshSeconds = SecondsSince(start);

    const auto collapseStart = std::chrono::steady_clock::now();
    const int collapsed = SMS::edge_collapse(mesh, TriangleCountStop(target),
                                             CGAL::parameters::get_cost(SMS::LindstromTurk_cost<Mesh>())
                                                 .get_placement(SMS::LindstromTurk_placement<Mesh>()));
    const double collapseSeconds = SecondsSince(collapseStart);

    mesh.collect_garbage();
    std::ofstream output(argv[2]);
    if (!CGAL::IO::write_OFF(output, mesh, CGAL::parameters::stream_precision(17)))
        return Fail(std::string("cannot write ") + argv[2]);

    std::string changeList;
    for (const std::string &change : changes)
        changeList += (changeList.empty() ? "" : ", ") + Quoted(change);
    std::printf("{\"inputTriangles\": %zu, \"meshTriangles\": %zu, \"triangles\": %zu, \"collapses\": %d, "
                "\"changes\": [%s], \"meshSeconds\": %.6f, \"collapseSeconds\": %.6f, \"seconds\": %.6f}\n",
                inputTriangles, meshTriangles, std::size_t(mesh.number_of_faces()), collapsed, changeList.c_str(),
                meshSeconds, collapseSeconds, meshSeconds + collapseSeconds);
    return 0;
}
