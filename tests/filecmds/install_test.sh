#!/usr/bin/env bash
# cmake --install into a fresh prefix, then asks the desktop's own tools what they make of it: the
# entry is valid, ".lab" files (and files with the label magic) are of the label type, and the
# editor is the application for that type.
set -euo pipefail
build_dir=$1
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT

cmake --install "$build_dir" --prefix "$prefix" >/dev/null
for file in bin/vortelle share/applications/vortelle.desktop share/mime/packages/vortelle-lab.xml; do
  [[ -e "$prefix/$file" ]] || { echo "not installed: $file"; exit 1; }
done
desktop-file-validate "$prefix/share/applications/vortelle.desktop"
grep -qx 'Exec=vortelle %f' "$prefix/share/applications/vortelle.desktop"

export XDG_DATA_DIRS="$prefix/share:/usr/share" XDG_DATA_HOME="$prefix/home" XDG_CONFIG_HOME="$prefix/config"
export PATH="$prefix/bin:$PATH"
printf 'lab 1.0 ..\xD0\x02\0\0\xFA\0\0\0\0\0\0\0\0\0\0\0' > "$prefix/label.lab"
cp "$prefix/label.lab" "$prefix/label-without-extension"
for file in label.lab label-without-extension; do
  type=$(gio info -a standard::content-type "$prefix/$file" | sed -n 's/^ *standard::content-type: //p')
  [[ "$type" == application/x-vortelle-label ]] || { echo "$file is $type"; exit 1; }
done
# Read whole first: grep -q stopping early would end gio with a broken pipe.
associations=$(gio mime application/x-vortelle-label)
grep -q '^Default application for .*: vortelle.desktop$' <<<"$associations" || { echo "$associations"; exit 1; }
echo "1 passed, 0 failed"
