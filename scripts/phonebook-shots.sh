#!/bin/sh
# Pictures of the phonebook page and the dialogs its buttons open, taken
# from Pelodex on the simulated phone on a private X display (Xvfb, xcb),
# and a phonebook of 60 entries printed in both sizes and orders to PDF and
# PNG, into OUT (default build/phonebook-shots) for looking at them; the
# same in English into OUT/en.
set -eu
cd "$(dirname "$0")/.."
OUT=${1:-build/phonebook-shots}
mkdir -p "$OUT"
cmake --build build -j2 --target Pelodex pelodex-cli
/usr/bin/python3 scripts/a11y/shots.py build "$OUT" phonebook
/usr/bin/python3 scripts/a11y/shots.py --lang en build "$OUT/en" phonebook
i=0
: > "$OUT/people.txt"
for group in 가족 친구 회사 동창 ""; do
  for n in 0 1 2 3 4 5 6 7 8 9 10 11; do
    i=$((i + 1))
    echo "사람$i $group 02-555-$((1000 + i)) 011-9$((100000 + i)) 015$((1000 + n))" >> "$OUT/people.txt"
  done
done
rm -f "$OUT/people.dat"
build/cli/pelodex-cli datafile import "$OUT/people.txt" --data "$OUT/people.dat"
for size in wallet normal; do
  for order in group name; do
    build/cli/pelodex-cli datafile print "$OUT/people.dat" --size $size --order $order --pdf "$OUT/$size-$order.pdf"
    pdftoppm -r 60 -png "$OUT/$size-$order.pdf" "$OUT/$size-$order"
  done
done
# One print in English: the headings and the document name follow the language.
LANGUAGE=en build/cli/pelodex-cli datafile print "$OUT/people.dat" --size normal --order group --pdf "$OUT/en/normal-group.pdf"
pdftoppm -r 60 -png "$OUT/en/normal-group.pdf" "$OUT/en/normal-group"
echo "$OUT"
