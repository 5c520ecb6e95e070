#!/usr/bin/env bash
# words/header.sh IN.txt OUT.h: one words file as a C++ header. Each line
# "NAME = TEXT" becomes words::NAME, the text in code page 932 (what t742 and
# the CAD read), and words::utf8::NAME, the same text in UTF-8 (what the tools
# write). Lines that start with "#", and empty lines, are comments. iconv does
# the conversion: a character without a code page 932 form stops the build.
set -euo pipefail
in=$1 out=$2
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
iconv -f UTF-8 -t CP932 "$in" >"$tmp/cp932" ||
  { echo "$in: a character has no code page 932 form" >&2; exit 1; }
# One byte a line, in hexadecimal.
hexbytes() { od -An -v -tx1 "$1" | tr -s ' \n' '\n' | sed '/^$/d'; }
hexbytes "$tmp/cp932" >"$tmp/cp932.hex"
hexbytes "$in" >"$tmp/utf8.hex"
LC_ALL=C awk -v source="$in" '
  # The lines of each file, as space-separated bytes without the line end.
  function flush(   line) {
    line = current; current = ""
    sub(/ 0d$/, "", line)
    lines[file, ++count[file]] = substr(line, 2)
  }
  BEGIN { for (i = 0; i < 256; i++) byte[sprintf("%02x", i)] = i }
  FNR == 1 { if (current != "") flush(); file = FILENAME }
  { if ($1 == "0a") flush(); else current = current " " $1 }
  END {
    if (current != "") flush()
    n = count[ARGV[1]]
    if (n != count[ARGV[2]]) { print source ": lines do not match after conversion" > "/dev/stderr"; exit 1 }
    for (i = 1; i <= n; i++) {
      c = lines[ARGV[1], i]; u = lines[ARGV[2], i]
      if (u == "" || substr(u, 1, 2) == "23") continue
      at = index(u " ", " 20 3d 20 ")
      if (at == 0) { print source ":" i ": not NAME = TEXT" > "/dev/stderr"; exit 1 }
      name = ""
      k = split(substr(u, 1, at - 1), t, " ")
      for (j = 1; j <= k; j++) name = name sprintf("%c", byte[t[j]])
      if (name !~ /^[A-Za-z][A-Za-z0-9]*$/ || (name in seen)) {
        print source ":" i ": bad or repeated name \"" name "\"" > "/dev/stderr"; exit 1
      }
      seen[name] = 1
      names[++m] = name
      utf8[name] = escaped(substr(u, at + 9))
      text[name] = plain(substr(u, at + 9))
      ac = index(c " ", " 20 3d 20 ")
      cp932[name] = escaped(substr(c, ac + 9))
    }
    print "// Made by words/header.sh from " source ": edit that file, not this one."
    print "#pragma once"
    print ""
    print "namespace words {"
    for (i = 1; i <= m; i++) {
      print "// " text[names[i]]
      print "inline constexpr char " names[i] "[] = \"" cp932[names[i]] "\";"
    }
    print "namespace utf8 {"
    for (i = 1; i <= m; i++) print "inline constexpr char " names[i] "[] = \"" utf8[names[i]] "\";"
    print "}  // namespace utf8"
    print "}  // namespace words"
  }
  function escaped(hex,   k, t, j, s) {
    k = split(hex, t, " "); s = ""
    for (j = 1; j <= k; j++) s = s "\\x" t[j]
    return s
  }
  function plain(hex,   k, t, j, s) {
    k = split(hex, t, " "); s = ""
    for (j = 1; j <= k; j++) s = s sprintf("%c", byte[t[j]])
    sub(/\\$/, "", s)  # a backslash would join the next line to the comment
    return s
  }
' "$tmp/cp932.hex" "$tmp/utf8.hex" >"$tmp/out.h"
mv "$tmp/out.h" "$out"
