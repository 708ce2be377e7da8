// RecoveryKeeper: keeps a recovery copy of every open document that holds edits not in its file.
// A change (a command, a view's update, a periodic look) starts a short timer per document; when
// it runs out, the document's input is compared with its file's and the last copy's, and only a
// new input is copied. The bytes are made on the user-interface thread (a document is not shared
// with other threads) and written by one worker thread, in order with the removals, so the
// interface never waits on the disk. Destroying the keeper is the program's normal exit: every
// copy of this program goes.
#pragma once

#include "core/files/recovery_store.h"
#include "core/files/recovery_tracker.h"
#include "core/model/document_observers.h"

#include <QObject>
#include <QString>
#include <QThreadPool>

#include <chrono>
#include <map>
#include <memory>

class QTimer;

namespace flowmar {

class DocumentState;
struct OpenDocument;

class RecoveryKeeper : public QObject {
    Q_OBJECT
public:
    // Keeps its copies in `folder` (made when missing).
    explicit RecoveryKeeper(const QString& folder, QObject* parent = nullptr);
    ~RecoveryKeeper() override;

    // The folder of the person's own copies: FLOWMAR_RECOVERY_DIR when set (tests and scripts
    // keep theirs apart), else "recovery" in the program's local data folder.
    static QString defaultFolder();

    RecoveryStore& store() { return *m_store; }

    // How long a change settles before its copy, and the least time between two copies of one
    // document. A copy is never later than `interval` after a change.
    void setTiming(std::chrono::milliseconds settle, std::chrono::milliseconds interval);

    // Watches a document just opened or made: its input now is what its file holds.
    void track(OpenDocument& document);
    // A document restored from a copy: no file holds what it holds, so it gets a copy of its own.
    void restored(OpenDocument& document);
    // The document closes (saved or not): its copy goes.
    void forget(const DocumentState* document);
    // A command ran: any modified document may have changed.
    void documentsChanged();

    // Blocks until every copy asked for so far is written or removed.
    void waitForWrites();

signals:
    // A copy could not be written (a full disk, a folder taken away).
    void writeFailed(const QString& why);

private:
    struct Tracked {
        OpenDocument* document = nullptr;
        int id = 0; // the copy's number in the store
        RecoveryTracker tracker{{}};
        QTimer* timer = nullptr;
        DocumentObservers::Subscription watch;
    };

    Tracked* add(OpenDocument& document, std::vector<std::uint8_t> fileInput);
    void schedule(Tracked& tracked);
    void check(Tracked& tracked);
    void onWorker(std::function<void()> job);

    std::unique_ptr<RecoveryStore> m_store;
    std::map<const DocumentState*, std::unique_ptr<Tracked>> m_tracked;
    std::chrono::milliseconds m_settle{1000};
    std::chrono::milliseconds m_interval{5000};
    QTimer* m_sweep = nullptr;
    int m_nextId = 1;
    // Last member: it goes first, waiting for the writes that use the store.
    QThreadPool m_writer;
};

} // namespace flowmar
