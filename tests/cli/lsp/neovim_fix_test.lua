-- Neovim (headless) as the client of `qlt lsp`: applies one quick fix and one
-- rename the server offers and checks the buffer. QLT names the program,
-- WORKDIR a scratch folder. Exits 0 when all hold, 1 with the reason on stderr.
local session = dofile(debug.getinfo(1, 'S').source:sub(2):match('(.*/)') .. 'neovim_session.lua')
local fail = session.failer('neovim_fix_test')

local ok, err = pcall(function()
  local buf, client, why = session.open('fixes.bat', '@ECHO OFF\r\nSETLOCAL\r\nCALL :work\r\nEXIT \\B 0\r\n:work\r\nECHO working\r\n')
  if not buf then return fail(why) end

  -- The quick fix of EXIT \B on line 4.
  local params = {
    textDocument = { uri = vim.uri_from_bufnr(buf) },
    range = { start = { line = 3, character = 0 }, ['end'] = { line = 3, character = 0 } },
    context = { diagnostics = vim.diagnostic.get(buf), only = { 'quickfix' } },
  }
  local reply = client.request_sync('textDocument/codeAction', params, 10000, buf)
  local action = reply and reply.result and reply.result[1]
  if not (action and action.isPreferred) then return fail('no preferred quick fix: ' .. vim.inspect(reply)) end
  vim.lsp.util.apply_workspace_edit(action.edit, client.offset_encoding)
  local line = vim.api.nvim_buf_get_lines(buf, 3, 4, true)[1]
  if line ~= 'EXIT /B 0' then return fail('after the quick fix line 4 is ' .. vim.inspect(line)) end

  -- Rename the label from its CALL.
  local renamed = client.request_sync('textDocument/rename', {
    textDocument = { uri = vim.uri_from_bufnr(buf) },
    position = { line = 2, character = 7 },
    newName = 'build',
  }, 10000, buf)
  if not (renamed and renamed.result) then return fail('rename gave ' .. vim.inspect(renamed)) end
  vim.lsp.util.apply_workspace_edit(renamed.result, client.offset_encoding)
  local lines = vim.api.nvim_buf_get_lines(buf, 0, -1, true)
  if lines[3] ~= 'CALL :build' or lines[5] ~= ':build' then
    return fail('after the rename the buffer is ' .. vim.inspect(lines))
  end
  client.stop()
  vim.cmd('qall!')
end)
if not ok then fail(tostring(err)) end
