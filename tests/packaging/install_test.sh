#!/usr/bin/env bash
# Installs the build into a temporary prefix and checks what a desktop and a
# package manager see: the files, the desktop entry, the AppStream metadata,
# the manual pages and the command-line tool run from its installed place.
set -u
build="$1"
source="$2"
prefix="$(mktemp -d)"
trap 'rm -rf "$prefix"' EXIT
passed=0
failed=0
check() { # description, command...
    local what="$1"; shift
    if "$@" >/tmp/tallyrock-install-check.$$ 2>&1; then
        passed=$((passed + 1))
    else
        failed=$((failed + 1))
        echo "FAILED: $what"
        sed 's/^/    /' /tmp/tallyrock-install-check.$$
    fi
    rm -f /tmp/tallyrock-install-check.$$
}

check "cmake --install" cmake --install "$build" --prefix "$prefix"
for f in bin/tallyrock bin/tallyrock-cli bin/tallyrock-desktop \
         share/applications/org.tallyrock.Tallyrock.desktop \
         share/metainfo/org.tallyrock.Tallyrock.metainfo.xml \
         share/icons/hicolor/scalable/apps/tallyrock.svg \
         share/icons/hicolor/48x48/apps/tallyrock.png \
         share/icons/hicolor/256x256/apps/tallyrock.png \
         share/man/man1/tallyrock.1.gz share/man/man1/tallyrock-cli.1.gz \
         share/bash-completion/completions/tallyrock-cli; do
    check "installed $f" test -s "$prefix/$f"
done
check "desktop entry validates" desktop-file-validate "$prefix/share/applications/org.tallyrock.Tallyrock.desktop"
check "metainfo validates" appstreamcli validate --no-net "$prefix/share/metainfo/org.tallyrock.Tallyrock.metainfo.xml"
check "installed tallyrock-cli --help runs" "$prefix/bin/tallyrock-cli" --help
# The installed tool links no Qt and finds its PDF module from its own folder;
# a copy of it without the module refuses --pdf with the reason.
check "installed tallyrock-cli links no Qt" bash -c "
    libs=\$(ldd '$prefix/bin/tallyrock-cli') && ! grep -i 'libqt' <<<\"\$libs\""
work="$prefix/work"
mkdir -p "$work/bin" && cp "$prefix/bin/tallyrock-cli" "$work/bin/"
cli() { (cd "$work" && XDG_CONFIG_HOME="$work/config" "$@"); }
check "installed tallyrock-cli prints a PDF" cli bash -c "
    '$prefix/bin/tallyrock-cli' create-league Friday &&
    '$prefix/bin/tallyrock-cli' add-course --name Pine --pars 4,4,4,4,4,4,4,4,4,4,4,4,4,4,4,4,4,4 &&
    '$prefix/bin/tallyrock-cli' print Friday chart Pine 2 --pdf chart.pdf &&
    head -c 5 chart.pdf | grep -q '%PDF-' && pdftotext chart.pdf - | grep -q Pine"
check "tallyrock-cli without its module refuses --pdf" cli bash -c "
    out=\$('$work/bin/tallyrock-cli' print Friday chart Pine 2 --pdf lost.pdf 2>&1); status=\$?
    echo \"\$out\"; [ \$status -eq 1 ] && grep -q 'print module tallyrock_pdf.so' <<<\"\$out\" && [ ! -e lost.pdf ]"
check "completion script parses" bash -n "$prefix/share/bash-completion/completions/tallyrock-cli"

# Every command the tool accepts is documented in its manual page and completed by bash.
commands=$("$prefix/bin/tallyrock-cli" --help | sed -n '/^Subcommands:/,$p' | awk 'NR > 1 && NF { print $1 }')
check "the tool lists its commands" test -n "$commands"
man_text=$(gzip -dc "$prefix/share/man/man1/tallyrock-cli.1.gz")
for c in $commands; do
    check "manual page documents $c" grep -qE "^\.(B|BI|BR) \"?$c( |\"|$)" <<<"$man_text"
    check "completion offers $c" grep -qw -- "$c" "$prefix/share/bash-completion/completions/tallyrock-cli"
done
check "manual pages format without warnings" bash -c "! gzip -dc '$prefix/share/man/man1/tallyrock-cli.1.gz' | groff -man -ww -Tutf8 -z 2>&1 | grep -q ." 

echo "$passed passed, $failed failed"
[ "$failed" -eq 0 ]
