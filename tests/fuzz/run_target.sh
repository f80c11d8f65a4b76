#!/usr/bin/env bash
# Runs one fuzz target for a bounded time, starting from its corpus. Inputs it finds go to
# a scratch folder, never into the corpus; an input that breaks a property is kept as an
# artifact in the work folder, and the run fails.
# usage: run_target.sh TARGET CORPUS WORK SECONDS [MAX_RUNS]
set -euo pipefail
target=$1
corpus=$2
work=$3
seconds=$4
runs=${5:--1}
mkdir -p "$work/found" "$work/artifacts"
exec "$target" -max_total_time="$seconds" -runs="$runs" -timeout=10 -max_len=4096 \
    -dict="$(dirname "${BASH_SOURCE[0]}")/tool.dict" -artifact_prefix="$work/artifacts/" \
    -print_final_stats=1 "$work/found" "$corpus"
