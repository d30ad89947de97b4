#!/usr/bin/env bash
# Builds the Debian package, the Windows zip and the Windows program twice from
# the current commit, in two clones at different paths, one after the other,
# with different umasks and time zones, and checks that they are byte for byte
# the same. On a difference it names the member that differs, and shows how
# with diffoscope where that is installed.
#
#   scripts/reproducible-test.sh [WORK_DIR]     (default: a new folder in /var/tmp)
set -euo pipefail

repo=$(cd "$(dirname "$0")/.." && pwd)
commit=$(git -C "$repo" rev-parse HEAD)
if [ -n "$(git -C "$repo" status --porcelain --untracked-files=no)" ]; then
    echo "reproducible-test: uncommitted changes are not built; building commit $commit" >&2
fi
work=${1:-$(mktemp -d /var/tmp/pelmo-repro.XXXXXX)}
mkdir -p "$work"
work=$(cd "$work" && pwd)
# The folders are kept on a difference, for a closer look.
trap 'rm -rf "$work"' EXIT

. "$repo/tests/support/checks.sh"

build() { # build DIR UMASK TZ: the three files of one build, in DIR/out
    local dir=$1
    git clone --quiet --no-hardlinks "$repo" "$dir/src"
    git -C "$dir/src" checkout --quiet --detach "$commit"
    (cd "$dir/src" && umask "$2" && TZ=$3 make package windows-package JOBS="${JOBS:-2}") >"$dir/build.log" 2>&1 ||
        { tail -40 "$dir/build.log" >&2; echo "reproducible-test: the build in $dir failed" >&2; exit 1; }
    mkdir "$dir/out"
    cp "$dir"/src/build-pkg/pelmo-lift_*.deb "$dir"/src/build-win/pelmo-lift-*-windows.zip \
        "$dir/src/build-win/pelmo-lift.exe" "$dir/out/"
}

# The members of one file, unpacked into DIR: a listing with owners, modes and
# times, and every member's content.
unpack() { # unpack FILE DIR
    mkdir -p "$2"
    case $1 in
    *.deb)
        (cd "$2" && ar x "$1" && ar tv "$1" >ar-listing)
        for t in "$2"/control.tar.* "$2"/data.tar.*; do
            tar -tv --full-time --numeric-owner -f "$t" >"$t.listing"
            mkdir "${t%%.tar.*}" && tar -xf "$t" -C "${t%%.tar.*}"
        done
        ;;
    *.zip)
        zipinfo -v "$1" | grep -v '^Archive:' >"$2/zip-listing"
        unzip -q "$1" -d "$2/members"
        ;;
    *.exe) x86_64-w64-mingw32-objdump -x "$1" >"$2/headers" ;;
    esac
}

explain() { # explain NAME: names what differs between the two builds of NAME
    local a=$work/a/diff b=$work/b/diff
    unpack "$work/a/out/$1" "$a/$1"
    unpack "$work/b/out/$1" "$b/$1"
    diff -rq "$a/$1" "$b/$1" | sed "s|$a/|first build: |; s|$b/|second build: |; s/^/    /" || true
    # Where the listings differ (owners, modes, times, order), the lines.
    (cd "$a/$1" && find . -name '*listing' -o -name headers) | while read -r l; do
        diff "$a/$1/$l" "$b/$1/$l" | grep '^[<>]' | head -10 | sed "s|^|    ${l#./}: |" || true
    done
    if command -v diffoscope >/dev/null; then
        diffoscope "$work/a/out/$1" "$work/b/out/$1" | head -60 || true
    else
        echo "    (diffoscope, where installed, shows how they differ)"
    fi
}

echo "reproducible-test: commit $commit, built twice"
build "$work/a" 0022 UTC
# Later, elsewhere, with another umask and time zone.
sleep 2
build "$work/b/another/folder" 0002 Asia/Kathmandu
mv "$work/b/another/folder/out" "$work/b/out"

for f in "$work"/a/out/*; do
    name=$(basename "$f")
    sums=$(cd "$work" && sha256sum "a/out/$name" "b/out/$name")
    if [ "$(echo "$sums" | cut -d' ' -f1 | uniq | wc -l)" -eq 1 ]; then
        pass "$name is the same in both builds: $(echo "$sums" | head -1 | cut -d' ' -f1)"
    else
        fail "$name differs between the builds"
        echo "$sums" | sed 's/^/    /'
        explain "$name"
        trap - EXIT
        echo "    both builds are kept in $work"
    fi
done
echo "$passed passed, $failed failed"
[ "$failed" -eq 0 ]
