-- kivparser lsp in a real editor: Neovim (headless) with its own LSP client
-- on a copy of the test workspace. Opens a file with an error and waits for
-- its diagnostics, jumps to a definition in another file, asks for hover,
-- references and completion, checks the filetype and syntax of the editor
-- files, and ends with status 1 on any difference (2 when the script itself
-- fails).
--
-- Environment: KIVPARSER_TOOL (the program), KIVPARSER_WORKSPACE (the copy),
-- KIVPARSER_EDITOR_FILES (editors/vim of the sources).

local tool = assert(os.getenv('KIVPARSER_TOOL'), 'KIVPARSER_TOOL is not set')
local root = assert(os.getenv('KIVPARSER_WORKSPACE'), 'KIVPARSER_WORKSPACE is not set')
local editorFiles = assert(os.getenv('KIVPARSER_EDITOR_FILES'), 'KIVPARSER_EDITOR_FILES is not set')
local dir = root .. '/registration/C/'
local failures = 0

local function say(text)
  io.stdout:write(text .. '\n')
end

local function check(condition, what, detail)
  if condition then
    say('ok   ' .. what)
  else
    failures = failures + 1
    say('FAIL ' .. what .. (detail ~= nil and (': ' .. vim.inspect(detail)) or ''))
  end
end

-- The (0-based) line and byte column of `needle` in the current buffer, plus
-- `offset` bytes.
local function find(needle, offset)
  for number, line in ipairs(vim.api.nvim_buf_get_lines(0, 0, -1, false)) do
    local at = line:find(needle, 1, true)
    if at then
      return number - 1, at - 1 + (offset or 0)
    end
  end
  error('not in the buffer: ' .. needle)
end

local function params_at(needle, offset)
  local line, column = find(needle, offset)
  return { textDocument = vim.lsp.util.make_text_document_params(), position = { line = line, character = column } }
end

local function request(method, params)
  local answers = vim.lsp.buf_request_sync(0, method, params, 10000) or {}
  for _, answer in pairs(answers) do
    if answer.err then
      return nil, answer.err
    end
    return answer.result
  end
  return nil, 'no answer'
end

local serverExit
vim.o.hidden = true
local client = vim.lsp.start_client({
  name = 'kivparser',
  cmd = { tool, 'lsp' },
  root_dir = root,
  on_exit = function(code) serverExit = code end,
})
check(client ~= nil, 'the client starts kivparser lsp')

-- Files are attached as they are opened, by filetype: the detection of the
-- editor files decides.
vim.opt.runtimepath:prepend(editorFiles)
vim.cmd('filetype plugin on')
vim.cmd('syntax on')
vim.cmd('runtime ftdetect/kivreg.vim')
vim.api.nvim_create_autocmd('FileType', {
  pattern = 'kivreg',
  callback = function(args) vim.lsp.buf_attach_client(args.buf, client) end,
})

-- A file with an error: its diagnostics arrive.
vim.cmd('edit ' .. dir .. 'broken')
check(vim.bo.filetype == 'kivreg', 'filetype kivreg for a file below registration/', vim.bo.filetype)
vim.wait(15000, function() return #vim.diagnostic.get(0) > 0 end, 20)
local diagnostics = vim.diagnostic.get(0)
local line = find('DisplayString')
-- A statement without its ';' is reported where the ';' is missing: at the
-- end of the line before DisplayString.
check(#diagnostics == 1 and diagnostics[1].severity == vim.diagnostic.severity.ERROR
      and diagnostics[1].lnum == line - 1 and diagnostics[1].col == #'    Version "1.0"'
      and diagnostics[1].message:find('syntax error', 1, true) ~= nil,
      'the syntax error of broken, where the semicolon is missing', diagnostics)

-- Fixing it in the buffer clears them.
vim.api.nvim_buf_set_lines(0, line - 1, line, false, { '    Version "1.0";' })
vim.wait(15000, function() return #vim.diagnostic.get(0) == 0 end, 20)
check(#vim.diagnostic.get(0) == 0, 'the fix typed into the buffer clears the diagnostics')

-- The syntax file.
vim.cmd('edit ' .. dir .. 'alpha')
local keywordLine, keywordColumn = find('MenuBar')
local group = vim.fn.synIDattr(vim.fn.synID(keywordLine + 1, keywordColumn + 1, 1), 'name')
check(group == 'kivregBlock', 'syntax: MenuBar is a block keyword', group)
local fLine, fColumn = find('f.action')
group = vim.fn.synIDattr(vim.fn.synID(fLine + 1, fColumn + 1, 1), 'name')
check(group == 'kivregFunction', 'syntax: f.action is a function', group)
vim.wait(5000, function() return #vim.lsp.buf_get_clients(0) > 0 end, 20)

-- Hover over the shared menu bar: every application's entries.
local hover = request('textDocument/hover', params_at('"Tools"', 1))
local text = hover and hover.contents and hover.contents.value or ''
check(text:find('Beta Settings', 1, true) and text:find('Beta Tool', 1, true) and text:find('Alpha Map', 1, true)
      and text:find('Ping', 1, true) < text:find('Beta Settings', 1, true),
      'hover: the merged menu bar with the entry of the other application', text)

-- Completion after f.action: the application's actions.
local items = request('textDocument/completion', params_at('f.action "Ping"', #'f.action "'))
local labels = {}
for _, item in ipairs(items and (items.items or items) or {}) do
  table.insert(labels, item.label)
end
table.sort(labels)
check(table.concat(labels, '|') == 'Layout Ring|Ping|Sweep', 'completion: the actions after f.action', labels)

-- References of the menu: the entry that opens it.
local references = request('textDocument/references',
  vim.tbl_extend('force', params_at('Menu "Layout Menu"', #'Menu "'), { context = { includeDeclaration = false } }))
local menuLine = find('f.menu "Layout Menu"')
check(references and #references == 1 and references[1].range.start.line == menuLine
      and references[1].uri == vim.uri_from_fname(dir .. 'alpha'),
      'references: the entry that opens the menu', references)

-- Go to definition: f.action "Sweep" is defined in the other file of the
-- application.
local sweepLine, sweepColumn = find('f.action "Sweep"', #'f.action "' + 1)
vim.api.nvim_win_set_cursor(0, { sweepLine + 1, sweepColumn })
vim.lsp.buf.definition()
vim.wait(10000, function() return vim.api.nvim_buf_get_name(0):find('alpha_more$') ~= nil end, 20)
local cursor = vim.api.nvim_win_get_cursor(0)
check(vim.api.nvim_buf_get_name(0):find('alpha_more$') ~= nil
      and vim.api.nvim_get_current_line():find('Action "Sweep"', 1, true) ~= nil,
      'definition: the jump lands on the action in alpha_more',
      { vim.api.nvim_buf_get_name(0), cursor, vim.api.nvim_get_current_line() })

-- The client ends the server: shutdown, then exit.
vim.lsp.stop_client(client)
vim.wait(10000, function() return serverExit ~= nil end, 20)
check(serverExit == 0, 'the server ends with status 0 after shutdown and exit', serverExit)

say(string.format('%d failed', failures))
vim.cmd(failures == 0 and 'qall!' or 'cquit 1')
