@DATA@/diagnostics/bytes.reg:4:33: error: syntax error near '2', expected a string [syntax-error]
total: errors: 1, warnings: 0
