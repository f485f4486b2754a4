#!/usr/bin/env bash
# Compiles the generated Windows resources and checks the version block, the
# manifest and the icon images in the result. Exits 77 (skipped) when no
# resource compiler is installed.
#   check-resources.sh <quarnel.rc> <work folder>
set -euo pipefail
rc=$1
work=$2
windres=""
for candidate in x86_64-w64-mingw32-windres windres llvm-windres llvm-windres-14 llvm-windres-15; do
  if command -v "$candidate" >/dev/null; then windres=$candidate; break; fi
done
if [ -z "$windres" ]; then
  echo "no resource compiler installed; skipped"
  exit 77
fi
mkdir -p "$work"
res="$work/quarnel.res"
"$windres" --input "$rc" --output-format res --output "$res"
"$windres" --input "$rc" --output-format coff --output "$work/quarnel-rc.o"

fail=0
expect_text() {  # $1: text, $2: strings encoding (l: UTF-16LE, s: bytes)
  if ! strings -n 3 -e "$2" "$res" | grep -qxF -- "$1"; then
    echo "missing in resources: $1"
    fail=1
  fi
}
for text in 2.0.0.2 2.0 Final Quarnel Quarnel.exe 040904B0; do expect_text "$text" l; done
hex=$(od -An -tx1 -v "$res" | tr -d ' \n')
# Fixed version part: signature, structure version, then file and product
# version 2.0.0.2 as two 32-bit halves each.
if ! grep -q 'bd04effe0000010000000200020000000000020002000000' <<<"$hex"; then
  echo "fixed version part is not 2.0.0.2"
  fail=1
fi
grep -qF 'permonitorv2,permonitor</dpiAwareness>' "$res" || { echo "manifest lacks dpiAwareness"; fail=1; }
grep -qF '>True/pm</dpiAware>' "$res" || { echo "manifest lacks dpiAware"; fail=1; }
grep -qF 'level="asInvoker"' "$res" || { echo "manifest lacks asInvoker"; fail=1; }
# Icon images: resource type 3 with a numbered name, one per image.
icons=$(grep -o 'ffff0300ffff' <<<"$hex" | wc -l)
if [ "$icons" -ne 7 ]; then
  echo "expected 7 icon images (16, 32, 48 at 8 bits; 16, 32, 48, 256 at 32 bits), found $icons"
  fail=1
fi
[ "$fail" -eq 0 ] && echo "Windows resources compile with $windres and hold version, manifest and icons"
exit "$fail"
