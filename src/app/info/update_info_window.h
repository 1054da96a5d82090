#pragma once
// TForm2 "Update Information for QLT": fetches the maker's update notice over
// POP3, shows it as plain text, and offers the download when it announces a
// newer version. The behaviour is core::info::UpdateSession's; this class
// builds the widgets and forwards the buttons to it.
#include "core/info/update_session.h"
#include "core/info/update_window.h"
#include "core/ports/file_system.h"
#include "core/ports/pop3_client.h"
#include "core/ports/prompter.h"
#include "core/ports/settings_store.h"
#include "core/ports/shell.h"

#include <QDialog>

#include <memory>

class QPlainTextEdit;
class QPushButton;

namespace app::info {

//! The services the window works with; the POP3 client is the window's own.
struct UpdateInfoServices {
    core::ports::Prompter& prompter;
    core::ports::Shell& shell;
    core::ports::FileSystem& files;
    core::ports::SettingsStore& settings;
};

class TForm2 : public QDialog, public core::info::UpdateWindow {
    Q_OBJECT
public:
    //! `localVersion`: the running program's version, to compare the notice's with.
    TForm2(const UpdateInfoServices& services, core::ports::Pop3Client& client, const std::string& localVersion,
           QWidget* parent = nullptr);
    ~TForm2() override;

    void showNotice(const std::vector<std::string>& lines) override;
    void setConnectButton(std::string_view caption, bool enabled) override;
    void setDownloadEnabled(bool enabled) override;
    void setCloseButton(std::string_view caption, bool enabled) override;
    void closeWindow() override;

public slots:
    //! Esc and the title bar's close go through the Close button's handling.
    void reject() override;

private:
    void buildPopupMenu();
    void BitBtn2Click();
    void BitBtn3Click();
    void BitBtn1Click();
    void Save1Click();
    void Copy1Click();
    void Print1Click();
    std::vector<std::string> viewLines() const;

    UpdateInfoServices m_services;
    QPlainTextEdit* m_richEdit1 = nullptr;
    QPushButton* m_bitBtn2 = nullptr;
    QPushButton* m_bitBtn3 = nullptr;
    QPushButton* m_bitBtn1 = nullptr;
    std::unique_ptr<core::info::UpdateSession> m_session;
    bool m_closing = false;
};

} // namespace app::info
