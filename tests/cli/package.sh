#!/usr/bin/env bash
# The unpacked Debian package (package_build.sh): its files, its dependencies, scx run from it as
# installed (no LD_LIBRARY_PATH, a fresh user), every verb's help, the manual page naming every
# verb, and the data folder of an installed program: $XDG_DATA_HOME/scrutinex, never bin/.
set -euo pipefail
out=$1        # OUT_DIR of package_build.sh
root=$out/root
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "$1"; exit 1; }

for f in usr/bin/scx usr/bin/scxagent usr/bin/scxhub \
         usr/share/applications/scxagent.desktop usr/share/applications/scxhub.desktop \
         usr/share/icons/hicolor/scalable/apps/scxagent.svg usr/share/icons/hicolor/scalable/apps/scxhub.svg \
         usr/share/man/man1/scx.1.gz usr/share/scrutinex/sampledb/windowchecklist.tsv \
         usr/share/scrutinex/sampledb/package.tsv usr/share/doc/scrutinex/README.md; do
  [ -f "$root/$f" ] || fail "missing in the package: $f"
done
deps=$(dpkg-deb -f "$out"/*.deb Depends)
for lib in libqt6widgets6 libcurl4 libhivex0 libssl3; do
  [[ "$deps" == *"$lib"* ]] || fail "Depends lacks $lib: $deps"
done

# As a fresh user would run it: a clean environment, nothing but the package's own files.
run() { env -i HOME="$work/home" XDG_DATA_HOME="$work/data" XDG_CONFIG_HOME="$work/config" PATH=/usr/bin:/bin "$@"; }
mkdir -p "$work/home"
run "$root/usr/bin/scx" --help > "$work/help" || fail "scx --help"
grep -q '^usage: scx ' "$work/help" || fail "scx --help: $(cat "$work/help")"
run "$root/usr/bin/scx" scan --help | grep -q '^usage: scx scan ' || fail "scx scan --help"
verbs=$(awk '/^verbs:/ { on = 1; next } on && NF { print $1 }' "$work/help")
[ "$(echo "$verbs" | wc -l)" -ge 16 ] || fail "too few verbs: $verbs"
zcat "$root/usr/share/man/man1/scx.1.gz" | sed 's/\\-/-/g' > "$work/scx.1"   # roff writes - as \-
for verb in $verbs; do
  run "$root/usr/bin/scx" "$verb" --help > /dev/null || fail "scx $verb --help"
  grep -q "^\.SS \"\?$verb\b" "$work/scx.1" || fail "the manual page lacks the verb $verb"
done

# The data folder of an installed program, even where it could write beside itself.
run "$root/usr/bin/scx" db build "$root/usr/share/scrutinex/sampledb" > "$work/built" || fail "db build"
[ -f "$work/data/scrutinex/package.dat" ] || fail "database not in XDG_DATA_HOME: $(cat "$work/built")"
[ -z "$(ls "$root/usr/bin" | grep -v '^scx')" ] || fail "files beside the programs: $(ls "$root/usr/bin")"
run "$root/usr/bin/scx" dump "$work/data/scrutinex/package.dat" | grep -q '^#PACKAGE' || fail "dump of the built database"
echo "package: ok"
