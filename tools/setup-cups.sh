#!/usr/bin/env bash
# Starts a local CUPS server with queues that write PDF files instead of
# paper, for the printing integration tests:
#   tallimark-pdf      no unprintable margins, output /tmp/tallimark-cups/pdf.out
#   tallimark-margins  a quarter inch unprintable on every side,
#                      output /tmp/tallimark-cups/margins.out
# Both also offer 4 x 6 in paper. Two more, as the generic PDF printer is:
#   tallimark-no-4x6   without 4 x 6 in paper or custom sizes,
#                      output /tmp/tallimark-cups/no-4x6.out
#   tallimark-paused   paused: it takes jobs and keeps them
# Needs the packages cups, cups-client and cups-filters (tools/install-deps.sh)
# and root. Works without systemd: cupsd is started directly.
set -euo pipefail

out=/tmp/tallimark-cups
ppd_dir=$out/ppd
mkdir -p "$out" "$ppd_dir"
chmod 1777 "$out"

# The Generic PDF printer of cups-filters passes the PDF it receives through.
generic=""
for candidate in /usr/share/ppd/cupsfilters/Generic-PDF_Printer-PDF.ppd \
                 /usr/share/ppd/cups-filters/Generic-PDF_Printer-PDF.ppd; do
    if [[ -f "$candidate" ]]; then generic=$candidate; break; fi
done
if [[ -z "$generic" ]]; then
    generic=$(find /usr/share/ppd /usr/share/cups/model -iname 'Generic-PDF_Printer-PDF.ppd*' 2>/dev/null | head -n 1 || true)
fi
if [[ -z "$generic" ]]; then
    echo "setup-cups: Generic PDF printer PPD not found (is cups-filters installed?)" >&2
    exit 1
fi

# A copy of the generic PPD whose Letter and A4 papers have the given
# imageable margin in points on every side.
make_ppd() {
    local margin=$1 target=$2
    sed -E \
        -e "s|^\*ImageableArea Letter/Letter: .*|*ImageableArea Letter/Letter: \"$margin $margin $((612 - margin)) $((792 - margin))\"|" \
        -e "s|^\*ImageableArea A4/A4: .*|*ImageableArea A4/A4: \"$margin $margin $((595 - margin)) $((842 - margin))\"|" \
        -e "s|^\*NickName: .*|*NickName: \"Tallimark test PDF, margin $margin pt\"|" \
        -e "s|^(\*PageSize Letter/Letter: .*)|\1\n*PageSize 4x6/4 x 6 in: \"\"|" \
        -e "s|^(\*PageRegion Letter/Letter: .*)|\1\n*PageRegion 4x6/4 x 6 in: \"\"|" \
        -e "s|^(\*ImageableArea Letter/Letter: .*)|\1\n*ImageableArea 4x6/4 x 6 in: \"$margin $margin $((288 - margin)) $((432 - margin))\"|" \
        -e "s|^(\*PaperDimension Letter/Letter: .*)|\1\n*PaperDimension 4x6/4 x 6 in: \"288 432\"|" \
        "$generic" > "$target"
}
make_ppd 0 "$ppd_dir/tallimark-pdf.ppd"
make_ppd 18 "$ppd_dir/tallimark-margins.ppd"

# file: devices are off by default; cupsd reads this file only when it starts.
conf=/etc/cups/cups-files.conf
changed=0
if ! grep -qE '^FileDevice[[:space:]]+Yes' "$conf"; then
    sed -i -E '/^[#[:space:]]*FileDevice/d' "$conf"
    echo 'FileDevice Yes' >> "$conf"
    changed=1
fi

running() { lpstat -r 2> /dev/null | grep -q "is running"; }
if running && [[ $changed == 1 ]]; then
    if command -v systemctl > /dev/null && systemctl is-active --quiet cups 2> /dev/null; then
        systemctl restart cups
    else
        /etc/init.d/cups restart
    fi
elif ! running; then
    mkdir -p /run/cups
    /usr/sbin/cupsd
fi
for _ in $(seq 100); do
    running && break
    sleep 0.1
done
running || { echo "setup-cups: cupsd did not start" >&2; exit 1; }

lpadmin -p tallimark-pdf -E -v "file:$out/pdf.out" -P "$ppd_dir/tallimark-pdf.ppd" \
    -o PageSize=Letter -o printer-error-policy=abort-job
lpadmin -p tallimark-margins -E -v "file:$out/margins.out" -P "$ppd_dir/tallimark-margins.ppd" \
    -o PageSize=Letter -o printer-error-policy=abort-job
lpadmin -p tallimark-no-4x6 -E -v "file:$out/no-4x6.out" -P "$generic" \
    -o PageSize=Letter -o printer-error-policy=abort-job
lpadmin -p tallimark-paused -E -v "file:$out/paused.out" -P "$generic" -o PageSize=Letter
cupsenable tallimark-pdf tallimark-margins tallimark-no-4x6
cupsaccept tallimark-pdf tallimark-margins tallimark-no-4x6 tallimark-paused
cupsdisable tallimark-paused
lpstat -p tallimark-pdf -p tallimark-margins -p tallimark-no-4x6 -p tallimark-paused
