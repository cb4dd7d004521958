#!/usr/bin/env bash
# Process-level tests of the kivparser tool, run on the sample installation in
# examples/ and on the files in tests/data/tools/.
#
# usage: tool_test.sh CASE
# Environment: KIVPARSER_TOOL (the program), KIVPARSER_SOURCE_DIR (the source
# tree), KIVPARSER_MANUAL (the built manual page, for the case manual). With KIVPARSER_REGENERATE=1 the expected outputs are rewritten from
# the program's output instead of being compared (review the diff!).
set -uo pipefail

tool=${KIVPARSER_TOOL:?KIVPARSER_TOOL is not set}
src=${KIVPARSER_SOURCE_DIR:?KIVPARSER_SOURCE_DIR is not set}
data="$src/tests/data/tools"
sample="$src/examples"
work=$(mktemp -d /tmp/kivparser-tool.XXXXXX)
trap 'rm -rf "$work"' EXIT

failures=0
fail() {
  echo "FAIL: $*" >&2
  failures=$((failures + 1))
}

# The sample installation as the main job uses it; the web tree is a copy in
# the work directory, so that the style sheet is written there.
use_sample() {
  export KZ_ETC_PATH="$sample/etc"
  export KZ_PATH="$work/kz"
  export KZwwwBitmapDir="$sample/www/htdocs/bitmaps"
  unset KIvRegDir KIvSymDir KIvFieldDir LANG LC_CTYPE KZ_WEB_PORT
  unset KZ_ON_SERVER KZ_EXTENDED_TOPOLOGY KZ_IPV6 KZ_HSRP
  export LC_ALL=${1:-C}
  mkdir -p "$KZ_PATH/www/htdocs/C/dynamicViews"
  cp "$sample/www/htdocs/C/dynamicViews/dvStyle.xml.template" "$KZ_PATH/www/htdocs/C/dynamicViews/"
}

# run EXPECTED_STATUS ARGS...: runs the tool, output in $work/out and $work/err.
run() {
  local want=$1
  shift
  "$tool" "$@" >"$work/out" 2>"$work/err"
  local got=$?
  if [ "$got" -ne "$want" ]; then
    fail "kivparser $* exited with $got, expected $want"
    sed 's/^/  stderr: /' "$work/err" | head -20 >&2
  fi
}

# same FILE EXPECTED: the file equals the expected output (after the
# substitutions of normalize).
same() {
  local got=$1 expected="$data/$2"
  normalize <"$got" >"$work/normalized"
  if [ "${KIVPARSER_REGENERATE:-0}" = 1 ]; then
    cp "$work/normalized" "$expected"
    return
  fi
  if ! diff -u "$expected" "$work/normalized" >"$work/diff"; then
    fail "output differs from $2"
    head -60 "$work/diff" >&2
  fi
}

# Machine-dependent parts of an output: the sample's location, the host name,
# the generation date of the style sheet.
normalize() {
  local host
  host=$(hostname 2>/dev/null || uname -n)
  sed -e "s|$sample|@SAMPLE@|g" -e "s|$data|@DATA@|g" -e "s|$work|@WORK@|g" -e "s|$src|@SRC@|g" \
      -e "s|http://$host|http://@HOST@|g" \
      -e '/^Generated on$/{n;s/.*/  @DATE@/;}'
}

contains() {
  local file=$1 text=$2
  grep -qF -- "$text" "$file" || fail "'$text' not found in $(basename "$file"): $(head -3 "$file")"
}

empty() {
  [ ! -s "$1" ] || fail "$(basename "$1") is not empty: $(head -3 "$1")"
}

case_usage() {
  use_sample
  run 2
  contains "$work/err" "kivparser: no command given"
  contains "$work/err" "usage: kivparser COMMAND"
  empty "$work/out"
  run 2 frobnicate
  contains "$work/err" "unknown command 'frobnicate'"
  run 2 dump
  contains "$work/err" "kivparser dump: KIND is missing"
  contains "$work/err" "usage: kivparser dump KIND [--path DIRLIST] [--app NAME] [--fold] [--verbose]"
  run 2 dump everything
  contains "$work/err" "unknown KIND 'everything'"
  run 2 dump arf srf
  run 2 dump arf --colour
  contains "$work/err" "unknown option '--colour'"
  run 2 dump arf --path
  contains "$work/err" "option '--path' needs a value"
  run 2 dump arf --fold=yes
  contains "$work/err" "option '--fold' takes no value"
  run 2 check
  contains "$work/err" "kivparser check: no FILE given"
  run 2 check --format=xml x
  contains "$work/err" "unknown format 'xml' (text, gnu or json)"
  run 2 dump arf --max-reports lots
  contains "$work/err" "--max-reports wants a number, not 'lots'"
  run 2 stylesheet now
  run 2 icon
  run 2 icon Computer
  contains "$work/err" "'Computer' is not of the form CLASS:TYPE"
  run 2 roles "ZETA Taluna Varnel Map" Delete
  contains "$work/err" "no ROLE given"
  empty "$work/out"

  run 0 --help
  contains "$work/out" "usage: kivparser COMMAND [ARGUMENTS]"
  cp "$work/out" "$work/help"
  for command in dump check stylesheet icon roles; do
    contains "$work/help" "  $command "
    run 0 "$command" --help
    contains "$work/out" "usage: kivparser $command"
    contains "$work/out" "Exit status:"
  done
  run 0 help check
  contains "$work/out" "usage: kivparser check FILE..."
  run 0 --version
  grep -qE '^kivparser [0-9]+\.[0-9]+\.[0-9]+$' "$work/out" || fail "--version printed: $(cat "$work/out")"
}

# The exact dumps of the sample, in the C locale: the C subdirectories only.
case_dump_sample() {
  use_sample C
  for kind in arf tabs srf frf svrf; do
    run 0 dump "$kind"
    same "$work/out" "dump-$kind.out"
    empty "$work/err"
  done
  # "all" is the five under their headers, loaded once each.
  run 0 dump all
  {
    for kind in arf tabs srf frf svrf; do
      echo "=== $kind ==="
      normalize <"$data/dump-$kind.out"
    done
  } >"$work/expected-all"
  normalize <"$work/out" | diff -u "$work/expected-all" - >"$work/diff" || {
    fail "dump all differs from the five dumps"
    head -40 "$work/diff" >&2
  }
}

# In the C.UTF-8 locale the UTF-8 edition of the event browser replaces the
# file of C; everything else is completed from C.
case_dump_language() {
  locale -a 2>/dev/null | grep -qix 'c\.utf-\?8' || { echo "no C.UTF-8 locale; skipped"; return; }
  use_sample C.UTF-8
  run 0 dump arf
  same "$work/out" "dump-arf.utf8.out"
  contains "$work/out" "Show Events…"
  run 0 dump tabs
  same "$work/out" "dump-tabs.out"
  # --path may name the registration directory or its C subdirectory.
  run 0 dump arf --path "$sample/etc/registration/C"
  same "$work/out" "dump-arf.utf8.out"
}

# The map's own registration first and ranked first, cascades folded.
case_dump_ranked_folded() {
  use_sample C
  run 0 dump arf --app jkiv --fold
  same "$work/out" "dump-arf.jkiv-fold.out"
  contains "$work/out" '"Outlets:Outlet Status"'
  run 0 dump arf --verbose --app jkiv
  same "$work/out" "dump-arf.verbose.out"
  contains "$work/out" "ARF priority file: 'jkiv'"
}

# The sample's conditional sections follow the installation's switches.
case_conditionals() {
  use_sample C
  run 0 dump arf
  contains "$work/out" 'Command Name : "powerpanel -display-remote"'
  grep -q 'Ping (IPv6)' "$work/out" && fail "the IPv6 entry is there with IPv6 off"
  KZ_IPV6=yes KZ_ON_SERVER=1 run 0 dump arf
  contains "$work/out" 'MenuItem <70> "Ping (IPv6)" _6 [] {'
  contains "$work/out" 'Action "Ping6" {'
  contains "$work/out" 'Command Name : "powerpanel"'
  run 0 dump srf
  grep -q 'SymbolClass "Domain"' "$work/out" && fail "the Domain class is there without the extended topology"
  KZ_EXTENDED_TOPOLOGY=on run 0 dump srf
  contains "$work/out" 'SymbolClass "Domain" {'
}

case_dump_not_found() {
  use_sample C
  run 1 dump srf --path "$work/nothing"
  empty "$work/out"
  contains "$work/err" "kivparser: no symbol registration found in $work/nothing"
  export KIvRegDir="$work/nothing"
  run 1 dump all
  contains "$work/err" "kivparser: no application registration found in $work/nothing"
  contains "$work/out" "=== srf ==="
  contains "$work/out" 'SymbolClass "Computer" {'
  unset KIvRegDir
  export KZ_ETC_PATH="$work/etc"
  run 1 roles "ZETA Taluna Varnel Map" Delete netadmin
  contains "$work/err" "kivparser: no application registration found in $work/etc/registration"
}

# Every file of the sample loads without a problem, except the deliberate
# duplicate symbol type of the power equipment.
case_check_sample() {
  use_sample C
  local etc="$sample/etc"
  run 0 check "$etc"/registration/C/*
  contains "$work/out" "total: errors: 0, warnings: 0"
  run 0 check "$etc/registration/C.UTF-8/eventbrowser" "$etc/registration/C/jkiv" \
      "$etc/registration/C/linkmonitor" "$etc/registration/C/powerpanel"
  contains "$work/out" "total: errors: 0, warnings: 0"
  run 0 check "$etc"/fields/C/* "$etc"/www/registration/dazivovovo/C/*
  contains "$work/out" "total: errors: 0, warnings: 0"
  run 0 check "$etc"/symbols/C/*
  same "$work/out" "check-symbols.out"
}

# A file with known problems: the report of each, the summary, the status.
case_check_errors() {
  use_sample C
  run 1 check "$data/broken-app" "$data/missing-file"
  same "$work/out" "check-broken.out"
  empty "$work/err"
  # A directory is reported as a file that cannot be opened, and counted.
  run 1 check "$sample/etc/fields/C" "$sample/etc/fields/C/power"
  empty "$work/err"
  contains "$work/out" "Error: can't open $sample/etc/fields/C"
  contains "$work/out" "$sample/etc/fields/C: errors: 1, warnings: 0"
  contains "$work/out" "total: errors: 1, warnings: 0"
  # A duplicate across two files is only a warning.
  run 0 check "$sample/etc/fields/C/base" "$data/duplicate-field"
  contains "$work/out" "Field isNode: duplicate definition(ignore)"
  contains "$work/out" "$data/duplicate-field: errors: 0, warnings: 1"
}

# The same faulty files reported in the three forms; the summary on standard
# output stays the same in each.
case_check_formats() {
  use_sample C
  local reports="$src/tests/data/language/reports/C"
  local files=("$reports/faults" "$reports/truncated" "$data/missing-file" "$sample/etc/fields/C")
  run 1 check "${files[@]}"
  same "$work/out" "check-formats.out"
  empty "$work/err"
  tail -n 5 "$work/out" >"$work/summary"
  for format in gnu json; do
    run 1 check --format=$format "${files[@]}"
    same "$work/err" "check-formats.$format"
    cmp -s "$work/summary" "$work/out" || fail "check --format=$format: the summary differs: $(head -3 "$work/out")"
  done
  python3 -c 'import json, sys; [json.loads(line) for line in open(sys.argv[1])]' "$work/err" ||
    fail "check --format=json: a line is not a JSON object"
  # Standard input, at most one report per file.
  run 1 check --format=gnu --max-reports 1 - <"$reports/faults"
  [ "$(cat "$work/err")" = "<stdin>:8: error: syntax error near 'again'
<stdin>: note: 2 more reports left out" ] || fail "check - with --max-reports 1: $(cat "$work/err")"
  contains "$work/out" "<stdin>: errors: 2, warnings: 1"
  run 1 check --max-reports 0 "$reports/faults"
  contains "$work/out" "[3 more reports of $reports/faults left out]"
  if [ "$(id -u)" -ne 0 ]; then
    cp "$reports/faults" "$work/unreadable"
    chmod 000 "$work/unreadable"
    run 1 check --format=gnu "$work/unreadable"
    contains "$work/err" "$work/unreadable:1: error: can't open $work/unreadable: Permission denied"
  fi
}

# The JSON export of the sample: valid against the schema, with the values of
# the text dump; reports of a verbose load as JSON lines beside it.
case_dump_json() {
  use_sample C
  for kind in arf tabs srf frf svrf all; do
    run 0 dump "$kind" --format=json
    empty "$work/err"
    mv "$work/out" "$work/$kind.json"
    run 0 dump "$kind"
    mv "$work/out" "$work/$kind.txt"
  done
  python3 "$src/tests/tools/json_export_check.py" "$src/schema/kivparser-registration.schema.json" "$work" ||
    fail "the JSON export does not match its schema or the text dump"
  local reports="$src/tests/data/language/reports"
  run 0 dump arf --verbose --format=json --path "$reports"
  same "$work/err" "dump-reports.json"
  python3 -c 'import json, sys; json.load(open(sys.argv[1]))' "$work/out" || fail "dump arf --format=json: not JSON"
  run 0 dump arf --verbose --format=gnu --max-reports 1 --path "$reports"
  same "$work/err" "dump-reports.gnu"
  contains "$work/out" 'MenuBar <-1> "File" _ {'
}

case_stylesheet() {
  use_sample C
  local sheet="$KZ_PATH/www/htdocs/C/dynamicViews/dvStyleV7.xml"
  local host
  host=$(hostname 2>/dev/null || uname -n)
  export KZ_WEB_PORT=8080
  run 0 stylesheet --force
  [ "$(cat "$work/out")" = "http://$host:8080/KzDocs/C/dynamicViews/dvStyleV7.xml" ] ||
    fail "stylesheet printed $(cat "$work/out")"
  empty "$work/err"
  same "$sheet" "dvStyleV7.xml"
  # Without --force an existing style sheet is left alone.
  echo "kept" >"$sheet"
  run 0 stylesheet
  [ "$(cat "$sheet")" = kept ] || fail "stylesheet without --force rewrote the file"
  # A missing template is reported, with status 1.
  rm "$KZ_PATH/www/htdocs/C/dynamicViews/dvStyle.xml.template"
  run 1 stylesheet --force
  empty "$work/out"
  contains "$work/err" "kivparser: Could not open template file"
}

case_icon() {
  use_sample C
  local host base
  host=$(hostname 2>/dev/null || uname -n)
  base="http://$host/KzDocs/bitmaps"
  run 0 icon Connector:Router
  [ "$(cat "$work/out")" = "$base/C/connector/router.50.gif" ] || fail "Connector:Router: $(cat "$work/out")"
  run 0 icon Computer:Workstation
  [ "$(cat "$work/out")" = "$base/C/computer/workstation.70.gif" ] || fail "Computer:Workstation: $(cat "$work/out")"
  run 0 icon Connector:Hub
  [ "$(cat "$work/out")" = "$base/C/connector/hub.48.gif" ] || fail "Connector:Hub: $(cat "$work/out")"
  # Unknown symbols, connections and types without bitmaps get the default.
  for symbol in Connection:Ethernet Power:PDU Nothing:Here Computer:; do
    run 0 icon "$symbol"
    [ "$(cat "$work/out")" = "$base/C/connector/unknownrouter.50.gif" ] || fail "$symbol: $(cat "$work/out")"
  done
}

case_roles() {
  use_sample C
  local map="ZETA Taluna Varnel Map"
  run 0 roles "$map" Delete netadmin
  [ "$(cat "$work/out")" = allowed ] || fail "Delete for netadmin: $(cat "$work/out")"
  run 1 roles "$map" Delete operator helpdesk
  [ "$(cat "$work/out")" = denied ] || fail "Delete for operator: $(cat "$work/out")"
  run 0 roles "$map" "Interface Table" guest operator
  [ "$(cat "$work/out")" = allowed ] || fail "Interface Table for operator: $(cat "$work/out")"
  # No access list: open to every role.
  run 0 roles "$map" Find guest
  [ "$(cat "$work/out")" = allowed ] || fail "Find for guest: $(cat "$work/out")"
  run 1 roles "Site Power Panel" "Switch Outlet" Facilities
  [ "$(cat "$work/out")" = denied ] || fail "roles compare exactly: $(cat "$work/out")"
  run 1 roles "No Such Application" Find guest
  empty "$work/out"
  contains "$work/err" 'no application "No Such Application"'
  run 1 roles "$map" "No Such Action" guest
  contains "$work/err" "has no action \"No Such Action\""
}

# The manual page and --help list the same commands, the same synopsis of
# each, the same options with their arguments, and every environment variable
# of --help; "man -l" renders the page without a warning.
case_manual() {
  local manual=${KIVPARSER_MANUAL:?KIVPARSER_MANUAL is not set}
  use_sample C
  help_entries >"$work/help.list"
  manual_entries "$manual" >"$work/manual.list"
  # Both sides must have something to compare, or a parser broke.
  grep -q '^command' "$work/help.list" || fail "no command found in --help"
  grep -q '^option' "$work/manual.list" || fail "no option found in the manual page"
  if ! diff -u <(grep -v '^env' "$work/help.list" | sort -u) <(grep -v '^env' "$work/manual.list" | sort -u) \
       >"$work/diff"; then
    fail "--help (-) and the manual page (+) differ:"
    grep '^[-+][^-+]' "$work/diff" >&2
  fi
  local variable
  grep '^env' "$work/help.list" | cut -f2 | while read -r variable; do
    grep -qx "env	$variable" "$work/manual.list" || echo "$variable"
  done >"$work/missing"
  [ ! -s "$work/missing" ] || fail "environment variables of --help missing in the manual page: $(tr '\n' ' ' <"$work/missing")"

  if ! command -v man >/dev/null; then
    echo "man is not installed; rendering skipped (scripts/setup.sh test installs it)"
    skipped=1
    return
  fi
  MANWIDTH=80 MANPAGER=cat PAGER=cat man --warnings -l "$manual" >"$work/out" 2>"$work/err"
  empty "$work/err"
  for heading in NAME SYNOPSIS DESCRIPTION OPTIONS COMMANDS ENVIRONMENT "EXIT STATUS" EXAMPLES; do
    grep -qx "$heading" "$work/out" || fail "the rendered page has no $heading"
  done
  # Justification may widen the spaces between words.
  tr -s ' ' <"$work/out" >"$work/squeezed"
  contains "$work/squeezed" "kivparser - load, check and dump the registration files"
}

# The entries of --help, one per line, tab-separated: "command NAME",
# "synopsis TEXT" (of each command), "option COMMAND TAG" (COMMAND is kivparser
# for the tool's own options; TAG is the option with its argument, as listed),
# "env NAME".
help_entries() {
  "$tool" --help >"$work/help" || fail "kivparser --help failed"
  awk '
    /^[A-Z][a-z ]*:$/ { part = $0; next }
    /^$/ { part = ""; next }
    NR <= 2 { for (i = 1; i <= NF; ++i) if ($i ~ /^-/) printf "option\tkivparser\t%s\n", $i }
    part == "Commands:" && /^  [^ ]/ { printf "command\t%s\n", $1 }
    part == "Environment:" && /^  [^ ]/ {
      sub(/^  /, ""); sub(/  .*/, ""); n = split($0, names, /, /)
      for (i = 1; i <= n; ++i) printf "env\t%s\n", names[i]
    }' "$work/help"
  local command
  for command in $(awk '/^Commands:$/ { on = 1; next } /^$/ { on = 0 } on && /^  [^ ]/ { print $1 }' "$work/help"); do
    "$tool" "$command" --help >"$work/help-$command" || fail "kivparser $command --help failed"
    awk -v command="$command" '
      NR == 1 { sub(/^usage: kivparser /, ""); printf "synopsis\t%s\n", $0; next }
      /^  -/ { sub(/^  /, ""); sub(/  .*/, ""); printf "option\t%s\t%s\n", command, $0 }' "$work/help-$command"
  done
}

# The same entries from the roff source of the manual page: the .SS headings
# of COMMANDS (a command's synopsis; its first word the command), the .TP tags
# that begin with "-" (in OPTIONS the tool's own options, in COMMANDS those of
# the command of the subsection) and the .TP tags of ENVIRONMENT.
manual_entries() {
  sed -e 's/\\f[BIRP]//g' -e 's/\\-/-/g' -e 's/\\&//g' -e 's/\\ / /g' -e 's/\\e/\\/g' "$1" | awk '
    # The text of a line: the arguments of a font macro joined (with spaces
    # for .B and .I, without for the alternating ones), or the line itself.
    function text(line,   macro, rest, out, arg, sep) {
      if (line !~ /^\./) return line
      macro = line; sub(/ .*/, "", macro)
      rest = line; if (!sub(/^[^ ]+ +/, "", rest)) rest = ""
      sep = (macro == ".B" || macro == ".I" || macro == ".SS" || macro == ".SH") ? " " : ""
      out = ""
      while (rest != "") {
        if (rest ~ /^"/) { match(rest, /^"[^"]*"?/); arg = substr(rest, 2, RLENGTH - 1); sub(/"$/, "", arg) }
        else { match(rest, /^[^ ]+/); arg = substr(rest, 1, RLENGTH) }
        rest = substr(rest, RLENGTH + 1); sub(/^ +/, "", rest)
        out = out (out == "" ? "" : sep) arg
      }
      return out
    }
    /^\.SH/ { section = text($0); command = ""; next }
    /^\.SS/ && section == "COMMANDS" {
      synopsis = text($0); command = synopsis; sub(/ .*/, "", command)
      printf "command\t%s\nsynopsis\t%s\n", command, synopsis; next
    }
    /^\.TP/ { tag = 1; next }
    tag {
      tag = 0; t = text($0)
      if (section == "OPTIONS" && t ~ /^-/) printf "option\tkivparser\t%s\n", t
      else if (section == "COMMANDS" && command != "" && t ~ /^-/) printf "option\t%s\t%s\n", command, t
      else if (section == "ENVIRONMENT") { n = split(t, names, /, /); for (i = 1; i <= n; ++i) printf "env\t%s\n", names[i] }
    }'
}

name=${1:?usage: tool_test.sh CASE}
if ! declare -F "case_$name" >/dev/null; then
  echo "tool_test.sh: no case $name" >&2
  exit 2
fi
skipped=0
"case_$name"
if [ "$failures" -ne 0 ]; then
  echo "$name: $failures check(s) failed" >&2
  exit 1
fi
if [ "$skipped" -ne 0 ]; then
  echo "$name: passed in part, the rest skipped"
  exit 77
fi
echo "$name: passed"
