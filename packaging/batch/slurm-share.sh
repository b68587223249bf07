#!/usr/bin/env bash
# One task of a Slurm job array that makes the levels (or reductions) of a folder of models:
# each task takes its share of the folder's models, every COUNT-th in name order, and runs
# lumeno3d-cli on them with all the cores Slurm gave it. The folder must be on a file system
# every node sees at the same path.
#
#   sbatch --array=0-9 --cpus-per-task=8 --mem=32G \
#       slurm-share.sh levels MODELS_DIR OUT_DIR [options of levels]
#   sbatch --array=0-9 ... slurm-share.sh reduce MODELS_DIR OUT_DIR --keep 25 [options of reduce]
#
# Each task adds its JSON Lines to OUT_DIR/reports/task-<index>.jsonl. When all tasks are done:
#
#   merge-reports.py OUT_DIR/reports/*.jsonl > OUT_DIR/levels.jsonl
#
# A task that was stopped (time limit, preemption, a node lost) is run again as it was
# (sbatch --array=<its index> ...): --skip-existing leaves the models it had finished. The
# task's exit status is lumeno3d-cli's: 0 when every model of its share was done.
# LUMENO3D_CLI names the program when it is not lumeno3d-cli on the PATH. Outside Slurm, set
# SLURM_ARRAY_TASK_ID, SLURM_ARRAY_TASK_MIN and SLURM_ARRAY_TASK_COUNT by hand.
#SBATCH --job-name=lumeno3d
set -euo pipefail

if [ $# -lt 3 ] || { [ "$1" != levels ] && [ "$1" != reduce ]; }; then
  echo "usage: slurm-share.sh levels|reduce MODELS_DIR OUT_DIR [options of lumeno3d-cli]" >&2
  exit 1
fi
command=$1 models=$2 out=$3
shift 3
task=${SLURM_ARRAY_TASK_ID:?"run as a Slurm array task (sbatch --array), or set SLURM_ARRAY_TASK_ID"}
first=${SLURM_ARRAY_TASK_MIN:-0}
step=${SLURM_ARRAY_TASK_STEP:-1}
count=${SLURM_ARRAY_TASK_COUNT:?"run as a Slurm array task (sbatch --array), or set SLURM_ARRAY_TASK_COUNT"}
slot=$(( (task - first) / step ))

# The outputs must not be taken for models of the next task.
case "$(realpath -m "$out")/" in
  "$(realpath -m "$models")"/*)
    echo "slurm-share.sh: OUT_DIR must not lie inside MODELS_DIR" >&2
    exit 1 ;;
esac

# The same list, in the same order, on every node: byte order of the names, not the locale's.
mapfile -d '' all < <(find "$models" -type f \( -iname '*.stl' -o -iname '*.obj' -o -iname '*.ply' -o \
  -iname '*.off' -o -iname '*.gltf' -o -iname '*.glb' -o -iname '*.3mf' \) -print0 | LC_ALL=C sort -z)
share=()
for i in "${!all[@]}"; do
  if (( i % count == slot )); then
    share+=("${all[i]}")
  fi
done
mkdir -p "$out/reports"
[ ${#share[@]} -gt 0 ] || exit 0
# Appended: the lines of a task run again follow those of its first run, and the merge keeps the
# last that did the model.
exec "${LUMENO3D_CLI:-lumeno3d-cli}" "$command" --skip-existing --json --quiet -d "$out" "$@" -- "${share[@]}" \
  >> "$out/reports/task-$slot.jsonl"
