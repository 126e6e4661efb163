#!/usr/bin/env bash
# End to end with the desktop scaled: at 200 % on a 3840 x 2160 screen the game still
# plays at 4 device pixels per skin pixel, and at 150 % on 1920 x 1080 at 2, every
# skin pixel a sharp block; presses land on the zoomed places.
#   hidpi_test.sh BUILD-DIR        (exit 77: skipped, Xvfb cannot start here)
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
bash "$here/zoom_test.sh" "$1" 3840 2160 2 || exit $?
exec bash "$here/zoom_test.sh" "$1" 1920 1080 1.5
