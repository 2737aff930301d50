#!/usr/bin/env bash
# Suggestion quality and speed of `lexoro pipe` next to `hunspell -a` and `aspell -a`, all three
# fed the same misspellings through the ispell pipe protocol in one run.
#
#   bench/suggest.sh [PAIRS.tsv] [BUILD_DIR]
#
# PAIRS.tsv holds one "misspelling<TAB>correction" pair a line (default: the public test set
# ../shared/data/norvig-testset1.tsv beside the clone). BUILD_DIR is a native build with its
# data (default build/native). LEXORO_MAX sets lexoro's suggestion limit (default 10, the
# longest list the figures look at; -1 for no limit).
#
# For every checker: top-1, top-5 and top-10 accuracy (the correction is among the first N
# suggestions) over the pairs whose misspelling it flags and whose correction it accepts;
# pairs whose correction it rejects, and misspellings it accepts, are counted separately.
# Speed is the checker's run over all misspellings, net of its start-up with no input, per
# misspelled word.
set -euo pipefail
cd "$(dirname "$0")/.."
pairs=${1:-../shared/data/norvig-testset1.tsv}
build=${2:-build/native}
max=${LEXORO_MAX:-10}
[ -f "$pairs" ] || { echo "no such file: $pairs" >&2; exit 2; }
[ -x "$build/lexoro" ] || { echo "no lexoro in $build (build it first)" >&2; exit 2; }
[ -f "$build/data/American.oxm" ] || { echo "no American.oxm in $build/data" >&2; exit 2; }

python3 - "$pairs" "$build" "$max" <<'PY'
import shutil, subprocess, sys, time

pairs_path, build, max_suggestions = sys.argv[1], sys.argv[2], sys.argv[3]
pairs = []
with open(pairs_path, encoding="utf-8") as f:
    for line in f:
        parts = line.rstrip("\r\n").split("\t")
        if len(parts) >= 2 and parts[0] and parts[1]:
            pairs.append((parts[0], parts[1]))

checkers = [("lexoro pipe", [f"{build}/lexoro", "pipe", "--dict-dir", f"{build}/data", "--max", max_suggestions])]
if shutil.which("hunspell"):
    checkers.append(("hunspell -a", ["hunspell", "-a", "-d", "en_US"]))
if shutil.which("aspell"):
    checkers.append(("aspell -a", ["aspell", "-a", "--lang=en_US"]))

def run(command, words):
    """One result per input word: None (accepted) or the list of suggestions."""
    text = "".join("^" + w + "\n" for w in words)
    start = time.perf_counter()
    out = subprocess.run(command, input=text.encode("utf-8"), capture_output=True, check=True).stdout
    elapsed = time.perf_counter() - start
    lines = out.decode("utf-8", "replace").split("\n")[1:]  # the banner
    results, current = [], None
    for line in lines:
        if line == "":
            results.append(current)
            current = None
        elif line.startswith("&"):
            suggestions = line.split(": ", 1)[1].split(", ") if ": " in line else []
            if current is None:
                current = suggestions
        elif line.startswith("#"):
            if current is None:
                current = []
    return results[: len(words)], elapsed

print(f"{len(pairs)} pairs from {pairs_path}; lexoro suggestion limit {max_suggestions}")
print(f"{'checker':<14}{'top-1':>8}{'top-5':>8}{'top-10':>8}{'judged':>8}{'corr. rejected':>16}"
      f"{'miss accepted':>15}{'ms/word':>10}")
for name, command in checkers:
    _, startup = run(command, [])
    results, elapsed = run(command, [p[0] for p in pairs])
    corrections, _ = run(command, [p[1] for p in pairs])
    top = {1: 0, 5: 0, 10: 0}
    judged = rejected = accepted = flagged = 0
    for (wrong, right), suggestions, verdict in zip(pairs, results, corrections):
        if suggestions is None:
            accepted += 1
            continue
        flagged += 1
        if verdict is not None:
            rejected += 1
            continue
        judged += 1
        for n in top:
            if right in suggestions[:n]:
                top[n] += 1
    per_word = 1000.0 * max(elapsed - startup, 0.0) / max(flagged, 1)
    pct = lambda n: f"{100.0 * top[n] / max(judged, 1):7.1f}%"
    print(f"{name:<14}{pct(1):>8}{pct(5):>8}{pct(10):>8}{judged:>8}{rejected:>16}{accepted:>15}{per_word:>10.2f}")
PY
