" Registration files of the map application (application, symbol, field and
" CGI registrations): files with the extensions .arf, .srf, .frf and .svrf,
" and files without one below a registration directory (registration/,
" symbols/, fields/, www/registration/...) whose first word, after comments
" and directives, opens a registration: Application, SymbolClass,
" SymbolType, Field or Cgi.

function! s:KivregDetect() abort
  let l:n = 1
  let l:comment = 0
  while l:n <= min([line('$'), 200])
    let l:line = getline(l:n)
    let l:n += 1
    if l:comment
      if l:line =~# '\*/'
        let l:comment = 0
        let l:line = substitute(l:line, '^.\{-}\*/', '', '')
      else
        continue
      endif
    endif
    let l:line = substitute(l:line, '/\*.\{-}\*/', '', 'g')
    if l:line =~# '/\*'
      let l:comment = 1
      let l:line = substitute(l:line, '/\*.*$', '', '')
    endif
    let l:line = substitute(l:line, '//.*$', '', '')
    if l:line =~# '^\s*$' || l:line =~# '^\s*#'
      continue
    endif
    if l:line =~? '^\s*\(application\|symbolclass\|symboltype\|field\|cgi\)\>'
      setfiletype kivreg
    endif
    return
  endwhile
endfunction

autocmd BufNewFile,BufRead *.arf,*.srf,*.frf,*.svrf setfiletype kivreg
autocmd BufNewFile,BufRead */registration/*,*/symbols/*,*/fields/* call s:KivregDetect()
