#!/usr/bin/env bash
# The order of the folders, planted in a small tree of its own: each include
# against it, in every form, stops the check; those the order allows pass.
set -u
check="$1/cmake/CheckLayers.cmake"
tree=$(mktemp -d)
trap 'rm -rf "$tree"' EXIT
failures=0

# folder/file | include line | expected: pass or fail
cases=(
  'dialogs/d.cpp|#include "app/TfrmMain.h"|fail'
  'dialogs/d.cpp|#include "../app/TfrmMain.h"|fail'
  'dialogs/d.cpp|#include <app/TfrmMain.h>|fail'
  'catalogue/c.h|#include "widgets/SplitterRule.h"|fail'
  'catalogue/c.h|#include "../app/CommandStates.h"|fail'
  'platform/linux/p.cpp|#include "catalogue/CodeTable.h"|fail'
  'platform/p.cpp|#include "../text/HexDigit.h"|fail'
  'lookup/l.cpp|#include "cli/RunLookup.h"|fail'
  'text/t.cpp|#include <QString>|fail'
  'widgets/w.cpp|#include "dialogs/TfrmFind.h"|fail'
  'app/a.cpp|#include "dialogs/TfrmFind.h"|pass'
  'lookup/l.cpp|#include "../catalogue/CodeTable.h"|pass'
  'platform/linux/p.cpp|#include "../win32.h"|pass'
  'catalogue/c.cpp|#include "CodeTable.h"|pass'
  'widgets/w.cpp|#include <QWidget>|pass'
  'cli/c.cpp|#include "lookup/CodeIndex.h"|pass'
)
for entry in "${cases[@]}"; do
    IFS='|' read -r file line expected <<<"$entry"
    rm -rf "${tree:?}"/*
    mkdir -p "$tree/$(dirname "$file")"
    printf '%s\n' "$line" >"$tree/$file"
    if cmake -DVANTREL_LAYERS_ROOT="$tree" -P "$check" >/dev/null 2>&1; then got=pass; else got=fail; fi
    if [ "$got" != "$expected" ]; then
        echo "$file with $line: expected $expected, got $got"
        failures=$((failures + 1))
    fi
done
# The real tree keeps the order.
cmake -DVANTREL_LAYERS_ROOT="$1" -P "$check" || failures=$((failures + 1))
exit $((failures != 0))
