#!/usr/bin/env bash
# Runs the README's commands on a machine that has nothing: a minimal Debian
# root made with mmdebstrap (apt, git and make only), the current commit cloned
# into it, everything run there as root. Only the bare base root is cached, one
# for each release; packages, build folders and the Wine prefix are made afresh
# every time.
#
#   scripts/fresh-test.sh [ci|test|run|make:TARGET] [RELEASE]
#     ci   (default) what CI runs (scripts/ci-steps.sh), then `make run` under
#          Xvfb until its window maps, `make reproducible-test` and `make bench`
#     test only `make test`, for a quick look at the install lists
#     make:TARGET  `make TARGET` alone, the first command on the new root
#     run  `make run` alone until its window maps (scripts/run-check.sh), with
#          only the screen to show it on installed before: Xvfb, xauth, xdotool
#     RELEASE  bookworm (Debian 12, the default) or trixie (Debian 13)
#
# FRESH_FIRST=TARGET: `make TARGET` before the steps, as the first command on
# the new root, so that its install list alone is proven too.
# FRESH_BENCH=no: `ci` without `make bench`; FRESH_SANITIZE=no without `make
# sanitize`; FRESH_REPRODUCIBLE=no without `make reproducible-test`.
# FRESH_DEB_OUT=DIR: the root's build-pkg/*.deb is copied to DIR as soon as
# there is one: after the first command, or else after the run.
# FRESH_DEB_IN=DIR: after the run, the package in DIR (built on another
# release) is installed, run, clicked and removed in the root. Another root may
# still be making it: the run waits for DIR/*.deb, and gives up on DIR/none
# or after an hour.
# FRESH_X_FROM=N: the root's X servers take display numbers from N up. Roots
# share the host's network namespace, where X servers' abstract sockets live,
# so two roots side by side need ranges of their own.
#
# Needs root, mmdebstrap and unshare. FRESH_ROOT_CACHE names the cache folder.
set -euo pipefail
# The whole script in braces: bash reads it all before it starts, so that an
# edit to it during the long run cannot change what this run does.
{

steps=${1:-ci}
release=${2:-bookworm}
case $steps in ci | test | run | make:?*) ;; *)
    echo "usage: $0 [ci|test|run|make:TARGET] [bookworm|trixie]" >&2
    exit 2
    ;;
esac
case $release in
bookworm) release_name="Debian 12" ;;
trixie) release_name="Debian 13" ;;
*)
    echo "fresh-test: unknown release $release (bookworm or trixie)" >&2
    exit 2
    ;;
esac
[ "$(id -u)" -eq 0 ] || { echo "fresh-test: needs root (it mounts and chroots)" >&2; exit 1; }

repo=$(cd "$(dirname "$0")/.." && pwd)

# Everything below runs in a mount and PID namespace of its own: the mounts
# cannot leak to the host, and every process left in the root (an X server, a
# wineserver) ends with this script, however it ends.
if [ -z "${PELMO_FRESH_NS:-}" ]; then
    export PELMO_FRESH_NS=1
    exec unshare --mount --propagation private --pid --fork --kill-child=TERM "$0" "$@"
fi

commit=$(git -C "$repo" rev-parse HEAD)
if [ -n "$(git -C "$repo" status --porcelain --untracked-files=no)" ]; then
    echo "fresh-test: uncommitted changes are not tested; testing commit $commit" >&2
fi

# --- The base root, cached by what makes it ----------------------------------
# The host's apt sources and configuration, so that the root reaches the same
# package registry (and proxy) as the host; the host's release names in them
# become the wanted one's (bookworm-updates becomes trixie-updates).
host_release=$(. /etc/os-release && echo "${VERSION_CODENAME:-}")
[ -n "$host_release" ] || { echo "fresh-test: no VERSION_CODENAME in /etc/os-release" >&2; exit 1; }
sources_dir=$(mktemp -d /var/tmp/pelmo-fresh-sources.XXXXXX)
trap 'rm -rf "$sources_dir"' EXIT
mirrors=()
for f in /etc/apt/sources.list.d/*.sources /etc/apt/sources.list.d/*.list /etc/apt/sources.list; do
    [ -s "$f" ] || continue
    copy=$sources_dir/$(basename "$f")
    sed -E "s/\b$host_release(-[a-z]+)?\b/$release\1/g" "$f" >"$copy"
    mirrors+=("$copy")
done
aptopts=()
for f in /etc/apt/apt.conf.d/*; do [ -f "$f" ] && aptopts+=("--aptopt=$f"); done
mmdebstrap_args=(--variant=apt --include=git,make "${aptopts[@]}" "$release")

cache=${FRESH_ROOT_CACHE:-/var/cache/pelmo-lift/fresh-root}
key=$( {
    echo "${mmdebstrap_args[*]}"
    cat "${mirrors[@]}" /etc/apt/apt.conf.d/* 2>/dev/null
} | sha256sum | cut -c1-16)
base=$cache/$release-$key.tar
# A week-old base is made again, so that it does not drift far behind the
# archive's updates.
if [ ! -s "$base" ] || [ -n "$(find "$base" -mtime +7)" ]; then
    mkdir -p "$cache"
    rm -rf "$cache/$release"-*.tar*
    echo "fresh-test: making the $release_name base root ($base)"
    mmdebstrap --quiet --format=tar "${mmdebstrap_args[@]}" "$base.part" "${mirrors[@]}"
    mv "$base.part" "$base"
fi
rm -rf "$sources_dir"

# --- The root of this run ----------------------------------------------------
root=$(mktemp -d /var/tmp/pelmo-fresh.XXXXXX)
mounted=()
mount_in() { # mount_in TARGET MOUNT-ARGS...: mounts at $root/TARGET
    local target=$root/$1
    shift
    mkdir -p "$target"
    mount "$@" "$target"
    mounted+=("$target")
}
# This script is the first process of its PID namespace: kill -1 reaches
# every process in the root and nothing outside it.
end_all() {
    [ $$ -eq 1 ] || return 0
    kill -TERM -1 2>/dev/null || true
    sleep 1
    kill -KILL -1 2>/dev/null || true
}
cleanup() {
    local i status=0
    end_all
    for ((i = ${#mounted[@]} - 1; i >= 0; i--)); do
        umount "${mounted[i]}" 2>/dev/null || umount -l "${mounted[i]}" || status=1
    done
    # Never remove through a mount still in place (the device or proc tree).
    if findmnt -rn -o TARGET | grep -q "^$root/\|^$root\$"; then
        echo "fresh-test: $root is still mounted; left in place" >&2
        status=1
    else
        rm -rf --one-file-system "$root"
    fi
    return $status
}
trap 'cleanup' EXIT
trap 'echo "fresh-test: interrupted" >&2; exit 130' INT
trap 'echo "fresh-test: terminated" >&2; exit 143' TERM

tar -C "$root" --numeric-owner -xpf "$base"
mount_in proc -t proc proc
mount_in sys -t sysfs -o ro sysfs
# A device tree of its own with the few nodes programs open.
mount_in dev -t tmpfs -o mode=0755,nosuid tmpfs
for node in null:1:3 zero:1:5 full:1:7 random:1:8 urandom:1:9 tty:5:0; do
    IFS=: read -r name major minor <<<"$node"
    mknod -m 0666 "$root/dev/$name" c "$major" "$minor"
done
ln -s /proc/self/fd "$root/dev/fd"
for fd in 0:stdin 1:stdout 2:stderr; do ln -s "/proc/self/fd/${fd%%:*}" "$root/dev/${fd#*:}"; done
mount_in dev/pts -t devpts -o newinstance,ptmxmode=0666,mode=0620 devpts
ln -s pts/ptmx "$root/dev/ptmx"
mount_in dev/shm -t tmpfs -o mode=1777,nosuid,nodev tmpfs
cp /etc/resolv.conf "$root/etc/resolv.conf"

# The commit, as a new user would clone it.
git clone --quiet --no-hardlinks "$repo" "$root/root/pelmo-lift"
git -C "$root/root/pelmo-lift" checkout --quiet --detach "$commit"

case $steps in
test) commands='make test' ;;
make:*) commands="make ${steps#make:}" ;;
run) commands='scripts/install-packages.sh xvfb xauth xdotool && scripts/run-check.sh' ;;
# The benchmarks with few runs: here they prove their install list, not a
# figure.
ci)
    commands='scripts/ci-steps.sh && scripts/run-check.sh'
    [ "${FRESH_SANITIZE:-yes}" != no ] || commands="PELMO_CI_SANITIZE=no $commands"
    [ "${FRESH_REPRODUCIBLE:-yes}" = no ] || commands="$commands && make reproducible-test"
    [ "${FRESH_BENCH:-yes}" = no ] || commands="$commands && make bench BENCH_RUNS=3 BENCH_WINE_RUNS=3"
    ;;
esac

# xvfb-run -a takes the first display number with no lock file in /tmp.
if [ -n "${FRESH_X_FROM:-}" ]; then
    for ((n = 0; n < FRESH_X_FROM; n++)); do : >"$root/tmp/.X$n-lock"; done
fi

# in_root COMMANDS: runs them in the root as a new user's shell would. In the
# background, so that Ctrl-C or a TERM ends the run at once (apt and dpkg
# would hold it off until they are done): `wait` returns for the trap.
in_root() {
    echo "fresh-test: in the $release_name root: $1"
    chroot "$root" /usr/bin/env -i HOME=/root PATH=/usr/local/sbin:/usr/local/bin:/usr/sbin:/usr/bin:/sbin:/bin \
        LANG=C.UTF-8 TERM=dumb CI=true \
        /bin/bash -c "cd /root/pelmo-lift && $1" </dev/null &
    local status=0
    wait $! || status=$?
    if [ $status -ne 0 ]; then
        echo "fresh-test: failed on $release_name (status $status) after $(($(date +%s) - start)) s" >&2
        exit $status
    fi
}
deb_copied=
copy_deb_out() {
    [ -n "${FRESH_DEB_OUT:-}" ] && [ -z "$deb_copied" ] || return 0
    compgen -G "$root/root/pelmo-lift/build-pkg/pelmo-lift_*.deb" >/dev/null || return 0
    mkdir -p "$FRESH_DEB_OUT"
    cp "$root"/root/pelmo-lift/build-pkg/pelmo-lift_*.deb "$FRESH_DEB_OUT/"
    deb_copied=yes
}

echo "fresh-test: commit $commit in a fresh $release_name root"
start=$(date +%s)
if [ -n "${FRESH_FIRST:-}" ]; then
    in_root "make $FRESH_FIRST"
    echo "fresh-test: make $FRESH_FIRST, the first command, passed in $(($(date +%s) - start)) s"
    copy_deb_out
fi
in_root "$commands"
copy_deb_out

# A package built on another release, tried here as its users would: with the
# Linux build's tools to click and read with (panel-table, port-watch).
if [ -n "${FRESH_DEB_IN:-}" ]; then
    waited=0
    until compgen -G "$FRESH_DEB_IN/*.deb" >/dev/null || [ -e "$FRESH_DEB_IN/none" ] ||
        [ $waited -ge 3600 ]; do
        [ $((waited % 60)) -ne 0 ] || echo "fresh-test: waiting for a package in $FRESH_DEB_IN"
        sleep 5
        waited=$((waited + 5))
    done
    if ! compgen -G "$FRESH_DEB_IN/*.deb" >/dev/null; then
        echo "fresh-test: no package came to $FRESH_DEB_IN to try on $release_name" >&2
        exit 1
    fi
    mkdir -p "$root/root/other-deb"
    cp "$FRESH_DEB_IN"/*.deb "$root/root/other-deb/"
    in_root "make panel-tools && tests/package/install-test.sh /root/other-deb build"
fi
echo "fresh-test: passed on $release_name in $(($(date +%s) - start)) s"
exit
}
