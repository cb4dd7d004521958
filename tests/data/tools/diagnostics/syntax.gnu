@DATA@/diagnostics/syntax.reg:5:27: error: syntax error near 'Version', expected ';' [syntax-error]
@DATA@/diagnostics/syntax.reg:11:34: error: syntax error near '7', expected a string [syntax-error]
total: errors: 2, warnings: 0
