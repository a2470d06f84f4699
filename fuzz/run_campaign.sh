#!/bin/bash
# A fixed-seed fuzz campaign beyond the seed corpus: the same binary, seed and run count give
# the same inputs in the same order, so a failure here fails every time.
#   run_campaign.sh TARGET_BINARY CORPUS_DIR SEED RUNS SCRATCH_DIR
# New inputs go to SCRATCH_DIR (emptied first), never to the corpus in the source tree. A run is
# deterministic only with the seeds given in a fixed order (not read from a directory, whose
# order the file system chooses), the corpus not read again while running, and address-space
# randomisation off: libFuzzer learns from compared values, and pointers are among them.
set -euo pipefail
target=$1 corpus=$2 seed=$3 runs=$4 scratch=$5
rm -rf "$scratch"
mkdir -p "$scratch/new"
seeds=$(find "$corpus" -maxdepth 1 -type f | LC_ALL=C sort | paste -sd, -)
norandom=()
if setarch "$(uname -m)" -R true 2>/dev/null; then norandom=(setarch "$(uname -m)" -R); fi
exec "${norandom[@]}" "$target" -seed="$seed" -runs="$runs" -reload=0 -seed_inputs="$seeds" \
    -artifact_prefix="$scratch/" -print_final_stats=1 "$scratch/new"
