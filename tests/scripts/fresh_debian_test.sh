#!/usr/bin/env bash
# The chroot of scripts/fresh-debian after a run killed hard: the next start mounts each thing
# exactly once, and --remove empties the tree without touching what is still bound into it.
# Runs its mounts in a private mount namespace, so nothing it mounts outlives it, whatever it
# does; the bound folders are scratch folders, never the host's /dev. Root only (exit 77: skip).
set -euo pipefail
top=$(cd "$(dirname "$0")/../.." && pwd)
[ "$(id -u)" -eq 0 ] || { echo "skipped: needs root (mount)"; exit 77; }

if [ "${1:-}" != --inside ]; then
    base=$(mktemp -d)
    status=0
    # unshare's own --propagation private remounts / itself, which fails in a chroot, whose /
    # is no mount point; the mount that holds the scratch folder is made private instead.
    unshare --mount --propagation unchanged "$0" --inside "$base" || status=$?
    # The namespace and its mounts are gone; what is left is plain files.
    rm -rf --one-file-system -- "$base"
    exit $status
fi

base=$2
# Until this succeeds, a mount made here would show in the machine's own mount table too.
holder=$(findmnt --noheadings --output TARGET --target "$base" 2>/dev/null) &&
    mount --make-rprivate "$holder" 2>/dev/null || {
    echo "skipped: no private mount namespace here (the mount holding $base cannot be made private)"
    exit 77
}
. "$top/scripts/lib/chroot_mounts.sh"
failures=0
fail() { echo "FAIL: $*" >&2; failures=$((failures + 1)); }
count_at() { chroot_mounts_under "$1" | grep -cx -- "$1" || true; }

root=$base/vorn-fresh-bookworm
mkdir -p "$root"/{proc,sys,dev,tmp,srv/stack,srv/nested} "$base/scratch"

# A start after a killed run: the killed run's mounts are all still there.
chroot_mount_all "$root"
chroot_mount_all "$root"
for target in proc sys dev dev/pts dev/shm tmp; do
    n=$(count_at "$root/$target")
    [ "$n" -eq 1 ] || fail "$target is mounted $n times after a start that followed a killed run"
done
n=$(chroot_mounts_under "$root" | wc -l)
[ "$n" -eq 6 ] || fail "$n mounts under the chroot, not 6"
chroot_unmount_all "$root" || fail "the chroot's mounts could not be taken down"
[ -z "$(chroot_mounts_under "$root")" ] || fail "mounts left after taking them down"

# What a killed run may leave, harmlessly: a scratch folder bound twice on one point, and a
# folder bound with a tmpfs inside it.
echo kept >"$base/scratch/file"
mount --bind "$base/scratch" "$root/srv/stack"
mount --bind "$base/scratch" "$root/srv/stack"
mount --bind "$base/scratch" "$root/srv/nested"
mount -t tmpfs small "$root/srv/nested"
mkdir -p "$base/scratch/inner"
FRESH_DEBIAN_DIR=$base "$top/scripts/fresh-debian" --remove bookworm ||
    fail "--remove failed"
[ ! -e "$root" ] || fail "the chroot is still there after --remove"
[ "$(cat "$base/scratch/file" 2>/dev/null)" = kept ] || fail "a folder bound into the chroot lost its files"
[ -d "$base/scratch/inner" ] || fail "a folder bound into the chroot lost a folder"
[ -z "$(chroot_mounts_under "$root")" ] || fail "mounts left after --remove"

# Removing what is not there is no error; a wrong call says how to call it.
FRESH_DEBIAN_DIR=$base "$top/scripts/fresh-debian" --remove bookworm || fail "--remove of nothing failed"
if FRESH_DEBIAN_DIR=$base "$top/scripts/fresh-debian" --remove bookworm true 2>/dev/null; then
    fail "--remove with a command was taken"
fi

# A process left running in the chroot is found by its root and stopped before the unmounting,
# where a lazy unmount would hide that it still holds the tree.
mkdir -p "$root"/{proc,sys,dev,tmp}
chroot_mount_all "$root"
perl -e 'chroot($ARGV[0]) && chdir("/") or die "chroot: $!\n"; sleep 60' "$root" &
left=$!
until [ "$(readlink "/proc/$left/root" 2>/dev/null)" = "$root" ] || ! kill -0 $left 2>/dev/null; do
    sleep 0.1
done
chroot_processes "$root" | grep -qx "$left" || fail "a process in the chroot is not found"
chroot_unmount_all "$root" || fail "the chroot's mounts could not be taken down"
if kill -0 $left 2>/dev/null; then
    fail "a process in the chroot outlived its unmounting"
    kill -KILL $left
fi
wait $left 2>/dev/null || true

[ $failures -eq 0 ] && echo "fresh-debian chroot mounts: all checks passed"
exit $((failures > 0))
