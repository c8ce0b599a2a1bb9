#!/usr/bin/env bash
# Runs a test program where assistive tools could listen: in a private X server, on a private D-Bus message bus
# with the AT-SPI accessibility bus started (by asking the bus for its address). Qt speaks to assistive tools only
# once it finds that bus. The settings back end is kept in memory, away from the user's settings.
# Usage: tests/a11y-bus.sh PROGRAM [ARGS...]
set -euo pipefail

work="$(mktemp -d)"
. "$(dirname "${BASH_SOURCE[0]}")/xtest-common.sh"

# The bus's own address is set before it starts, so that the services it starts inherit it.
export DBUS_SESSION_BUS_ADDRESS="unix:path=$work/bus"
cat >"$work/bus.conf" <<CONF
<!DOCTYPE busconfig PUBLIC "-//freedesktop//DTD D-Bus Bus Configuration 1.0//EN"
 "http://www.freedesktop.org/standards/dbus/1.0/busconfig.dtd">
<busconfig>
  <listen>unix:path=$work/bus</listen>
  <auth>EXTERNAL</auth>
  <servicedir>/usr/share/dbus-1/services</servicedir>
  <policy context="default">
    <allow send_destination="*" eavesdrop="true"/>
    <allow eavesdrop="true"/>
    <allow own="*"/>
  </policy>
</busconfig>
CONF
dbus-daemon --config-file="$work/bus.conf" --nofork &
pids+=("$!")
for _ in $(seq 100); do [ -S "$work/bus" ] && break; sleep 0.1; done
[ -S "$work/bus" ] || fail "the message bus did not start"
dbus-send --bus="$DBUS_SESSION_BUS_ADDRESS" --print-reply --dest=org.a11y.Bus /org/a11y/bus \
    org.a11y.Bus.GetAddress >/dev/null || fail "the accessibility bus did not start"

export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 GSETTINGS_BACKEND=memory
"$@"
