#!/usr/bin/env bash
# Compiles the named sources with -fsyntax-only as the debug build would, without
# touching the build: a quick check while others build.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
db="${AMORTIX_COMPILE_DB:-$root/build/debug/compile_commands.json}"
status=0
for f in "$@"; do
  abs=$(realpath "$f")
  cmd=$(python3 - "$db" "$abs" <<'PY'
import json, shlex, sys
db, path = sys.argv[1], sys.argv[2]
for e in json.load(open(db)):
    if e["file"] == path:
        args = shlex.split(e["command"])
        out = []
        skip = False
        for a in args:
            if skip: skip = False; continue
            if a == "-o": skip = True; continue
            if a in ("-c",) : continue
            if a.startswith("-include") or a.startswith("-Winvalid-pch"): pass
            out.append(a)
        print("cd " + shlex.quote(e["directory"]) + " && " + " ".join(shlex.quote(a) for a in out) + " -fsyntax-only")
        break
PY
)
  if [ -z "$cmd" ]; then echo "$f: not in $db"; status=1; continue; fi
  bash -c "$cmd" || status=1
done
exit $status
