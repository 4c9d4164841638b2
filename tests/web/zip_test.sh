#!/usr/bin/env bash
# The web zip is the same to the byte when the same commit is built again, in another folder and
# later, as the other packages are; every file in it carries the commit's time.
# Usage: zip_test.sh SOURCE_DIR WEB_TREE EMCMAKE
set -euo pipefail
source_dir=$1
tree=$2
emcmake=$3
fail() { echo "FAIL: $*" >&2; exit 1; }

cmake --build "$tree" --target vorn_web_zip >/dev/null
first=$(echo "$tree"/vorngame-*-web.zip)
[ -f "$first" ] || fail "no web zip in $tree"

# Everything the page loads, the offline copy's worker and what it keeps, in one folder.
top=$(basename "$first" .zip)
listed=$(zipinfo -1 "$first" | LC_ALL=C sort | tr '\n' ' ')
want=""
for name in LICENSE index.html manifest.webmanifest page.css page.js service-worker.js \
    vorngame-256.png vorngame.data vorngame.js vorngame.wasm; do
    [ "$name" = LICENSE ] && [ ! -f "$source_dir/LICENSE" ] && continue
    want+="$top/$name "
done
[ "$listed" = "$want" ] || fail "the zip holds: $listed; the page needs: $want"
grep -q "\"vorngame.wasm\"" <(unzip -p "$first" "$top/service-worker.js") ||
    fail "the zip's service worker does not keep vorngame.wasm"

again=$(mktemp -d)
trap 'rm -rf "$again"' EXIT
sleep 2  # a zip records times to the even second
"$emcmake" cmake -S "$source_dir" -B "$again/tree" -DCMAKE_BUILD_TYPE=Release \
    -DVORN_WEB_TEST_PAGES=ON >"$again/configure.log" 2>&1 || { cat "$again/configure.log"; exit 1; }
cmake --build "$again/tree" --target vorn_web_zip --parallel 2 >"$again/build.log" 2>&1 ||
    { tail -30 "$again/build.log"; exit 1; }
second=$(echo "$again"/tree/vorngame-*-web.zip)
cmp "$first" "$second" || fail "$first and $second differ; \`diffoscope\` shows where"
echo "web zip: the same $(stat -c %s "$first") bytes from two builds"

epoch=$(sh "$source_dir/tests/support/package_time.sh" "$source_dir") || fail "no package time"
# zipinfo's times are the archive's own (UTC here); zip keeps them to two seconds, and an odd
# second goes up.
want=$(TZ=UTC date -d "@$(((epoch + 1) / 2 * 2))" +%Y%m%d.%H%M%S)
times=$(TZ=UTC zipinfo -T "$first" | awk '$1 ~ /^-/ { print $7 }' | sort -u)
[ "$times" = "$want" ] || fail "time stamps $times, not the commit's (or changelog's) $want"
echo "web zip: every file stamped with the package time"
