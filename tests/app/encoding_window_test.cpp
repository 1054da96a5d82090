// Files in each encoding opened, edited and saved in the window: every byte
// not edited comes back, and the status bar names the encoding.
#include "app/encoding_controls.h"
#include "support/case_file.h"
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
    const auto rows = testing_support::readCases(APP_TEST_DATA "/encoded_files.txt", {"shown", "saved"});
    EXPECT_EQ(rows.size(), 4u);
    startAdvanced();
    for (const auto& row : rows) {
        SCOPED_TRACE(row.where);
        ASSERT_TRUE(window->documents().openFile(dir.write(row.name, row[""].at(0))));
        EXPECT_EQ(statusEncoding(), QString::fromStdString(row["shown"].at(0)));
        const int last = editor()->lines() - 1;
        editor()->setCursorPosition(last, editor()->text(last).size());
        QTest::keyClicks(editor(), "!");
        QTest::keyClick(window.get(), Qt::Key_S, Qt::ControlModifier);
        EXPECT_EQ(dir.read(row.name), row["saved"].at(0));
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
