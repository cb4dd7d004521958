@SRC@/tests/data/language/reports/C/faults:8: error: syntax error near 'again'
@SRC@/tests/data/language/reports/C/faults:13: warning: detect duplicate MenuItem "Open"; ignore this MenuItem
@SRC@/tests/data/language/reports/C/faults:17: error: Application "Faults": Action "Close" is referenced but not defined.
@SRC@/tests/data/language/reports/C/truncated:5: error: syntax error at end of input
@DATA@/missing-file:1: error: can't open @DATA@/missing-file: No such file or directory
@SAMPLE@/etc/fields/C:1: error: can't open @SAMPLE@/etc/fields/C: Is a directory
