#!/usr/bin/env bash
# A CUPS scheduler of a test's own, apart from the machine's printing setup: every file it
# reads or writes lies in FOLDER, it listens only on a socket there, and its one printer, the
# default, writes each job as a PDF file to FOLDER/out/job.pdf.
#
#   private-cups.sh FOLDER
#
# Prints the socket (the value for CUPS_SERVER) on a line of its own once the printer is
# ready, then serves until its standard input ends, and stops the scheduler. Where no
# scheduler can run here, it says why on standard error and exits with 1.
set -euo pipefail

folder=${1:?usage: private-cups.sh FOLDER}
folder=$(cd "$folder" && pwd)
socket=$folder/cups.sock
ppd=/usr/share/ppd/cupsfilters/Generic-PDF_Printer-PDF.ppd
printer=Pelmora-PDF
scheduler=

stop() {
    [ -n "$scheduler" ] || return 0
    kill "$scheduler" 2>/dev/null || true
    for _ in $(seq 50); do kill -0 "$scheduler" 2>/dev/null || break; sleep 0.1; done
    kill -9 "$scheduler" 2>/dev/null || true
    scheduler=
}
trap stop EXIT
trap 'exit 1' INT TERM HUP

fail() {
    echo "$1" >&2
    [ -f "$folder/log/error_log" ] && tail -n 20 "$folder/log/error_log" >&2
    exit 1
}

PATH=$PATH:/usr/sbin:/sbin
command -v cupsd >/dev/null || fail "cupsd is not installed (Debian package cups-daemon)"
command -v lpadmin >/dev/null || fail "lpadmin is not installed (Debian package cups-client)"
[ -f "$ppd" ] || fail "the generic PDF printer driver is not installed (Debian package cups-filters)"
[ ${#socket} -lt 100 ] || fail "the folder's path is too long for a socket: $folder"

mkdir -p "$folder"/{etc,spool/tmp,cache,state,log,out}
# A scheduler that runs as root runs its filters as lp: they must reach the spool.
chmod 0755 "$folder" "$folder"/{etc,cache,state,log}
chmod 1777 "$folder/out" "$folder/spool" "$folder/spool/tmp"

cat >"$folder/etc/cups-files.conf" <<CONF
ServerRoot $folder/etc
RequestRoot $folder/spool
TempDir $folder/spool/tmp
CacheDir $folder/cache
StateDir $folder/state
AccessLog $folder/log/access_log
ErrorLog $folder/log/error_log
PageLog $folder/log/page_log
Printcap $folder/state/printcap
FileDevice Yes
CONF
cat >"$folder/etc/cupsd.conf" <<CONF
Listen $socket
LogLevel warn
Browsing No
BrowseLocalProtocols none
DefaultAuthType None
WebInterface No
<Location />
  Order allow,deny
  Allow all
</Location>
<Location /admin>
  Order allow,deny
  Allow all
</Location>
<Policy default>
  <Limit All>
    Order deny,allow
  </Limit>
</Policy>
CONF

cupsd -f -c "$folder/etc/cupsd.conf" -s "$folder/etc/cups-files.conf" </dev/null >"$folder/log/cupsd.out" 2>&1 &
scheduler=$!
for _ in $(seq 100); do
    [ -S "$socket" ] && break
    kill -0 "$scheduler" 2>/dev/null || fail "cupsd ended at once: $(tr '\n' ' ' <"$folder/log/cupsd.out")"
    sleep 0.1
done
[ -S "$socket" ] || fail "cupsd opened no socket"

lpadmin -h "$socket" -p "$printer" -E -v "file://$folder/out/job.pdf" -P "$ppd" >"$folder/log/lpadmin.out" 2>&1 \
    || fail "lpadmin could not add the printer: $(tr '\n' ' ' <"$folder/log/lpadmin.out")"
lpadmin -h "$socket" -d "$printer" >>"$folder/log/lpadmin.out" 2>&1 \
    || fail "lpadmin could not make the printer the default: $(tr '\n' ' ' <"$folder/log/lpadmin.out")"

echo "$socket"
cat >/dev/null
