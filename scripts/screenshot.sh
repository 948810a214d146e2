#!/usr/bin/env bash
# Starts the reader in a virtual X display, optionally sends it keys, and saves a picture of the
# screen, so that a page can be looked at on a machine without a display.
#   scripts/screenshot.sh OUT.png [--size WxH] [--keys "ctrl+j ctrl+5"] [--wait SECONDS] -- lecterna ARGS...
# The keys are sent --wait seconds after the window shows; the program is then ended by SIGTERM.
# Needs xvfb, xdotool and imagemagick (installed on demand).
set -euo pipefail
out=${1:?usage: screenshot.sh OUT.png [--size WxH] [--keys KEYS] [--wait S] -- PROGRAM ARGS...}
shift
size=1280x800
keys=""
wait=3
while [ $# -gt 0 ] && [ "$1" != "--" ]; do
  case "$1" in
    --size) size=$2; shift 2 ;;
    --keys) keys=$2; shift 2 ;;
    --wait) wait=$2; shift 2 ;;
    *) echo "unknown option $1" >&2; exit 2 ;;
  esac
done
shift # --
for p in xvfb xdotool imagemagick; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' ||
    { sudo=""; [ "$(id -u)" -ne 0 ] && sudo=sudo; $sudo env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends xvfb xauth xdotool imagemagick >/dev/null; break; }
done

inner=$(mktemp)
trap 'rm -f "$inner"' EXIT
cat > "$inner" <<'INNER'
#!/usr/bin/env bash
set -u
out=$1; keys=$2; wait=$3; shift 3
"$@" &
pid=$!
win=$(timeout 60 xdotool search --sync --onlyvisible --name '^Lecterna$' 2>/dev/null | head -1)
# There is no window manager to activate windows: the window gets the focus from us (it counts
# reading time only while it has it), and keys go through XTEST (keys sent to a window with
# --window are synthetic, and Qt ignores them).
[ -n "$win" ] && xdotool windowfocus --sync "$win" 2>/dev/null
sleep "$wait"
if [ -n "$win" ]; then
  for k in $keys; do xdotool key "$k"; sleep 0.5; done
fi
sleep 1
import -window root "$out"
kill -TERM "$pid" 2>/dev/null
wait "$pid"
INNER
chmod +x "$inner"
xvfb-run -a -s "-screen 0 ${size}x24 -dpi 96" "$inner" "$out" "$keys" "$wait" "$@"
echo "saved $out"
