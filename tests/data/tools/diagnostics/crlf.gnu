@DATA@/diagnostics/crlf.reg:4:13: error: syntax error near '3', expected a string [syntax-error]
total: errors: 1, warnings: 0
