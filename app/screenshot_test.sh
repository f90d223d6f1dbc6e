#!/usr/bin/env bash
# Starts Password.exe under Wine on the current X display, with a word library and saved settings
# in its folder, waits until its window is painted, keeps a screenshot of it for a person to look
# at, then closes it with the Esc key and expects exit code 0.
# screenshot_test.sh <wine loader> <Password.exe> <artifact folder>
set -euo pipefail
wine=$1 program=$2 artifacts=$3
mkdir -p "$artifacts"
work=$(mktemp -d /tmp/password-shot.XXXXXX)
pid=
cleanup() {
  [ -n "$pid" ] && kill "$pid" 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT

cp "$program" "$work/Password.exe"
printf '[默认]\r\n配置项名称=one、two、three\r\n[配置]\r\n最大长度=13\r\n生成个数=5\r\n选中词库=默认\r\n指定词库=假\r\n所有词库=真\r\n' |
  iconv -f UTF-8 -t GBK >"$work/pconfig.ini"

(cd "$work" && exec "$wine" ./Password.exe) &
pid=$!

window=$(timeout 60 xdotool search --sync --onlyvisible --name '^Password $' | head -n 1)
[ -n "$window" ] || { echo "the window did not appear"; exit 1; }
eval "$(xdotool getwindowgeometry --shell "$window")"  # X, Y, WIDTH, HEIGHT

# Painted once the banner, the bottom 128 rows of the client area, shows more than one colour.
painted=0
for _ in $(seq 100); do
  import -window root "$work/root.png"
  spread=$(convert "$work/root.png" -crop "$((WIDTH - 20))x100+$((X + 10))+$((Y + HEIGHT - 110))" +repage \
    -colorspace Gray -format '%[fx:standard_deviation]' info:)
  if awk -v s="$spread" 'BEGIN { exit !(s > 0.02) }'; then painted=1; break; fi
  sleep 0.1
done
convert "$work/root.png" -crop "$((WIDTH + 20))x$((HEIGHT + 20))+$((X - 10))+$((Y - 10))" +repage \
  "$artifacts/password-window.png"
echo "screenshot: $artifacts/password-window.png"
[ "$painted" = 1 ] || { echo "the banner was not painted"; exit 1; }

xdotool key Escape
for _ in $(seq 100); do kill -0 "$pid" 2>/dev/null || break; sleep 0.1; done
set +e
wait "$pid"
code=$?
set -e
pid=
[ "$code" = 0 ] || { echo "exit code $code after Esc"; exit 1; }
