-- What the Neovim tests of `qlt lsp` share: a failure that ends Neovim with
-- status 1, and a .bat buffer written into WORKDIR with QLT's server attached
-- and its first diagnostics arrived.
local M = {}

function M.failer(name)
  return function(why)
    io.stderr:write(name .. ': ' .. why .. '\n')
    vim.cmd('cquit 1')
  end
end

-- The buffer and the client of a new file NAME holding TEXT, or nil and the reason.
function M.open(name, text)
  local path = os.getenv('WORKDIR') .. '/' .. name
  local file = assert(io.open(path, 'wb'))
  file:write(text)
  file:close()
  vim.cmd('edit ' .. path)
  local buf = vim.api.nvim_get_current_buf()
  local id = vim.lsp.start_client({ cmd = { os.getenv('QLT'), 'lsp' }, name = 'qlt', root_dir = os.getenv('WORKDIR') })
  if not id or not vim.lsp.buf_attach_client(buf, id) then return nil, nil, 'could not start or attach qlt lsp' end
  if not vim.wait(20000, function() return #vim.diagnostic.get(buf) > 0 end, 50) then
    return nil, nil, 'no diagnostics arrived'
  end
  return buf, vim.lsp.get_client_by_id(id)
end

return M
