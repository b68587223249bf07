#!/usr/bin/env bash
# Makes the corpus of model files written by other programs (tests/corpus/files/) and its
# manifest (tests/corpus/manifest.tsv), which test_corpus compares our reading with:
#   tests/corpus/generate.sh
# Blender writes the scenes of blender_scenes.py, OpenSCAD the models of openscad/, and
# assimp converts some of both into every format it writes; assimp then reads every file
# for the manifest (manifest.py). The files are committed, so the tests need none of these
# programs; run this again only to change the corpus, and commit what it writes.
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
root="$(cd "$here/../.." && pwd)"
# Sourcing the setup installs the build's packages too; the corpus's own are apart.
source "$root/scripts/setup"
lumeno_install_missing "${LUMENO_CORPUS_PACKAGES[@]}"

files="$here/files"
rm -rf "$files"
mkdir -p "$files"

echo "== Blender"
blender -b --factory-startup --python "$here/blender_scenes.py" -- "$files" >"$here/blender.log" 2>&1 ||
  { tail -n 30 "$here/blender.log" >&2; exit 1; }
rm -f "$here/blender.log"

echo "== OpenSCAD"
for scad in "$here"/openscad/*.scad; do
  name="openscad_$(basename "$scad" .scad)"
  for suffix in stl off 3mf; do
    openscad -q -o "$files/$name.$suffix" "$scad"
  done
done

echo "== assimp"
# What assimp converts: textures and seams, quads, materials, instances, colours and a CSG solid.
# Each goes to every format of assimp's that we read (it writes no OFF).
convert() {
  local input="$1" name="$2" format suffix output
  for format in gltf2:gltf glb2:glb 3mf:3mf obj:obj ply:ply plyb:binary.ply stl:stl stlb:binary.stl; do
    suffix="${format#*:}"
    output="$files/assimp_$name.$suffix"
    assimp export "$files/$input" "$output" -f"${format%%:*}" >/dev/null
    # Its 3MF exporter writes no object for a mesh on the root node (as from OFF or PLY).
    if ! assimp info "$output" >/dev/null 2>&1; then
      echo "assimp cannot read its own $(basename "$output"): left out"
      rm -f "$output"
    fi
  done
}
convert blender_cube_seams.gltf cube_seams
convert blender_twisted_torus_quads.obj twisted_torus
convert blender_multi_material.glb multi_material
convert blender_instanced_cones.glb instanced_cones
convert blender_grid_colours.ply grid_colours
convert openscad_bracket.off bracket

echo "== fuzz seeds"
# Small files of the corpus start the fuzzing of their format (scripts/fuzz cuts longer inputs
# at 2 kB for STL, OBJ, PLY and OFF, 4 kB for glTF, GLB and 3MF).
seeds="$root/tests/fuzz/corpus"
rm -f "$seeds"/fuzz_load_*/corpus-*
for seed in stl:assimp_cube_seams.binary.stl stl:assimp_multi_material.stl \
  obj:blender_cube_seams.obj obj:blender_cube_seams_three_materials.obj obj:assimp_cube_seams.obj \
  obj:blender_multi_material.obj ply:blender_cube_seams_binary.ply ply:blender_cube_seams_ascii.ply \
  ply:assimp_cube_seams.binary.ply ply:assimp_multi_material.ply off:openscad_notched_cube.off \
  gltf:blender_cube_seams_embedded.gltf glb:blender_cube_seams.glb glb:assimp_cube_seams.glb \
  glb:blender_multi_material.glb glb:blender_instanced_cones.glb glb:blender_cylinder_loose_edges.glb \
  glb:blender_cube_seams_three_materials.glb 3mf:assimp_instanced_cones.3mf 3mf:openscad_notched_cube.3mf \
  3mf:openscad_bracket.3mf; do
  cp "$files/${seed#*:}" "$seeds/fuzz_load_${seed%%:*}/corpus-${seed#*:}"
done

echo "== manifest"
python3 "$here/manifest.py" "$files" >"$here/manifest.tsv"
echo "$(($(wc -l <"$here/manifest.tsv") - 1)) files, $(du -sh "$files" | cut -f1)"
