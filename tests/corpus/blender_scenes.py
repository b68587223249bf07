# Builds small scenes in Blender and writes them with Blender's own exporters (glTF, GLB, OBJ,
# PLY, STL), one file for each feature those exporters write. Run by generate.sh as
#   blender -b --factory-startup --python blender_scenes.py -- OUTPUT_FOLDER
# Every mesh is made here from numbers, so that the files depend on nothing but Blender.
import math
import os
import sys

import bmesh
import bpy

out = sys.argv[sys.argv.index("--") + 1]
os.makedirs(out, exist_ok=True)


def clear_scene():
    bpy.ops.wm.read_factory_settings(use_empty=True)


def mesh_object(name, vertices, faces, mesh=None):
    if mesh is None:
        mesh = bpy.data.meshes.new(name)
        mesh.from_pydata(vertices, [], faces)
        mesh.update()
    obj = bpy.data.objects.new(name, mesh)
    bpy.context.scene.collection.objects.link(obj)
    return obj


def material(name, rgba, image=None):
    mat = bpy.data.materials.new(name)
    mat.use_nodes = True
    bsdf = mat.node_tree.nodes["Principled BSDF"]
    bsdf.inputs["Base Color"].default_value = rgba
    if image is not None:
        tex = mat.node_tree.nodes.new("ShaderNodeTexImage")
        tex.image = image
        mat.node_tree.links.new(tex.outputs["Color"], bsdf.inputs["Base Color"])
    return mat


def checker_image(name, size=4):
    image = bpy.data.images.new(name, size, size)
    pixels = []
    for y in range(size):
        for x in range(size):
            on = (x + y) % 2
            pixels += [on, 0.5, 1 - on, 1.0]
    image.pixels = pixels
    image.filepath_raw = os.path.join(out, name + ".png")
    image.file_format = "PNG"
    image.save()
    return image


def gltf(name, fmt="GLB", **options):
    suffix = {"GLB": ".glb", "GLTF_SEPARATE": ".gltf", "GLTF_EMBEDDED": ".gltf"}[fmt]
    bpy.ops.export_scene.gltf(filepath=os.path.join(out, name + suffix), export_format=fmt, **options)


def obj(name, **options):
    bpy.ops.wm.obj_export(filepath=os.path.join(out, name + ".obj"), **options)


def ply(name, **options):
    bpy.ops.export_mesh.ply(filepath=os.path.join(out, name + ".ply"), **options)


def stl(name, **options):
    bpy.ops.export_mesh.stl(filepath=os.path.join(out, name + ".stl"), **options)


def cube_corners(size=1.0):
    s = size / 2
    return [(x, y, z) for x in (-s, s) for y in (-s, s) for z in (-s, s)]


# Quads of cube_corners, each turning outwards.
CUBE_FACES = [(0, 1, 3, 2), (4, 6, 7, 5), (0, 4, 5, 1), (2, 3, 7, 6), (0, 2, 6, 4), (1, 5, 7, 3)]


def cube_with_seams():
    """A unit cube whose six faces lie apart in the texture (a cross), so that every corner has
    several texture coordinates: a seam along every edge."""
    clear_scene()
    cube = mesh_object("SeamCube", cube_corners(2.0), CUBE_FACES)
    uv = cube.data.uv_layers.new(name="UVMap")
    # Face i takes the cell (i % 3, i // 3) of a 3 x 2 grid; its corners in order go
    # round the cell.
    for face in cube.data.polygons:
        cx, cy = face.index % 3, face.index // 3
        cell = [(cx, cy), (cx + 1, cy), (cx + 1, cy + 1), (cx, cy + 1)]
        for corner, loop in zip(cell, face.loop_indices):
            uv.data[loop].uv = (corner[0] / 3.0, corner[1] / 2.0)
    cube.data.materials.append(material("Checker", (1, 1, 1, 1), checker_image("checker")))
    gltf("blender_cube_seams", "GLTF_SEPARATE")
    gltf("blender_cube_seams", "GLB")
    # Small enough to seed the fuzzing: no material or texture.
    gltf("blender_cube_seams_embedded", "GLTF_EMBEDDED", export_materials="NONE")
    obj("blender_cube_seams", export_materials=True, path_mode="RELATIVE")
    ply("blender_cube_seams_ascii", use_ascii=True)
    ply("blender_cube_seams_binary", use_ascii=False)
    stl("blender_cube_ascii", ascii=True)
    # The same cube with its faces in three materials, in turn: "usemtl" between the faces.
    for name, rgba in (("Red", (1, 0, 0, 1)), ("Blue", (0, 0, 1, 1))):
        cube.data.materials.append(material(name, rgba))
    for face in cube.data.polygons:
        face.material_index = face.index % 3
    obj("blender_cube_seams_three_materials", export_materials=True, path_mode="RELATIVE")
    gltf("blender_cube_seams_three_materials", "GLB")


def twisted_torus(rings=32, sides=12):
    """A torus whose tube turns half a revolution about its centre line on the way round:
    quads, none of them flat."""
    clear_scene()
    big, small = 3.0, 1.0
    vertices = []
    for i in range(rings):
        u = 2 * math.pi * i / rings
        for j in range(sides):
            v = 2 * math.pi * j / sides + u / 2  # the twist
            r = big + small * math.cos(v) * (1.0 + 0.3 * math.cos(2 * v))
            vertices.append((r * math.cos(u), r * math.sin(u), small * math.sin(v)))
    faces = []
    for i in range(rings):
        for j in range(sides):
            a = i * sides + j
            b = i * sides + (j + 1) % sides
            c = ((i + 1) % rings) * sides + (j + 1) % sides
            d = ((i + 1) % rings) * sides + j
            faces.append((a, d, c, b))
    torus = mesh_object("TwistedTorus", vertices, faces)
    for face in torus.data.polygons:
        face.use_smooth = True
    gltf("blender_twisted_torus", "GLB")
    obj("blender_twisted_torus_quads", export_materials=False)
    obj("blender_twisted_torus_triangles", export_materials=False, export_triangulated_mesh=True)
    ply("blender_twisted_torus", use_ascii=False)
    stl("blender_twisted_torus", ascii=False)


def two_uv_sets_and_colours():
    """A wavy grid with two texture coordinate sets and byte colours on its corners, and one
    with float colours on its points: COLOR_0 as normalized unsigned shorts and as floats."""
    clear_scene()
    n = 6
    vertices = [(x, y, 0.2 * math.sin(x) * math.cos(y)) for y in range(n + 1) for x in range(n + 1)]
    faces = [(y * (n + 1) + x, y * (n + 1) + x + 1, (y + 1) * (n + 1) + x + 1, (y + 1) * (n + 1) + x)
             for y in range(n) for x in range(n)]
    grid = mesh_object("Grid", vertices, faces)
    first = grid.data.uv_layers.new(name="UVMap")
    second = grid.data.uv_layers.new(name="Lightmap")
    colours = grid.data.color_attributes.new("Col", "BYTE_COLOR", "CORNER")
    for loop in grid.data.loops:
        x, y, _ = vertices[loop.vertex_index]
        first.data[loop.index].uv = (x / n, y / n)
        second.data[loop.index].uv = (0.5 + x / (2 * n), 0.25 * y / n)
        colours.data[loop.index].color = (x / n, y / n, 0.5, 1.0)
    gltf("blender_two_uv_sets_byte_colours", "GLTF_EMBEDDED", export_colors=True)
    ply("blender_grid_colours", use_ascii=True, use_colors=True)
    obj("blender_grid_colours", export_colors=True, export_materials=False)

    clear_scene()
    bpy.ops.mesh.primitive_ico_sphere_add(subdivisions=2, radius=1.5)
    sphere = bpy.context.active_object
    colours = sphere.data.color_attributes.new("Col", "FLOAT_COLOR", "POINT")
    for vertex in sphere.data.vertices:
        x, y, z = vertex.co
        colours.data[vertex.index].color = ((x + 1.5) / 3, (y + 1.5) / 3, (z + 1.5) / 3, 1.0)
    gltf("blender_icosphere_float_colours", "GLB", export_colors=True)
    ply("blender_icosphere_colours", use_ascii=False, use_colors=True)


def multi_material():
    """A cube whose faces carry three materials: three primitives of one mesh, three usemtl groups."""
    clear_scene()
    cube = mesh_object("ThreeMaterials", cube_corners(1.0), CUBE_FACES)
    for name, rgba in (("Red", (1, 0, 0, 1)), ("Green", (0, 1, 0, 1)), ("Blue", (0, 0, 1, 1))):
        cube.data.materials.append(material(name, rgba))
    for face in cube.data.polygons:
        face.material_index = face.index % 3
    cube.location = (0.5, 0.5, 0.5)
    gltf("blender_multi_material", "GLB")
    gltf("blender_multi_material", "GLTF_SEPARATE")
    obj("blender_multi_material", export_materials=True)


def instanced_scene():
    """One cone mesh placed five times (moved, turned, scaled, one a child of another): one glTF
    mesh under five nodes."""
    clear_scene()
    bpy.ops.mesh.primitive_cone_add(vertices=10, radius1=0.5, depth=1.0)
    first = bpy.context.active_object
    first.name = "Cone0"
    placements = [((2, 0, 0), (0, 0, 0.5), 1.0), ((0, 2, 0), (0.7, 0, 0), 0.5),
                  ((-2, -1, 1), (0, 1.2, 0.3), 1.5), ((0, 0, 3), (math.pi, 0, 0), 1.0)]
    previous = first
    for index, (location, rotation, scale) in enumerate(placements, start=1):
        copy = mesh_object("Cone%d" % index, None, None, mesh=first.data)
        copy.location = location
        copy.rotation_euler = rotation
        copy.scale = (scale, scale, scale)
        if index == 4:
            copy.parent = previous  # placed within its parent's frame
        previous = copy
    bpy.context.view_layer.update()
    gltf("blender_instanced_cones", "GLB")
    gltf("blender_instanced_cones", "GLTF_SEPARATE")
    obj("blender_instanced_cones", export_materials=False)
    stl("blender_instanced_cones", ascii=False)


def ngons_and_loose_edges():
    """A cylinder with twelve-sided caps (polygons of twelve corners), and loose edges beside
    it, which glTF writes as lines."""
    clear_scene()
    bpy.ops.mesh.primitive_cylinder_add(vertices=12, radius=1.0, depth=2.0, end_fill_type="NGON")
    cylinder = bpy.context.active_object
    obj("blender_ngon_cylinder", export_materials=False)
    ply("blender_ngon_cylinder", use_ascii=True)
    bm = bmesh.new()
    bm.from_mesh(cylinder.data)
    a = bm.verts.new((2, 0, 0))
    b = bm.verts.new((2, 0, 2))
    c = bm.verts.new((3, 0, 2))
    bm.edges.new((a, b))
    bm.edges.new((b, c))
    bm.to_mesh(cylinder.data)
    bm.free()
    gltf("blender_cylinder_loose_edges", "GLB", use_mesh_edges=True)


def shape_key_and_skin():
    """A box with a shape key (a morph target) and bound to a
    two-bone armature (JOINTS_0 as unsigned bytes, WEIGHTS_0)."""
    clear_scene()
    bpy.ops.mesh.primitive_cube_add(size=1.0)
    box = bpy.context.active_object
    bpy.ops.object.mode_set(mode="EDIT")
    bpy.ops.mesh.subdivide(number_cuts=3)
    bpy.ops.object.mode_set(mode="OBJECT")
    box.scale = (1, 1, 3)
    bpy.ops.object.transform_apply(scale=True)
    box.shape_key_add(name="Basis")
    bulge = box.shape_key_add(name="Bulge")
    for index, vertex in enumerate(bulge.data):
        if index % 7 == 0:
            vertex.co.x *= 1.5
    bpy.ops.object.armature_add(location=(0, 0, 0))
    rig = bpy.context.active_object
    bpy.ops.object.mode_set(mode="EDIT")
    bone = rig.data.edit_bones[0]
    bone.name = "Lower"
    bone.head, bone.tail = (0, 0, -1.5), (0, 0, 0)
    upper = rig.data.edit_bones.new("Upper")
    upper.head, upper.tail, upper.parent = (0, 0, 0), (0, 0, 1.5), bone
    bpy.ops.object.mode_set(mode="OBJECT")
    lower_group = box.vertex_groups.new(name="Lower")
    upper_group = box.vertex_groups.new(name="Upper")
    for vertex in box.data.vertices:
        w = min(max((vertex.co.z + 1.5) / 3.0, 0.0), 1.0)
        lower_group.add([vertex.index], 1.0 - w, "REPLACE")
        upper_group.add([vertex.index], w, "REPLACE")
    modifier = box.modifiers.new("Armature", "ARMATURE")
    modifier.object = rig
    gltf("blender_shape_key_skin", "GLB", export_morph=True, export_skins=True)


def units():
    """A 20 mm cube in a scene measured in millimetres: the STL exporter can write the scene's
    unit, the others write metres as they are."""
    clear_scene()
    scene = bpy.context.scene
    scene.unit_settings.system = "METRIC"
    scene.unit_settings.scale_length = 0.001
    scene.unit_settings.length_unit = "MILLIMETERS"
    mesh_object("Millimetres", cube_corners(20.0), CUBE_FACES)
    stl("blender_cube_scene_unit", ascii=True, use_scene_unit=True)
    ply("blender_cube_scaled", use_ascii=True, global_scale=0.5)


for build in (cube_with_seams, twisted_torus, two_uv_sets_and_colours, multi_material, instanced_scene,
              ngons_and_loose_edges, shape_key_and_skin, units):
    build()
