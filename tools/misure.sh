#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The shape of the code, for a before/after: the ten longest functions and
# the ten classes with the most members (program sources, tests left out).
# Usage: tools/misure.sh [N]
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."
n="${1:-10}"
cartelle=(abacus app arithmetic forming framework lesson reading words worksheets)
echo "Longest functions (lines):"
ctags -R --languages=C++ --kinds-C++=f --fields=+nes -o - --output-format=json "${cartelle[@]}" 2>/dev/null \
  | python3 -c '
import json, sys
visti = {}
for riga in sys.stdin:
    t = json.loads(riga)
    if "end" not in t:
        continue
    chiave = (t["path"], t["line"])
    nome = t["name"] if "::" in t["name"] or not t.get("scope") else t["scope"] + "::" + t["name"]
    visti[chiave] = (t["end"] - t["line"] + 1, nome, t["path"], t["line"])
for lunghe, nome, file, riga in sorted(visti.values(), reverse=True)[:'"$n"']:
    print(f"  {lunghe:4d}  {nome}  ({file}:{riga})")
'
echo "Classes with the most members (functions and data):"
ctags -R --languages=C++ --kinds-C++=fpm --fields=+s -o - --output-format=json "${cartelle[@]}" 2>/dev/null \
  | python3 -c '
import json, sys, collections
membri = collections.defaultdict(set)
for riga in sys.stdin:
    t = json.loads(riga)
    if t.get("scopeKind") in ("class", "struct") and t.get("scope"):
        membri[t["scope"]].add(t["name"])
for classe, nomi in sorted(membri.items(), key=lambda kv: -len(kv[1]))[:'"$n"']:
    print(f"  {len(nomi):4d}  {classe}")
'
