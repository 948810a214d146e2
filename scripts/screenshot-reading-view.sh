#!/usr/bin/env bash
# Pictures of the reading view for review, taken under a virtual X display: the sample book
# (Cyrillic, DOS encoding, opened with the Text template: paragraphs rejoined, word wrap and
# justification) with one-and-a-half line spacing and a larger reading font in a 1280x800 window,
# and the same book in double-page mode on the paper texture.
#   scripts/screenshot-reading-view.sh [BUILD_DIR] [OUT_DIR]
# BUILD_DIR defaults to build/release, OUT_DIR to build/screenshots. The program runs from a copy
# in a temporary folder with its own settings file, so nothing is written beside the build.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build=${1:-$root/build/release}
out=${2:-$root/build/screenshots}
mkdir -p "$out"
out="$(cd "$out" && pwd)"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# shoot NAME [KEY=VALUE of section View...]
shoot() {
  local name=$1
  shift
  local dir="$work/$name"
  mkdir -p "$dir/config"
  cp "$build/src/lecterna" "$dir/"
  {
    printf '[IniMode]\nInRegistry=0\n\n[View]\nDefaultView_FontSize=16\n'
    for setting in "$@"; do printf '%s\n' "$setting"; done
    # The whole virtual screen: without a window manager there is nobody to maximise the window.
    printf '\n[Form1]\nLeft=0\nTop=0\nWidth=1280\nHeight=800\nWindowState=0\n'
  } > "$dir/Lecterna.ini"
  XDG_CONFIG_HOME="$dir/config" LECTERNA_OEMCP=866 LECTERNA_ANSICP=1251 \
    "$root/scripts/screenshot.sh" "$out/$name.png" --size 1280x800 --wait 3 -- \
    "$dir/lecterna" "$root/data/sample-book.txt"
}

shoot reading-view
shoot reading-view-double-page DoublePageMode=1 "UserColors_TextureFileName=$root/tests/data/paper.jpg"
