#include "core/model/document_observers.h"

#include <algorithm>

namespace flowmar {

DocumentObservers::Subscription DocumentObservers::subscribe(Callback callback) {
    auto alive = std::make_shared<Callback>(std::move(callback));
    m_callbacks.push_back(alive);
    return Subscription(std::move(alive));
}

void DocumentObservers::notify(DocumentEvent event) {
    std::erase_if(m_callbacks, [](const auto& weak) { return weak.expired(); });
    // A callback may subscribe or unsubscribe others; iterate over a snapshot.
    const auto snapshot = m_callbacks;
    for (const auto& weak : snapshot) {
        if (const auto callback = weak.lock()) {
            (*callback)(event);
        }
    }
}

} // namespace flowmar
