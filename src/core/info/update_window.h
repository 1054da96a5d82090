#pragma once
// What the update session shows: the window implements it with its widgets.
#include <string>
#include <string_view>
#include <vector>

namespace core::info {

class UpdateWindow {
public:
    virtual ~UpdateWindow() = default;
    //! Replaces the notice view's text (UTF-8 lines, shown as plain text).
    virtual void showNotice(const std::vector<std::string>& lines) = 0;
    virtual void setConnectButton(std::string_view caption, bool enabled) = 0;
    virtual void setDownloadEnabled(bool enabled) = 0;
    virtual void setCloseButton(std::string_view caption, bool enabled) = 0;
    virtual void closeWindow() = 0;
};

} // namespace core::info
