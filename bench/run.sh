#!/bin/sh
# Measures how fast the game opens crates: one turn of N crates (10^8 unless
# given), to /dev/null and to a pipe, against the generator alone, the same
# bytes pushed through a pipe, and a plain printf rendition. Every command
# is a whole process; the runs are interleaved in rounds so that a slow
# moment of the machine falls on all of them alike, and medians are kept.
set -eu
cd "$(dirname "$0")/.."
N=${1:-100000000}
KOL=${KOL:-4}  # rounds of 3 runs each

for prikaz in hyperfine /usr/bin/time; do
  if ! command -v $prikaz >/dev/null; then
    root=
    [ "$(id -u)" -eq 0 ] || root=sudo
    $root apt-get update -q
    DEBIAN_FRONTEND=noninteractive $root apt-get install -y -q hyperfine time
    break
  fi
done
cmake --preset default >/dev/null
cmake --build --preset default >/dev/null

B=build/bench
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
printf '\n%s\n\n\n0\n\n' "$N" >"$tmp/vstup"
printf '\n10\n\n\n0\n\n' >"$tmp/vstup10"
BAJTU=$(build/truhlovypraskovac <"$tmp/vstup" | wc -c)

kolo=1
while [ $kolo -le "$KOL" ]; do
  hyperfine -r 3 --export-json "$tmp/kolo$kolo.json" \
    -n hra-devnull "build/truhlovypraskovac <$tmp/vstup >/dev/null" \
    -n hra-roura "build/truhlovypraskovac <$tmp/vstup | cat >/dev/null" \
    -n generator "$B/generator $N >/dev/null" \
    -n roura "$B/roura $BAJTU | cat >/dev/null" \
    -n printf "$B/printf_rendition $N >/dev/null" >/dev/null
  kolo=$((kolo + 1))
done

pamet() {  # peak resident memory in KiB
  /usr/bin/time -f %M build/truhlovypraskovac <"$1" 2>&1 >/dev/null | tail -1
}
PAMET10=$(pamet "$tmp/vstup10")
PAMETN=$(pamet "$tmp/vstup")

python3 - "$tmp" "$N" "$BAJTU" "$PAMET10" "$PAMETN" <<'PY'
import glob, json, statistics, sys
tmp, n, bajtu, pamet10, pametn = sys.argv[1], int(sys.argv[2]), int(sys.argv[3]), int(sys.argv[4]), int(sys.argv[5])
casy = {}
for soubor in glob.glob(tmp + "/kolo*.json"):
    for vysledek in json.load(open(soubor))["results"]:
        casy.setdefault(vysledek["command"], []).extend(vysledek["times"])
m = {k: statistics.median(v) for k, v in casy.items()}
ns = lambda s: s / n * 1e9
print(f"{n} crates, {bajtu} bytes of transcript, {len(casy['generator'])} runs each (median)")
for nazev, popis in [("hra-devnull", "game to /dev/null"), ("hra-roura", "game to a pipe"),
                     ("generator", "generator alone"), ("roura", "same bytes through a pipe"),
                     ("printf", "printf rendition")]:
    print(f"  {popis:28} {m[nazev]:7.3f} s  {ns(m[nazev]):6.2f} ns/crate")
print(f"  ratio to /dev/null: game / generator                 = {m['hra-devnull'] / m['generator']:.3f}")
print(f"  ratio to a pipe:    game / (generator + pipe alone)  = {m['hra-roura'] / (m['generator'] + m['roura']):.3f}")
print(f"  printf rendition / generator                         = {m['printf'] / m['generator']:.3f}")
print(f"  peak memory: {pamet10} KiB for 10 crates, {pametn} KiB for {n}: {pametn - pamet10:+d} KiB")
PY
