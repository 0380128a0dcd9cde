#!/bin/sh
# The window's accessible tree reaches the accessibility bus (AT-SPI), as Orca and GUI
# automation read it: the program runs under Xvfb with its own session bus and AT-SPI bus,
# and the menu's "Reports" entry is found on the bus as an enabled button.
# Exit 77 (skipped) where the buses cannot start; 0 when found; 1 otherwise.
# Usage: atspi_smoke.sh <path to QuorvikPLB>. The program runs on Xvfb even where the
# tests are told to run offscreen: offscreen windows never reach the bus.
prog="$1"
skip() { echo "SKIPPED: $*"; exit 77; }
[ -x "$prog" ] || { echo "no program at '$prog'"; exit 1; }

if [ -z "$QUORVIK_ATSPI_INSIDE" ]; then
    command -v dbus-run-session >/dev/null || skip "dbus-run-session is not installed"
    command -v xvfb-run >/dev/null || skip "xvfb-run is not installed"
    QUORVIK_ATSPI_INSIDE=1 dbus-run-session -- xvfb-run -a -s "-screen 0 1280x900x24" "$0" "$@"
    rc=$?
    # dbus-run-session or xvfb-run themselves failing is the bus not starting.
    [ $rc -eq 0 ] || [ $rc -eq 1 ] || [ $rc -eq 77 ] || skip "the session bus or Xvfb did not start (exit $rc)"
    exit $rc
fi

launcher=/usr/libexec/at-spi-bus-launcher
[ -x "$launcher" ] || skip "at-spi2-core is not installed"
command -v gdbus >/dev/null || skip "gdbus is not installed"

home=$(mktemp -d)
trap 'kill $app $bus 2>/dev/null; rm -rf "$home"' EXIT
"$launcher" --launch-immediately >/dev/null 2>&1 &
bus=$!

address=""
for _ in $(seq 1 50); do
    address=$(gdbus call --session --dest org.a11y.Bus --object-path /org/a11y/bus \
              --method org.a11y.Bus.GetAddress 2>/dev/null | sed -n "s/^('\(.*\)',)$/\1/p")
    [ -n "$address" ] && break
    sleep 0.2
done
[ -n "$address" ] || skip "the AT-SPI bus did not start"

start_app() {
    HOME="$home" XDG_CONFIG_HOME="$home/config" XDG_DATA_HOME="$home/data" \
    QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 QT_QUICK_BACKEND=software QT_QPA_PLATFORM=xcb \
        "$prog" comport="$home/no-such-port" >"$home/app.log" 2>&1 &
    app=$!
}
start_app
# xvfb-run can hand over a display that does not take connections yet (or at all, on a
# busy CI machine): that is the virtual display missing, not the window failing.
display_tries=1

call() { gdbus call --address "$address" --dest "$1" --object-path "$2" --method "$3" "$4" "$5" 2>/dev/null; }
children() { call "$1" "$2" org.a11y.atspi.Accessible.GetChildren | grep -o "('[^']*', objectpath '[^']*')\|('[^']*', '[^']*')" \
             | sed "s/objectpath //; s/^('\([^']*\)', '\([^']*\)')$/\1 \2/"; }
name() { call "$1" "$2" org.freedesktop.DBus.Properties.Get org.a11y.atspi.Accessible Name | sed -n "s/^(<'\(.*\)'>,)$/\1/p"; }

# Breadth-first over the application's tree until "Reports" shows up (the window needs a moment).
# A deadline, not a count: on a loaded machine the window takes its time to appear.
deadline=$(( $(date +%s) + 90 ))
while [ "$(date +%s)" -lt $deadline ]; do
    if ! kill -0 $app 2>/dev/null; then
        if grep -q "could not connect to display" "$home/app.log"; then
            [ $display_tries -lt 5 ] || { cat "$home/app.log"; skip "the virtual display $DISPLAY never took connections"; }
            display_tries=$((display_tries + 1))
            sleep 2
            start_app
            continue
        fi
        echo "the program ended early:"; cat "$home/app.log"; exit 1
    fi
    queue=$(children org.a11y.atspi.Registry /org/a11y/atspi/accessible/root)
    seen=0
    while [ -n "$queue" ] && [ $seen -lt 600 ]; do
        first=$(printf '%s\n' "$queue" | head -n 1)
        queue=$(printf '%s\n' "$queue" | tail -n +2)
        seen=$((seen + 1))
        dest=${first% *}
        path=${first#* }
        if [ "$(name "$dest" "$path")" = "Reports" ]; then
            role=$(call "$dest" "$path" org.a11y.atspi.Accessible.GetRoleName)
            state=$(call "$dest" "$path" org.a11y.atspi.Accessible.GetState | sed 's/uint32//g' | grep -o '[0-9]\+' | head -n 1)
            echo "found Reports at $dest $path: role $role, state $state"
            case "$role" in *button*) ;; *) echo "Reports is not a button"; exit 1 ;; esac
            # ATSPI_STATE_ENABLED is bit 8 of the first state word.
            [ $(( (state >> 8) & 1 )) -eq 1 ] || { echo "Reports is not enabled"; exit 1; }
            exit 0
        fi
        more=$(children "$dest" "$path")
        [ -n "$more" ] && queue=$(printf '%s\n%s' "$queue" "$more" | sed '/^$/d')
    done
    sleep 0.5
done
echo "Reports never appeared on the accessibility bus"
exit 1
