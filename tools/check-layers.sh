#!/usr/bin/env bash
# Layers go one way: a folder includes only its own headers and those of the
# folders below it. Every project include names its folder from the root of
# the tree ("winfx/Wnd.h"); a header of a component outside the suite is
# included in angle brackets. Prints each include that breaks the rule and
# fails when there is one.
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."

layers="$(grep -v -e '^#' -e '^$' tools/layers.txt)"

git ls-files -co --exclude-standard -- '*.h' '*.cpp' '*.c' |
  while read -r f; do [ -f "$f" ] && echo "$f"; done |
  xargs grep -n -H -E '^[[:space:]]*#[[:space:]]*include[[:space:]]+"' /dev/null |
  awk -v layers="$layers" '
    BEGIN {
      n = split(layers, rows, "\n")
      for (i = 1; i <= n; i++) {
        if (rows[i] == "") continue
        split(rows[i], kv, ": ")
        folders[++count] = kv[1]
        allowed[kv[1]] = " " kv[2] " "
      }
      status = 0
    }
    function dir(path) { sub(/\/[^\/]*$/, "", path); return path }
    # The folder of the table that owns a path: the longest one it lies in.
    function owner(path,   i, best) {
      best = ""
      for (i = 1; i <= count; i++)
        if (index(path, folders[i] "/") == 1 && length(folders[i]) > length(best)) best = folders[i]
      return best
    }
    function fail(why) { print "layers: " file ":" line " " why; status = 1 }
    {
      file = $0; sub(/:.*/, "", file)
      rest = substr($0, length(file) + 2)
      line = rest; sub(/:.*/, "", line)
      header = rest; sub(/^[^"]*"/, "", header); sub(/".*/, "", header)
      if (header == "resource.h") next  # a resource script'"'"'s own ids
      if (header !~ /\//) { fail("includes \"" header "\" without its folder"); next }
      if ((getline probe < header) < 0) { fail("includes \"" header "\", which is not in the tree"); next }
      close(header)
      if (file ~ /^tests\//) {
        # Tests see every source folder, tests/support, their own folder and
        # the folders above it (a subfolder shares the fixtures of its parents).
        if (header ~ /^tests\// && header !~ /^tests\/support\// && dir(header) != dir(file) &&
            index(dir(file) "/", dir(header) "/") != 1)
          fail("includes \"" header "\" of another test folder")
        else if (header ~ /^stand-ins\// && file !~ /^tests\/stand-ins\//)
          fail("includes \"" header "\" of a stand-in")
        next
      }
      if (file ~ /^stand-ins\//) {
        # A stand-in is apart from the suite: its own headers, the contracts
        # and the UI-free holders and child processes of base.
        if (dir(header) != dir(file) && header !~ /^include\// && header !~ /^base\//)
          fail("includes \"" header "\" from outside the stand-in")
        next
      }
      mine = owner(file)
      if (mine == "") next
      theirs = owner(header)
      if (index(allowed[mine], " " theirs " ") == 0)
        fail("(" mine ") includes \"" header "\" of a higher or unrelated layer (" theirs ")")
    }
    END {
      if (status == 0) print "layers: every include goes down"
      exit status
    }'
