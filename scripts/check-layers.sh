#!/usr/bin/env bash
# Fails when a source file includes a folder above its own layer, or when Qt appears outside the GUI folders.
# Folders are layers, bottom up; each line names a folder and the folders it may include besides itself.
set -euo pipefail
cd "$(dirname "$0")/.."

declare -A allowed=(
    [common]=""
    [i18n]="common"
    [startup]="common i18n"
    [model]="common i18n"
    [camera]="common i18n model"
    [cellular]="common i18n model"
    [smtp]="common i18n model cellular"
    [fleet]="common i18n model camera cellular smtp"
    [ui]="common i18n model"
    [dialogs]="common i18n model camera cellular smtp fleet ui"
    [app]="common i18n startup model camera cellular smtp fleet ui dialogs"
    [cli]="common i18n startup model camera cellular smtp fleet"
)
qt_folders=" ui dialogs app "

failures=0
while IFS= read -r file; do
    folder=${file#src/}
    folder=${folder%%/*}
    if [ -z "${allowed[$folder]+set}" ]; then
        echo "$file: the folder '$folder' has no place in the layers (scripts/check-layers.sh)"
        failures=$((failures + 1))
        continue
    fi
    while IFS=: read -r line include; do
        target=$(sed -E 's/.*#include[[:space:]]*"([^/"]+)\/.*/\1/' <<<"$include")
        [ "$target" = "$include" ] && continue # an include without a folder
        if [ "$target" != "$folder" ] && [[ " ${allowed[$folder]} " != *" $target "* ]]; then
            echo "$file:$line: '$folder' may not include '$target' (${include## })"
            failures=$((failures + 1))
        fi
    done < <(grep -n '^[[:space:]]*#include[[:space:]]*"' "$file" | sed -E 's/^([0-9]+):/\1:/' || true)
    if [[ "$qt_folders" != *" $folder "* ]] && grep -qE '^[[:space:]]*#include[[:space:]]*<Q' "$file"; then
        echo "$file: Qt is included outside the GUI folders"
        failures=$((failures + 1))
    fi
done < <(find src -name '*.h' -o -name '*.cpp' | sort)

if [ "$failures" -ne 0 ]; then
    echo "check-layers: $failures include(s) against the layering"
    exit 1
fi
echo "check-layers: every include points down"
