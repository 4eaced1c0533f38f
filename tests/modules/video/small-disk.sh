#!/bin/sh
# Mounts (mount) or removes (unmount) a 4 MB tmpfs at the given folder: a
# disk that fills up during a conversion. Mounting needs root; where it is
# not possible this says so and succeeds all the same, and the test that
# writes there skips.
set -u
action="$1"
folder="$2"
if mountpoint -q "$folder" 2>/dev/null; then umount "$folder" 2>/dev/null; fi
if [ "$action" = mount ]; then
  mkdir -p "$folder"
  if ! mount -t tmpfs -o size=4m,mode=0777 tmpfs "$folder" 2>/dev/null; then
    echo "small-disk: cannot mount a tmpfs at $folder (needs root); the full-disk test skips"
  fi
fi
exit 0
