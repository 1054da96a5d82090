#pragma once
// A document to run: Save and Save As record their calls and answer as told.
#include "core/run/launcher.h"

#include <optional>
#include <string>
#include <vector>

namespace testing_support {

struct FakeDocument : core::run::RunnableDocument {
    bool isModified = false;
    std::string filePath = "Untitled.bat";
    std::optional<std::string> saveAsAnswer; //!< nothing: the dialog is cancelled
    bool saveSucceeds = true;
    std::vector<std::string> calls;

    bool modified() const override { return isModified; }
    std::string path() const override { return filePath; }
    bool save() override { return calls.push_back("save"), saveSucceeds; }
    bool saveAs() override {
        calls.push_back("saveAs");
        if (saveAsAnswer) filePath = *saveAsAnswer;
        return saveAsAnswer.has_value();
    }
};

} // namespace testing_support
