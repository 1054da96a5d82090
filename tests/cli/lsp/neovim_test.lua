-- Neovim (headless) as the client of `qlt lsp`: attaches the server to a .bat
-- buffer and checks what a user would see: the diagnostics, the jump from a
-- GOTO to its label and a completion item. QLT names the program, WORKDIR a
-- scratch folder. Exits 0 when all hold, 1 with the reason on stderr.
local function fail(why)
  io.stderr:write('neovim_test: ' .. why .. '\n')
  vim.cmd('cquit 1')
end

local ok, err = pcall(function()
  local path = os.getenv('WORKDIR') .. '/sample.bat'
  local file = assert(io.open(path, 'wb'))
  file:write('@ECHO OFF\r\nGOTO finish\r\nEHCO typo\r\nSET Target=C:\\OUT\r\n:Finish\r\nECHO %Tar\r\n')
  file:close()
  vim.cmd('edit ' .. path)
  local buf = vim.api.nvim_get_current_buf()
  local id = vim.lsp.start_client({ cmd = { os.getenv('QLT'), 'lsp' }, name = 'qlt', root_dir = os.getenv('WORKDIR') })
  if not id or not vim.lsp.buf_attach_client(buf, id) then return fail('could not start or attach qlt lsp') end

  if not vim.wait(20000, function() return #vim.diagnostic.get(buf) > 0 end, 50) then
    return fail('no diagnostics arrived')
  end
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
  local client = vim.lsp.get_client_by_id(id)
  local reply = client.request_sync('textDocument/completion', vim.lsp.util.make_position_params(), 10000, buf)
  local items = reply and reply.result or {}
  if not (items[1] and items[1].label == 'Target') then
    return fail('completion gave ' .. vim.inspect(reply))
  end
  client.stop()
  vim.cmd('qall!')
end)
if not ok then fail(tostring(err)) end
