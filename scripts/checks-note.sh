# Sourced by the check scripts: `note ran|skipped|FAILED TEXT` gives one line
# of the test command's closing report. Under scripts/test.sh the line goes
# to the file named by KIVPARSER_CHECKS_REPORT, which it prints at its end;
# a script run alone prints it, behind its own name (checks_name).
note() {
  local line
  line=$(printf '%-8s %s' "$1" "$2")
  if [ -n "${KIVPARSER_CHECKS_REPORT:-}" ]; then
    echo "$line" >>"$KIVPARSER_CHECKS_REPORT"
  else
    echo "${checks_name:-check}: $line"
  fi
}
