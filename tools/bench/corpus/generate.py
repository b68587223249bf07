#!/usr/bin/python3
"""Writes one part of the quality bench's corpus into a folder, with its manifest.tsv.

    generate.py --part development --seed 1 --cgal-meshes DIR --bench lumeno3d-bench --out DIR

The part takes its share of CGAL's sample meshes (cgal_samples.py) and, with numbers drawn
from the seed, CAD parts (OpenSCAD, cad/*.scad), Blender models with UV seams
(blender_models.py), scans at other densities (Loop subdivision by lumeno3d-bench, voxel
remeshing by Blender), and copies of some of these scaled and turned (transform.py). Another
seed gives other parameters, shapes, scales and orientations: the held-back part is made so.
Files already written are kept, so an interrupted run goes on where it stopped.
"""
import argparse
import json
import os
import random
import shutil
import subprocess
import sys

here = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, here)
import cgal_samples  # noqa: E402
import transform  # noqa: E402

# Scans whose denser and resampled copies the part gets; each stays in its part (cgal_samples).
SCANS = {"development": ["bunny00", "ChineseDragon-10kv"], "held-back": ["armadillo"]}
WORDS = ["LUMENO", "PART 7", "X-42", "M5 BOLT", "Qz&9", "BED 3", "AXIS", "rev B", "800g", "GEAR-12"]


def cad_parts(rng):
    """OpenSCAD parts with numbers of the seed: name, source and -D settings."""
    def fn():
        return rng.choice([16, 24, 32, 48, 64, 96])
    parts = []
    for i in range(2):
        parts.append(("text_plate", {
            "width": rng.uniform(50, 120), "depth": rng.uniform(25, 50), "thickness": rng.uniform(2, 6),
            "corner": rng.uniform(1, 5), "engraved": rng.choice(WORDS), "embossed": rng.choice(WORDS[:5]),
            "text_size": rng.uniform(5, 10), "relief": rng.uniform(0.4, 1.5), "fn": fn()}))
        parts.append(("slotted_bed", {
            "width": rng.uniform(150, 260), "depth": rng.uniform(150, 260), "thickness": rng.uniform(2, 5),
            "slot_length": rng.uniform(10, 35), "slot_width": rng.uniform(2, 6), "columns": rng.randint(2, 7),
            "rows": rng.randint(2, 8), "rim": rng.uniform(0.8, 2), "rim_height": rng.uniform(1, 4), "fn": fn()}))
    parts.append(("bracket_bosses", {
        "length": rng.uniform(40, 90), "width": rng.uniform(20, 40), "thickness": rng.uniform(3, 6),
        "height": rng.uniform(25, 60), "fillet": rng.uniform(3, 9), "bosses": rng.randint(1, 4),
        "boss": rng.uniform(7, 12), "boss_height": rng.uniform(2, 8), "ribs": rng.randint(1, 3),
        "rib": rng.uniform(0.8, 2.5), "fn": fn()}))
    parts.append(("rounded_box", {
        "width": rng.uniform(40, 90), "depth": rng.uniform(30, 60), "height": rng.uniform(15, 40),
        "radius": rng.uniform(2.5, 8), "wall": rng.uniform(0.6, 2), "fn": rng.choice([16, 24, 32])}))
    parts.append(("several_bodies", {
        "teeth": rng.randint(10, 40), "module_size": rng.uniform(1, 3), "gear_thickness": rng.uniform(3, 10),
        "nut": rng.uniform(6, 14), "fn": fn(), "spacing": rng.uniform(45, 80)}))
    parts.append(("flange", {
        "outer": rng.uniform(30, 60), "inner": rng.uniform(5, 12), "hub": rng.uniform(14, 25),
        "plate": rng.uniform(4, 10), "hub_height": rng.uniform(12, 30), "round": rng.uniform(0.5, 2),
        "bolts": rng.randint(3, 10), "fn": rng.choice([32, 48, 64, 96, 128])}))
    parts.append(("heat_sink", {
        "width": rng.uniform(30, 80), "depth": rng.uniform(25, 60), "base": rng.uniform(2, 5),
        "fins": rng.randint(5, 18), "fin": rng.uniform(0.6, 1.6), "fin_height": rng.uniform(10, 35), "fn": fn()}))
    return parts


def scad_value(value):
    if isinstance(value, str):
        return json.dumps(value)
    return "%.4g" % value if isinstance(value, float) else str(value)


def blender_models(rng, seed, scans):
    """The Blender models of the seed, and the scans it resamples."""
    models = []
    for i in range(2):
        models.append({"kind": "organic_monkey", "subdivisions": rng.choice([2, 3]),
                       "strength": rng.uniform(0.02, 0.15), "scale": rng.uniform(0.2, 0.8)})
    models.append({"kind": "organic_blob", "subdivisions": rng.choice([6, 7]), "stretch": rng.uniform(0.6, 1.6),
                   "strength": rng.uniform(0.1, 0.5), "scale": rng.uniform(0.3, 1.0)})
    models.append({"kind": "organic_terrain", "grid": rng.choice([80, 120, 160]),
                   "strength": rng.uniform(0.5, 2.5), "scale": rng.uniform(1.0, 4.0)})
    models.append({"kind": "hard_panel", "width": rng.uniform(1.5, 3), "depth": rng.uniform(0.8, 1.5),
                   "height": rng.uniform(0.2, 0.6), "holes": rng.randint(1, 4), "hole": rng.uniform(0.1, 0.35),
                   "segments": rng.choice([16, 24, 32, 48]), "bevel": rng.uniform(0.02, 0.08),
                   "bevel_segments": rng.choice([2, 3, 4])})
    models.append({"kind": "hard_hull", "segments": rng.choice([16, 24, 32]), "length": rng.uniform(2, 5),
                   "rings": rng.randint(4, 10), "inset": rng.uniform(0.03, 0.08), "depth": rng.uniform(0.02, 0.1),
                   "bevel": rng.uniform(0.005, 0.02)})
    counts = {}
    for model in models:
        counts[model["kind"]] = counts.get(model["kind"], 0) + 1
        model["name"] = "blender_%s_%d" % (model["kind"], counts[model["kind"]])
        model["seed"] = rng.randint(0, 1 << 20) + seed
        model["uv_angle"] = rng.uniform(40, 75)
        model["format"] = rng.choice(["obj", "glb"])
    for source in scans:
        for voxel in sorted(rng.sample([0.008, 0.011, 0.016, 0.022], 2)):
            models.append({"kind": "scan_remesh", "name": "scan_%s_voxel%g" % (source, voxel * 1000),
                           "source": scans[source], "voxel": voxel, "format": "obj"})
    return models


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--part", required=True, choices=sorted(SCANS))
    parser.add_argument("--seed", type=int, required=True)
    parser.add_argument("--cgal-meshes", required=True, help="CGAL's data/meshes folder")
    parser.add_argument("--bench", required=True, help="lumeno3d-bench, which Loop-subdivides the scans")
    parser.add_argument("--out", required=True)
    args = parser.parse_args()
    os.makedirs(args.out, exist_ok=True)
    rng = random.Random(args.seed)
    manifest = []  # file, kind, how it was made

    def add(path, kind, how):
        if os.path.exists(path):
            manifest.append((os.path.basename(path), kind, how))
        else:
            print("not written: %s (%s)" % (os.path.basename(path), how), file=sys.stderr)

    print("== CGAL's sample meshes", file=sys.stderr)
    taken, notes = cgal_samples.select(args.cgal_meshes, args.part)
    for name, path in taken:
        target = os.path.join(args.out, "cgal_" + os.path.basename(path))
        if not os.path.exists(target):
            shutil.copyfile(path, target)
        add(target, "CGAL sample", "libcgal-demo data/meshes/" + os.path.basename(path))
    with open(os.path.join(args.out, "left-out.txt"), "w") as file:
        file.writelines(note + "\n" for note in notes)

    print("== OpenSCAD", file=sys.stderr)
    counts = {}
    for source, settings in cad_parts(rng):
        counts[source] = counts.get(source, 0) + 1
        target = os.path.join(args.out, "scad_%s_%d.off" % (source, counts[source]))
        defines = []
        for key, value in settings.items():
            defines += ["-D", "%s=%s" % (key, scad_value(value))]
        if not os.path.exists(target):
            made = subprocess.run(["openscad", "-q", "-o", target + ".tmp.off"] + defines +
                                  [os.path.join(here, "cad", source + ".scad")], capture_output=True, text=True)
            if made.returncode == 0 and os.path.exists(target + ".tmp.off"):
                os.replace(target + ".tmp.off", target)
            else:
                print(made.stderr[-2000:], file=sys.stderr)
        add(target, "CAD (OpenSCAD)", "cad/%s.scad %s" % (source, " ".join(defines[1::2])))

    print("== scans, Loop-subdivided", file=sys.stderr)
    scans = {name: os.path.join(args.cgal_meshes, name + ".off") for name in SCANS[args.part]}
    for name, path in scans.items():
        target = os.path.join(args.out, "scan_%s_loop1.ply" % name)
        if not os.path.exists(target):
            subprocess.run([args.bench, "--generate", target, "--subdivide", path, "--rounds", "1"], check=False)
        add(target, "scan, denser", "%s Loop-subdivided once by lumeno3d-bench" % name)

    print("== Blender", file=sys.stderr)
    models = blender_models(rng, args.seed, scans)
    missing = [m for m in models if not os.path.exists(os.path.join(args.out, m["name"] + "." + m["format"]))]
    if missing:
        listing = os.path.join(args.out, "blender-models.json")
        with open(listing, "w") as file:
            json.dump(missing, file, indent=1)
        made = subprocess.run(["blender", "-b", "--factory-startup", "--python",
                               os.path.join(here, "blender_models.py"), "--", listing, args.out],
                              capture_output=True, text=True)
        if made.returncode != 0:
            print(made.stdout[-3000:], made.stderr[-3000:], file=sys.stderr)
    for model in models:
        kind = "scan, resampled (Blender voxel remesh)" if model["kind"] == "scan_remesh" else \
            "Blender %s, UV seams" % ("organic" if model["kind"].startswith("organic") else "hard-surface")
        settings = {k: v for k, v in model.items() if k not in ("name", "format", "source")}
        add(os.path.join(args.out, model["name"] + "." + model["format"]), kind,
            "blender_models.py " + json.dumps(settings, sort_keys=True))

    print("== scaled and turned", file=sys.stderr)
    sources = [entry for entry in manifest if entry[0].endswith((".off", ".obj"))
               and not entry[0].startswith("scan_") and entry[1] != "CGAL sample"]
    cgal = [entry for entry in manifest if entry[1] == "CGAL sample" and entry[0].endswith(".off")]
    chosen = rng.sample(cgal, min(3, len(cgal))) + rng.sample(sources, min(4, len(sources)))
    variants = [(0.001, False), (1000.0, False), (1.0, True), (1000.0, True), (0.001, True), (1.0, True), (1000.0, True)]
    for (name, kind, _), (scale, turned) in zip(chosen, variants):
        rotation = transform.random_rotation(rng) if turned else None
        stem, suffix = os.path.splitext(name)
        label = ("x%g" % scale if scale != 1 else "") + ("_turned" if turned else "")
        target = os.path.join(args.out, "moved_%s_%s%s" % (stem, label.strip("_"), suffix))
        if not os.path.exists(target):
            transform.write_transformed(os.path.join(args.out, name), target, scale, rotation)
        add(target, kind + ", scaled/turned", "%s scaled by %g%s" % (name, scale,
            ", turned by %s" % transform.describe(rotation) if rotation else ""))

    with open(os.path.join(args.out, "manifest.tsv"), "w") as file:
        file.write("file\tkind\thow\n")
        for entry in manifest:
            file.write("\t".join(entry) + "\n")
    print("%s part: %d meshes in %s" % (args.part, len(manifest), args.out), file=sys.stderr)


if __name__ == "__main__":
    main()
