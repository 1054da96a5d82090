#pragma once
// What Run and Step Through need of the current document; the window adapts
// its document set to it.
#include <string>

namespace core::run {

class RunnableDocument {
public:
    virtual ~RunnableDocument() = default;
    virtual bool modified() const = 0;
    //! The file path (UTF-8): "Untitled.bat" (or UntitledN.bat) while never saved.
    virtual std::string path() const = 0;
    //! The File menu's Save and Save As; false when cancelled or failed (the
    //! document has reported a failure itself).
    virtual bool save() = 0;
    virtual bool saveAs() = 0;
};

} // namespace core::run
