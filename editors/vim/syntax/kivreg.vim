" Registration files of the map application: keywords (without regard to
" case), strings, comments (block comments nest), conditional directives,
" f. functions, precedences, mnemonics and numbers.
if exists('b:current_syntax')
  finish
endif

syntax case ignore

syntax keyword kivregBlock application menubar menu popupmenu popupitem toolbarbutton action
syntax keyword kivregBlock dropaction tab list symbolclass symboltype field cgi webwindow enroll
syntax keyword kivregStatement description copyright version displaystring helpdirectory xhelpdirectory
syntax keyword kivregStatement namefield command selectionrule minselected maxselected callbackargs
syntax keyword kivregStatement access url context targetsymboltype icon activehelp add describe connect
syntax keyword kivregStatement configuration if global general label defaultvalue editpolicy
syntax keyword kivregStatement editoncreation editposition immediateverify initialverify helpstring
syntax keyword kivregStatement integerdisplaypolicy listdisplaypolicy listselectionpolicy type variety
syntax keyword kivregStatement capabilities capability filebase cursorsize defaultlayout
syntax keyword kivregStatement defaultstatussource pixmapbasename pixmapsize textregion regioncenter
syntax keyword kivregStatement regionheight regionwidth linestyle linedashpattern thickness rotation
syntax keyword kivregStatement scale origin geometry flags enumeration status scrollbars toolbar
syntax keyword kivregStatement location resizable width height cgipath iconpath ignoreactions
syntax keyword kivregStatement acceptarguments option operations startedby on to xhelpfile helpfile
syntax keyword kivregStatement xhelpindex helpindex manpage textfile help browser quick name
syntax keyword kivregConstant any none off true false single multiple limited full intermediate
syntax keyword kivregConstant menuonly boolean integer integer32 unsigned string stringtype ipaddr
syntax keyword kivregConstant hex octal noedit nodisplay edit symbolalert object compound connection
syntax keyword kivregConstant pointtopoint bus star ring arc segment rowcolumn selectionlistbox solid
syntax keyword kivregConstant dash locate opcopy opmove
syntax match kivregFlag /-\(initial\|shared\|restart\|disablesymdelete\)\>/
syntax match kivregFunction /\<f\.[a-z_][a-z0-9_.]*/
syntax match kivregPrecedence /<\s*-\?\d\+\s*>/
syntax match kivregMnemonic /\<_\S\+/
syntax match kivregNumber /\<-\?\d\+\>/
syntax match kivregOperator /&&\|||\|==\|!=\|!/
syntax region kivregString start=/"/ skip=/\\./ end=/"/ contains=@Spell
syntax region kivregString start=/'/ skip=/\\./ end=/'/ contains=@Spell
syntax region kivregComment start=+/\*+ end=+\*/+ contains=kivregComment,kivregTodo,@Spell
syntax match kivregComment +//.*$+ contains=kivregTodo,@Spell
syntax keyword kivregTodo contained TODO FIXME XXX
syntax match kivregDirective /^\s*#\s*\(ifdef\|ifndef\|else\|endif\)\>.*$/

highlight default link kivregBlock Structure
highlight default link kivregStatement Keyword
highlight default link kivregConstant Constant
highlight default link kivregFlag Special
highlight default link kivregFunction Function
highlight default link kivregPrecedence Number
highlight default link kivregMnemonic Special
highlight default link kivregNumber Number
highlight default link kivregOperator Operator
highlight default link kivregString String
highlight default link kivregComment Comment
highlight default link kivregTodo Todo
highlight default link kivregDirective PreProc

let b:current_syntax = 'kivreg'
