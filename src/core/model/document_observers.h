// The small observer list through which a document tells its views one thing: "changed". Each
// subscription is a token; destroying the token unsubscribes.
#pragma once

#include <functional>
#include <memory>
#include <vector>

namespace flowmar {

enum class DocumentEvent {
    ViewsNeedUpdate, // results or display options changed: every view re-reads the document
    TitleChanged,    // the title (with its " *" marker) changed: frames refresh their captions
};

class DocumentObservers {
public:
    using Callback = std::function<void(DocumentEvent)>;

    // Keeps the callback registered while the returned token lives.
    class Subscription {
    public:
        Subscription() = default;
        void reset() { m_alive.reset(); }

    private:
        friend class DocumentObservers;
        explicit Subscription(std::shared_ptr<Callback> alive) : m_alive(std::move(alive)) {}
        std::shared_ptr<Callback> m_alive;
    };

    [[nodiscard]] Subscription subscribe(Callback callback);
    void notify(DocumentEvent event);

    // Copies of a document do not take its views with them.
    DocumentObservers() = default;
    DocumentObservers(const DocumentObservers&) {}
    DocumentObservers& operator=(const DocumentObservers&) { return *this; }

private:
    std::vector<std::weak_ptr<Callback>> m_callbacks;
};

} // namespace flowmar
