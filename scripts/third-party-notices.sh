#!/usr/bin/env bash
# Prints THIRD-PARTY-NOTICES.txt for t742.exe (UTF-8): the licences of what the
# MinGW-w64 cross compiler links into it statically, taken from the Debian
# packages it was built with, and the licence texts those files refer to.
set -euo pipefail
version() { dpkg-query -W -f='${Version}' "$1"; }
section() {
  printf '\n%s\n%s\n\n' "$1" "$(printf '%*s' ${#1} '' | tr ' ' '=')"
}
crt=mingw-w64-x86-64-dev gcc=g++-mingw-w64-x86-64-posix
cat <<TEXT
Third-party notices for t742.exe
================================

t742.exe is one self-contained program. Besides t742's own code (MIT licence,
LICENSE.txt) it holds, linked statically by the MinGW-w64 cross compiler:

- the MinGW-w64 runtime (mingw-w64-crt) and its thread library (winpthreads),
  from the Debian package $crt $(version $crt);
- the GCC runtime libraries (libstdc++, libgcc), from the Debian package
  $gcc $(version $gcc), under the GNU GPL version 3 with the GCC Runtime
  Library Exception version 3.1.

t742.exe に組み込んでいる MinGW-w64 のランタイム（mingw-w64-crt）とスレッド
ライブラリ（winpthreads）、GCC のランタイムライブラリ（libstdc++・libgcc）の
著作権表示とライセンスです。
TEXT
section "MinGW-w64 runtime and winpthreads ($crt $(version $crt))"
cat "/usr/share/doc/$crt/copyright"
section "GCC runtime libraries ($gcc $(version $gcc))"
cat "/usr/share/doc/$gcc/copyright"
# The licence texts the files above name by their place on a Debian system.
for licence in GPL-3 GPL-2 LGPL-2.1 LGPL-2; do
  section "The text of $licence (/usr/share/common-licenses/$licence)"
  cat "/usr/share/common-licenses/$licence"
done
