#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Kiravelo contributors
# SPDX-License-Identifier: GPL-3.0-or-later
# Wall-clock time of regenerating every document from scratch through the build: the
# window pictures for the guide, every sample PDF and the usage guide. The tools are
# built first and not timed. A no-op build of the same target is timed as well, so
# make's own dependency walk can be told apart from the typesetting.
# Usage: bench/regenerate-documents.sh [BUILD] [RUNS]
set -euo pipefail
build=${1:-build}
runs=${2:-5}
export QT_QPA_PLATFORM=offscreen XDG_RUNTIME_DIR=${XDG_RUNTIME_DIR:-$(mktemp -d)}
cmake --build "$build" --target documents -j 2 >/dev/null

seconds() { local s=$(date +%s.%N); "$@" >/dev/null; echo "$(date +%s.%N) - $s" | bc; }
median() { sort -n | awk '{ t[NR] = $1 } END { printf "median %.2f s (min %.2f, max %.2f)", t[int((NR + 1) / 2)], t[1], t[NR] }'; }

full=()
noop=()
for ((i = 0; i < runs; i++)); do
  rm -rf "$build"/docs/*.manifest "$build"/docs/pictures "$build"/bin/riyou.pdf "$build"/bin/bunrei_pdf
  full+=("$(seconds cmake --build "$build" --target documents -j 2)")
  noop+=("$(seconds cmake --build "$build" --target documents -j 2)")
done
pdfs=$(find "$build"/bin/bunrei_pdf -name '*.pdf' | wc -l)
echo "all documents ($pdfs sample PDFs, riyou.pdf and its pictures), $runs runs:"
echo "  regenerated from scratch: $(printf '%s\n' "${full[@]}" | median)"
echo "  nothing to do:            $(printf '%s\n' "${noop[@]}" | median)"
