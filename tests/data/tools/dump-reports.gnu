ARF path: @SRC@/tests/data/language/reports
ARF priority file: 'NONE'
ARF priority organization: 'NONE'
ARF priority class: 'NONE'
ARF priority application: 'NONE'
[parsing @SRC@/tests/data/language/reports/C/faults]...
@SRC@/tests/data/language/reports/C/faults:8:28: error: syntax error near 'again', expected ';' [syntax-error]
@SRC@/tests/data/language/reports/C/faults: note: 2 more reports left out
  errors: 2, warnings: 1
[parsing @SRC@/tests/data/language/reports/C/truncated]...
@SRC@/tests/data/language/reports/C/truncated:5:1: error: syntax error at end of input, expected ';', '}', a string, 'action' or ... [syntax-error]
  errors: 1, warnings: 0
>>>total:  errors: 3, warnings: 1
