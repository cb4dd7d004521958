@SRC@/tests/data/language/reports/C/faults:8:28: error: syntax error near 'again', expected ';' [syntax-error]
@SRC@/tests/data/language/reports/C/faults:13:9: warning: detect duplicate MenuItem 'Open'; ignore this MenuItem [duplicate-menu-item]
@SRC@/tests/data/language/reports/C/faults:12:9: note: the first entry with this label
@SRC@/tests/data/language/reports/C/faults:14:26: error: Application 'Faults': Action 'Close' is referenced but not defined. [undefined-action]
@SRC@/tests/data/language/reports/C/truncated:5:1: error: syntax error at end of input, expected ';', '}', a string, 'action' or ... [syntax-error]
@DATA@/missing-file:1: error: can't open @DATA@/missing-file: No such file or directory [unreadable-file]
@SAMPLE@/etc/fields/C:1: error: can't open @SAMPLE@/etc/fields/C: Is a directory [unreadable-file]
@SRC@/tests/data/language/reports/C/faults: errors: 2, warnings: 1
@SRC@/tests/data/language/reports/C/truncated: errors: 1, warnings: 0
@DATA@/missing-file: errors: 1, warnings: 0
@SAMPLE@/etc/fields/C: errors: 1, warnings: 0
total: errors: 5, warnings: 1
