#!/bin/sh
# A private CUPS daemon for the printing tests, on a loopback port with its own configuration,
# state, spool and log folders under DIR, and two PDF printers (cups-pdf): QxPdf, the default,
# and QxSpare, listed after it.
#   private_cupsd.sh start DIR PORT   starts it and adds the printer; exit 0 when it is ready
#   private_cupsd.sh stop DIR         stops the daemon started in DIR
# Clients reach it with CUPS_SERVER=127.0.0.1:PORT. The printer writes into DIR/pdf, a folder no
# other daemon's printer writes into, where the system lets the daemon have a mount namespace of
# its own (DIR/pdf then exists); elsewhere into the folder the system's cups-pdf settings name.
set -eu
cmd=$1
dir=$2

if [ "$cmd" = stop ]; then
  if [ -f "$dir/cupsd.pid" ]; then
    pid=$(cat "$dir/cupsd.pid")
    kill "$pid" 2>/dev/null || true
    i=0
    while kill -0 "$pid" 2>/dev/null && [ $i -lt 50 ]; do sleep 0.1; i=$((i + 1)); done
    rm -f "$dir/cupsd.pid"
  fi
  exit 0
fi

port=$3
for tool in cupsd lpadmin lpstat; do
  command -v "$tool" >/dev/null 2>&1 || PATH="$PATH:/usr/sbin"
  command -v "$tool" >/dev/null 2>&1 || { echo "$tool is not installed" >&2; exit 2; }
done
# The PDF backend runs only under a daemon that runs as root.
[ "$(id -u)" -eq 0 ] || { echo "the daemon needs to run as root for the PDF printer" >&2; exit 2; }
ppd=/usr/share/ppd/cups-pdf/CUPS-PDF_noopt.ppd
[ -f "$ppd" ] || { echo "the cups-pdf driver is not installed" >&2; exit 2; }
[ -x /usr/lib/cups/backend/cups-pdf ] || { echo "the cups-pdf backend is missing" >&2; exit 2; }

mkdir -p "$dir/etc/ppd" "$dir/state/certs" "$dir/cache" "$dir/spool/tmp" "$dir/log"
# Filters run as an unprivileged user: they read the spool and write temporary files.
chmod 755 "$dir" "$dir/spool"
chmod 1777 "$dir/spool/tmp"
cat > "$dir/etc/cupsd.conf" <<CONF
Listen 127.0.0.1:$port
LogLevel ${QX_CUPS_LOGLEVEL:-warn}
DefaultAuthType None
WebInterface No
Browsing No
DefaultShared No
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
cat > "$dir/etc/cups-files.conf" <<CONF
ServerRoot $dir/etc
StateDir $dir/state
CacheDir $dir/cache
RequestRoot $dir/spool
TempDir $dir/spool/tmp
ErrorLog $dir/log/error_log
AccessLog $dir/log/access_log
PageLog $dir/log/page_log
CONF

# cups-pdf reads its settings from /etc/cups only: the daemon runs in a mount namespace where a
# copy of them that names DIR/pdf as the output folder lies over the system's file.
conf=/etc/cups/cups-pdf.conf
over_conf='mount --bind "$0" '"$conf"' && exec "$@"'
own_conf=
if [ -f "$conf" ]; then
  { grep -v '^[[:space:]]*Out[[:space:]]' "$conf" || true; echo "Out $dir/pdf"; } > "$dir/etc/cups-pdf.conf"
  if unshare --mount --propagation private sh -c "$over_conf" "$dir/etc/cups-pdf.conf" true 2>/dev/null; then
    own_conf="$dir/etc/cups-pdf.conf"
    mkdir -p "$dir/pdf"
  fi
fi
if [ -n "$own_conf" ]; then
  unshare --mount --propagation private sh -c "$over_conf" "$own_conf" \
    cupsd -f -c "$dir/etc/cupsd.conf" -s "$dir/etc/cups-files.conf" > "$dir/log/cupsd.out" 2>&1 &
else
  cupsd -f -c "$dir/etc/cupsd.conf" -s "$dir/etc/cups-files.conf" > "$dir/log/cupsd.out" 2>&1 &
fi
echo $! > "$dir/cupsd.pid"
export CUPS_SERVER="127.0.0.1:$port"
i=0
# Ready once it answers: lpstat -o fails while the daemon cannot be reached (lpstat -r does not).
until lpstat -o >/dev/null 2>&1; do
  i=$((i + 1))
  if [ $i -gt 50 ] || ! kill -0 "$(cat "$dir/cupsd.pid")" 2>/dev/null; then
    echo "the daemon did not start:" >&2
    cat "$dir/log/cupsd.out" "$dir/log/error_log" >&2 2>/dev/null || true
    "$0" stop "$dir"
    exit 3
  fi
  sleep 0.1
done
for printer in QxPdf QxSpare; do
  if ! lpadmin -p "$printer" -E -v cups-pdf:/ -P "$ppd" >"$dir/log/lpadmin.out" 2>&1; then
    echo "the PDF printer $printer could not be added:" >&2
    cat "$dir/log/lpadmin.out" >&2
    "$0" stop "$dir"
    exit 4
  fi
done
lpadmin -d QxPdf >/dev/null 2>&1 || true
