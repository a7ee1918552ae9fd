#!/usr/bin/env bash
# Builds the Debian package from a build folder and checks it: its regular files are exactly
# those of FILES, its version is the project's, its Depends name the libraries and the run-time
# packages, and lintian, desktop-file-validate and appstreamcli find nothing to report.
# As root it then installs the package with apt, starts the installed program offscreen in an
# empty application folder, which must receive the installed prefix.vrl, runs a pad that needs
# that prefix in the folder, removes the package and checks that nothing of it is left.
# Usage: CheckPackage.sh BUILD WORK VERSION FILES PADRUN PADS
set -euo pipefail
build=$1 work=$2 version=$3 files=$4 padrun=$5 pads=$6

fail() {
  echo "FAIL: $*" >&2
  exit 1
}

rm -rf "$work"
mkdir -p "$work"
cpack -G DEB --config "$build/CPackConfig.cmake" -B "$work/out" >"$work/cpack.log" 2>&1 ||
  fail "cpack: $(cat "$work/cpack.log")"
deb="$work/out/vorline_${version}_$(dpkg --print-architecture).deb"
[ -f "$deb" ] || fail "no $deb; cpack made: $(ls "$work/out")"

# Regular files only: the folders are shared with other packages, apart from the package's own.
dpkg-deb -c "$deb" | awk '$1 ~ /^-/ { sub(/^\./, "", $6); print $6 }' | sort >"$work/files"
diff -u <(sort "$files") "$work/files" || fail "the package's files differ from $files"

[ "$(dpkg-deb -f "$deb" Version)" = "$version" ] || fail "Version is $(dpkg-deb -f "$deb" Version)"
depends=$(dpkg-deb -f "$deb" Depends)
for name in libqt6widgets6 libhunspell libstdc++6 fonts-dejavu-core hunspell-en-us tzdata; do
  [[ "$depends" == *"$name"* ]] || fail "Depends lacks $name: $depends"
done

# Debian's tools on what the package ships. lintian warns about running as root on stderr.
lintian --fail-on error,warning "$deb" >"$work/lintian.log" 2>"$work/lintian.err" ||
  fail "lintian: $(cat "$work/lintian.log" "$work/lintian.err")"
! grep -E '^[EW]: ' "$work/lintian.log" || fail "lintian reports the lines above"
dpkg-deb -x "$deb" "$work/root"
report=$(desktop-file-validate "$work/root/usr/share/applications/vorline.desktop" 2>&1) ||
  fail "desktop-file-validate: $report"
[ -z "$report" ] || fail "desktop-file-validate: $report"
appstreamcli validate --no-net "$work/root/usr/share/metainfo/org.vorline.vorline.metainfo.xml" \
  >"$work/appstream.log" 2>&1 || fail "appstreamcli: $(cat "$work/appstream.log")"
echo "package $deb: files, fields, lintian, desktop-file-validate and appstreamcli pass"

if [ "$(id -u)" -ne 0 ]; then
  echo "not root: the package is not installed"
  exit 0
fi

# One install at a time on this machine, and apt waits for another apt rather than failing.
exec 9>/var/lock/vorline-package-test.lock
flock 9
apt_run() { DEBIAN_FRONTEND=noninteractive apt-get -y -q -o DPkg::Lock::Timeout=600 "$@" >>"$work/apt.log" 2>&1; }
installed() { dpkg-query -W -f='${Status}' vorline 2>/dev/null | grep -qv 'not-installed'; }
remove() { if installed; then apt_run purge vorline; fi; }
# A run cut short leaves the package installed, and so would a failure below but for the trap;
# a vorline installed before the test goes too, since the test ends by removing it.
remove || fail "an installed vorline could not be removed: $(cat "$work/apt.log")"
trap remove EXIT

apt_run install --no-install-recommends "$deb" || fail "apt install: $(cat "$work/apt.log")"
[ "$(dpkg-query -W -f='${Version}' vorline)" = "$version" ] || fail "apt did not install $version"
while read -r path; do
  [ -f "$path" ] || fail "installed, yet $path is missing"
done <"$files"

# A first start copies the installed prefix.vrl into the new application folder before its
# first window opens; the wait ends when the copy is complete or the program has ended.
home="$work/home"
env -u VORLINE_RESOURCES_DIR QT_QPA_PLATFORM=offscreen VORLINE_HOME="$home" \
  /usr/bin/vorline "$pads/plot.vrl" >"$work/vorline.log" 2>&1 &
pid=$!
for ((i = 0; i < 6000; i++)); do # a bound that only a hang reaches
  cmp -s /usr/share/vorline/prefix.vrl "$home/includes/prefix.vrl" && break
  kill -0 "$pid" 2>/dev/null || break
  sleep 0.05
done
kill -0 "$pid" 2>/dev/null || fail "the installed program ended at start-up: $(cat "$work/vorline.log")"
kill -TERM "$pid"
status=0
wait "$pid" || status=$?
[ "$status" -eq 143 ] || fail "the installed program ended with $status, not by SIGTERM"
cmp -s /usr/share/vorline/prefix.vrl "$home/includes/prefix.vrl" ||
  fail "the installed program did not copy /usr/share/vorline/prefix.vrl into $home/includes"

# The plot pad needs what the prefix defines: it runs against the folder the program made.
VORLINE_RESOURCES_DIR=/usr/share/vorline cmake -DPADRUN="$padrun" -DPAD="$pads/plot.vrl" \
  -DEXPECTED="$pads/plot.json" -DARGS="$pads/plot.args" -DHOME_TEMPLATE="$home" \
  -DWORK="$work/pad" -P "$pads/RunPad.cmake" || fail "the plot pad did not run in $home"

apt_run remove vorline || fail "apt remove: $(cat "$work/apt.log")"
trap - EXIT
! installed || fail "vorline is still known to dpkg: $(dpkg-query -W -f='${Status}' vorline)"
while read -r path; do
  [ ! -e "$path" ] || fail "removed, yet $path is left"
done <"$files"
for folder in /usr/share/vorline /usr/share/doc/vorline; do
  [ ! -e "$folder" ] || fail "removed, yet $folder is left"
done
echo "installed with apt, started, ran a pad in the folder it made, and removed without a trace"
