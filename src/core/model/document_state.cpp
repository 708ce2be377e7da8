#include "core/model/document_state.h"

#include <utility>

namespace flowmar {

void DocumentState::setTitle(std::string title) {
    m_title = std::move(title);
    if (m_modified) {
        m_title += " *";
    }
    m_observers.notify(DocumentEvent::TitleChanged);
}

void DocumentState::setModifiedFlag(bool modified) {
    if (modified == m_modified) {
        return;
    }
    if (modified) {
        m_title += " *";
    } else if (m_title.size() >= 2) {
        m_title.resize(m_title.size() - 2);
    }
    m_modified = modified;
    m_observers.notify(DocumentEvent::TitleChanged);
}

} // namespace flowmar
