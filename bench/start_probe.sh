#!/usr/bin/env bash
# The program's start against a bare Qt Widgets window (bench_bare_window), as
# a user's first start meets it: both copied with the program's files into a
# folder of their own, a new home and configuration folder, a private X server.
#
#   bench/start_probe.sh [BUILD FOLDER] [RUNS]
#       time to the first visible window and memory one second later, each
#       program against the bare window (the median ratio of RUNS pairs, 9 by
#       default), through start_probe.py (TIPOLAB_START_PROBE, by default the
#       one in shared/tools beside the checkout);
#   bench/start_probe.sh --istruzioni [BUILD FOLDER]
#       the instructions the main thread runs until the first window is mapped,
#       counted by callgrind: the same at every run, so that a change of a few
#       per cent shows.
# Needs xvfb-run and xdotool, and valgrind for --istruzioni (scripts/deps --bench).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)

count=0
if [ "${1:-}" = --istruzioni ]; then
  count=1
  shift
fi
build=$(cd "${1:-$root/build}" && pwd)
runs=${2:-9}
probe=${TIPOLAB_START_PROBE:-$root/../shared/tools/start_probe.py}

for needed in xvfb-run xdotool; do
  command -v "$needed" >/dev/null || { echo "start_probe.sh: manca $needed" >&2; exit 1; }
done
[ "$count" = 1 ] || [ -f "$probe" ] ||
  { echo "start_probe.sh: manca $probe (TIPOLAB_START_PROBE)" >&2; exit 1; }
[ "$count" = 0 ] || command -v valgrind >/dev/null ||
  { echo "start_probe.sh: manca valgrind" >&2; exit 1; }
for program in tipolab bench_bare_window; do
  [ -x "$build/bin/$program" ] || { echo "start_probe.sh: manca $build/bin/$program" >&2; exit 1; }
done

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
# The two programs and the files the program reads beside itself.
mkdir -p "$work/programma" "$work/casa/.config" "$work/conteggi"
cp "$build/bin/tipolab" "$build/bin/bench_bare_window" "$work/programma/"
find "$build/bin" -maxdepth 1 -type f ! -perm -u+x -exec cp {} "$work/programma/" \;
export HOME="$work/casa" XDG_CONFIG_HOME="$work/casa/.config"
# No sound server either: the tune stays silent, as on a machine without one.
unset XDG_DATA_HOME XDG_RUNTIME_DIR PULSE_SERVER
cd "$work"

if [ "$count" = 0 ]; then
  # Now and then a program cannot connect to the X server while the probe
  # polls it, and ends; the probe then says "no window appeared" and the whole
  # series is run again, three times at most.
  for _ in 1 2 3; do
    if xvfb-run -a -s "-screen 0 1280x1024x24" python3 "$probe" "$runs" -- \
      "$work/programma/tipolab" --vs "$work/programma/bench_bare_window" >"$work/misura"; then
      cat "$work/misura"
      exit 0
    fi
    echo "start_probe.sh: $(cut -c1-60 "$work/misura")... di nuovo" >&2
  done
  exit 1
fi

# Callgrind writes the main thread's count when the first window is mapped
# (xcb_map_window), as a file of its own ending in .1-01.
cat >"$work/conta.sh" <<'EOF'
#!/usr/bin/env bash
program=$1
valgrind --tool=callgrind --separate-threads=yes --dump-before=xcb_map_window \
  --callgrind-out-file="conteggi/$program.%p" "programma/$program" >/dev/null 2>&1 &
pid=$!
for _ in $(seq 600); do
  sleep 0.1
  if compgen -G "conteggi/$program.$pid.1-01" >/dev/null; then break; fi
done
kill "$pid" 2>/dev/null || true
wait "$pid" 2>/dev/null || true
file="conteggi/$program.$pid.1-01"
if [ -f "$file" ]; then
  echo "$program: $(sed -n 's/^summary: //p' "$file") istruzioni fino alla prima finestra"
else
  echo "$program: nessuna finestra" >&2
  exit 1
fi
EOF
xvfb-run -a -s "-screen 0 1280x1024x24" bash -c 'bash conta.sh tipolab && bash conta.sh bench_bare_window'
