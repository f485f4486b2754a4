#!/usr/bin/env bash
# Installs the build into a scratch prefix and checks that the program, its
# pictures (in the data folder the program looks in: ../share/quarnel from
# the executable), the icons and the desktop entry are where they belong.
#   check-install.sh <build folder> <scratch folder>
set -euo pipefail
build=$1
prefix=$2
rm -rf "$prefix"
cmake --install "$build" --prefix "$prefix" >/dev/null
fail=0
for file in bin/quarnel "share/quarnel/Quarnel.tiff" "share/quarnel/Vered68 copy.png" \
            share/applications/quarnel.desktop \
            share/icons/hicolor/16x16/apps/quarnel.png share/icons/hicolor/32x32/apps/quarnel.png \
            share/icons/hicolor/48x48/apps/quarnel.png share/icons/hicolor/256x256/apps/quarnel.png; do
  if [ ! -s "$prefix/$file" ]; then
    echo "not installed: $file"
    fail=1
  fi
done
[ -x "$prefix/bin/quarnel" ] || { echo "bin/quarnel is not executable"; fail=1; }
exit "$fail"
