# Shared by the benchmarks that drive the real bar: a scratch folder, a
# private 1280x800 Xvfb with openbox, and a private settings folder. Source
# it; it sets work, pids, DISPLAY, XDG_CONFIG_HOME and XDG_RUNTIME_DIR, and
# stops what was started in pids when the script ends.
work=$(mktemp -d /tmp/k98-bench.XXXXXX)
pids=()
trap 'for p in "${pids[@]}"; do kill "$p" 2>/dev/null || true; done; wait 2>/dev/null || true; rm -rf "$work"' EXIT

Xvfb -displayfd 3 -screen 0 1280x800x24 -nolisten tcp 3>"$work/display" 2>/dev/null &
pids+=($!)
for _ in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.05; done
export DISPLAY=":$(head -n1 "$work/display")" QT_QPA_PLATFORM=xcb
openbox --sm-disable >/dev/null 2>&1 &
pids+=($!)
sleep 0.5
export XDG_CONFIG_HOME="$work/home/.config" XDG_RUNTIME_DIR="$work/run"
mkdir -p "$XDG_RUNTIME_DIR" "$XDG_CONFIG_HOME/Dash97" && chmod 700 "$XDG_RUNTIME_DIR"
