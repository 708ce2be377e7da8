#include "ui/app/recovery_keeper.h"

#include "core/commands/open_documents.h"

#include <QStandardPaths>
#include <QTimer>

#include <ctime>

namespace flowmar {

namespace {

std::vector<std::uint8_t> inputOf(const OpenDocument& document) {
    return document.model ? recoveryInput(*document.model) : recoveryInput(*document.database);
}

} // namespace

RecoveryKeeper::RecoveryKeeper(const QString& folder, QObject* parent)
    : QObject(parent),
      m_store(std::make_unique<RecoveryStore>(std::filesystem::path(folder.toStdString()))) {
    // One thread: a removal never overtakes the write it follows.
    m_writer.setMaxThreadCount(1);
    // Edits that reach a document by a way nobody announces are still copied within the interval.
    m_sweep = new QTimer(this);
    connect(m_sweep, &QTimer::timeout, this, &RecoveryKeeper::documentsChanged);
    m_sweep->start(m_interval);
}

RecoveryKeeper::~RecoveryKeeper() {
    waitForWrites();
    m_store->discardAll();
}

QString RecoveryKeeper::defaultFolder() {
    const QString chosen = qEnvironmentVariable("FLOWMAR_RECOVERY_DIR");
    if (!chosen.isEmpty()) {
        return chosen;
    }
    return QStandardPaths::writableLocation(QStandardPaths::AppLocalDataLocation) +
           QStringLiteral("/recovery");
}

void RecoveryKeeper::setTiming(std::chrono::milliseconds settle,
                               std::chrono::milliseconds interval) {
    m_settle = settle;
    m_interval = interval;
    m_sweep->start(m_interval);
}

RecoveryKeeper::Tracked* RecoveryKeeper::add(OpenDocument& document,
                                             std::vector<std::uint8_t> fileInput) {
    DocumentState* state = &document.state();
    auto& slot = m_tracked[state];
    if (!slot) {
        slot = std::make_unique<Tracked>();
        slot->id = m_nextId++;
        slot->timer = new QTimer(this);
        slot->timer->setSingleShot(true);
        Tracked* tracked = slot.get();
        connect(slot->timer, &QTimer::timeout, this, [this, tracked] { check(*tracked); });
        slot->watch = state->observers().subscribe([this, tracked](DocumentEvent) {
            if (!tracked->document->state().isModified()) {
                // Only a save clears the flag: the file holds this input now.
                const bool hadCopy = tracked->tracker.hasCopy();
                tracked->tracker.saved(inputOf(*tracked->document));
                tracked->timer->stop();
                if (hadCopy) {
                    onWorker([this, id = tracked->id] { m_store->discard(id); });
                }
                return;
            }
            schedule(*tracked);
        });
    }
    slot->document = &document;
    slot->tracker = RecoveryTracker(std::move(fileInput));
    return slot.get();
}

void RecoveryKeeper::track(OpenDocument& document) {
    add(document, inputOf(document));
}

void RecoveryKeeper::restored(OpenDocument& document) {
    Tracked* tracked = add(document, {});
    tracked->timer->start(0);
}

void RecoveryKeeper::forget(const DocumentState* document) {
    const auto it = m_tracked.find(document);
    if (it == m_tracked.end()) {
        return;
    }
    delete it->second->timer;
    onWorker([this, id = it->second->id] { m_store->discard(id); });
    m_tracked.erase(it);
}

void RecoveryKeeper::documentsChanged() {
    for (const auto& [state, tracked] : m_tracked) {
        if (state->isModified() || tracked->tracker.hasCopy()) {
            schedule(*tracked);
        }
    }
}

void RecoveryKeeper::schedule(Tracked& tracked) {
    // A pending check stays as it is: copies come at most once per interval however often the
    // document changes.
    if (tracked.timer->isActive()) {
        return;
    }
    const auto delay =
        tracked.tracker.delayAfterChange(RecoveryTracker::Clock::now(), m_settle, m_interval);
    tracked.timer->start(std::chrono::duration_cast<std::chrono::milliseconds>(delay));
}

void RecoveryKeeper::check(Tracked& tracked) {
    const OpenDocument& document = *tracked.document;
    const bool modified = document.state().isModified();
    if (!modified && !tracked.tracker.hasCopy()) {
        return;
    }
    switch (tracked.tracker.check(inputOf(document), modified, RecoveryTracker::Clock::now())) {
    case RecoveryTracker::Step::Nothing:
        break;
    case RecoveryTracker::Step::Discard:
        onWorker([this, id = tracked.id] { m_store->discard(id); });
        break;
    case RecoveryTracker::Step::Write: {
        RecoveryBytes bytes = document.model ? RecoveryStore::copyBytes(*document.model)
                                             : RecoveryStore::copyBytes(*document.database);
        const RecoveryKind kind =
            document.model ? RecoveryKind::DuctModel : RecoveryKind::FanDatabase;
        onWorker([this, id = tracked.id, kind, bytes = std::move(bytes),
                  file = document.path.string(), title = document.plainTitle(),
                  time = static_cast<std::int64_t>(std::time(nullptr))] {
            const FileStatus written = m_store->write(id, kind, bytes, file, title, time);
            if (!written.ok()) {
                QMetaObject::invokeMethod(
                    this,
                    [this, why = QString::fromStdString(written.error)] { emit writeFailed(why); },
                    Qt::QueuedConnection);
            }
        });
        break;
    }
    }
}

void RecoveryKeeper::onWorker(std::function<void()> job) {
    if (m_store->usable()) {
        m_writer.start(std::move(job));
    }
}

void RecoveryKeeper::waitForWrites() {
    m_writer.waitForDone();
}

} // namespace flowmar
