#!/usr/bin/env bash
# Builds the Debian package from the current build and checks what it holds,
# what it declares, and that it unpacks into a scratch root as installed.
set -euo pipefail
build=$1
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
(cd "$build" && cpack -G DEB -B "$out" >/dev/null)
deb=$(ls "$out"/*.deb)

contents=$(dpkg-deb -c "$deb")
for path in ./usr/bin/kinwheel \
            ./usr/share/applications/org.kinwheel.Kinwheel.desktop \
            ./usr/share/metainfo/org.kinwheel.Kinwheel.metainfo.xml \
            ./usr/share/icons/hicolor/{16x16,32x32,48x48,64x64,128x128,256x256}/apps/kinwheel.png; do
  grep -q " $path\$" <<<"$contents" || { echo "missing from the package: $path"; exit 1; }
done

depends=$(dpkg-deb -f "$deb" Depends)
for dep in libqt6widgets6 libqt6printsupport6 qt6-qpa-plugins fonts-dejavu-core; do
  grep -q "$dep" <<<"$depends" || { echo "Depends lacks $dep: $depends"; exit 1; }
done
[[ $(dpkg-deb -f "$deb" Package) == kinwheel ]]

root=$out/root
dpkg-deb -x "$deb" "$root"
[[ -x $root/usr/bin/kinwheel ]]
desktop-file-validate "$root/usr/share/applications/org.kinwheel.Kinwheel.desktop"
echo "package ok: $(basename "$deb")"
