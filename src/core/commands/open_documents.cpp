#include "core/commands/open_documents.h"

#include "core/commands/document_commands.h"
#include "core/commands/execute_command.h"
#include "core/commands/fan_database_commands.h"
#include "core/files/model_file.h"
#include "core/files/recovery_store.h"
#include "core/model/document_templates.h"
#include "core/model/messages.h"
#include "core/ui_port.h"

#include <algorithm>
#include <system_error>
#include <utility>

namespace flowmar {

namespace {

// Two names of one file compare equal once links and "." or ".." are resolved.
std::filesystem::path comparable(const std::filesystem::path& path) {
    std::error_code error;
    std::filesystem::path resolved = std::filesystem::weakly_canonical(path, error);
    return error ? std::filesystem::absolute(path, error) : resolved;
}

std::string fileTitle(const std::filesystem::path& path) {
    return path.filename().string();
}

const DocumentTemplate& templateOf(const OpenDocument& document) {
    return *findTemplate(document.model ? templates::kSummaryOfInput : templates::kFanDatabase);
}

} // namespace

void RecentFiles::setFiles(const std::vector<std::string>& files) {
    m_files.clear();
    for (const std::string& file : files) {
        if (static_cast<int>(m_files.size()) == kMaxRecentFiles) {
            break;
        }
        if (!file.empty() && std::find(m_files.begin(), m_files.end(), file) == m_files.end()) {
            m_files.push_back(file);
        }
    }
}

void RecentFiles::add(const std::filesystem::path& path) {
    std::error_code error;
    const std::filesystem::path absolute = std::filesystem::absolute(path, error);
    const std::string file = (error ? path : absolute).lexically_normal().string();
    std::erase(m_files, file);
    m_files.insert(m_files.begin(), file);
    if (static_cast<int>(m_files.size()) > kMaxRecentFiles) {
        m_files.resize(kMaxRecentFiles);
    }
    if (changed) {
        changed(m_files);
    }
}

void RecentFiles::remove(const std::string& file) {
    if (std::erase(m_files, file) != 0 && changed) {
        changed(m_files);
    }
}

namespace {

// The last `parts` parts of a path ("b/model.dct" for parts 2 of "/a/b/model.dct"), or the whole
// path when it has no more.
std::string lastParts(const std::filesystem::path& path, std::size_t parts) {
    std::vector<std::filesystem::path> names;
    for (const std::filesystem::path& part : path) {
        if (!part.empty() && part != path.root_path()) {
            names.push_back(part);
        }
    }
    if (parts > names.size()) {
        return path.string();
    }
    std::filesystem::path shown;
    for (std::size_t i = names.size() - parts; i < names.size(); ++i) {
        shown /= names[i];
    }
    return shown.string();
}

// The document a reader read, or nothing and the reader's message in `error`.
std::unique_ptr<OpenDocument> documentOf(FileRead<CFanDatabaseDoc> read, std::string& error) {
    error = std::move(read.error);
    if (!read.document) {
        return nullptr;
    }
    auto document = std::make_unique<OpenDocument>();
    document->database = std::move(read.document);
    return document;
}

std::unique_ptr<OpenDocument> documentOf(FileRead<CFlowmarDoc> read, std::string& error) {
    error = std::move(read.error);
    if (!read.document) {
        return nullptr;
    }
    auto document = std::make_unique<OpenDocument>();
    document->model = std::move(read.document);
    return document;
}

// The document a file holds, read as a fan database or as a duct model; nothing, and the reader's
// message in `error`, when it cannot be read.
std::unique_ptr<OpenDocument> readDocument(const std::filesystem::path& path, bool fanDatabase,
                                           std::string& error) {
    return fanDatabase ? documentOf(readFanDatabase(path), error)
                       : documentOf(readModelFile(path), error);
}

// The document a recovery copy holds, read as the note's kind in the form its name says; never
// through a link, never from a pipe or a device.
std::unique_ptr<OpenDocument> readRecoveryCopy(const RecoveryCopy& copy, std::string& error) {
    const std::string shown = copy.copy.string();
    const FileBytes file = RecoveryStore::readCopy(copy);
    if (!file.ok()) {
        error = messages::cannotOpenFile(shown, copy.readable() ? file.fault : copy.fault);
        return nullptr;
    }
    const FileKind form = fileKindOf(copy.copy);
    return copy.kind == RecoveryKind::FanDatabase
               ? documentOf(readFanDatabaseFrom(file.bytes, form, shown), error)
               : documentOf(readModelFrom(file.bytes, form, shown), error);
}

} // namespace

std::vector<std::string> RecentFiles::shownNames() const {
    std::vector<std::string> shown;
    for (const std::string& file : m_files) {
        // Add folders until no other entry ends in the same parts.
        std::string name;
        for (std::size_t parts = 1;; ++parts) {
            name = lastParts(file, parts);
            const bool alike = std::any_of(m_files.begin(), m_files.end(), [&](const auto& other) {
                return other != file && lastParts(other, parts) == name;
            });
            if (!alike || name == file) {
                break;
            }
        }
        shown.push_back(name);
    }
    return shown;
}

std::string OpenDocument::plainTitle() const {
    std::string title = state().title();
    if (state().isModified() && title.ends_with(" *")) {
        title.resize(title.size() - 2);
    }
    return title;
}

OpenDocument& OpenDocuments::adopt(std::unique_ptr<OpenDocument> document, std::string title) {
    document->state().setTitle(std::move(title));
    return *m_documents.emplace_back(std::move(document));
}

OpenDocuments::Opened OpenDocuments::open(const std::filesystem::path& path,
                                          const std::function<void(OpenDocument&)>& adopted,
                                          Accept accept) {
    if (OpenDocument* open = findFile(path)) {
        return {open, true, {}};
    }
    std::string error;
    std::unique_ptr<OpenDocument> document = readDocument(
        path, accept == Accept::AnyDocument && fileKindOf(path) == FileKind::FanDatabase, error);
    if (!document) {
        m_port.showMessage(error, MessageIcon::Warning);
        return {};
    }
    document->path = path;
    OpenDocument& added = adopt(std::move(document), fileTitle(path));
    m_recentFiles.add(path);
    return opened(added, adopted);
}

OpenDocuments::Opened OpenDocuments::opened(OpenDocument& added,
                                            const std::function<void(OpenDocument&)>& adopted) {
    if (adopted) {
        adopted(added);
    }
    Opened result{&added, false, {}};
    if (added.model) {
        result.execution = Execute(*added.model, m_port);
    }
    return result;
}

OpenDocuments::Opened OpenDocuments::restore(const RecoveryCopy& copy,
                                             const std::function<void(OpenDocument&)>& adopted) {
    const std::string name = copy.originalFile.empty()
                                 ? copy.title
                                 : fileTitle(std::filesystem::path(copy.originalFile));
    std::string error;
    std::unique_ptr<OpenDocument> document = readRecoveryCopy(copy, error);
    if (!document) {
        m_port.showMessage(messages::cannotRestoreCopy(name, error, copy.copy.string()),
                           MessageIcon::Warning);
        return {};
    }
    document->path = copy.originalFile;
    if (copy.originalFile.empty()) {
        // "DuctData3" restored: the next new model is "DuctData4", never a second "DuctData3".
        int& untitled = document->model ? m_untitledModels : m_untitledDatabases;
        const std::size_t digits = name.find_last_not_of("0123456789") + 1;
        if (digits < name.size() && name.size() - digits < 6) {
            const int number = std::stoi(name.substr(digits));
            if (untitledDocumentTitle(templateOf(*document), number) == name) {
                untitled = std::max(untitled, number);
            }
        }
    }
    OpenDocument& added = adopt(std::move(document), name);
    // Not in its file: the save question must come when it closes.
    added.state().setModifiedFlag();
    return opened(added, adopted);
}

OpenDocument& OpenDocuments::newDuctModel() {
    auto document = std::make_unique<OpenDocument>();
    document->model = std::make_unique<CFlowmarDoc>();
    initialiseNewDocument(*document->model, m_port);
    std::string title = untitledDocumentTitle(templateOf(*document), ++m_untitledModels);
    return adopt(std::move(document), std::move(title));
}

OpenDocument& OpenDocuments::newFanDatabase() {
    auto document = std::make_unique<OpenDocument>();
    document->database = std::make_unique<CFanDatabaseDoc>();
    initialiseNewDatabase(*document->database, m_port);
    std::string title = untitledDocumentTitle(templateOf(*document), ++m_untitledDatabases);
    return adopt(std::move(document), std::move(title));
}

OpenDocument* OpenDocuments::find(const DocumentState* document) const {
    for (const auto& open : m_documents) {
        if (&open->state() == document) {
            return open.get();
        }
    }
    return nullptr;
}

OpenDocument* OpenDocuments::findFile(const std::filesystem::path& path) const {
    const std::filesystem::path wanted = comparable(path);
    for (const auto& open : m_documents) {
        if (!open->path.empty() && comparable(open->path) == wanted) {
            return open.get();
        }
    }
    return nullptr;
}

bool OpenDocuments::maybeSave(OpenDocument& document, DocumentQuestions& questions) {
    if (!document.state().isModified()) {
        return true;
    }
    switch (questions.askSaveChanges(document.plainTitle())) {
    case SaveAnswer::Save:
        return save(document, questions);
    case SaveAnswer::Discard:
        return true;
    case SaveAnswer::Cancel:
        break;
    }
    return false;
}

bool OpenDocuments::save(OpenDocument& document, DocumentQuestions& questions) {
    std::filesystem::path path = document.path;
    if (path.empty()) {
        const DocumentTemplate& kind = templateOf(document);
        const std::string_view extension =
            templateField(kind.templateString, TemplateField::Extension);
        // A document saved before is titled by its file, extension and all.
        std::string suggested = document.plainTitle();
        if (fileKindOf(suggested) == FileKind::Unknown) {
            suggested += std::string(extension);
        }
        const std::optional<std::filesystem::path> chosen = questions.chooseSavePath(
            suggested, templateField(kind.templateString, TemplateField::Filter));
        if (!chosen || chosen->empty()) {
            return false;
        }
        path = *chosen;
        if (fileKindOf(path) == FileKind::Unknown) {
            path += std::string(extension);
        }
    }
    const FileStatus written = document.model ? writeModelFile(*document.model, path)
                                              : writeFanDatabase(*document.database, path);
    if (!written.ok()) {
        m_port.showMessage(written.error, MessageIcon::Warning);
        return false;
    }
    document.path = path;
    document.state().setModifiedFlag(false);
    document.state().setTitle(fileTitle(path));
    m_recentFiles.add(path);
    return true;
}

bool OpenDocuments::saveAs(OpenDocument& document, DocumentQuestions& questions) {
    const std::filesystem::path kept = document.path;
    document.path.clear();
    if (save(document, questions)) {
        return true;
    }
    document.path = kept;
    return false;
}

void OpenDocuments::close(const DocumentState* document) {
    std::erase_if(m_documents, [document](const auto& open) { return &open->state() == document; });
}

} // namespace flowmar
