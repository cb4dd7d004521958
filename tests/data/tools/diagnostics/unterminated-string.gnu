@DATA@/diagnostics/unterminated-string.reg:4:19: error: syntax error at end of input, unterminated string [unterminated-string]
total: errors: 1, warnings: 0
