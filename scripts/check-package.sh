#!/usr/bin/env bash
# Builds the Debian package of a build tree, validates its desktop entry and metainfo,
# unpacks it into a scratch root and starts the unpacked program headless once: it must
# come up, make its database inside the scratch folder and still be running seconds later,
# with no sanitizer report and no Qt fatal error.
#   scripts/check-package.sh [build dir, default build/test]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=$(cd "${1:-$root/build/test}" && pwd)
out="$build/package"
rm -rf "$out"
mkdir -p "$out"
if ! (cd "$build" && cpack -G DEB -B "$out") >"$out/cpack.log" 2>&1; then
    cat "$out/cpack.log" >&2
    echo "package check: cpack failed" >&2
    exit 1
fi
deb=$(find "$out" -maxdepth 1 -name '*.deb' | head -n 1)

scratch=$(mktemp -d)
program_pid=
cleanup() {
    [[ -n "$program_pid" ]] && kill "$program_pid" 2>/dev/null || true
    chmod -R u+w "$scratch" 2>/dev/null || true
    rm -rf "$scratch"
}
trap cleanup EXIT
fail() {
    echo "package check: $*" >&2
    exit 1
}

unpacked="$scratch/root"
dpkg -x "$deb" "$unpacked"
desktop-file-validate "$unpacked/usr/share/applications/veskora.desktop" ||
    fail "the desktop entry is not valid"
metainfo=("$unpacked"/usr/share/metainfo/*.metainfo.xml)
appstreamcli validate --no-net "${metainfo[@]}" >"$scratch/appstream.log" 2>&1 || {
    cat "$scratch/appstream.log" >&2
    fail "the metainfo file is not valid"
}

# What the desktop entry starts and shows must be in the package, and the help pages
# beside the program, where it opens them.
link="$unpacked/usr/bin/veskora"
[[ -L "$link" ]] || fail "usr/bin/veskora is missing"
program=$(readlink -f "$link")
[[ -x "$program" && "$program" == "$unpacked"/* ]] || fail "usr/bin/veskora leads nowhere in the package"
for language in English Japanese; do
    [[ -f "$(dirname "$program")/Help/$language/html/index.htm" ]] ||
        fail "the $language help pages are not beside the program"
done
[[ -f "$unpacked/usr/share/icons/hicolor/48x48/apps/veskora.png" ]] || fail "the icon is missing"

# The command-line tool beside the program: it answers without a display, and its report
# finds the offscreen platform on its own.
cli_link="$unpacked/usr/bin/veskora-cli"
[[ -L "$cli_link" ]] || fail "usr/bin/veskora-cli is missing"
cli=$(readlink -f "$cli_link")
[[ "$(dirname "$cli")" == "$(dirname "$program")" ]] || fail "veskora-cli is not beside the program"
cli_env=(env -i PATH=/usr/bin:/bin HOME="$scratch" LANG=C.UTF-8 ASAN_OPTIONS=detect_leaks=0)
"${cli_env[@]}" "$cli_link" --version | grep -q "^veskora-cli " || fail "veskora-cli --version failed"
seq -s ' ' 1 85 | "${cli_env[@]}" "$cli_link" score - | grep -q ',0,0,Superior Discrimination,' ||
    fail "veskora-cli score failed"

# A home of its own, so no real database or setting is touched. An installed program's
# folder is not writable, so the database goes to the per-user folder (root writes anyway).
home="$scratch/home"
mkdir -p "$home" "$scratch/runtime"
chmod 700 "$scratch/runtime"
chmod a-w "$(dirname "$program")"
log="$scratch/program.log"
env -i PATH=/usr/bin:/bin HOME="$home" XDG_DATA_HOME="$home/.local/share" \
    XDG_CONFIG_HOME="$home/.config" XDG_CACHE_HOME="$home/.cache" \
    XDG_RUNTIME_DIR="$scratch/runtime" QT_QPA_PLATFORM=offscreen LANG=C.UTF-8 \
    ASAN_OPTIONS=detect_leaks=0 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$link" >"$log" 2>&1 &
program_pid=$!

database=
for _ in $(seq 1 240); do
    database=$(find "$scratch" -name VK100DB.sqlite -print -quit)
    [[ -n "$database" ]] && break
    kill -0 "$program_pid" 2>/dev/null || break
    sleep 0.5
done
sleep 3
running=yes
kill -0 "$program_pid" 2>/dev/null || running=no
kill "$program_pid" 2>/dev/null || true
wait "$program_pid" 2>/dev/null || true
program_pid=

if grep -E -q 'Sanitizer|runtime error:|QFATAL|[Ff]atal|failed to start|Could not load' "$log"; then
    cat "$log" >&2
    fail "the installed program reported an error"
fi
[[ "$running" == yes ]] || {
    cat "$log" >&2
    fail "the installed program did not keep running"
}
[[ -n "$database" ]] || fail "the installed program made no database in its scratch home"
if [[ $(id -u) -ne 0 && "$database" != "$home"/* ]]; then
    fail "the database went to $database, not the per-user folder"
fi
echo "package check: $(basename "$deb") valid, installed program started (${database#"$scratch"/})"
