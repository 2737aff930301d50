#!/usr/bin/env bash
# The shipped dictionaries and thesauri of every language, next to Debian's hunspell
# dictionary of the same language, in one run:
#
#   bench/languages.sh [BUILD_DIR] [WORDS]
#
# BUILD_DIR is a native build with its data (default build/native); WORDS the number of
# misspellings per language (default 300).
#
# Dictionaries: words and file size (hunspell: .dic + .aff bytes), the compiler's time and
# peak memory on the same lists the build compiles, and suggestion accuracy: WORDS source words
# of four letters or more, drawn at random (fixed seed), each with one random edit (a letter
# inserted, deleted, replaced or two neighbours swapped, with the letters of the language);
# edits that make another word of the list are drawn again. Each checker gets the same
# misspellings through the ispell pipe protocol (lexoro pipe with the component's default of
# no suggestion limit, the list ranked before the first five are read; hunspell -a); top-1 and top-5
# count the misspellings whose source word comes first or among the first five suggestions,
# out of all of them (a misspelling the checker accepts counts as a miss). ms/word is the run
# over all misspellings net of the checker's start-up with no input.
#
# Thesauri: the compiler's time and peak memory, words that can be looked up, source entries
# with a meaning kept (of all entries), meanings and nodes.
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build/native}
count=${2:-300}
[ -x "$build/lexoro" ] || { echo "no lexoro in $build (build it first)" >&2; exit 2; }
[ -f "$build/data/languages.tsv" ] || { echo "no $build/data/languages.tsv (build the data first)" >&2; exit 2; }
[ -x /usr/bin/time ] || { echo "needs /usr/bin/time (Debian package time)" >&2; exit 2; }

python3 - "$build" "$count" <<'PY'
import os, random, shutil, subprocess, sys, tempfile, time

build, count = sys.argv[1], int(sys.argv[2])
data = os.path.join(build, "data")
lexoro = os.path.join(build, "lexoro")
hunspell_dir = "/usr/share/hunspell"
work = tempfile.mkdtemp()

def timed(command):
    """Seconds and peak memory (MiB) of a command, and its standard output."""
    stats = os.path.join(work, "time")
    result = subprocess.run(["/usr/bin/time", "-o", stats, "-f", "%e %M"] + command,
                            capture_output=True, check=True)
    seconds, kib = open(stats).read().split()[-2:]
    return float(seconds), int(kib) / 1024.0, result.stdout.decode("utf-8", "replace")

def read_words(path, encoding):
    with open(path, "rb") as f:
        text = f.read().decode("latin-1" if encoding.upper().replace("-", "") == "ISO88591" else "utf-8")
    return [w.strip() for w in text.lstrip("\ufeff").splitlines() if w.strip()]

def pipe(command, words):
    """Suggestions per word (None when accepted) and the seconds the run took."""
    text = "".join("^" + w + "\n" for w in words)
    start = time.perf_counter()
    out = subprocess.run(command, input=text.encode("utf-8"), capture_output=True, check=True).stdout
    elapsed = time.perf_counter() - start
    results, current = [], None
    for line in out.decode("utf-8", "replace").split("\n")[1:]:
        if line == "":
            results.append(current)
            current = None
        elif line.startswith("&") and current is None:
            current = line.split(": ", 1)[1].split(", ") if ": " in line else []
        elif line.startswith("#") and current is None:
            current = []
    return results[: len(words)], elapsed

def misspellings(words, rng):
    known = set(words)
    candidates = [w for w in words if len(w) >= 4 and w.isalpha()]
    letters = sorted({c for w in candidates[:: max(1, len(candidates) // 20000)] for c in w.lower()})
    pairs = []
    while len(pairs) < count and candidates:
        word = rng.choice(candidates)
        i = rng.randrange(len(word))
        kind = rng.randrange(4)
        if kind == 0:
            wrong = word[:i] + rng.choice(letters) + word[i:]
        elif kind == 1:
            wrong = word[:i] + word[i + 1:]
        elif kind == 2:
            wrong = word[:i] + rng.choice(letters) + word[i + 1:]
        else:
            i = min(i, len(word) - 2)
            wrong = word[:i] + word[i + 1] + word[i] + word[i + 2:]
        if wrong != word and wrong not in known:
            pairs.append((wrong, word))
    return pairs

def accuracy(command, pairs):
    _, startup = pipe(command, [])
    results, elapsed = pipe(command, [p[0] for p in pairs])
    top1 = sum(1 for (wrong, right), s in zip(pairs, results) if s and s[:1] == [right])
    top5 = sum(1 for (wrong, right), s in zip(pairs, results) if s and right in s[:5])
    ms = 1000.0 * max(elapsed - startup, 0.0) / max(len(pairs), 1)
    return 100.0 * top1 / len(pairs), 100.0 * top5 / len(pairs), ms

print(f"{count} misspellings per language, seed 18; lexoro from {build}")
print()
header = (f"{'language':<20}{'words':>10}{'.oxm':>10}{'hunspell':>10}{'compile':>9}{'peak':>8}"
          f"{'lexoro':>15}{'hunspell':>15}{'lexoro':>8}{'hunspell':>9}")
print(f"{'':<20}{'':>10}{'bytes':>10}{'.dic+.aff':>10}{'s':>9}{'MiB':>8}"
      f"{'top-1/top-5 %':>15}{'top-1/top-5 %':>15}{'ms/word':>8}{'ms/word':>9}")
print(header)
for line in open(os.path.join(data, "languages.tsv"), encoding="utf-8"):
    name, language, locale, encoding, *inputs = line.rstrip("\n").split("\t")
    oxm = os.path.join(data, name + ".oxm")
    if not os.path.exists(oxm):
        print(f"{name:<20} not built")
        continue
    seconds, peak, _ = timed([lexoro, "compile-dict", "--fit", "--encoding", encoding, "--language", language,
                              "-o", os.path.join(work, "x.oxm")] + inputs)
    info = dict(l.split("\t", 1) for l in subprocess.run([lexoro, "info", oxm], capture_output=True, text=True,
                                                          check=True).stdout.splitlines())
    dic, aff = (os.path.join(hunspell_dir, locale + ext) for ext in (".dic", ".aff"))
    has_hunspell = os.path.exists(dic) and os.path.exists(aff) and shutil.which("hunspell")
    hun_bytes = os.path.getsize(dic) + os.path.getsize(aff) if has_hunspell else None

    words = []
    for path in inputs:
        words += read_words(path, encoding)
    pairs = misspellings(words, random.Random(18))
    lx = accuracy([lexoro, "pipe", "--dict-dir", data, "--main", name + ".oxm"], pairs)
    hs = accuracy(["hunspell", "-a", "-i", "utf-8", "-d", os.path.join(hunspell_dir, locale)], pairs) if has_hunspell else None
    print(f"{name:<20}{info['words']:>10}{os.path.getsize(oxm):>10}{hun_bytes if hun_bytes else '-':>10}"
          f"{seconds:>9.2f}{peak:>8.0f}{lx[0]:>7.1f}/{lx[1]:<7.1f}"
          + (f"{hs[0]:>7.1f}/{hs[1]:<7.1f}" if hs else f"{'-':>15}")
          + f"{lx[2]:>8.2f}" + (f"{hs[2]:>9.2f}" if hs else f"{'-':>9}"), flush=True)

thesauri = os.path.join(data, "thesauri.tsv")
if os.path.exists(thesauri):
    print()
    print(f"{'thesaurus':<20}{'compile s':>10}{'peak MiB':>10}{'findable':>10}{'entries':>18}{'meanings':>10}{'nodes':>8}")
    for line in open(thesauri, encoding="utf-8"):
        name, source, *options = [c for c in line.rstrip("\n").split("\t")]
        options = [o for o in options if o]
        seconds, peak, out = timed([lexoro, "compile-thesaurus", "--stats"] + options +
                                   ["-o", os.path.join(work, "x.oxt"), source])
        stats = dict(l.split("\t", 1) for l in out.splitlines())
        with open(source, "rb") as f:
            entries = sum(1 for l in f if l.rstrip(b"\r\n").split(b"|")[-1].isdigit() and not l.startswith(b"("))
        print(f"{name:<20}{seconds:>10.2f}{peak:>10.0f}{stats['words']:>10}"
              f"{stats['headwords'] + ' of ' + str(entries):>18}{stats['contexts']:>10}{stats['nodes']:>8}", flush=True)
shutil.rmtree(work)
PY
