-- Neovim (headless) as the client of `qlt lsp`: attaches the server to a .bat
-- buffer and checks what a user would see: the diagnostics, the jump from a
-- GOTO to its label and a completion item. QLT names the program, WORKDIR a
-- scratch folder. Exits 0 when all hold, 1 with the reason on stderr.
local session = dofile(debug.getinfo(1, 'S').source:sub(2):match('(.*/)') .. 'neovim_session.lua')
local fail = session.failer('neovim_test')

local ok, err = pcall(function()
  local buf, client, why = session.open('sample.bat', '@ECHO OFF\r\nGOTO finish\r\nEHCO typo\r\nSET Target=C:\\OUT\r\n:Finish\r\nECHO %Tar\r\n')
  if not buf then return fail(why) end
  local d = vim.diagnostic.get(buf)[1]
  if d.lnum ~= 2 or d.code ~= 'Q002' or d.severity ~= vim.diagnostic.severity.WARN then
    return fail('unexpected diagnostic ' .. vim.inspect(d))
  end

  vim.api.nvim_win_set_cursor(0, { 2, 7 })
  vim.lsp.buf.definition()
  if not vim.wait(10000, function() return vim.api.nvim_win_get_cursor(0)[1] == 5 end, 50) then
    return fail('definition did not jump to :Finish, cursor at ' .. vim.inspect(vim.api.nvim_win_get_cursor(0)))
  end

  vim.api.nvim_win_set_cursor(0, { 6, 9 })
  local reply = client.request_sync('textDocument/completion', vim.lsp.util.make_position_params(), 10000, buf)
  local items = reply and reply.result or {}
  if not (items[1] and items[1].label == 'Target') then
    return fail('completion gave ' .. vim.inspect(reply))
  end
  client.stop()
  vim.cmd('qall!')
end)
if not ok then fail(tostring(err)) end
