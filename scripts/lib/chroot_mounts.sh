# The mounts of a chroot, made and taken down so that none is ever left stacked or forgotten.
# Sourced by scripts/fresh-debian (and its test). A run killed hard (SIGKILL, a time limit) runs
# no clean-up of its own, so whatever it left mounted is found again from the kernel's mount
# table rather than from a list the killed run kept; and a chroot is only ever removed once
# nothing is mounted in it, without crossing into another file system, because a bind of the
# host's /dev left in it would take the host's device nodes with it.

# Mount points at ROOT or below, as the kernel lists them (mount order: a later one may sit on
# an earlier one).
chroot_mounts_under() {  # ROOT
    awk -v root="$1" '$5 == root || index($5, root "/") == 1 { print $5 }' /proc/self/mountinfo
}

# The processes whose root is ROOT (what a command left running: an Xvfb, a wineserver), which
# would keep the mounts busy.
chroot_processes() {  # ROOT
    local process
    for process in /proc/[0-9]*; do
        [ "$(readlink "$process/root" 2>/dev/null)" != "$1" ] || echo "${process#/proc/}"
    done
}

chroot_stop_processes() {  # ROOT
    local left
    left=$(chroot_processes "$1")
    [ -n "$left" ] || return 0
    kill $left 2>/dev/null || true
    sleep 1
    left=$(chroot_processes "$1")
    [ -z "$left" ] || kill -KILL $left 2>/dev/null || true
}

# Unmounts everything at or below ROOT, the deepest first and, of mounts stacked on one point,
# the top one first; a mount that stays busy is detached lazily, so it leaves the tree at once.
# Fails, naming them, when mounts are still there afterwards.
chroot_unmount_all() {  # ROOT
    local root=$1 deepest tries=0
    chroot_stop_processes "$root"
    while deepest=$(chroot_mounts_under "$root" |
        awk 'length($0) >= length(top) { top = $0 } END { print top }') && [ -n "$deepest" ]; do
        tries=$((tries + 1))
        [ $tries -le 200 ] || break
        umount "$deepest" 2>/dev/null || umount -l "$deepest" || break
    done
    local left
    left=$(chroot_mounts_under "$root")
    [ -z "$left" ] || {
        echo "fresh-debian: still mounted under $root:" $left >&2
        return 1
    }
}

# Mounts what a command in the chroot needs, each exactly once: whatever an earlier run left
# (killed before it could unmount) is taken down first.
chroot_mount_all() {  # ROOT
    local root=$1
    chroot_unmount_all "$root"
    mount -t proc proc "$root/proc"
    mount -t sysfs sys "$root/sys"
    mount --bind /dev "$root/dev"
    mount --bind /dev/pts "$root/dev/pts"
    mount -t tmpfs shm "$root/dev/shm"
    mount -t tmpfs -o mode=1777,nosuid,nodev tmpfs "$root/tmp"  # as Debian 13 has it by default
}

# Removes the chroot for good: only once nothing is mounted in it, and never past the edge of
# its own file system, so even a mount that appeared meanwhile is left untouched.
chroot_remove() {  # ROOT
    local root=$1
    [ -e "$root" ] || return 0
    chroot_unmount_all "$root" || {
        echo "fresh-debian: $root not removed: something is still mounted in it" >&2
        return 1
    }
    rm -rf --one-file-system -- "$root"
}
