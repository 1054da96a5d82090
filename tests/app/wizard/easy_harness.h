#pragma once
// The Easy layout with scripted services and real open documents, driven by object
// name as a user would: clicks, typing, and the modal dialogs answered from
// inside their own event loop.
#include "app/wizard/document_set_targets.h"
#include "app/wizard/easy_layout.h"
#include "core/documents/memory_editor_view.h"
#include "core/settings/memory_settings_store.h"

#include "core/aids/disk_file_system.h"
#include "support/scripted_prompter.h"
#include "support/temp_dir.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

namespace easy_test {

using Lines = std::vector<std::string>;

struct Easy {
    testing_support::TempDir temp;
    core::aids::DiskFileSystem files{temp.folder()};
    testing_support::ScriptedPrompter prompter;
    core::settings::MemorySettingsStore settings;
    core::documents::PickLists lists;
    core::documents::MemoryEditorView editor;
    core::documents::DocumentSet documents{editor, prompter, files, settings, lists};
    app::wizard::DocumentSetTargets targets{documents, editor};
    app::wizard::EasyLayout easy{{prompter, files, settings, lists, documents.browseDialog()}};

    //! Starts on "Untitled.bat", which holds the template lines "@ECHO OFF" and ":START".
    Easy() {
        // These tests read the classic lines; a fresh user's Windows lines are tested on their own.
        auto* target = easy.findChild<QComboBox*>("WizardTarget");
        target->setCurrentIndex(target->findData(static_cast<int>(core::wizard::Target::Classic)));
        documents.start();
        easy.setDocuments(&targets);
        easy.resize(792, 420);
        easy.show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&easy));
    }

    template <typename T = QWidget> T* find(const char* name) {
        auto* widget = easy.findChild<T*>(name);
        EXPECT_NE(widget, nullptr) << name;
        return widget;
    }
    //! Brings the control's page to the front and clicks it.
    void click(const char* name) {
        auto* button = find<QAbstractButton>(name);
        showPageOf(button);
        // On the indicator: a wide button only takes clicks on its caption.
        QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(6, button->height() / 2));
    }
    void type(const char* name, const QString& text) {
        auto* line = find<QLineEdit>(name);
        showPageOf(line);
        line->clear();
        QTest::keyClicks(line, text);
    }
    void setMemo(const char* name, const QStringList& lines) { find<QPlainTextEdit>(name)->setPlainText(lines.join('\n')); }
    bool enabled(const char* name) { return find(name)->isEnabled(); }
    bool checked(const char* name) { return find<QAbstractButton>(name)->isChecked(); }
    QString text(const char* name) { return find<QLineEdit>(name)->text(); }

    //! Runs `open` and, once a modal dialog is up, `answer` on it.
    static void withModal(const std::function<void()>& open, const std::function<void(QWidget&)>& answer) {
        bool answered = false;
        int tries = 0;
        std::function<void()> tryAnswer = [&] {
            QWidget* dialog = QApplication::activeModalWidget();
            if (dialog == nullptr && ++tries < 200) return QTimer::singleShot(10, tryAnswer);
            ASSERT_NE(dialog, nullptr);
            answer(*dialog);
            answered = true;
        };
        QTimer::singleShot(0, tryAnswer);
        open();
        EXPECT_TRUE(answered);
    }
    static void press(QWidget& dialog, const char* name) {
        auto* button = dialog.findChild<QAbstractButton*>(name);
        ASSERT_NE(button, nullptr) << name;
        button->click();
    }
    //! "Update Batch File", with `inDialog` acting in TForm14 before "&Update".
    void update(const std::function<void(QWidget&)>& inDialog = {}) {
        withModal([&] { easy.BatchUpdateVerExecute(); },
                  [&](QWidget& dialog) {
                      if (inDialog) inDialog(dialog);
                      press(dialog, "BitBtn1");
                  });
    }

private:
    void showPageOf(QWidget* widget) {
        for (QWidget* w = widget; w != nullptr && w != &easy; w = w->parentWidget())
            if (w->objectName().startsWith("TabSheet")) {
                const int number = w->objectName().mid(8).toInt();
                if (number >= 11) {
                    easy.setWizardPage(7);
                    easy.setNetworkPage(number - 10);
                } else {
                    static const int PAGE_OF_SHEET[] = {0, 0, 0, 1, 2, 0, 3, 4, 5, 6, 7};
                    easy.setWizardPage(PAGE_OF_SHEET[number]);
                }
            }
        QApplication::processEvents();
    }
};

} // namespace easy_test
