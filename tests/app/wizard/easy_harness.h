#pragma once
// The Easy layout with scripted services and open documents, driven by object
// name as a user would: clicks, typing, and the modal dialogs answered from
// inside their own event loop.
#include "app/wizard/easy_layout.h"
#include "core/documents/memory_editor_view.h"
#include "core/settings/memory_settings_store.h"
#include "core/wizard/document_targets.h"

#include "support/fake_file_system.h"
#include "support/scripted_prompter.h"
#include "support/temp_dir.h"

#include <QAbstractButton>
#include <QApplication>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace easy_test {

using Lines = std::vector<std::string>;

//! Open documents as tabs; a modified document's caption carries "*".
class OpenDocuments : public core::wizard::DocumentTargets {
public:
    struct Document {
        std::string name;
        std::unique_ptr<core::documents::MemoryEditorView> view;
    };
    std::vector<Document> documents;
    std::size_t current = 0;

    void add(std::string name, Lines lines, bool modified = false) {
        documents.push_back({std::move(name), std::make_unique<core::documents::MemoryEditorView>(std::move(lines))});
        documents.back().view->setModified(modified);
    }
    Lines linesOf(std::size_t index) const { return documents[index].view->lines(); }

    std::vector<std::string> openDocumentNames() const override {
        std::vector<std::string> names;
        for (const auto& d : documents) names.push_back(d.name);
        return names;
    }
    std::vector<std::string> tabCaptions() const override {
        std::vector<std::string> captions;
        for (const auto& d : documents) captions.push_back(caption(d));
        return captions;
    }
    std::string currentDocumentName() const override { return documents[current].name; }
    void selectTab(std::size_t index) override { m_selected = index; }
    bool switchToDocument(const std::string& wanted, bool) override {
        if (m_selected >= documents.size() || caption(documents[m_selected]) != wanted) return false;
        current = m_selected;
        return true;
    }
    core::ports::EditorView& currentView() override { return *documents[current].view; }

private:
    static std::string caption(const Document& d) {
        return core::wizard::displayNameOf(d.name) + (d.view->modified() ? "*" : "");
    }
    std::size_t m_selected = 0;
};

struct Easy {
    testing_support::TempDir temp;
    testing_support::DiskFileSystem files{temp.folder()};
    testing_support::ScriptedPrompter prompter;
    core::settings::MemorySettingsStore settings;
    core::documents::PickLists lists;
    OpenDocuments documents;
    app::wizard::EasyLayout easy{{prompter, files, settings, lists}};

    Easy() {
        documents.add("Untitled.bat", {"@ECHO OFF"});
        easy.setDocuments(&documents);
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
