@DATA@/diagnostics/message-with-place.reg:8:9: warning: detect duplicate MenuItem 'other.reg:99: error: x'; ignore this MenuItem [duplicate-menu-item]
@DATA@/diagnostics/message-with-place.reg:11:9: warning: detect duplicate MenuItem 'line one\ntwo.reg:12:3: error: y'; ignore this MenuItem [duplicate-menu-item]
@DATA@/diagnostics/message-with-place.reg:14:9: warning: detect duplicate MenuItem 'a' 5: b'; ignore this MenuItem [duplicate-menu-item]
total: errors: 0, warnings: 3
