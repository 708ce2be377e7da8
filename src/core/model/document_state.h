// What both documents share besides their data: the title with its " *" modified marker and the
// observers through which the document tells its views that it changed.
#pragma once

#include "core/model/document_observers.h"

#include <string>

namespace flowmar {

class DocumentState {
public:
    const std::string& title() const { return m_title; }
    // The title the window shows (usually the file name); the marker follows the flag.
    void setTitle(std::string title);
    bool isModified() const { return m_modified; }
    // Setting the flag while clear appends " *" to the title; clearing it while set removes the
    // last two characters; either way the frames are told to refresh their captions.
    void setModifiedFlag(bool modified = true);

    // Tells every view of the document to re-read it.
    void updateAllViews() { m_observers.notify(DocumentEvent::ViewsNeedUpdate); }
    DocumentObservers& observers() { return m_observers; }

private:
    std::string m_title;
    bool m_modified = false;
    DocumentObservers m_observers;
};

} // namespace flowmar
