#!/usr/bin/env bash
# A simulated logger for trying Vesmira without one: a folder that holds a
# logger report and its setting.ini, a fake sysfs tree whose disk reports the
# vendor "STM", and a mount table that names the folder. vesmira reads them
# through VESMIRA_MOUNTINFO and VESMIRA_SYSFS.
#
#   scripts/demo-logger.sh [start [REPORT]]   set up the logger, plug it in, start vesmira
#   scripts/demo-logger.sh unplug             pull the logger out (while vesmira runs)
#   scripts/demo-logger.sh plug [REPORT]      plug it in again (optionally with another report)
#
# REPORT defaults to tests/data/reports/en-th.csv. The build directory is
# "build" (VESMIRA_BUILD overrides it); the demo lives in <build>/demo.
set -euo pipefail
cd "$(dirname "$0")/.."

build=${VESMIRA_BUILD:-build}
demo=$(mkdir -p "$build/demo" && cd "$build/demo" && pwd)
drive=$demo/media/LOGGER
sys=$demo/sys
mountinfo=$demo/mountinfo
default_report=tests/data/reports/en-th.csv

write_mountinfo() {
  # $1 = 1 when the logger is plugged in. Written whole and renamed into place,
  # as the kernel's table changes at once.
  {
    echo "22 1 0:21 / /proc rw,nosuid - proc proc rw"
    echo "25 1 8:1 / / rw,relatime shared:1 - ext4 /dev/sda1 rw"
    if [ "$1" = 1 ]; then
      echo "40 25 8:16 / ${drive// /\\040} rw,relatime shared:40 - vfat /dev/sdb rw"
    fi
  } > "$mountinfo.tmp"
  mv "$mountinfo.tmp" "$mountinfo"
}

set_up_drive() {
  local report=${1:-$default_report}
  [ -f "$report" ] || { echo "demo-logger: no report file $report" >&2; exit 1; }
  rm -rf "$drive"
  mkdir -p "$drive"
  cp "$report" "$drive/"
  head -c 102 /dev/zero > "$drive/setting.ini"
  # The disk behind the mount: removable, on the SCSI bus, vendor "STM".
  rm -rf "$sys"
  mkdir -p "$sys/dev/block" "$sys/bus/scsi" "$sys/block/sdb/device"
  echo 1 > "$sys/block/sdb/removable"
  printf 'STM     \n' > "$sys/block/sdb/device/vendor"
  ln -s "$sys/bus/scsi" "$sys/block/sdb/device/subsystem"
  ln -s "$sys/block/sdb" "$sys/dev/block/8:16"
}

case "${1:-start}" in
  start)
    [ -x "$build/bin/vesmira" ] || { echo "demo-logger: build first (cmake --build $build)" >&2; exit 1; }
    set_up_drive "${2:-}"
    write_mountinfo 1
    echo "demo-logger: logger plugged in at $drive"
    echo "demo-logger: in another terminal: scripts/demo-logger.sh unplug | plug"
    export VESMIRA_MOUNTINFO=$mountinfo VESMIRA_SYSFS=$sys
    if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
      echo "demo-logger: no display; running under Xvfb (install a desktop to see the window)"
      exec xvfb-run -a "$build/bin/vesmira"
    fi
    exec "$build/bin/vesmira"
    ;;
  unplug)
    write_mountinfo 0
    rm -rf "$drive"
    echo "demo-logger: logger unplugged"
    ;;
  plug)
    set_up_drive "${2:-}"
    write_mountinfo 1
    echo "demo-logger: logger plugged in"
    ;;
  *)
    sed -n '2,13p' "$0" >&2
    exit 2
    ;;
esac
