#!/usr/bin/env bash
# A private CUPS scheduler for the print tests, in a folder of its own.
#
#   print_queue.sh start DIR   make DIR, start cupsd there, add the test queues
#   print_queue.sh stop DIR    stop that cupsd by its process id and remove DIR
#
# The scheduler listens on DIR/cups.sock and on a free port of 127.0.0.1; nothing of the system's
# own CUPS set-up is read or changed. Queues:
#   vortelle-default  keeps what it gets in DIR/kept/vortelle-default; the scheduler's default
#   vortelle-keep     keeps the job's PDF, title and options as they arrive in DIR/kept/vortelle-keep
#   vortelle-pdf      cups-pdf, writes its PDFs to DIR/cups-pdf
# Tests talk to it with CUPS_SERVER=DIR/cups.sock, HOME=DIR/home, LPDEST and PRINTER unset.
#
# cups-pdf reads its settings from a fixed place in /etc/cups. The scheduler therefore runs in a
# mount namespace of its own in which DIR/cups-pdf.conf is bound over /etc/cups/cups-pdf.conf, so
# /etc stays untouched. Where namespaces are not allowed, DIR/etc-file names the one file written to
# /etc/cups instead (cups-pdf-vortelle<hash>.conf), and stop removes it again.
#
# Without root there is no private scheduler: start says so and exits 0; the print tests skip.
set -euo pipefail

command=${1:-}
dir=${2:-}
if [[ -z "$command" || -z "$dir" || "$dir" != /* ]]; then
  echo "usage: $0 start|stop ABSOLUTE_DIR" >&2
  exit 2
fi

stop_queue() {
  if [[ -f "$dir/cupsd.pid" ]]; then
    local pid
    pid=$(cat "$dir/cupsd.pid")
    if [[ "$pid" =~ ^[0-9]+$ ]] && kill -0 "$pid" 2>/dev/null; then
      kill -TERM "$pid" 2>/dev/null || true
      for _ in $(seq 100); do
        kill -0 "$pid" 2>/dev/null || break
        sleep 0.05
      done
      kill -KILL "$pid" 2>/dev/null || true
    fi
  fi
  if [[ -f "$dir/etc-file" ]]; then
    rm -f -- "$(cat "$dir/etc-file")"
  fi
  # Only a folder this script made is removed.
  if [[ -f "$dir/.vortelle-print-queue" ]]; then
    rm -rf -- "$dir"
  fi
}

case "$command" in
stop)
  stop_queue
  exit 0
  ;;
start) ;;
*)
  echo "usage: $0 start|stop ABSOLUTE_DIR" >&2
  exit 2
  ;;
esac

if [[ $(id -u) -ne 0 ]]; then
  echo "not root: no private print queue; the print tests will skip"
  exit 0
fi
for tool in cupsd lpadmin lpstat; do
  if ! command -v "$tool" >/dev/null; then
    echo "$tool is missing: no private print queue; the print tests will skip"
    exit 0
  fi
done

stop_queue
mkdir -p "$dir"
chmod 755 "$dir"
touch "$dir/.vortelle-print-queue"
mkdir -p "$dir"/{conf/ppd,spool,state,cache,tmp,log,bin/backend,home,kept,cups-pdf,cups-pdf-spool}
chmod 755 "$dir"/{conf,bin,bin/backend,home,kept}
chmod 777 "$dir"/cups-pdf-spool
chmod 1777 "$dir"/tmp

# The system's filters and helper programs; only the backends are our own choice.
for part in filter daemon driver monitor notifier cgi-bin; do
  [[ -e /usr/lib/cups/$part ]] && ln -s "/usr/lib/cups/$part" "$dir/bin/$part"
done
[[ -e /usr/lib/cups/backend/cups-pdf ]] && ln -s /usr/lib/cups/backend/cups-pdf "$dir/bin/backend/cups-pdf"

# Keeps each job as it arrives: DIR/kept/QUEUE/job-N.title, .options, then .pdf (written last, by a
# rename, so a test that sees the .pdf sees the whole job).
cat >"$dir/bin/backend/vortelle-keep" <<EOF
#!/bin/sh
if [ \$# -eq 0 ]; then
  echo 'direct vortelle-keep "Unknown" "Vortelle test queue that keeps every job"'
  exit 0
fi
out="$dir/kept/\${DEVICE_URI#vortelle-keep:/}"
mkdir -p "\$out"
printf '%s' "\$3" >"\$out/job-\$1.title"
printf '%s' "\$5" >"\$out/job-\$1.options"
if [ -n "\$6" ]; then cat -- "\$6"; else cat; fi >"\$out/job-\$1.part"
mv -- "\$out/job-\$1.part" "\$out/job-\$1.pdf"
exit 0
EOF
# Mode 0700: the scheduler runs such a backend as root, so it may write into DIR/kept.
chmod 700 "$dir/bin/backend/vortelle-keep"

port=$(/usr/bin/python3 -c 'import socket; s = socket.socket(); s.bind(("127.0.0.1", 0)); print(s.getsockname()[1])')
echo "$port" >"$dir/port"

cat >"$dir/conf/cupsd.conf" <<EOF
Listen 127.0.0.1:$port
Listen $dir/cups.sock
LogLevel warn
Browsing No
WebInterface No
DefaultAuthType None
ErrorPolicy abort-job
PreserveJobHistory No
PreserveJobFiles No
MaxJobs 0
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
EOF

cat >"$dir/conf/cups-files.conf" <<EOF
ServerRoot $dir/conf
RequestRoot $dir/spool
StateDir $dir/state
CacheDir $dir/cache
TempDir $dir/tmp
ServerBin $dir/bin
DataDir /usr/share/cups
AccessLog $dir/log/access_log
ErrorLog $dir/log/error_log
PageLog $dir/log/page_log
User lp
Group lp
SystemGroup root
FileDevice No
EOF

cat >"$dir/cups-pdf.conf" <<EOF
Out $dir/cups-pdf
AnonDirName $dir/cups-pdf
Spool $dir/cups-pdf-spool
Log $dir/log
LogType 1
Grp root
UserUmask 0022
AnonUMask 0022
EOF

cupsd_command=(cupsd -f -c "$dir/conf/cupsd.conf" -s "$dir/conf/cups-files.conf")
pdf_uri="cups-pdf:/"
if unshare -m --propagation private true 2>/dev/null && [[ -f /etc/cups/cups-pdf.conf ]]; then
  launch=(unshare -m --propagation private sh -c 'mount --bind "$0" /etc/cups/cups-pdf.conf && exec "$@"'
    "$dir/cups-pdf.conf" "${cupsd_command[@]}")
else
  instance="vortelle$(printf '%s' "$dir" | md5sum | cut -c1-8)"
  mkdir -p /etc/cups
  cp "$dir/cups-pdf.conf" "/etc/cups/cups-pdf-$instance.conf"
  echo "/etc/cups/cups-pdf-$instance.conf" >"$dir/etc-file"
  pdf_uri="cups-pdf:/$instance"
  launch=("${cupsd_command[@]}")
fi

# A session of its own and no inherited output, so the test runner neither waits for it nor ends it;
# exec keeps the process id, which is what stop uses.
setsid bash -c 'echo $$ >"$0/cupsd.pid"; exec "$@"' "$dir" "${launch[@]}" \
  </dev/null >"$dir/log/cupsd.out" 2>&1 &

export CUPS_SERVER="$dir/cups.sock"
unset LPDEST PRINTER
ready=0
for _ in $(seq 200); do
  if [[ -S "$dir/cups.sock" ]] && lpstat -r >/dev/null 2>&1; then
    ready=1
    break
  fi
  sleep 0.05
done
if ((ready == 0)); then
  echo "the private scheduler did not start:" >&2
  cat "$dir/log/cupsd.out" "$dir/log/error_log" >&2 2>/dev/null || true
  stop_queue
  exit 1
fi

# Raw queues: no filter between the program and the backend.
lpadmin -p vortelle-default -E -v vortelle-keep:/vortelle-default 2>/dev/null
lpadmin -p vortelle-keep -E -v vortelle-keep:/vortelle-keep 2>/dev/null
ppd=/usr/share/ppd/cups-pdf/CUPS-PDF_opt.ppd
if [[ -f "$ppd" && -e "$dir/bin/backend/cups-pdf" ]]; then
  lpadmin -p vortelle-pdf -E -v "$pdf_uri" -P "$ppd"
fi
lpadmin -d vortelle-default
lpstat -p -d
