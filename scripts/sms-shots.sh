#!/bin/sh
# Renders the message menu, both message pages with sample messages, the
# message, reply and send dialogs and the phonebook picker to PNG, and a
# printed message to PDF and PNG, into OUT (default build/sms-shots).
set -eu
cd "$(dirname "$0")/.."
OUT=${1:-build/sms-shots}
mkdir -p "$OUT"
cmake --build build -j2 --target pdx_sms_shots
QT_QPA_PLATFORM=offscreen build/features/sms/pdx_sms_shots "$OUT"
pdftoppm -r 60 -png "$OUT/sms-print.pdf" "$OUT/sms-print"
echo "$OUT"
