#!/usr/bin/env bash
# Process-level tests of the kivparser tool, run on the sample installation in
# examples/ and on the files in tests/data/tools/.
# usage: tool_test.sh CASE
# Environment: KIVPARSER_TOOL (the program), KIVPARSER_SOURCE_DIR (the source
# tree), KIVPARSER_MANUAL (the built manual page, for the case manual). With
# KIVPARSER_REGENERATE=1 the expected outputs are rewritten from the program's
# output instead of being compared (review the diff!).
set -uo pipefail

tool=${KIVPARSER_TOOL:?KIVPARSER_TOOL is not set}
src=${KIVPARSER_SOURCE_DIR:?KIVPARSER_SOURCE_DIR is not set}
data="$src/tests/data/tools"
sample="$src/examples"
work=$(mktemp -d /tmp/kivparser-tool.XXXXXX)
trap 'rm -rf "$work"' EXIT
host=$(hostname 2>/dev/null || uname -n)
failures=0
skipped=0

fail() {
  echo "FAIL: $*" >&2
  failures=$((failures + 1))
}

# The sample installation as the main job uses it; the web tree is a copy in
# the work directory, so that the style sheet is written there.
use_sample() {
  export KZ_ETC_PATH="$sample/etc" KZ_PATH="$work/kz" KZwwwBitmapDir="$sample/www/htdocs/bitmaps"
  unset KIvRegDir KIvSymDir KIvFieldDir LANG LC_CTYPE KZ_WEB_PORT KZ_ON_SERVER KZ_EXTENDED_TOPOLOGY KZ_IPV6 KZ_HSRP
  export LC_ALL=${1:-C}
  mkdir -p "$KZ_PATH/www/htdocs/C/dynamicViews"
  cp "$sample/www/htdocs/C/dynamicViews/dvStyle.xml.template" "$KZ_PATH/www/htdocs/C/dynamicViews/"
}

# run EXPECTED_STATUS ARGS...: runs the tool, output in $work/out and $work/err.
run() {
  local want=$1 got
  shift
  "$tool" "$@" >"$work/out" 2>"$work/err"
  got=$?
  if [ "$got" -ne "$want" ]; then
    fail "kivparser $* exited with $got, expected $want"
    sed 's/^/  stderr: /' "$work/err" | head -20 >&2
  fi
}

# Machine-dependent parts of an output: the sample's location, the host name,
# the generation date of the style sheet.
normalize() {
  sed -e "s|$sample|@SAMPLE@|g" -e "s|$data|@DATA@|g" -e "s|$work|@WORK@|g" -e "s|$src|@SRC@|g" \
      -e "s|http://$host|http://@HOST@|g" -e '/^Generated on$/{n;s/.*/  @DATE@/;}'
}

# same FILE EXPECTED: the file equals the expected output, once normalized.
same() {
  normalize <"$1" >"$work/normalized"
  if [ "${KIVPARSER_REGENERATE:-0}" = 1 ]; then
    cp "$work/normalized" "$data/$2"
  elif ! diff -u "$data/$2" "$work/normalized" >"$work/diff"; then
    fail "output differs from $2"
    head -60 "$work/diff" >&2
  fi
}

# contains FILE TEXT...: each TEXT is in the file.
contains() {
  local file=$1 text
  shift
  for text; do grep -qF -- "$text" "$file" || fail "'$text' not found in $(basename "$file"): $(head -3 "$file")"; done
}

empty() {
  [ ! -s "$1" ] || fail "$(basename "$1") is not empty: $(head -3 "$1")"
}

# prints TEXT: standard output is exactly TEXT.
prints() {
  [ "$(cat "$work/out")" = "$1" ] || fail "expected '$1', got '$(head -3 "$work/out")'"
}

# Usage errors: status 2, nothing on standard output, the messages given.
case_usage() {
  use_sample
  local args messages
  while IFS='|' read -r args messages; do
    eval "run 2 $args"
    empty "$work/out"
    IFS='|' read -ra messages <<<"$messages"
    contains "$work/err" "${messages[@]}"
  done <<'EOF'
|kivparser: no command given|usage: kivparser COMMAND
frobnicate|unknown command 'frobnicate'
dump|kivparser dump: KIND is missing|usage: kivparser dump KIND [--path DIRLIST] [--app NAME] [--fold] [--verbose]
dump everything|unknown KIND 'everything'
dump arf srf
dump arf --colour|unknown option '--colour'
dump arf --path|option '--path' needs a value
dump arf --fold=yes|option '--fold' takes no value
check|kivparser check: no FILE given
check --format=xml x|unknown format 'xml' (text, gnu or json)
dump arf --max-reports lots|--max-reports wants a number, not 'lots'
stylesheet now
icon
icon Computer|'Computer' is not of the form CLASS:TYPE
roles "ZETA Taluna Varnel Map" Delete|no ROLE given
menus --format=xml|unknown format 'xml' (text or json)
menus arf|kivparser menus: unexpected argument 'arf'
preview|kivparser preview: --out DIR is missing|usage: kivparser preview [--path DIRLIST]
EOF

  run 0 --help
  cp "$work/out" "$work/help"
  contains "$work/help" "usage: kivparser COMMAND [ARGUMENTS]" "  dump " "  check " "  stylesheet " "  icon " "  roles " \
    "  menus " "  preview "
  for command in dump check stylesheet icon roles menus preview; do
    run 0 "$command" --help
    contains "$work/out" "usage: kivparser $command" "Exit status:"
  done
  run 0 help check
  contains "$work/out" "usage: kivparser check FILE..."
  run 0 --version
  grep -qE '^kivparser [0-9]+\.[0-9]+\.[0-9]+$' "$work/out" || fail "--version printed: $(cat "$work/out")"
}

# The exact dumps of the sample, in the C locale: the C subdirectories only.
# "all" is the five under their headers, loaded once each.
case_dump_sample() {
  use_sample C
  for kind in arf tabs srf frf svrf; do
    run 0 dump "$kind"
    same "$work/out" "dump-$kind.out"
    empty "$work/err"
    echo "=== $kind ===" >>"$work/expected-all"
    normalize <"$data/dump-$kind.out" >>"$work/expected-all"
  done
  run 0 dump all
  normalize <"$work/out" | diff -u "$work/expected-all" - >"$work/diff" || {
    fail "dump all differs from the five dumps"
    head -40 "$work/diff" >&2
  }
}

# In the C.UTF-8 locale the UTF-8 edition of the event browser replaces the
# file of C; everything else is completed from C. --path may name the
# registration directory or its C subdirectory.
case_dump_language() {
  grep -qix 'c\.utf-\?8' <(locale -a 2>/dev/null) || { echo "no C.UTF-8 locale; skipped"; return; }
  use_sample C.UTF-8
  run 0 dump arf
  same "$work/out" "dump-arf.utf8.out"
  contains "$work/out" "Show Events…"
  run 0 dump tabs
  same "$work/out" "dump-tabs.out"
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
  ! grep -q 'Ping (IPv6)' "$work/out" || fail "the IPv6 entry is there with IPv6 off"
  KZ_IPV6=yes KZ_ON_SERVER=1 run 0 dump arf
  contains "$work/out" 'MenuItem <70> "Ping (IPv6)" _6 [] {' 'Action "Ping6" {' 'Command Name : "powerpanel"'
  run 0 dump srf
  ! grep -q 'SymbolClass "Domain"' "$work/out" || fail "the Domain class is there without the extended topology"
  KZ_EXTENDED_TOPOLOGY=on run 0 dump srf
  contains "$work/out" 'SymbolClass "Domain" {'
}

case_dump_not_found() {
  use_sample C
  run 1 dump srf --path "$work/nothing"
  empty "$work/out"
  contains "$work/err" "kivparser: no symbol registration found in $work/nothing"
  KIvRegDir="$work/nothing" run 1 dump all
  contains "$work/err" "kivparser: no application registration found in $work/nothing"
  contains "$work/out" "=== srf ===" 'SymbolClass "Computer" {'
  KZ_ETC_PATH="$work/etc" run 1 roles "ZETA Taluna Varnel Map" Delete netadmin
  contains "$work/err" "kivparser: no application registration found in $work/etc/registration"
}

# Every file of the sample loads without a problem, except the deliberate
# duplicate symbol type of the power equipment.
case_check_sample() {
  use_sample C
  local etc="$sample/etc"
  run 0 check "$etc"/registration/C/*
  contains "$work/out" "total: errors: 0, warnings: 0"
  run 0 check "$etc/registration/C.UTF-8/eventbrowser" "$etc"/registration/C/{jkiv,linkmonitor,powerpanel}
  contains "$work/out" "total: errors: 0, warnings: 0"
  run 0 check "$etc"/fields/C/* "$etc"/www/registration/dazivovovo/C/*
  contains "$work/out" "total: errors: 0, warnings: 0"
  run 0 check "$etc"/symbols/C/*
  same "$work/out" "check-symbols.out"
}

# A file with known problems: the report of each, the summary, the status. A
# directory is reported as a file that cannot be opened; a duplicate across
# two files is only a warning.
case_check_errors() {
  use_sample C
  run 1 check "$data/broken-app" "$data/missing-file"
  same "$work/out" "check-broken.out"
  empty "$work/err"
  run 1 check "$sample/etc/fields/C" "$sample/etc/fields/C/power"
  empty "$work/err"
  contains "$work/out" "Error: can't open $sample/etc/fields/C" "$sample/etc/fields/C: errors: 1, warnings: 0" \
    "total: errors: 1, warnings: 0"
  run 0 check "$sample/etc/fields/C/base" "$data/duplicate-field"
  contains "$work/out" "Field isNode: duplicate definition(ignore)" "$data/duplicate-field: errors: 0, warnings: 1"
}

# The same faulty files reported in the three forms; the summary stays the
# same in each, on standard output for text, on standard error (after the
# reports) for gnu and json, which leave standard output empty. Then
# standard input, at most N reports per file, and a file that cannot be read.
case_check_formats() {
  use_sample C
  local reports="$src/tests/data/language/reports/C"
  local files=("$reports/faults" "$reports/truncated" "$data/missing-file" "$sample/etc/fields/C")
  run 1 check "${files[@]}"
  same "$work/out" "check-formats.out"
  empty "$work/err"
  tail -n 5 "$work/out" >"$work/summary"
  run 1 check --format=gnu "${files[@]}"
  same "$work/err" "check-formats.gnu"
  empty "$work/out"
  tail -n 5 "$work/err" | cmp -s "$work/summary" - || fail "check --format=gnu: the summary differs: $(tail -5 "$work/err")"
  # In JSON the summary is objects too: standard error is JSON Lines alone.
  run 1 check --format=json "${files[@]}"
  same "$work/err" "check-formats.json"
  empty "$work/out"
  python3 -c 'import json, sys; [json.loads(line) for line in sys.stdin]' <"$work/err" ||
    fail "check --format=json: a line of standard error is no JSON"
  tail -n 5 "$work/err" | sed -E 's/^\{"kind":"summary","file":"(.*)","errors":([0-9]+),"warnings":([0-9]+)\}$/\1: errors: \2, warnings: \3/; s/^\{"kind":"total","errors":([0-9]+),"warnings":([0-9]+)\}$/total: errors: \1, warnings: \2/' |
    cmp -s "$work/summary" - || fail "check --format=json: the summary differs: $(tail -5 "$work/err")"
  run 1 check --format=gnu --max-reports 1 - <"$reports/faults"
  [ "$(cat "$work/err")" = "<stdin>:8:28: error: syntax error near 'again', expected ';' [syntax-error]
<stdin>: note: 2 more reports left out
<stdin>: errors: 2, warnings: 1
total: errors: 2, warnings: 1" ] || fail "check - with --max-reports 1: $(cat "$work/err")"
  # The text form names standard input too.
  run 1 check - <"$reports/faults"
  contains "$work/out" "File: <stdin>" "<stdin>: errors: 2, warnings: 1"
  run 1 check --max-reports 0 "$reports/faults"
  contains "$work/out" "[3 more reports of $reports/faults left out]"
  if [ "$(id -u)" -ne 0 ]; then
    cp "$reports/faults" "$work/unreadable"
    chmod 000 "$work/unreadable"
    run 1 check --format=gnu "$work/unreadable"
    contains "$work/err" "$work/unreadable:1: error: can't open $work/unreadable: Permission denied"
  fi
}

# Broken inputs in tests/data/tools/diagnostics, as lint reports them in the
# gnu and JSON forms: a case is NAME.reg, or NAME_a.reg, NAME_b.reg ... linted
# in turn as one set, with the expected NAME.gnu and NAME.json (standard
# error: the reports, their notes and the total). The exit status is 1 when
# the total counts an error. The text form of check on the same files is the
# library's framed reports, which know nothing of columns or rules.
case_diagnostics() {
  use_sample C
  local dir="$data/diagnostics" first name files status want
  for first in "$dir"/*.reg; do
    name=$(basename "$first" .reg)
    case $name in
      *_a) name=${name%_a}; files=("$dir/$name"_*.reg) ;;
      *_[b-z]) continue ;;
      *) files=("$first") ;;
    esac
    for format in gnu json; do
      "$tool" lint --format=$format "${files[@]}" >"$work/out" 2>"$work/err"
      status=$?
      empty "$work/out"
      same "$work/err" "diagnostics/$name.$format"
      if [ "$format" = json ]; then
        python3 -c 'import json, sys; [json.loads(line) for line in sys.stdin]' <"$work/err" ||
          fail "lint --format=json $name: a line of standard error is no JSON"
      fi
      want=1
      grep -qE '^total: errors: 0,|^\{"kind":"total","errors":0,' "$work/err" && want=0
      [ "$status" -eq "$want" ] || fail "lint --format=$format $name exited with $status, expected $want"
    done
    "$tool" check "${files[@]}" >"$work/out" 2>"$work/err"
    if grep -qE '\[[a-z]+(-[a-z]+)+\]$|^Column' "$work/out"; then
      fail "check $name in the text form shows rules or columns: $(grep -m1 -E '\[[a-z]+(-[a-z]+)+\]$' "$work/out")"
    fi
  done
}

# What only lint finds, its options, and --strict for check and lint. The
# sample installation, loaded as the loaders load it, holds one finding: the
# symbol type that a later file defines again (examples/README.md says why).
case_lint() {
  use_sample C
  local dir="$data/diagnostics"
  run 1 lint --format=gnu "$dir/links.reg"
  contains "$work/err" "links.reg:8:25: warning: Menu 'Ghost' is named by f.menu" "[undefined-menu]" \
    "links.reg:15:10: warning: Menu 'Orphan' is defined but no entry names it [unreachable-menu]" \
    "links.reg:10:16: warning: f.acton in entry 'Typo' is no function: f.action was meant? [suspicious-function]" \
    "links.reg:18:34:" "[undefined-list]" "links.reg:17:68:" "[undefined-popup-menu]" "[empty-menu]"
  grep -q unused-action "$work/err" && fail "unused-action is on by default"
  run 1 lint --format=gnu --disable=undefined-menu,unreachable-menu --enable=unused-action "$dir/links.reg"
  grep -qE 'undefined-menu|unreachable-menu' "$work/err" && fail "--disable left: $(grep -E 'undefined-menu|unreachable-menu' "$work/err")"
  contains "$work/err" "links.reg:20:12: warning: Action 'Spare' of application 'Links' is named by no entry [unused-action]"
  # check reports what a parse finds, lint adds its rules: the same errors.
  run 1 check --format=gnu "$dir/links.reg"
  contains "$work/err" "total: errors: 2, warnings: 0"
  grep -q undefined-menu "$work/err" && fail "check reports a lint rule"
  # Warnings pass unless --strict.
  run 0 check "$dir/duplicates_a.reg"
  run 1 check --strict "$dir/duplicates_a.reg"
  run 0 lint --format=json "$dir/duplicates_a.reg"
  run 1 lint --strict "$dir/duplicates_a.reg"
  run 0 lint --strict --disable=duplicate-definition "$dir/duplicates_a.reg"
  # The installation as loaded: only the explained duplicate.
  run 0 lint --format=gnu
  empty "$work/out"
  contains "$work/err" "power:58:26: warning: SymbolType Hub: duplicate definition(ignore) [shadowed-definition]" \
    "base:91:26: note: first defined here" "total: errors: 0, warnings: 1"
  run 0 lint --format=gnu --path "$sample/etc/registration"
  [ "$(cat "$work/err")" = "total: errors: 0, warnings: 0" ] || fail "lint --path: $(cat "$work/err")"
  run 1 lint --strict
  run 0 lint --strict --disable=shadowed-definition
  contains "$work/out" "total: errors: 0, warnings: 0"
  run 1 lint --path /nowhere
  contains "$work/err" "no application registration found in /nowhere"
  run 2 lint --disable=no-such-rule
  contains "$work/err" "unknown rule 'no-such-rule'"
  run 2 lint --path "$sample/etc/registration" "$dir/links.reg"
}

# Every rule that the library names is explained in the manual page's
# RULES section (a .TP tag of its own), and the section names no other.
case_rules_documented() {
  local manual="$src/tools/kivparser/kivparser.1.in"
  grep -oE '"[a-z]+(-[a-z]+)+"' "$src/libparser/language/DiagnosticRuleNames.h" | tr -d '"' | sort -u >"$work/code"
  [ "$(wc -l <"$work/code")" -ge 20 ] || fail "only $(wc -l <"$work/code") rule names found in the code"
  awk '/^\.SH RULES/ { on = 1; next } /^\.SH/ { on = 0 } on && tag { print; tag = 0 } on && /^\.TP/ { tag = 1 }' \
    "$manual" | sed -e 's/^\.B //' -e 's/\\-/-/g' | sort -u >"$work/manual"
  if ! diff -u "$work/code" "$work/manual" >"$work/diff"; then
    fail "rules of the code (-) and of the manual page's RULES (+) differ:"
    grep '^[-+][a-z]' "$work/diff" >&2
  fi
  # Each is explained with an example.
  awk '/^\.SH RULES/ { on = 1; next } /^\.SH/ { on = 0 } on' "$manual" >"$work/rules"
  [ "$(grep -c '^\.EX' "$work/rules")" -ge "$(wc -l <"$work/code")" ] || fail "a rule of RULES has no example"
}

# The gnu form read back by the error parsers of Vim and Emacs, with their
# default settings: each report and note is found at its own file, line and
# column, also when its message holds text that looks like a place ("x.reg:
# 99:", '"a" 5: b') or spanned lines in the file.
case_editors() {
  use_sample C
  local dir="$data/diagnostics" ran=0
  "$tool" lint --format=gnu "$dir/message-with-place.reg" "$dir/links.reg" "$dir/duplicates_a.reg" \
    2>"$work/errors.txt" >/dev/null
  grep -c '' "$work/errors.txt" >/dev/null
  # The places as the tool wrote them: the path has no colon.
  awk -F: '/^\// { print $1 "|" $2 "|" $3 }' "$work/errors.txt" >"$work/expected"
  [ "$(wc -l <"$work/expected")" -ge 12 ] || fail "too few reports: $(cat "$work/errors.txt")"
  # A Vim that can run the script that writes the list out (+eval).
  local vim
  for vim in nvim vim; do
    command -v "$vim" >/dev/null && { [ "$vim" = nvim ] || "$vim" --version | grep -q '+eval'; } && break
    vim=
  done
  if [ -n "$vim" ]; then
    ran=$((ran + 1))
    (cd "$work" && timeout 60 "$vim" -es -u NONE -i NONE -N -c 'cgetfile errors.txt' \
      -c "call writefile(map(filter(getqflist(), 'v:val.valid'), 'bufname(v:val.bufnr) . \"|\" . v:val.lnum . \"|\" . v:val.col'), 'vim.txt')" \
      -c 'qa!' </dev/null >/dev/null 2>&1)
    diff -u "$work/expected" "$work/vim.txt" >"$work/diff" || { fail "$vim reads other places:"; cat "$work/diff" >&2; }
  else
    echo "no Vim with +eval found: its reading skipped (scripts/setup.sh test installs neovim)"
  fi
  if command -v emacs >/dev/null; then
    ran=$((ran + 1))
    timeout 120 emacs --batch -Q -l "$src/tests/tools/compilation-errors.el" -- "$work/errors.txt" >"$work/emacs.txt" 2>/dev/null
    diff -u "$work/expected" "$work/emacs.txt" >"$work/diff" || { fail "emacs reads other places:"; cat "$work/diff" >&2; }
  else
    echo "no Emacs found: its reading skipped (scripts/setup.sh test installs emacs-nox)"
  fi
  [ "$ran" -eq 2 ] || skipped=1
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

# An absent style sheet is generated; a present one is left alone unless
# forced; a forced generation without template fails and keeps the old file.
case_stylesheet() {
  use_sample C
  local dir="$KZ_PATH/www/htdocs/C/dynamicViews"
  export KZ_WEB_PORT=8080
  run 0 stylesheet
  prints "http://$host:8080/KzDocs/C/dynamicViews/dvStyleV7.xml"
  empty "$work/err"
  same "$dir/dvStyleV7.xml" "dvStyleV7.xml"
  echo "kept" >"$dir/dvStyleV7.xml"
  run 0 stylesheet
  [ "$(cat "$dir/dvStyleV7.xml")" = kept ] || fail "stylesheet without --force rewrote the file"
  run 0 stylesheet --force
  same "$dir/dvStyleV7.xml" "dvStyleV7.xml"
  echo "kept" >"$dir/dvStyleV7.xml"
  rm "$dir/dvStyle.xml.template"
  run 1 stylesheet --force
  empty "$work/out"
  contains "$work/err" "kivparser: Could not open template file \"$dir/dvStyle.xml.template\": No such file or directory"
  [ "$(cat "$dir/dvStyleV7.xml")" = kept ] || fail "the failed generation touched the style sheet"
}

# Unknown symbols, connections and types without bitmaps get the default icon.
case_icon() {
  use_sample C
  local symbol file
  while read -r symbol file; do
    run 0 icon "$symbol"
    prints "http://$host/KzDocs/bitmaps/C/$file"
  done <<'EOF'
Connector:Router connector/router.50.gif
Computer:Workstation computer/workstation.70.gif
Connector:Hub connector/hub.48.gif
Connection:Ethernet connector/unknownrouter.50.gif
Power:PDU connector/unknownrouter.50.gif
Nothing:Here connector/unknownrouter.50.gif
Computer: connector/unknownrouter.50.gif
EOF
}

# role APP ACTION ANSWER ROLE...: the answer, with status 0 (allowed) or 1.
role() {
  local status=1
  [ "$3" = allowed ] && status=0
  run $status roles "$1" "$2" "${@:4}"
  prints "$3"
}

# The roles given on the command line are joined by blanks; only blanks
# separate role words, and roles compare exactly. No access list, or one whose
# last argument is blank: open to every role. Integers compare as written in
# decimal.
case_roles() {
  use_sample C
  local row
  while read -r row; do eval "role $row"; done <<'EOF'
"ZETA Taluna Varnel Map" Delete allowed netadmin
"ZETA Taluna Varnel Map" Delete denied operator helpdesk
"ZETA Taluna Varnel Map" Find allowed guest
EOF
  run 1 roles "No Such Application" Find guest
  empty "$work/out"
  contains "$work/err" 'no application "No Such Application"'
  run 1 roles "ZETA Taluna Varnel Map" "No Such Action" guest
  contains "$work/err" "has no action \"No Such Action\""
  export KIvRegDir="$data/roles"
  while read -r row; do eval "role Roles $row"; done <<'EOF'
open allowed guest
guarded denied ""
guarded denied " 	"
guarded denied guest
guarded denied "Admin adm"
guarded allowed guest admin
guarded allowed "  oper   guest "
guarded denied "guest	admin"
lastBlank allowed guest
firstBlank denied guest
firstBlank allowed admin
numbered denied guest
numbered allowed 3
numbered denied 03
numbered allowed "x admin"
negative allowed "x -12"
EOF
  # A file that ends inside an action's definition: that action is denied to
  # every role and the tool says why; the complete one before it is checked
  # as usual.
  export KIvRegDir="$data/roles-cut"
  role Cut whole allowed admin
  role Cut cut denied admin
  contains "$work/err" 'the definition of action "cut" of application "Cut" did not complete'
  role Cut cut denied op
}

# json_pretty FILE: the JSON document of FILE, indented, into $work/pretty (a
# golden file that a person can read and diff); fails when it is not JSON.
json_pretty() {
  python3 -m json.tool --indent 1 "$1" >"$work/pretty" 2>"$work/json-error" ||
    fail "$(basename "$1") is not JSON: $(head -3 "$work/json-error")"
}

# The merged menus of the sample: the tree in ASCII (the C locale), ranked
# for the map and folded, as JSON, and in a UTF-8 locale with the UTF-8
# edition of the event browser; --ascii draws in ASCII there too.
case_menus_sample() {
  use_sample C
  run 0 menus
  same "$work/out" "menus.out"
  empty "$work/err"
  run 0 menus --app jkiv --fold
  same "$work/out" "menus.jkiv-fold.out"
  contains "$work/out" '`- _Outlets:Outlet Status  <80>  -> action "Outlet Status" (folded from submenu "Outlet Tools")'
  run 0 menus --app jkiv --format=json
  json_pretty "$work/out"
  same "$work/pretty" "menus.json"
  grep -q '[^ -~]' "$data/menus.out" && fail "menus in the C locale is not plain ASCII"
  grep -qix 'c\.utf-\?8' <(locale -a 2>/dev/null) || { echo "no C.UTF-8 locale; the UTF-8 tree skipped"; return; }
  use_sample C.UTF-8
  run 0 menus --app jkiv
  same "$work/out" "menus.utf8.out"
  contains "$work/out" "Ev̲ents of Object…" "├─ S̲tatus Poll  <90>  → action \"Status Poll\""
  run 0 menus --app jkiv --ascii
  contains "$work/out" "|- _Status Poll  <90>  -> action \"Status Poll\"" "E_vents of Object…"
  grep -q '├\|→\|▸\|̲' "$work/out" && fail "menus --ascii draws with characters outside ASCII"
}

# A registration that defines what it should not: undefined names, refused
# cycles, a function without a name, markup, quotes and control characters.
# Every problem is marked; no control character reaches the terminal.
case_menus_hostile() {
  use_sample C
  local hostile="$data/menus-hostile"
  run 0 menus --path "$hostile"
  same "$work/out" "menus-hostile.out"
  contains "$work/out" "!! link refused: it would close a cycle" "!! never defined" "!! names nothing" \
    "!! definition incomplete: no role may run it  (Second)" 'Esc\x1b[31mred\x07 tab\tx '
  grep -q $'[\x01-\x08\x0b-\x1f\x7f]' "$work/out" && fail "a control character of a label reached the output"
  run 0 menus --path "$hostile" --format=json
  json_pretty "$work/out"
  same "$work/pretty" "menus-hostile.json"
  grep -qix 'c\.utf-\?8' <(locale -a 2>/dev/null) || { echo "no C.UTF-8 locale; the UTF-8 tree skipped"; return; }
  use_sample C.UTF-8
  run 0 menus --path "$hostile"
  same "$work/out" "menus-hostile.utf8.out"
}

# deep_registration FILE DEPTH FANOUT: an application whose menu bar entry
# opens a chain of DEPTH menus, each entry of which opens the next; with
# FANOUT entries per menu the tree doubles at every level.
deep_registration() {
  local file=$1 depth=$2 fanout=$3 i j
  {
    echo 'Application "Deep" {'
    echo '  MenuBar "Top" { "down" f.menu "m0"; }'
    for ((i = depth - 1; i >= 0; i--)); do
      printf '  Menu "m%d" {' "$i"
      for ((j = 0; j < fanout; j++)); do
        if ((i == depth - 1)); then printf ' "leaf%d" f.action "Leaf";' "$j"; else printf ' "e%d" f.menu "m%d";' "$j" $((i + 1)); fi
      done
      echo ' }'
    done
    echo '  Action "Leaf" { CallbackArgs "-leaf"; }'
    echo '}'
  } >"$file"
}

# Chains of menus deeper than any stack, and links that fan out: the tree is
# written without deep recursion (on a small stack), its drawing says how
# many levels it skips, it stops at its size limit, and the preview page stays
# small.
case_menus_deep() {
  use_sample C
  mkdir -p "$work/deep/C" "$work/wide/C"
  deep_registration "$work/deep/C/deep" 5000 1
  deep_registration "$work/wide/C/wide" 30 2
  (ulimit -s 1024 && exec "$tool" menus --path "$work/deep" >"$work/out" 2>"$work/err") || fail "menus of a deep chain failed"
  contains "$work/out" '...4970 levels... `- leaf0  <->  -> action "Leaf"  (Deep)'
  [ "$(grep -c ' e0 \|leaf0' "$work/out")" -eq 5000 ] || fail "the deep chain does not show 5000 entries"
  (ulimit -s 1024 && exec "$tool" menus --path "$work/deep" --format=json >"$work/out" 2>"$work/err") ||
    fail "menus --format=json of a deep chain failed"
  python3 - "$work/out" <<'PY' || fail "the JSON of the deep chain is not nested 5000 deep"
import sys
text = open(sys.argv[1]).read()
depth = deepest = 0
quoted = escaped = False
for c in text:
    if quoted:
        escaped, quoted = (not escaped and c == "\\"), quoted and (escaped or c != '"')
    elif c == '"':
        quoted = True
    elif c in "[{":
        depth += 1; deepest = max(deepest, depth)
    elif c in "]}":
        depth -= 1
sys.exit(0 if depth == 0 and deepest > 10000 else 1)
PY
  run 0 menus --path "$work/wide"
  contains "$work/out" "... the tree stops here: it has more than 100000 entries"
  [ "$(wc -l <"$work/out")" -lt 100020 ] || fail "the wide tree is not cut"
  (ulimit -s 1024 && exec "$tool" preview --path "$work/deep" --out "$work/page" >"$work/out" 2>"$work/err") ||
    fail "preview of a deep chain failed"
  contains "$work/page/index.html" "deeper menus are not drawn"
  [ "$(grep -o 'data-e=' "$work/page/index.html" | wc -l)" -lt 40 ] || fail "the preview draws the whole deep chain"
}

# The preview page: written where asked, every entry of the tree on it, the
# bitmaps that exist copied beside it (none from outside the bitmap
# directory), every text escaped.
case_preview() {
  use_sample C
  run 0 preview --app jkiv --out "$work/page"
  prints "$work/page/index.html"
  empty "$work/err"
  run 0 menus --app jkiv --format=json
  local entries
  entries=$(python3 -c '
import json, sys
tree = json.load(open(sys.argv[1]))
count, stack = 0, [tree[key] for key in ("menuBars", "toolbar", "popupItems", "tabs", "lists")]
while stack:
    for node in stack.pop():
        count += 1
        stack.append(node.get("entries") or [])
print(count)' "$work/out")
  [ "$(grep -o ' data-e="' "$work/page/index.html" | wc -l)" -eq "$entries" ] ||
    fail "the page does not show the $entries entries and containers of the tree"
  contains "$work/page/index.html" 'role="menubar"' 'data-label="Layout" data-mn="L" aria-haspopup="menu" aria-expanded="false"' \
    '<span class="mn">L</span>ayout' '<span class="accel">Ctrl+N</span>' \
    '<dd data-field="selectionRule"><code>(isNode || isNetwork) &amp;&amp; !isLocked</code></dd>' \
    "<dd data-field=\"definedAt\"><code>$sample/etc/registration/C/jkiv:152</code></dd>" 'bitmaps/1-router.20.gif'
  grep -q 'http:\|https:\|src="/\|href=' "$work/page/index.html" && fail "the page refers to something outside it"
  cmp -s "$sample/www/htdocs/bitmaps/C/connector/router.20.gif" "$work/page/bitmaps/1-router.20.gif" ||
    fail "the tab's icon was not copied"

  # A bitmap directory with the toolbar's bitmap, and a file beside it that
  # a path climbing out of it would reach.
  export KZwwwBitmapDir="$work/bitmaps"
  mkdir -p "$work/bitmaps/C/toolbar"
  cp "$sample/www/htdocs/bitmaps/C/power/ups.32.gif" "$work/bitmaps/C/toolbar/open.gif"
  cp "$sample/www/htdocs/bitmaps/C/power/ups.32.gif" "$work/outside.gif"
  run 0 preview --path "$data/menus-hostile" --out "$work/hostile"
  cmp -s "$work/bitmaps/C/toolbar/open.gif" "$work/hostile/bitmaps/1-open.gif" || fail "the toolbar bitmap was not copied"
  [ "$(ls "$work/hostile/bitmaps")" = 1-open.gif ] || fail "bitmaps copied: $(ls "$work/hostile/bitmaps")"
  contains "$work/hostile/index.html" '<img src="bitmaps/1-open.gif" alt="toolbar/open.gif"' \
    'data-label="A &amp; &lt;b&gt;&quot;bold&quot;&lt;/b&gt;"' '<code>&lt;img src=x onerror=alert(1)&gt;:any</code>' \
    '<small>&lt;script&gt;alert(1)&lt;/script&gt;</small>' 'Esc�[31mred� tab	x �' \
    '<dd data-field="roles">nobody (incomplete definition)</dd>'
  [ "$(grep -c '<script' "$work/hostile/index.html")" -eq 1 ] || fail "the hostile page has more than its own script"
  grep -q '<img src=x\|<b>"bold"' "$work/hostile/index.html" && fail "markup of the registration reached the page"

  echo "a file" >"$work/file"
  run 1 preview --out "$work/file/page"
  contains "$work/err" "kivparser: cannot create $work/file/page"
  run 1 preview --path "$work/nothing" --out "$work/none"
  contains "$work/err" "kivparser: no application registration found in $work/nothing"
}

# The manual page and --help list the same commands, the same synopsis of
# each, the same options with their arguments, and every environment variable
# of --help; "man -l" renders the page without a warning.
case_manual() {
  local manual=${KIVPARSER_MANUAL:?KIVPARSER_MANUAL is not set}
  use_sample C
  help_entries >"$work/help.list"
  manual_entries "$manual" >"$work/manual.list"
  grep -q '^command' "$work/help.list" || fail "no command found in --help"
  grep -q '^option' "$work/manual.list" || fail "no option found in the manual page"
  if ! diff -u <(grep -v '^env' "$work/help.list" | sort -u) <(grep -v '^env' "$work/manual.list" | sort -u) \
       >"$work/diff"; then
    fail "--help (-) and the manual page (+) differ:"
    grep '^[-+][^-+]' "$work/diff" >&2
  fi
  grep '^env' "$work/help.list" | sort -u | comm -23 - <(sort -u "$work/manual.list") >"$work/missing"
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
    "$tool" "$command" --help | awk -v command="$command" '
      NR == 1 { sub(/^usage: kivparser /, ""); printf "synopsis\t%s\n", $0; next }
      /^  -/ { sub(/^  /, ""); sub(/  .*/, ""); printf "option\t%s\t%s\n", command, $0 }' ||
      fail "kivparser $command --help failed"
  done
}

# The same entries from the roff source of the manual page: the .SS headings
# of COMMANDS (a command's synopsis; its first word the command), the .TP tags
# that begin with "-" (in OPTIONS the tool's own options, in COMMANDS those of
# the command of the subsection) and the .TP tags of ENVIRONMENT. The text of
# a font macro line is its arguments, joined by blanks for .B, .I, .SS and
# .SH and without for the alternating ones.
manual_entries() {
  sed -e 's/\\f[BIRP]//g' -e 's/\\-/-/g' -e 's/\\&//g' -e 's/\\ / /g' -e 's/\\e/\\/g' "$1" | awk '
    function text(line,   macro, rest, out, i, c, quoted) {
      if (line !~ /^\./) return line
      macro = line; sub(/ .*/, "", macro)
      rest = line; if (!sub(/^[^ ]+ +/, "", rest)) rest = ""
      if (macro ~ /^\.(B|I|SS|SH)$/) { gsub(/"/, "", rest); return rest }
      for (i = 1; i <= length(rest); ++i) {
        c = substr(rest, i, 1)
        if (c == "\"") quoted = !quoted
        else if (quoted || c != " ") out = out c
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
declare -F "case_$name" >/dev/null || { echo "tool_test.sh: no case $name" >&2; exit 2; }
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
