#!/usr/bin/env bash
# Runs a test program on a real X server with a window manager (Xvfb +
# openbox), where activation comes from the window manager some time after
# a window asks for it, rather than at once as offscreen.
#
#   under_window_manager.sh <test program> [its arguments]
set -u
# shellcheck source=xsession.sh
source "$(dirname "$0")/xsession.sh"
require_tools Xvfb openbox
xsession_start 1280x1024x24 || exit 1
QT_QPA_PLATFORM=xcb "$@"
