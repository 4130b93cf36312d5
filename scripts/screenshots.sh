#!/usr/bin/env bash
# Makes the README's pictures: starts the built program on a virtual display with a window
# manager and a German keyboard, opens a sample page and a few dialogs, and writes PNG files.
# Usage: scripts/screenshots.sh <build dir> <output dir>
set -euo pipefail
build=$(cd "${1:-build}" && pwd)
out=${2:-docs/screenshots}
mkdir -p "$out"
out=$(cd "$out" && pwd)
for tool in Xvfb openbox xdotool import setxkbmap xdpyinfo; do
  command -v "$tool" >/dev/null || { echo "screenshots: $tool fehlt" >&2; exit 1; }
done

# A display of our own: the first number without a server.
number=95
while [ -e "/tmp/.X$number-lock" ] || [ -e "/tmp/.X11-unix/X$number" ]; do number=$((number + 1)); done
export DISPLAY=":$number"
# A fixed place, so the path in the status bar is the same in every picture set.
sandbox="${TMPDIR:-/tmp}/tessaline-screenshots"
rm -rf "$sandbox"
mkdir -p "$sandbox"
pids=()
finish() {
  for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
  wait 2>/dev/null || true
  rm -rf "$sandbox"
}
trap finish EXIT

Xvfb "$DISPLAY" -screen 0 1280x900x24 -nolisten tcp >/dev/null 2>&1 &
pids+=($!)
for _ in $(seq 100); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done
setxkbmap de
openbox >/dev/null 2>&1 &
pids+=($!)
sleep 1

# The program's own settings and files stay in the sandbox: no tip window, line numbers on.
export HOME="$sandbox" XDG_CONFIG_HOME="$sandbox/config" XDG_DATA_HOME="$sandbox/data" \
       XDG_CACHE_HOME="$sandbox/cache" XDG_RUNTIME_DIR="$sandbox/run" QT_QPA_PLATFORM=xcb
mkdir -p "$XDG_CONFIG_HOME/Orvanto" "$XDG_DATA_HOME" "$XDG_CACHE_HOME" "$XDG_RUNTIME_DIR"
chmod 700 "$XDG_RUNTIME_DIR"
printf '[Einstellungen]\nTipsDialog\\DialogZeigen=0\nOptionen\\LineNumbers=1\n' \
  >"$XDG_CONFIG_HOME/Orvanto/TessalineL.conf"

page="$sandbox/vereinsseite.htm"
cat >"$page" <<'PAGE'
<!DOCTYPE HTML PUBLIC "-//W3C//DTD HTML 4.01 Transitional//EN">
<html>
<head>
<title>Wanderverein Talblick</title>
<meta name="description" content="Touren, Termine und Treffpunkte des Wandervereins">
</head>
<body bgcolor="#FFFFF0" text="#202020" link="#204080">
<!-- Kopf der Seite -->
<h1 align="center">Wanderverein Talblick</h1>
<p>Willkommen auf unserer Seite! Hier finden Sie die n&auml;chsten <b>Touren</b>,
unsere <a href="termine.htm">Termine</a> und die Treffpunkte.</p>
<h2>N&auml;chste Touren</h2>
<table border="1" cellpadding="4" width="80%">
  <tr><th>Datum</th><th>Ziel</th><th>L&auml;nge</th></tr>
  <tr><td>12. M&auml;rz</td><td>Zum Aussichtsturm</td><td>14&nbsp;km</td></tr>
  <tr><td>26. M&auml;rz</td><td>Rund um den Stausee</td><td>9&nbsp;km</td></tr>
</table>
<ul>
  <li>Treffpunkt: Parkplatz am Bahnhof</li>
  <li>Ausr&uuml;stung: festes Schuhwerk, Regenjacke</li>
</ul>
<p><img src="bilder/turm.jpg" alt="Der Aussichtsturm" width="320" height="200"></p>
<hr>
<address>Kontakt: <a href="mailto:vorstand@talblick.example">vorstand@talblick.example</a></address>
</body>
</html>
PAGE

"$build/tessaline" "$page" >"$sandbox/stdout" 2>"$sandbox/stderr" &
pids+=($!)
frame=$(xdotool search --sync --onlyvisible --name 'Tessaline' | head -1)
xdotool windowmove "$frame" 0 0 windowsize "$frame" 1100 760
xdotool windowactivate --sync "$frame"
sleep 2
import -window "$frame" "$out/frame.png"

# Opens a dialog by its key, takes the picture of the window that then has the focus, and
# closes it again without writing anything.
dialog() {
  local name=$1 window
  shift
  xdotool windowactivate --sync "$frame"
  xdotool key --clearmodifiers "$@"
  for _ in $(seq 50); do
    window=$(xdotool getactivewindow 2>/dev/null || true)
    [ -n "$window" ] && [ "$window" != "$frame" ] && break
    sleep 0.1
  done
  if [ -z "$window" ] || [ "$window" = "$frame" ]; then
    echo "screenshots: kein Dialog für $name" >&2
    exit 1
  fi
  sleep 1
  import -window "$window" "$out/$name.png"
  xdotool key --clearmodifiers Escape
  sleep 0.5
}
dialog table shift+F8
dialog link ctrl+q
dialog settings F10
echo "screenshots: $(ls "$out"/*.png | wc -l) Bilder in $out"
