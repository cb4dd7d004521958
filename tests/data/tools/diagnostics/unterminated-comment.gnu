@DATA@/diagnostics/unterminated-comment.reg:4:5: error: syntax error at end of input, unterminated comment [unterminated-comment]
total: errors: 1, warnings: 0
