#!/usr/bin/env bash
# What bash offers for mousecfg-cli as the user types, from the completion
# the build made; and the manual page renders without complaint.
# Usage: test_completion.sh <completion file> <manual page .gz> <tool>
set -uo pipefail
completion="$1"
manpage="$2"
cli="$3"
# shellcheck source=/dev/null
source "$completion"
failures=0

# The words typed so far (the last one is being completed) and the offers
# expected, sorted, space separated.
check() {
    local line="$1" want="$2"
    read -ra COMP_WORDS <<<"mousecfg-cli $line"
    [[ $line == *" " || -z $line ]] && COMP_WORDS+=("")
    COMP_CWORD=$((${#COMP_WORDS[@]} - 1))
    COMPREPLY=()
    _mousecfg_cli
    local got
    got="$(printf '%s\n' "${COMPREPLY[@]}" | sort | paste -sd' ')"
    if [ "$got" != "$want" ]; then
        echo "FAIL: '$line' offers '$got', not '$want'"
        failures=$((failures + 1))
    fi
}

# Every command the tool lists, and nothing else, is offered first.
commands="$("$cli" --help | sed -n '/^Commands:/,/^$/s/^  \([a-z][a-z-]*\).*/\1/p' | sort | paste -sd' ')"
[ -n "$commands" ] || { echo "FAIL: no commands in --help"; exit 1; }
check "" "$commands"
check "wat" "watch"
check "--js" "--json"
check "--json --ver" "--version"
check "--json pro" "profile"
check "profile " "1 2 3 4 5"
check "--config-dir /tmp profile 4" "4"
check "battery " ""
mkdir -p "${TMPDIR:-/tmp}/cli-completion.$$/settings"
check "--config-dir ${TMPDIR:-/tmp}/cli-completion.$$/set" "${TMPDIR:-/tmp}/cli-completion.$$/settings"
check "--config-dir ${TMPDIR:-/tmp}/cli-completion.$$/settings wat" "watch"
check "--profile " "1 2 3 4 5"
check "--stage " ""
check "debounce " ""
check "app-profile " "add default list off on remove"
check "--json app-profile default " "1 2 3 4 5 none"
check "app-profile add steam " "1 2 3 4 5"
touch "${TMPDIR:-/tmp}/cli-completion.$$/my games.prof"
check "apply ${TMPDIR:-/tmp}/cli-completion.$$/my" "${TMPDIR:-/tmp}/cli-completion.$$/my games.prof"
rm -rf "${TMPDIR:-/tmp}/cli-completion.$$"

if command -v groff >/dev/null; then
    warnings="$(zcat "$manpage" | groff -man -ww -z 2>&1)"
    [ -z "$warnings" ] || { echo "FAIL: the manual page: $warnings"; failures=$((failures + 1)); }
fi
for c in $commands; do
    # roff writes a name's hyphens as \-.
    zcat "$manpage" | grep -qF "\\fB${c//-/\\-}\\fR" || { echo "FAIL: the manual page lacks $c"; failures=$((failures + 1)); }
done

# A summary running over two help lines stays one entry.
entries="$(zcat "$manpage" | sed -n '/^\.SH COMMANDS/,/^\.SH OPTIONS/p' | grep -c '^\.TP')"
[ "$entries" -eq "$(wc -w <<<"$commands")" ] ||
    { echo "FAIL: the manual page has $entries command entries"; failures=$((failures + 1)); }
zcat "$manpage" | grep -qF 'e.g. "dpi 400 800 1600"; with \-\-stage N only stage N.' ||
    { echo "FAIL: the manual page cuts the dpi summary"; failures=$((failures + 1)); }

[ "$failures" -eq 0 ] && echo "PASS"
exit $((failures > 0))
