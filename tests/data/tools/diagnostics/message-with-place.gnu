@DATA@/diagnostics/message-with-place.reg:8:9: warning: detect duplicate MenuItem 'other.reg:99: error: x'; ignore this MenuItem [duplicate-menu-item]
@DATA@/diagnostics/message-with-place.reg:7:9: note: the first entry with this label
@DATA@/diagnostics/message-with-place.reg:11:9: warning: detect duplicate MenuItem 'line one\ntwo.reg:12:3: error: y'; ignore this MenuItem [duplicate-menu-item]
@DATA@/diagnostics/message-with-place.reg:9:9: note: the first entry with this label
@DATA@/diagnostics/message-with-place.reg:14:9: warning: detect duplicate MenuItem 'a' 5: b'; ignore this MenuItem [duplicate-menu-item]
@DATA@/diagnostics/message-with-place.reg:13:9: note: the first entry with this label
total: errors: 0, warnings: 3
