#!/usr/bin/env bash
# The real program's command line in a terminal without a display: --help and --version answer,
# bad arguments are refused with status 2, and without a display the program says so.
# Usage: command_line_test.sh <brewdial> <version>
set -euo pipefail
program=$1
version=$2
home=$(mktemp -d)
trap 'rm -rf "$home"' EXIT
export XDG_CONFIG_HOME=$home/config XDG_RUNTIME_DIR=$home/runtime
mkdir -p "$XDG_RUNTIME_DIR" && chmod 700 "$XDG_RUNTIME_DIR"
unset DISPLAY WAYLAND_DISPLAY QT_QPA_PLATFORM

fail() {
  echo "command-line: $*" >&2
  exit 1
}

run() { # <arguments...>: sets status, out, err
  status=0
  "$program" "$@" >"$home/out" 2>"$home/err" || status=$?
  out=$(cat "$home/out")
  err=$(cat "$home/err")
}

run --version
[ "$status" -eq 0 ] && [ "$out" = "brewdial $version" ] && [ -z "$err" ] ||
  fail "--version: status $status, printed '$out' '$err'"

run --help
[ "$status" -eq 0 ] && [ -z "$err" ] || fail "--help: status $status, '$err'"
for option in "Usage: brewdial [options]" --help --version "--countdown <MINUTES>" "--quick <N>" --show; do
  grep -qF -- "$option" "$home/out" || fail "--help does not mention $option"
done

# The man page names the options the program takes, no more and no fewer.
man_page=$(dirname "$0")/../dist/brewdial.1.in
in_help=$(grep -oE -- '--[a-z]+' "$home/out" | sort -u)
in_man=$(sed -n '/^\.SH OPTIONS/,/^\.SH /p' "$man_page" | grep -E '^\.B' | grep -oE '\\-\\-[a-z]+' |
  sed 's/\\//g' | sort -u)
[ "$in_help" = "$in_man" ] || fail "--help names $(echo $in_help), the man page $(echo $in_man)"

for bad in "--bogus" "--countdown 0" "--countdown abc" "--countdown 99999999999" "--quick 4" \
  "--countdown 5 --quick 1" "extra"; do
  # shellcheck disable=SC2086
  run $bad
  [ "$status" -eq 2 ] || fail "$bad: status $status, not 2"
  [ -z "$out" ] || fail "$bad: printed '$out' on standard output"
  [[ "$err" == "brewdial: "*"Try 'brewdial --help' for more information." ]] || fail "$bad: said '$err'"
done
[ -z "$(ls -A "$XDG_RUNTIME_DIR")" ] && [ ! -e "$XDG_CONFIG_HOME" ] ||
  fail "a refused start left files behind: $(find "$home" -mindepth 2)"

run
[ "$status" -eq 1 ] || fail "no display: status $status, not 1"
[[ "$err" == "brewdial: no display server found"* ]] || fail "no display: said '$err'"
[ "$(printf '%s\n' "$err" | wc -l)" -eq 1 ] || fail "no display: more than one line: '$err'"
echo "command-line: --help, --version and bad arguments answered without a display"
