#!/usr/bin/env bash
# The dynamic symbol table of the shared library holds the public interface
# and nothing else: no instance of a standard template, no builder, no
# scanner or engine internal, no list index, no dump or platform helper.
# usage: exported-symbols.sh LIBRARY
set -euo pipefail
library=$1
symbols=$(nm -DC --defined-only "$library" | awk '{ $1 = ""; $2 = ""; sub(/^  /, ""); print }')
count=$(printf '%s\n' "$symbols" | wc -l)
echo "$count exported symbols"

# Everything exported is either of namespace kivparser or one of the two
# native methods of the Java client.
bad=$(printf '%s\n' "$symbols" | grep -Ev '^((typeinfo( name)?|vtable) for )?kivparser::|^Java_com_zeta_kz_topology_KivParserNative_' || true)
# Inside the namespace, nothing private.
bad+=$(printf '%s\n' "$symbols" | grep -E '^kivparser::(\w*Builder\w*|GrammarActions|SListOps|SListIndex|NamedList|PrecedencePlacement|DumpWriter|JsonWriter|TokenScan|Indent|lexNewInput|lexLine|lexTokenText|reportLine|reportCantOpen|lookForAccelerator|skipElse|menuTrace\w*|menu\w*TraceVerbose|lastSrf|lastSymbolClass|_libparserMsgSlots|_libparserMsgNumber|_KZ\w*|KZ\w*|\w*printf_new|java\w*)\b' || true)
bad+=$(printf '%s\n' "$symbols" | grep -E '(^|::)KIVyy' | grep -v '^kivparser::KIVyyerror(' || true)
if [ -n "$bad" ]; then
  echo "exported but not public:"
  printf '%s\n' "$bad" | head -40
  exit 1
fi
for needed in 'kivparser::loadArf(' 'kivparser::KivParser::KivParser(' 'kivparser::version()' \
              'kivparser::setParserReportHandler(' 'kivparser::dumpJson(' \
              'kivparser::KIVyyerror(' 'Java_com_zeta_kz_topology_KivParserNative_getIconUrl'; do
  grep -qF "$needed" <<<"$symbols" || { echo "not exported: $needed"; exit 1; }
done
