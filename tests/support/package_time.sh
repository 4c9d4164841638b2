#!/bin/sh
# package_time.sh SOURCE-DIR: prints the time (seconds since 1970) that every time stamp in a
# package made from that tree must have: the last commit's, or, in a tree without git history
# (a tarball, or a clone on a system that has no git), the date of the newest changelog entry.
set -eu
git -C "$1" log -1 --format=%ct 2>/dev/null && exit 0
signed=$(sed -n 's/^ -- .*>  //p' "$1/packaging/linux/changelog" | head -n 1)
[ -n "$signed" ] || { echo "package_time.sh: no signed entry in the changelog" >&2; exit 1; }
date -d "$signed" +%s
