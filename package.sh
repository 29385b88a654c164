#!/usr/bin/env bash
# Builds the Debian package quorvex_<version>_<architecture>.deb into this
# folder from a release build, installing what is missing first.
# Install it with: sudo apt install ./quorvex_*.deb
set -euo pipefail
cd "$(dirname "$0")"
scripts/install-deps.sh

# Debian's own compiler and linker flags, hardening included
export DEB_BUILD_MAINT_OPTIONS=hardening=+all
cxx_flags="$(dpkg-buildflags --get CPPFLAGS) $(dpkg-buildflags --get CXXFLAGS)"
linker_flags="$(dpkg-buildflags --get LDFLAGS)"

jobs=$(nproc 2>/dev/null || echo 2)
cmake -S . -B build-package -DCMAKE_BUILD_TYPE=Release -DQUORVEX_BENCH=OFF \
    -DCMAKE_CXX_FLAGS="$cxx_flags" -DCMAKE_EXE_LINKER_FLAGS="$linker_flags" >/dev/null
# only what the package holds: the tests are built and run by ./test.sh
cmake --build build-package -j "$jobs" --target quorvex quorvex_documents
# a fresh folder, so that only this version's package is copied out
rm -rf build-package/package quorvex_*.deb
(cd build-package && cpack -G DEB -B "$PWD/package")
cp build-package/package/quorvex_*.deb .
ls quorvex_*.deb
