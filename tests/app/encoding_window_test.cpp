// Files in each encoding opened, edited and saved in the window: every byte
// not edited comes back, and the status bar names the encoding.
#include "app/encoding_controls.h"
#include "window_fixture.h"

#include <QAction>
#include <QToolButton>

using testing_support::WindowTest;

namespace {

class EncodingWindow : public WindowTest {
protected:
    void install(app::TForm1& form) override { app::installEncodingControls(form); }
    QString statusEncoding() const { return child<QToolButton>("StatusEncoding")->text(); }
};

TEST_F(EncodingWindow, EditingAndSavingKeepsEveryOtherByteInEachEncoding) {
    settings.writeBool("Options", "WarnConsoleCharacters", false);
    const struct { const char* name; std::string bytes; const char* shown; std::string saved; } rows[] = {
        {"utf8.bat", "ECHO \xC3\xA9 \xD0\x9F\r\n", "UTF-8", "ECHO \xC3\xA9 \xD0\x9F!\r\n"},
        {"mark.bat", "\xEF\xBB\xBF" "ECHO \xC3\xA9\r\n", "UTF-8 with BOM", "\xEF\xBB\xBF" "ECHO \xC3\xA9!\r\n"},
        {"oem.bat", "CHCP 850\r\nECHO \x82\r\n", "OEM 850", "CHCP 850\r\nECHO \x82!\r\n"},
        // 0x81 and 0x8D have no character in Windows-1252 and still come back.
        {"ansi.bat", "REM \x80\x81\x8D\r\nECHO \xE9\r\n", "Windows-1252", "REM \x80\x81\x8D\r\nECHO \xE9!\r\n"},
    };
    startAdvanced();
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        ASSERT_TRUE(window->documents().openFile(dir.write(row.name, row.bytes)));
        EXPECT_EQ(statusEncoding(), row.shown);
        const int last = editor()->lines() - 1;
        editor()->setCursorPosition(last, editor()->text(last).size());
        QTest::keyClicks(editor(), "!");
        QTest::keyClick(window.get(), Qt::Key_S, Qt::ControlModifier);
        EXPECT_EQ(dir.read(row.name), row.saved);
    }
}

TEST_F(EncodingWindow, OptionsChooseTheDefaultEncodingAndTheConsoleWarning) {
    startAdvanced();
    child<QAction>("DefaultEncoding_utf-8")->trigger();
    child<QAction>("WarnConsoleCharacters")->trigger();
    EXPECT_EQ(stored("Options", "DefaultEncoding"), "utf-8");
    EXPECT_EQ(stored("Options", "WarnConsoleCharacters"), "0");
    ASSERT_TRUE(window->documents().openFile(dir.write("plain.bat", "ECHO x\r\n")));
    EXPECT_EQ(statusEncoding(), "UTF-8");
}

} // namespace
