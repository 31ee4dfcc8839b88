#!/usr/bin/env bash
# Builds the Debian package, checks its desktop entry and metainfo and that
# it depends on Qt's libraries without pinning one Qt build, installs
# it with apt-get and starts the installed program on the offscreen
# platform: it must still be running after 2 seconds. Exits non-zero on any
# failure.
set -euo pipefail
cd "$(dirname "$0")/../.."

SUDO=()
[[ $(id -u) -eq 0 ]] || SUDO=(sudo)
export DEBIAN_FRONTEND=noninteractive

scripts/install-deps.sh desktop-file-utils appstream dpkg-dev

echo "== validating the desktop entry and the metainfo"
desktop-file-validate packaging/org.ombrana.Ombrana.desktop
appstreamcli validate --no-net packaging/org.ombrana.Ombrana.metainfo.xml

echo "== building the package"
scripts/build.sh
out=build/package
rm -rf "$out"
cpack --config build/CPackConfig.cmake -B "$out"
deb=$(ls "$out"/ombrana_*.deb)
dpkg-deb --info "$deb"
dpkg-deb --contents "$deb"
# Qt through the shared libraries' own dependencies, not pinned to the one
# Qt build the package was made with.
depends=$(dpkg-deb --field "$deb" Depends)
[[ $depends == *libqt6widgets6* && $depends == *libqt6printsupport6* ]] ||
  { echo "the package does not depend on Qt's libraries: $depends"; exit 1; }
[[ $depends != *qt6-base-abi* ]] || { echo "the package is pinned to one Qt build: $depends"; exit 1; }

echo "== installing $deb"
"${SUDO[@]}" apt-get install -y -qq "./$deb"
trap '"${SUDO[@]}" apt-get remove -y -qq ombrana >/dev/null || true' EXIT
for f in /usr/bin/ombrana /usr/lib/ombrana/libombrana_printer.so \
         /usr/share/applications/org.ombrana.Ombrana.desktop \
         /usr/share/icons/hicolor/scalable/apps/org.ombrana.Ombrana.svg \
         /usr/share/metainfo/org.ombrana.Ombrana.metainfo.xml; do
  [[ -e "$f" ]] || { echo "missing after install: $f"; exit 1; }
done

echo "== starting the installed program"
runtime=$(mktemp -d)
QT_QPA_PLATFORM=offscreen XDG_RUNTIME_DIR="$runtime" /usr/bin/ombrana &
pid=$!
sleep 2
if ! kill -0 "$pid" 2>/dev/null; then
  wait "$pid" && status=0 || status=$?
  echo "the installed program ended within 2 seconds (status $status)"
  exit 1
fi
kill "$pid"
wait "$pid" 2>/dev/null || true
rm -rf "$runtime"
echo "package smoke check passed"
