"""CGAL's sample meshes (Debian's libcgal-demo, data/meshes): which are triangle meshes, and
which of them each part of the bench corpus takes."""
import hashlib
import os
import struct

# Below this a 10 % level keeps fewer than ten triangles: nothing left to measure.
SMALLEST = 100
# Scans the parts resample (generate.py) stay in the part that resamples them.
PINNED = {"bunny00": "development", "ChineseDragon-10kv": "development", "armadillo": "held-back"}


def off_triangles(path):
    """The number of faces, or why the file is no triangle mesh. One vertex or face a line."""
    with open(path, encoding="latin-1") as file:
        lines = [words for words in (line.split("#")[0].split() for line in file) if words]
    if lines[0][0][0].isdigit():
        counts, first = lines[0], 1
    elif len(lines[0]) > 1:
        counts, first = lines[0][1:], 1
    else:
        counts, first = lines[1], 2
    points, faces = int(counts[0]), int(counts[1])
    face_lines = lines[first + points:first + points + faces]
    if len(face_lines) != faces:
        return "unreadable (fewer faces than its header says)"
    for words in face_lines:
        if int(words[0]) != 3:
            return "has faces of %s corners" % words[0]
    return faces


def ply_triangles(path):
    with open(path, "rb") as file:
        header = []
        for line in file:
            header.append(line.decode("latin-1").strip())
            if header[-1] == "end_header":
                break
    faces = [int(line.split()[2]) for line in header if line.startswith("element face")]
    return faces[0] if faces else 0


def stl_triangles(path):
    with open(path, "rb") as file:
        start = file.read(84)
    if start[:5] == b"solid" and b"facet" in open(path, "rb").read(1000):
        return open(path, "rb").read().count(b"endfacet")
    return struct.unpack("<I", start[80:84])[0]


def triangles(path):
    suffix = os.path.splitext(path)[1].lower()
    try:
        if suffix == ".off":
            return off_triangles(path)
        if suffix == ".ply":
            return ply_triangles(path)
        if suffix == ".stl":
            return stl_triangles(path)
    except (ValueError, IndexError, OSError) as error:
        return "unreadable (%s)" % error
    return "not a mesh format"


def part_of(name):
    """A fixed third of the meshes is held back, chosen by a hash of the name."""
    if name in PINNED:
        return PINNED[name]
    return "held-back" if hashlib.sha1(name.encode()).digest()[0] % 3 == 0 else "development"


def select(folder, part):
    """(name, path) of the part's triangle meshes, and notes on the meshes no part takes."""
    taken, notes = [], []
    for file in sorted(os.listdir(folder)):
        path = os.path.join(folder, file)
        name = os.path.splitext(file)[0]
        count = triangles(path)
        if isinstance(count, str):
            notes.append("%s: %s" % (file, count))
        elif count < SMALLEST:
            notes.append("%s: %d triangles, fewer than %d" % (file, count, SMALLEST))
        elif part_of(name) == part:
            taken.append((name, path))
    return taken, notes
