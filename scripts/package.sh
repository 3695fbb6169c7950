#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the Debian package from a copy of the working tree (tests and benchmarks left out)
# and checks it: lintian must report no error and no warning, the AppStream data must validate.
# The package and lintian's report end up in build-deb/.
set -euo pipefail
cd "$(dirname "$0")/.."
top=$(pwd)
version=$(sed -n 's/^project(ruvo VERSION \([0-9.]*\).*/\1/p' CMakeLists.txt)
changelog=$(dpkg-parsechangelog -S Version)
if [ "$version" != "$changelog" ]; then
    echo "package.sh: CMakeLists.txt says version $version, debian/changelog $changelog" >&2
    exit 1
fi
metainfo=$(ls data/*.metainfo.xml)
if ! grep -q "<release version=\"$version\"" "$metainfo"; then
    echo "package.sh: $metainfo has no release $version" >&2
    exit 1
fi
# Without a network the homepage and the screenshot cannot be fetched: check the rest.
appstreamcli validate --no-net "$metainfo"

out="$top/build-deb"
rm -rf "$out"
mkdir -p "$out/src/ruvo-$version"
git ls-files -z --cached --others --exclude-standard |
    xargs -0 tar -cf - | tar -xf - -C "$out/src/ruvo-$version"
(cd "$out/src/ruvo-$version" &&
    DEB_BUILD_OPTIONS="parallel=$(nproc)" dpkg-buildpackage -b -us -uc >"$out/build.log" 2>&1) || {
    tail -40 "$out/build.log" >&2
    exit 1
}
mv "$out"/src/*.deb "$out"/src/*.changes "$out"/src/*.buildinfo "$out/"
rm -rf "$out/src"
# Any error or warning fails; informational tags are shown but pass.
lintian --display-info --fail-on error,warning "$out"/ruvo_"$version"_*.changes |
    tee "$out/lintian.txt"
echo "package.sh: $(ls "$out"/ruvo_"$version"_*.deb) passes lintian"
