#!/usr/bin/env bash
# Installs the build as a package would (prefix /usr, into a temporary DESTDIR; nothing is
# rebuilt) and checks the layout, the desktop files with the desktop's own validators, and
# that the installed programs run from the installed tree and leave it as it is.
source "$2/tests/support/CliScript.sh"
build=$(cd "$1/.." && pwd)

DESTDIR="$work/dest" cmake --install "$build" --prefix /usr >"$work/install.log" || { cat "$work/install.log" >&2; exit 1; }
root="$work/dest/usr"
id=de.muran.Tavolin
for file in bin/tavolin bin/tavolin-cli share/tavolin/tavolin-hilfe.html share/tavolin/compare-window.png share/tavolin/led.fix share/tavolin/lcd.fix \
            share/tavolin/default.pix share/tavolin/Demo/tavolin.cfg share/tavolin/Demo/Sprache1.txt \
            share/applications/$id.desktop share/metainfo/$id.metainfo.xml share/mime/packages/$id.xml \
            share/icons/hicolor/scalable/apps/$id.svg share/man/man1/tavolin.1 share/man/man1/tavolin-cli.1; do
    [ -s "$root/$file" ] || fail "not installed: $file"
done
[ "$(ls "$root/bin")" = "$(printf 'tavolin\ntavolin-cli')" ] || fail "unexpected files in bin: $(ls "$root/bin")"
library=$(cd "$root" && find . -name 'libfontedit.so*' -type f)
[[ "$library" =~ ^\./lib(/[a-z0-9_-]+)?/tavolin/libfontedit\.so$ ]] || fail "glyph editor library at: $library"
for size in 16 22 24 32 48 64 128 256; do
    png="$root/share/icons/hicolor/${size}x${size}/apps/$id.png"
    # Width and height of the PNG header, big-endian at bytes 16..23.
    [ "$(od -An -tu1 -j18 -N6 "$png" | tr -s ' ')" = " $((size / 256)) $((size % 256)) 0 0 $((size / 256)) $((size % 256))" ] \
        || fail "icon $size is not ${size}x$size"
done

if command -v desktop-file-validate >/dev/null; then
    desktop-file-validate "$root/share/applications/$id.desktop" || fail "desktop-file-validate failed"
else
    echo "SKIPPED desktop-file-validate: not installed (scripts/bootstrap.sh installs desktop-file-utils)"
fi
if command -v appstreamcli >/dev/null; then
    appstreamcli validate --no-net "$root/share/metainfo/$id.metainfo.xml" >"$work/as.log" 2>&1 \
        || { cat "$work/as.log" >&2; fail "appstreamcli validate failed"; }
else
    echo "SKIPPED appstreamcli validate: not installed (scripts/bootstrap.sh installs appstream)"
fi
# Every screenshot the metainfo names is one the tests took and the repository keeps.
for image in $(grep -o '[^/<>]*\.png</image>' "$root/share/metainfo/$id.metainfo.xml" | sed 's|</image>||'); do
    [ -s "$2/packaging/screenshots/$image" ] || fail "metainfo names a screenshot that is not in packaging/screenshots: $image"
done
if command -v update-mime-database >/dev/null; then
    mkdir -p "$work/mime/packages"
    cp "$root/share/mime/packages/$id.xml" "$work/mime/packages/"
    XDG_DATA_DIRS="$work" update-mime-database "$work/mime" 2>&1 | { ! grep .; } || fail "update-mime-database complained"
    grep -q 'application/x-tavolin-project:tavolin.cfg' "$work/mime/globs2" || fail "tavolin.cfg is not the project type"
fi
if command -v man >/dev/null; then
    for page in tavolin tavolin-cli; do
        warnings=$(MANWIDTH=80 man --warnings -l "$root/share/man/man1/$page.1" 2>&1 >/dev/null)
        [ -z "$warnings" ] || fail "man page $page: $warnings"
    done
fi

# The installed programs find their data in the installed tree and never write there.
before=$(cd "$root" && find . -printf '%p %s %T@\n' | sort)
env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$root/bin/tavolin" --version | grep -q '^tavolin ' || fail "tavolin --version"
"$root/bin/tavolin-cli" --version | grep -q '^tavolin-cli ' || fail "tavolin-cli --version"
"$root/bin/tavolin-cli" print "$root/share/tavolin/Demo" --language 1 --pdf "$work/list.pdf" >"$work/print.log" 2>&1 \
    || { cat "$work/print.log" >&2; fail "installed tavolin-cli print did not find the standard character set"; }
"$root/bin/tavolin-cli" font render "$root/share/tavolin/lcd.fix" --text Tavolin --out "$work/text.png" >/dev/null
after=$(cd "$root" && find . -printf '%p %s %T@\n' | sort)
[ "$before" = "$after" ] || fail "the installed tree changed: $(diff <(echo "$before") <(echo "$after"))"
echo "installed layout, validators and installed programs: ok"
