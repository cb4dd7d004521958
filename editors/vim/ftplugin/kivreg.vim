" Registration files: comments as in C, blocks in braces.
if exists('b:did_ftplugin')
  finish
endif
let b:did_ftplugin = 1
setlocal commentstring=//\ %s
setlocal comments=s1:/*,mb:*,ex:*/,://
setlocal iskeyword+=.
let b:undo_ftplugin = 'setlocal commentstring< comments< iskeyword<'
