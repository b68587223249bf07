# Builds the bench corpus's Blender models, organic and hard-surface, each unwrapped into UV
# islands (so its texture seams split vertices) and exported as OBJ or GLB, and resamples scans
# (OFF files) by voxel remeshing, exported as OBJ without UVs. Run by generate.py as
#   blender -b --factory-startup --python blender_models.py -- MODELS.json OUTPUT_FOLDER
# MODELS.json lists the models: {"name", "kind", "format": "obj"|"glb", and the kind's numbers}.
import json
import math
import os
import sys

import bmesh
import bpy

arguments = sys.argv[sys.argv.index("--") + 1:]
models = json.load(open(arguments[0]))
out = arguments[1]


def clear_scene():
    bpy.ops.wm.read_factory_settings(use_empty=True)


def active(obj):
    bpy.context.view_layer.objects.active = obj
    obj.select_set(True)


def add_modifier(obj, kind, **settings):
    modifier = obj.modifiers.new(kind.lower(), kind)
    for key, value in settings.items():
        setattr(modifier, key, value)
    return modifier


def displace(obj, strength, scale, seed, texture="CLOUDS"):
    tex = bpy.data.textures.new("noise%d" % seed, texture)
    tex.noise_scale = scale
    if hasattr(tex, "noise_basis"):
        tex.noise_basis = ["BLENDER_ORIGINAL", "ORIGINAL_PERLIN", "IMPROVED_PERLIN", "VORONOI_F1"][seed % 4]
    add_modifier(obj, "DISPLACE", texture=tex, strength=strength, texture_coords="LOCAL")


def apply_all(obj):
    active(obj)
    for modifier in list(obj.modifiers):
        bpy.ops.object.modifier_apply(modifier=modifier.name)


def unwrap(obj, angle):
    # Smart UV Project cuts the surface into islands at creases: every island border is a seam.
    active(obj)
    bpy.ops.object.mode_set(mode="EDIT")
    bpy.ops.mesh.select_all(action="SELECT")
    bpy.ops.uv.smart_project(angle_limit=math.radians(angle), island_margin=0.01)
    bpy.ops.object.mode_set(mode="OBJECT")


def export(obj, name, fmt):
    bpy.ops.object.select_all(action="DESELECT")
    active(obj)
    path = os.path.join(out, name + "." + fmt)
    if fmt == "obj":
        uv = bool(obj.data.uv_layers)
        bpy.ops.wm.obj_export(filepath=path, export_selected_objects=True, export_uv=uv, export_normals=uv,
                              export_materials=False, export_triangulated_mesh=True, apply_modifiers=True)
    else:
        bpy.ops.export_scene.gltf(filepath=path, export_format="GLB", use_selection=True, export_texcoords=True,
                                  export_normals=True, export_materials="NONE", export_apply=True)


def organic_monkey(m):
    bpy.ops.mesh.primitive_monkey_add()
    obj = bpy.context.object
    add_modifier(obj, "SUBSURF", levels=m["subdivisions"], render_levels=m["subdivisions"])
    displace(obj, m["strength"], m["scale"], m["seed"])
    apply_all(obj)
    bpy.ops.object.shade_smooth()
    return obj


def organic_blob(m):
    bpy.ops.mesh.primitive_ico_sphere_add(subdivisions=m["subdivisions"], radius=1.0)
    obj = bpy.context.object
    obj.scale = (1.0, m["stretch"], 1.0 / m["stretch"])
    displace(obj, m["strength"], m["scale"], m["seed"])
    add_modifier(obj, "SMOOTH", factor=0.5, iterations=2)
    apply_all(obj)
    bpy.ops.object.shade_smooth()
    return obj


def organic_terrain(m):
    # An open surface: its border is the grid's edge.
    bpy.ops.mesh.primitive_grid_add(x_subdivisions=m["grid"], y_subdivisions=m["grid"], size=10)
    obj = bpy.context.object
    displace(obj, m["strength"], m["scale"], m["seed"])
    apply_all(obj)
    bpy.ops.object.shade_smooth()
    return obj


def hard_panel(m):
    # A bevelled block with holes cut by booleans, shaded flat with sharp edges kept.
    bpy.ops.mesh.primitive_cube_add(size=2)
    obj = bpy.context.object
    obj.scale = (m["width"], m["depth"], m["height"])
    bpy.ops.object.transform_apply(scale=True)
    cutters = []
    for i in range(m["holes"]):
        x = -m["width"] + 2 * m["width"] * (i + 1) / (m["holes"] + 1)
        bpy.ops.mesh.primitive_cylinder_add(vertices=m["segments"], radius=m["hole"], depth=4 * m["height"],
                                            location=(x, 0, 0))
        cutters.append(bpy.context.object)
    for cutter in cutters:
        add_modifier(obj, "BOOLEAN", operation="DIFFERENCE", object=cutter, solver="EXACT")
    add_modifier(obj, "BEVEL", width=m["bevel"], segments=m["bevel_segments"], limit_method="ANGLE")
    add_modifier(obj, "TRIANGULATE")
    apply_all(obj)
    for cutter in cutters:
        bpy.data.objects.remove(cutter)
    return obj


def hard_hull(m):
    # A cylinder whose side panels are inset and pushed in or out: hard-surface greebles.
    bpy.ops.mesh.primitive_cylinder_add(vertices=m["segments"], radius=1.0, depth=m["length"])
    obj = bpy.context.object
    mesh = obj.data
    b = bmesh.new()
    b.from_mesh(mesh)
    bmesh.ops.subdivide_edges(b, edges=[e for e in b.edges if abs(e.verts[0].co.z - e.verts[1].co.z) > 1e-6],
                              cuts=m["rings"], use_grid_fill=True)
    sides = [f for f in b.faces if abs(f.normal.z) < 0.5]
    chosen = [f for i, f in enumerate(sides) if (i * 7 + m["seed"]) % 3 == 0]
    bmesh.ops.inset_individual(b, faces=chosen, thickness=m["inset"], depth=0.0)
    for i, f in enumerate(chosen):
        depth = m["depth"] * (1 if i % 2 else -1)
        for v in f.verts:
            v.co += f.normal * depth
    b.to_mesh(mesh)
    b.free()
    add_modifier(obj, "BEVEL", width=m["bevel"], segments=2, limit_method="ANGLE")
    add_modifier(obj, "TRIANGULATE")
    apply_all(obj)
    return obj


def read_off(path):
    words = []
    for line in open(path):
        words += line.split("#")[0].split()
    start = 1 if words[0].endswith("OFF") else 0
    points, faces = int(words[start]), int(words[start + 1])
    at = start + 3
    vertices = []
    for _ in range(points):
        vertices.append(tuple(float(w) for w in words[at:at + 3]))
        at += 3
    polygons = []
    for _ in range(faces):
        count = int(words[at])
        polygons.append(tuple(int(w) for w in words[at + 1:at + 1 + count]))
        at += 1 + count
    return vertices, polygons


def scan_remesh(m):
    # A scan resampled: the voxel remesher builds a new surface at the given voxel size.
    vertices, polygons = read_off(m["source"])
    mesh = bpy.data.meshes.new(m["name"])
    mesh.from_pydata(vertices, [], polygons)
    mesh.update()
    obj = bpy.data.objects.new(m["name"], mesh)
    bpy.context.scene.collection.objects.link(obj)
    add_modifier(obj, "REMESH", mode="VOXEL", voxel_size=m["voxel"] * max(obj.dimensions))
    add_modifier(obj, "TRIANGULATE")
    apply_all(obj)
    return obj


makers = {"scan_remesh": scan_remesh, "organic_monkey": organic_monkey, "organic_blob": organic_blob, "organic_terrain": organic_terrain,
          "hard_panel": hard_panel, "hard_hull": hard_hull}

failed = 0
for model in models:
    clear_scene()
    try:
        obj = makers[model["kind"]](model)
        if "uv_angle" in model:
            unwrap(obj, model["uv_angle"])
        export(obj, model["name"], model["format"])
        print("wrote", model["name"], len(obj.data.polygons), "faces")
    except Exception as error:  # the others are still made; generate.py notes the missing file
        print("failed", model["name"], error)
        failed += 1
sys.exit(1 if failed else 0)
