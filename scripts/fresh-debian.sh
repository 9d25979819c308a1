#!/usr/bin/env bash
# Runs a command on a fresh, minimal Debian 12, as a new user's machine is:
#
#   bash scripts/fresh-debian.sh 'bash scripts/start-demo.sh && bash scripts/test.sh'
#
# The base system is made once with `debootstrap --variant=minbase bookworm`
# from this machine's own apt source and kept in the cache folder
# (~/.cache/tarvel-fresh-debian, or $TARVEL_FRESH_CACHE); every run works on a
# copy of it, so nothing a run installs is there for the next one. The
# repository's committed state is cloned into the copy as /work/main, with
# ../shared beside it as /work/shared. COMMAND runs in /work/main as root with a
# clean environment, in a mount and process namespace of its own (/proc, /dev
# and an empty /tmp mounted; every process it leaves behind, a CUPS scheduler
# say, ends with it). The output goes to the terminal and to a log file named
# at the start and at the end; the exit status is COMMAND's.
#
# Needs root. The copy shares this machine's network, so its apt reaches the
# same archive; the downloaded packages are kept in the cache folder (as apt
# keeps them on any machine), installing them is left to COMMAND.
set -euo pipefail

if [ $# -ne 1 ] || [ -z "$1" ]; then
  echo "Usage: bash scripts/fresh-debian.sh 'COMMAND'" >&2
  exit 2
fi
command=$1
if [ "$(id -u)" -ne 0 ]; then
  echo "scripts/fresh-debian.sh needs root (debootstrap, chroot and mounts); run it as root." >&2
  exit 2
fi

repo=$(cd "$(dirname "$0")/.." && pwd)
shared=$(cd "$repo/../shared" 2>/dev/null && pwd) || {
  echo "No ../shared beside $repo: the tests need it there." >&2
  exit 2
}
cache=${TARVEL_FRESH_CACHE:-$HOME/.cache/tarvel-fresh-debian}
base=$cache/bookworm-minbase
archives=$cache/apt-archives
mkdir -p "$cache" "$archives/partial"

# This machine's Debian archive: the first "deb" source of bookworm, in either
# of apt's two formats.
machine_mirror() {
  local f
  for f in /etc/apt/sources.list.d/*.sources; do
    [ -f "$f" ] || continue
    awk 'BEGIN { RS = ""; FS = "\n" }
      /(^|\n)Suites:[^\n]*bookworm([ \n]|$)/ && /(^|\n)Types:[^\n]*deb([ \n]|$)/ {
        for (i = 1; i <= NF; i++) if ($i ~ /^URIs:/) { split($i, u, " "); print u[2]; exit }
      }' "$f"
  done
  for f in /etc/apt/sources.list /etc/apt/sources.list.d/*.list; do
    [ -f "$f" ] || continue
    awk '$1 == "deb" && $3 == "bookworm" { for (i = 2; i <= NF; i++) if ($i ~ /^[a-z]+:\/\//) { print $i; exit } }' "$f"
  done
}
mirror=$(machine_mirror | grep -v -- '-security' | head -n 1)
[ -n "$mirror" ] || {
  echo "This machine's apt sources name no Debian bookworm archive; debootstrap needs one." >&2
  exit 1
}

for tool in debootstrap unshare chroot git; do
  command -v "$tool" >/dev/null && continue
  echo "Installing $tool on this machine ..."
  case $tool in
    debootstrap) pkg=debootstrap ;;
    git) pkg=git ;;
    *) pkg=util-linux ;;
  esac
  DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "$pkg" >/dev/null
done

# The base system, made once. It is built beside its place and moved there
# when complete, so an interrupted debootstrap is started over, never used.
if [ ! -x "$base/bin/bash" ]; then
  echo "Making a minimal Debian 12 (debootstrap --variant=minbase bookworm $mirror) in $base;"
  echo "this downloads about 40 MB once ..."
  rm -rf "$base.partial"
  if ! debootstrap --variant=minbase bookworm "$base.partial" "$mirror" >"$cache/debootstrap.log" 2>&1; then
    tail -n 20 "$cache/debootstrap.log" >&2
    echo "debootstrap failed; its whole output is in $cache/debootstrap.log" >&2
    exit 1
  fi
  rm -rf "$base"
  mv "$base.partial" "$base"
fi

# A copy for this run. Only the newest runs' copies are kept, to look into
# after; a run going on holds the lock in its folder, and its copy stays.
runs=$cache/runs
mkdir -p "$runs"
for old in "$runs"/*; do
  [ -d "$old" ] || continue
  if [ -e "$old/.lock" ] && ! flock -n "$old/.lock" true; then
    continue
  fi
  rm -rf "$old"
done
run=$(mktemp -d "$runs/$(date +%Y%m%d-%H%M%S)-XXXX")
exec 9>"$run/.lock"
flock -n 9
root=$run/root
log=$run/output.log
echo "Fresh Debian 12 for this run: $root"
echo "Output of the run: $log"
cp -a "$base" "$root"

# The machine's own apt sources and settings that concern the Debian archive
# (a snapshot archive needs its date checks off), name resolution as here.
if compgen -G "/etc/apt/sources.list.d/*.sources" >/dev/null; then
  rm -f "$root/etc/apt/sources.list"
  for f in /etc/apt/sources.list.d/*.sources; do
    grep -q -- "$mirror" "$f" && cp "$f" "$root/etc/apt/sources.list.d/"
  done
fi
[ -f /etc/apt/sources.list ] && grep -q -- "^deb .*$mirror" /etc/apt/sources.list &&
  grep -E "^deb(-src)? " /etc/apt/sources.list | grep -v -E 'nodesource|google' >"$root/etc/apt/sources.list"
for f in /etc/apt/apt.conf.d/*; do
  grep -q -E 'Check-Valid-Until|Check-Date|Acquire::http' "$f" 2>/dev/null && cp "$f" "$root/etc/apt/apt.conf.d/"
done
cp /etc/resolv.conf "$root/etc/resolv.conf" 2>/dev/null || true
cp /etc/hosts "$root/etc/hosts"

# The copy shares this machine's loopback, and with it port 631: whichever
# CUPS scheduler came first would take it, and the other's clients would talk
# to the wrong one. So the copy's CUPS keeps to its own socket (the daemon
# package takes a cupsd.conf that is already there as it is), and this
# machine's scheduler, running or not, is never touched.
mkdir -p "$root/etc/cups"
cat >"$root/etc/cups/cupsd.conf" <<'EOF'
# This tree's scheduler on its own socket: port 631 belongs to the machine around it.
LogLevel warn
Listen /run/cups/cups.sock
Browsing No
DefaultAuthType Basic
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
  JobPrivateAccess default
  JobPrivateValues default
  SubscriptionPrivateAccess default
  SubscriptionPrivateValues default
  <Limit All>
    Order deny,allow
  </Limit>
</Policy>
EOF
echo "ServerName /run/cups/cups.sock" >"$root/etc/cups/client.conf"

mkdir -p "$root/work"
git clone --quiet --no-hardlinks "$repo" "$root/work/main"
cp -a "$shared" "$root/work/shared"

# The mounts live in a namespace of their own and go with it; so do the
# processes COMMAND leaves running, and all of it when this script is stopped.
unshare --mount --pid --fork --kill-child --propagation private /bin/bash -s -- "$root" "$archives" "$command" <<'INNER' > >(tee "$log") 2>&1 &
set -eu
root=$1 archives=$2 command=$3
mount -t proc proc "$root/proc"
mount --rbind /dev "$root/dev"
mount -t tmpfs -o mode=1777 tmpfs "$root/tmp"
mount --bind "$archives" "$root/var/cache/apt/archives"
exec chroot "$root" /usr/bin/env -i HOME=/root USER=root LOGNAME=root SHELL=/bin/bash \
  PATH=/usr/local/sbin:/usr/local/bin:/usr/sbin:/usr/bin:/sbin:/bin \
  TERM=dumb \
  /bin/bash -c "cd /work/main && { $command; }"
INNER
inner=$!
trap 'kill -KILL "$inner" 2>/dev/null; echo "Stopped; the output so far: $log" >&2; exit 130' INT TERM HUP
status=0
wait "$inner" || status=$?
trap - INT TERM HUP
echo "Fresh Debian 12 run ended with status $status; its output: $log"
exit "$status"
