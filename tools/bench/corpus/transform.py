"""Scales and turns the vertices of an OFF or OBJ file about its origin, the rest unchanged."""
import math


def random_rotation(rng):
    """A rotation matrix drawn uniformly (Shoemake's unit quaternion)."""
    u1, u2, u3 = rng.random(), rng.random(), rng.random()
    a, b = math.sqrt(1 - u1), math.sqrt(u1)
    w, x, y, z = a * math.sin(2 * math.pi * u2), a * math.cos(2 * math.pi * u2), \
        b * math.sin(2 * math.pi * u3), b * math.cos(2 * math.pi * u3)
    return [[1 - 2 * (y * y + z * z), 2 * (x * y - z * w), 2 * (x * z + y * w)],
            [2 * (x * y + z * w), 1 - 2 * (x * x + z * z), 2 * (y * z - x * w)],
            [2 * (x * z - y * w), 2 * (y * z + x * w), 1 - 2 * (x * x + y * y)]]


def describe(rotation):
    angle = math.degrees(math.acos(max(-1.0, min(1.0, (rotation[0][0] + rotation[1][1] + rotation[2][2] - 1) / 2))))
    return "%.1f degrees" % angle


def _moved(values, scale, rotation, is_normal=False):
    v = [float(t) for t in values[:3]]
    if rotation:
        v = [sum(rotation[i][k] * v[k] for k in range(3)) for i in range(3)]
    if not is_normal:
        v = [c * scale for c in v]
    return ["%.17g" % c for c in v] + list(values[3:])


def write_transformed(source, target, scale, rotation):
    lines = open(source, encoding="latin-1").read().splitlines()
    out = []
    if source.endswith(".obj"):
        for line in lines:
            words = line.split()
            if words and words[0] in ("v", "vn"):
                line = " ".join([words[0]] + _moved(words[1:], scale, rotation, words[0] == "vn"))
            out.append(line)
    else:
        # OFF: a header word, the counts, then one vertex a line (comments and blank lines kept).
        content = [i for i, line in enumerate(lines) if line.split("#")[0].strip()]
        words = lines[content[0]].split("#")[0].split()
        if words[0][0].isdigit():
            counts, first_vertex = words, 1
        elif len(words) > 1:
            counts, first_vertex = words[1:], 1
        else:
            counts, first_vertex = lines[content[1]].split("#")[0].split(), 2
        vertices = int(counts[0])
        moved = set(content[first_vertex:first_vertex + vertices])
        for i, line in enumerate(lines):
            out.append(" ".join(_moved(line.split("#")[0].split(), scale, rotation)) if i in moved else line)
    with open(target, "w", encoding="latin-1") as file:
        file.write("\n".join(out) + "\n")
