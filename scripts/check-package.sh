#!/usr/bin/env bash
# Proves the Debian package on a fresh Debian 12: builds it, installs it with apt into a new
# bookworm chroot, starts the program there with its menu entry's command under xvfb-run, as root
# and as an ordinary user, picks the LAN link with a click as an operator would, and checks that
# the window came up, that the sound cues were found where the package put them, and that the
# settings files went to the user's configuration folder and nowhere else. Needs root, debootstrap
# and the network; about five minutes. The chroot is removed at the end.
#   scripts/check-package.sh [CHROOT]      (a folder that does not exist yet; /tmp/quorvelx-deb-check)
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="$root/build"
target="${1:-/tmp/quorvelx-deb-check}"
[ "$(id -u)" -eq 0 ] || { echo "check-package.sh needs root (debootstrap, chroot)" >&2; exit 1; }
[ ! -e "$target" ] || { echo "$target exists; name a new folder" >&2; exit 1; }
command -v debootstrap >/dev/null || DEBIAN_FRONTEND=noninteractive apt-get install -y -qq debootstrap

"$root/scripts/build.sh" "$build" quorvelx
(cd "$build" && cpack -G DEB >/dev/null)
deb="$build/quorvelx_$(sed -n 's/^project(QuorvelX VERSION \([0-9.]*\).*/\1/p' "$root/CMakeLists.txt")_$(dpkg --print-architecture).deb"
echo "package: $deb"

cleanup() {
    umount -R "$target/dev" "$target/proc" "$target/sys" 2>/dev/null || true
    rm -rf --one-file-system "$target"
}
trap cleanup EXIT
echo "debootstrap bookworm into $target"
debootstrap --variant=minbase bookworm "$target" http://deb.debian.org/debian >/dev/null
mount -t proc proc "$target/proc"
mount -t sysfs sysfs "$target/sys"
mount --rbind /dev "$target/dev"
cp /etc/resolv.conf "$target/etc/resolv.conf"
cp "$deb" "$target/tmp/"

in_chroot() { chroot "$target" env -i PATH=/usr/sbin:/usr/bin:/sbin:/bin LANG=C.UTF-8 "$@"; }
apt_install() { in_chroot env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq "$@" >/dev/null; }
in_chroot apt-get update -qq
echo "apt install ./$(basename "$deb")"
apt_install "./tmp/$(basename "$deb")"
# For this check only: a virtual X server and a mouse.
apt_install xvfb xauth xdotool
in_chroot useradd --create-home astronomer

command_line="$(sed -n 's/^Exec=//p' "$target/usr/share/applications/quorvelx.desktop")"
echo "menu entry's command: $command_line"

failures=0
check() {
    if eval "$2"; then echo "  ok: $1"; else echo "  FAILED: $1"; failures=$((failures + 1)); fi
}

# Starts the program as `user`, clicks "LAN接続" (Option8, 18,41 in the window) once the first
# blink is over, and ends it two seconds later.
run_as() {
    local user="$1" home="$2" out="$target/tmp/run-$1"
    local session="$command_line & program=\$!
        sleep 4
        xdotool mousemove --window \"\$(xdotool search --name QuorvelX | head -1)\" 18 41 click 1
        sleep 3
        kill \$program"
    in_chroot runuser -u "$user" -- env HOME="$home" PATH=/usr/bin:/bin \
        QUORVELX_STARTUP_PROBE=1 GST_DEBUG=filesrc:4 GST_DEBUG_NO_COLOR=1 \
        xvfb-run -a sh -c "$session" >"$out.out" 2>"$out.err" || true
    echo "as $user:"
    check "the window came up ($(grep -o 'startup-probe.*' "$out.out" || true))" \
        "grep -q '^startup-probe ' '$out.out'"
    check "the sound system opened /usr/share/quorvelx/sounds/connect.mp3" \
        "grep -q 'opening file /usr/share/quorvelx/sounds/connect.mp3' '$out.err'"
    check "the ping's cue was found ($(grep -o '/usr/share/quorvelx/sounds/IP[a-z]*\.mp3' "$out.err" | head -1))" \
        "grep -Eq 'opening file /usr/share/quorvelx/sounds/IP(no)?\.mp3' '$out.err'"
    check "comm.DAT and lanip.DAT are in $home/.config/QuorvelX" \
        "[ -f '$target$home/.config/QuorvelX/comm.DAT' ] && [ -f '$target$home/.config/QuorvelX/lanip.DAT' ]"
    check "comm.DAT says LAN (' 9 ')" "[ \"\$(cat '$target$home/.config/QuorvelX/comm.DAT')\" = ' 9 ' ]"
    check "no settings file beside the program or elsewhere under /usr" \
        "[ -z \"\$(find '$target/usr' -name '*.DAT' -o -name SetData.txt)\" ]"
    in_chroot ls -l "$home/.config/QuorvelX" | sed 's/^/    /'
}
run_as root /root
run_as astronomer /home/astronomer

[ "$failures" -eq 0 ] && echo "package check passed" || { echo "package check: $failures failed"; exit 1; }
