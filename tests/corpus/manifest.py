#!/usr/bin/env python3
"""Reads every model file of a folder with assimp and prints the manifest test_corpus checks
our reading against, one tab-separated line a file:
  file, the program that wrote it, the file assimp read for it (itself, or where assimp
  cannot read a file, the one the same program wrote of the same model in another format),
  assimp's triangles and lines (every placement of a mesh counted), its vertices (after
  joining identical ones), the bounds' corners, and what the file's vertices carry: normals
  (0/1), texture coordinate sets, colour sets.
Counts come from `assimp info` (triangulated), the bounds and attributes from assimp's plain
reading (`assimp export -fassjson`, no processing): the bounds of the triangles and polygons
with every node's transform applied (`assimp info`'s own bounds leave out a parent node's
transform, and take in lines)."""
import json
import os
import re
import subprocess
import sys
import tempfile

MODEL_SUFFIXES = (".stl", ".obj", ".ply", ".off", ".gltf", ".glb", ".3mf")
MESH_LINE = re.compile(r"^\s+(\d+) \(.*\): \[(\d+) / \d+ / (\d+) \| ([a-z ]+)\]$")
NODE_MESHES = re.compile(r"\(mesh(?:es)? ([\d, ]+)\)\s*$")


def info(path):
    text = subprocess.run(["assimp", "info", path], check=True, capture_output=True, text=True).stdout
    meshes, placements = {}, []
    in_meshes = in_nodes = False
    for line in text.splitlines():
        if line.startswith("Meshes:  (name)"):
            in_meshes = True
            continue
        if line.startswith("Node hierarchy:"):
            in_nodes = True
            continue
        if in_meshes:
            match = MESH_LINE.match(line)
            if match:
                meshes[int(match.group(1))] = (int(match.group(2)), int(match.group(3)), match.group(4).strip())
            elif not line.strip():
                in_meshes = False
        elif in_nodes:
            match = NODE_MESHES.search(line)
            if match:
                placements += [int(index) for index in match.group(1).split(",")]
    triangles = sum(meshes[i][1] for i in placements if meshes[i][2] == "triangle")
    lines = sum(meshes[i][1] for i in placements if meshes[i][2] == "line")
    vertices = sum(meshes[i][0] for i in placements)
    return triangles, lines, vertices


def multiply(a, b):
    """Product of two row-major 4 x 4 matrices, as assimp writes them."""
    return [sum(a[4 * row + k] * b[4 * k + column] for k in range(4)) for row in range(4) for column in range(4)]


def scene_of(path):
    with tempfile.TemporaryDirectory() as folder:
        dump = os.path.join(folder, "dump.json")
        subprocess.run(["assimp", "export", path, dump, "-fassjson"], check=True, capture_output=True)
        with open(dump) as file:
            return json.load(file)


SURFACES = 4 | 8  # aiPrimitiveType_TRIANGLE, aiPrimitiveType_POLYGON


def bounds(scene):
    low, high = [float("inf")] * 3, [float("-inf")] * 3

    def visit(node, parent):
        matrix = multiply(parent, node["transformation"])
        for index in node.get("meshes", []):
            if not scene["meshes"][index]["primitivetypes"] & SURFACES:
                continue  # points and lines: no part of the surface we compare
            values = scene["meshes"][index]["vertices"]
            for i in range(0, len(values), 3):
                point = [sum(matrix[4 * row + k] * values[i + k] for k in range(3)) + matrix[4 * row + 3]
                         for row in range(3)]
                for axis in range(3):
                    low[axis] = min(low[axis], point[axis])
                    high[axis] = max(high[axis], point[axis])
        for child in node.get("children", []):
            visit(child, matrix)

    visit(scene["rootnode"], [1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1])
    return low, high


def attributes(scene):
    meshes = scene.get("meshes", [])
    normals = any(mesh.get("normals") for mesh in meshes)
    uv_sets = max((len(mesh.get("texturecoords", [])) for mesh in meshes), default=0)
    colour_sets = max((len(mesh.get("colors", [])) for mesh in meshes), default=0)
    return int(normals), uv_sets, colour_sets


def readable(path):
    return subprocess.run(["assimp", "info", path], capture_output=True).returncode == 0


def reference_for(folder, name):
    """The file assimp reads for this one: itself, or the same model in another format."""
    if readable(os.path.join(folder, name)):
        return name
    stem = os.path.splitext(name)[0]
    for suffix in (".off", ".stl"):
        if os.path.exists(os.path.join(folder, stem + suffix)) and readable(os.path.join(folder, stem + suffix)):
            print("assimp cannot read %s: compared with %s%s" % (name, stem, suffix), file=sys.stderr)
            return stem + suffix
    raise SystemExit("assimp reads neither %s nor the same model in another format" % name)


def main(folder):
    print("\t".join(["file", "writer", "read_by_assimp", "triangles", "lines", "vertices", "min_x", "min_y", "min_z",
                     "max_x", "max_y", "max_z", "normals", "uv_sets", "colour_sets"]))
    for name in sorted(os.listdir(folder)):
        if not name.endswith(MODEL_SUFFIXES):
            continue
        reference = reference_for(folder, name)
        path = os.path.join(folder, reference)
        triangles, lines, vertices = info(path)
        scene = scene_of(path)
        low, high = bounds(scene)
        normals, uv_sets, colour_sets = attributes(scene)
        writer = name.split("_", 1)[0]
        print("\t".join([name, writer, reference, str(triangles), str(lines), str(vertices)] +
                        ["%.6g" % value for value in low + high] + [str(normals), str(uv_sets), str(colour_sets)]))


if __name__ == "__main__":
    main(sys.argv[1])
