@DATA@/diagnostics/duplicates_a.reg:7:9: warning: Action Cut: duplicate definition(ignore) [duplicate-definition]
@DATA@/diagnostics/duplicates_a.reg:6:12: note: first defined here
@DATA@/diagnostics/duplicates_b.reg:3:13: warning: Application Twice: duplicate definition(ignore) [shadowed-definition]
@DATA@/diagnostics/duplicates_a.reg:3:13: note: first defined here
@DATA@/diagnostics/duplicates_b.reg:5:10: warning: Action Cut: duplicate definition(ignore) [shadowed-definition]
@DATA@/diagnostics/duplicates_a.reg:6:12: note: first defined here
total: errors: 0, warnings: 3
