# Run by Blender: blender -b --factory-startup --python gltf_scenes.py -- <folder>
# Writes glTF files of a few scenes, each with what Blender's exporter uses: smooth and flat
# normals, UV sets, vertex colours, several materials (one primitive each), meshes shared by
# several objects (glTF instancing), a scaled, turned and mirrored hierarchy, loose edges
# (a primitive of lines); as GLB, glTF with a .bin beside it and glTF with the buffer embedded.
import os
import sys

import bmesh
import bpy

folder = sys.argv[sys.argv.index("--") + 1]
os.makedirs(folder, exist_ok=True)


def clear():
    bpy.ops.object.select_all(action="SELECT")
    bpy.ops.object.delete()
    for mesh in list(bpy.data.meshes):
        bpy.data.meshes.remove(mesh)


def export(name, **options):
    for form, suffix in (("GLB", "glb"), ("GLTF_SEPARATE", "gltf"), ("GLTF_EMBEDDED", "embedded.gltf")):
        bpy.ops.export_scene.gltf(filepath=os.path.join(folder, f"blender-{name}.{suffix}"), export_format=form,
                                  export_colors=True, export_apply=True, **options)


def material(name, colour):
    made = bpy.data.materials.new(name)
    made.diffuse_color = colour
    return made


clear()
bpy.ops.mesh.primitive_uv_sphere_add(segments=24, ring_count=12, radius=1.5, location=(0, 0, 0))
bpy.ops.object.shade_smooth()
bpy.ops.mesh.primitive_cube_add(size=1, location=(4, 0, 0))
export("smooth-and-flat")

clear()
bpy.ops.mesh.primitive_monkey_add(location=(0, 0, 0))
monkey = bpy.context.object
bpy.ops.object.empty_add(location=(1, 2, 3))
parent = bpy.context.object
parent.scale = (2, 2, 2)
parent.rotation_euler = (0.3, 0.2, 0.1)
for i, scale in enumerate(((1, 1, 1), (-1, 1, 1), (0.5, 0.5, 0.5))):
    copy = monkey.copy()  # shares the mesh
    copy.location = (3 * (i + 1), 0, 0)
    copy.scale = scale
    bpy.context.collection.objects.link(copy)
    copy.parent = parent
export("shared-meshes")

clear()
bpy.ops.mesh.primitive_cylinder_add(vertices=16, location=(0, 0, 0))
cylinder = bpy.context.object
cylinder.data.materials.append(material("red", (1, 0, 0, 1)))
cylinder.data.materials.append(material("blue", (0, 0, 1, 1)))
for polygon in cylinder.data.polygons:
    polygon.material_index = 1 if polygon.normal.z > 0.5 else 0
export("two-materials")

clear()
bpy.ops.mesh.primitive_ico_sphere_add(subdivisions=3, location=(0, 0, 0))
sphere = bpy.context.object
colours = sphere.data.color_attributes.new("Col", "BYTE_COLOR", "CORNER")
for i, value in enumerate(colours.data):
    value.color = ((i % 7) / 6, (i % 5) / 4, (i % 3) / 2, 1)
export("vertex-colours")

clear()
bpy.ops.mesh.primitive_grid_add(x_subdivisions=12, y_subdivisions=8, size=3, location=(0, 0, 0))
grid = bpy.context.object
grid.data.uv_layers.new(name="second")
export("two-uv-sets")

clear()
bpy.ops.mesh.primitive_plane_add(size=2, location=(0, 0, 0))
plane = bpy.context.object
edit = bmesh.new()
edit.from_mesh(plane.data)
ends = [edit.verts.new((3, 0, 0)), edit.verts.new((3, 1, 1))]
edit.edges.new(ends)
edit.to_mesh(plane.data)
edit.free()
export("loose-edge", use_mesh_edges=True)
