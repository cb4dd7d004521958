@DATA@/diagnostics/links.reg:14:33: error: f.menu Tools: cyclic reference.(ignore) [cyclic-link]
@DATA@/diagnostics/links.reg:13:20: note: the link back that closes the cycle
@DATA@/diagnostics/links.reg:7:25: error: Application 'Links': Action 'Missing' is referenced but not defined. [undefined-action]
@DATA@/diagnostics/links.reg:11:26: note: used here
@DATA@/diagnostics/links.reg:8:25: warning: Menu 'Ghost' is named by f.menu but no block defines it: it stays empty [undefined-menu]
@DATA@/diagnostics/links.reg:17:68: warning: PopupMenu 'No Popup' is named by f.menu in a popup item but no block defines it: it stays empty [undefined-popup-menu]
@DATA@/diagnostics/links.reg:18:34: warning: List 'No List' is named by f.list but no block defines it: it stays empty [undefined-list]
@DATA@/diagnostics/links.reg:16:10: warning: Menu 'Empty' is defined but no entry names it [unreachable-menu]
@DATA@/diagnostics/links.reg:15:10: warning: Menu 'Orphan' is defined but no entry names it [unreachable-menu]
@DATA@/diagnostics/links.reg:16:10: warning: Menu 'Empty' has no entries [empty-menu]
@DATA@/diagnostics/links.reg:10:16: warning: f.acton in entry 'Typo' is no function: f.action was meant? [suspicious-function]
total: errors: 2, warnings: 7
