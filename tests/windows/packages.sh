#!/usr/bin/env bash
# The Windows packages of a cross-build, as a player and a packager receive them: vorngame.exe in
# the zip carries the game's icon and its version information; the zip holds the program, its
# images, README.txt and LICENSE.txt in one folder; and a second build of the same commit, in
# another folder and later, gives the same zip and installer to the byte, with every time stamp
# the last commit's. Prints one "ok"/"not ok" line per check.
# Usage: packages.sh SOURCE_DIR BUILD_DIR (the cross-build tree, its packages in BUILD_DIR/packages)
set -u
# shellcheck source-path=SCRIPTDIR
source "$(dirname "$0")/../support/checks.sh"
source_dir=$(cd "${1:?usage: packages.sh SOURCE_DIR BUILD_DIR}" && pwd)
build=$(cd "${2:?usage: packages.sh SOURCE_DIR BUILD_DIR}" && pwd)
packages=$build/packages
work=$build/packages-check
convert=/usr/bin/convert
compare=/usr/bin/compare
failures=0

version=$(sed -n 's/^project(vorngame VERSION \([0-9.]*\).*/\1/p' "$source_dir/CMakeLists.txt")
zip=$packages/vorngame-$version-windows-x86_64.zip
setup=$packages/vorngame-$version-setup.exe
for file in "$zip" "$setup"; do
    [ -f "$file" ] || { echo "not ok - no $file (the windows_packages_build test makes it)"; exit 1; }
done
rm -rf "$work"
mkdir -p "$work"
top=vorngame-$version-windows-x86_64

# --- The zip: one folder, the program beside its images and the two texts.
check "the zip holds one folder with the program, its images, README.txt and LICENSE.txt" \
    equal "$(unzip -Z1 "$zip" | LC_ALL=C sort | tr '\n' ' ')" \
    "$(for name in LICENSE.txt README.txt digit{0..9}.raw level.raw score.raw vorngame.exe; do
        printf '%s ' "$top/$name"
    done)"
unzip -q "$zip" -d "$work" || echo "# unzip failed"
check "LICENSE.txt is LICENSE, with Windows line ends" \
    cmp -s <(sed 's/$/\r/' "$source_dir/LICENSE") "$work/$top/LICENSE.txt"
readme=$(tr -d '\r' <"$work/$top/README.txt")
missing=""
for text in "vorngame.exe" "Left, Right" "Space" "Escape" "Use Windowed Mode Instead?" "MIT"; do
    grep -qF "$text" <<<"$readme" || missing+=" \"$text\""
done
check "README.txt tells how to start the game, its keys, the 800x600 question and the licence" \
    equal "$missing" ""

# --- The program's resources, read with icoutils' wrestool.
exe=$work/$top/vorngame.exe
wrestool -x --type=14 -o "$work/icon.ico" "$exe" 2>/dev/null
sizes=(16 24 32 48 64 128 256)
check "vorngame.exe carries an icon of ${#sizes[@]} sizes" \
    equal "$("$convert" "$work/icon.ico" -format '%w ' info: 2>/dev/null)" "${sizes[*]} "
unlike=""
for index in "${!sizes[@]}"; do
    size=${sizes[$index]}
    # The number of pixels that differ from the Linux icon of that size.
    differing=$("$compare" -metric AE "$work/icon.ico[$index]" \
        "$source_dir/packaging/icons/vorngame-$size.png" null: 2>&1)
    [ "$differing" = 0 ] || unlike+=" ${size}x$size ($differing)"
done
check "each of its images is the Linux icon of that size, pixel for pixel" equal "$unlike" ""

wrestool -x --raw --type=16 -o "$work/version.bin" "$exe" 2>/dev/null
# The resource's strings, one a line: each name is followed by its value.
strings=$(strings -el "$work/version.bin" 2>/dev/null)
value_of() { awk -v key="$1" 'found {print; exit} $0 == key {found = 1}' <<<"$strings"; }
names=(ProductName FileDescription FileVersion ProductVersion LegalCopyright OriginalFilename)
values=("VornGame" "VornGame falling-block puzzle game" "$version" "$version"
    "Copyright (c) 2026 The vorngame developers, MIT licence" "vorngame.exe")
check "its version information names the product, the version, the copyright and the file" \
    equal "$(for name in "${names[@]}"; do echo "$name: $(value_of "$name")"; done)" \
    "$(for i in "${!names[@]}"; do echo "${names[$i]}: ${values[$i]}"; done)"
# The numeric version Explorer sorts by: after the signature FEEF04BD and the structure version
# 1.0 come the file version's high and low words, little-endian.
IFS=. read -r major minor patch <<<"$version"
fixed=$(printf 'bd04effe00000100%02x00%02x00%02x00%02x00' "$minor" "$major" 0 "$patch")
check "and, in its fixed part, the file version $version.0" \
    grep -q "$fixed" <(od -An -tx1 -v "$work/version.bin" | tr -d ' \n')

# --- The same commit built again, in another folder and later.
again=$build/packages-again
rm -rf "$again"
echo "# building again in $again"
if ! {
    cmake -S "$source_dir" -B "$again/tree" -DCMAKE_BUILD_TYPE=Release -DVORN_BUILD_TESTS=OFF \
        -DCMAKE_TOOLCHAIN_FILE="$source_dir/cmake/mingw-w64.cmake" &&
        cmake --build "$again/tree" --parallel 2 &&
        cpack -G "ZIP;NSIS" --config "$again/tree/CPackConfig.cmake" -B "$again"
} >"$again.log" 2>&1; then
    echo "not ok - the second build (log: $again.log)"
    tail -20 "$again.log"
    exit 1
fi
for file in "$zip" "$setup"; do
    name=$(basename "$file")
    check "$name: built later" test "$again/$name" -nt "$file"
    check "$name: the same bytes" cmp "$file" "$again/$name"
done
# zip keeps times to the two seconds (an odd second goes up), in the time zone it was made in:
# UTC here.
if epoch=$(sh "$source_dir/tests/support/package_time.sh" "$source_dir"); then
    check "every time stamp in the zip is the package time" \
        equal "$(zipinfo -T -l "$again/$(basename "$zip")" |
            awk '$9 ~ /^vorngame-/ {print substr($8, 1, 13)}' | sort -u)" \
        "$(TZ=UTC date -d "@$(((epoch + 1) / 2 * 2))" +%Y%m%d.%H%M)"
else
    echo "not ok - no package time (git or the changelog)"
    failures=$((failures + 1))
fi
rm -rf "$again"

echo "# $failures failed"
[ "$failures" -eq 0 ]
