// The documents the program holds open, of both kinds, each with the file it came from: the one
// place where a model or a fan database is opened (read, and for a model Execute run at once),
// where a file already open is found instead of read twice, where closing a modified document
// asks whether to save it, and where the list of recent files is kept. The desktop program and
// the command line both open through it.
#pragma once

#include "core/engine/execute_result.h"
#include "core/fans/fan_database_doc.h"
#include "core/model/flowmar_doc.h"

#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace flowmar {

struct RecoveryCopy;
class UiPort;

enum class SaveAnswer { Save, Discard, Cancel };

// The questions asked around files: whether to save a modified document and where to.
class DocumentQuestions {
public:
    virtual ~DocumentQuestions() = default;
    virtual SaveAnswer askSaveChanges(std::string_view documentTitle) = 0;
    // The file to save a document to, offered `suggestedName`; no value on Cancel.
    virtual std::optional<std::filesystem::path> chooseSavePath(std::string_view suggestedName,
                                                                std::string_view filter) = 0;
};

// The most recently opened or saved files, newest first, each once, at most kMaxRecentFiles.
class RecentFiles {
public:
    static constexpr int kMaxRecentFiles = 4;

    const std::vector<std::string>& files() const { return m_files; }
    // Takes a stored list (newest first), dropping repeats and what lies beyond the limit.
    void setFiles(const std::vector<std::string>& files);
    // Puts the file (as an absolute path) first.
    void add(const std::filesystem::path& path);
    // Takes a file off the list (one whose file is gone); nothing when it is not listed.
    void remove(const std::string& file);
    // What the File menu shows of each entry: the file's name, with as many of its folders before
    // it as tell it apart from another entry of the same name ("site-a/model.dct" and
    // "site-b/model.dct"; "model.dct" alone when it is the only one of that name).
    std::vector<std::string> shownNames() const;

    // Told the new list after every add and remove: where the program keeps it between runs.
    std::function<void(const std::vector<std::string>&)> changed;

private:
    std::vector<std::string> m_files;
};

// A document and its file.
struct OpenDocument {
    std::unique_ptr<CFlowmarDoc> model;        // a duct model, or
    std::unique_ptr<CFanDatabaseDoc> database; // a fan database
    std::filesystem::path path;                // empty until the document has a file

    DocumentState& state() { return model ? static_cast<DocumentState&>(*model) : *database; }
    const DocumentState& state() const {
        return model ? static_cast<const DocumentState&>(*model) : *database;
    }
    // The title without the modified marker: what questions name the document by.
    std::string plainTitle() const;
};

class OpenDocuments {
public:
    explicit OpenDocuments(UiPort& port) : m_port(port) {}

    struct Opened {
        OpenDocument* document = nullptr; // nullptr when the file could not be read
        bool wasOpen = false;             // the file was open already: nothing was read
        ExecuteResult execution;          // what Execute found on a model just read
    };
    // What a file may be opened as: a ".fdb" is a fan database unless only models are wanted.
    enum class Accept { AnyDocument, DuctModel };
    // Opens a duct model (".dct" or ".json") or a fan database (".fdb") by the file's extension,
    // titled by its file name. Once read, the document is handed to `adopted` (where the program
    // shows its first view), and then a model runs the Execute command at once, showing its
    // messages and sheets through the port. A file that is open already is found and not read
    // again. A file that cannot be read shows its message through the port and leaves nothing
    // open. The recent files gain every file opened.
    Opened open(const std::filesystem::path& path,
                const std::function<void(OpenDocument&)>& adopted = {},
                Accept accept = Accept::AnyDocument);

    // Opens a recovery copy as a modified document under the name of the file it was a copy of,
    // so that saving writes it there, or under its old title when it had no file (a later new
    // document is not given that title again). `adopted` and Execute follow as for open. A copy
    // that cannot be read shows why through the port and opens nothing; the copy stays.
    Opened restore(const RecoveryCopy& copy,
                   const std::function<void(OpenDocument&)>& adopted = {});

    // A new, untitled duct model ("DuctData1", "DuctData2", ...) in the unit system the person
    // chooses.
    OpenDocument& newDuctModel();
    // A new, untitled fan database ("FanData1", ...) in the unit system the person chooses.
    OpenDocument& newFanDatabase();

    // The open document of a duct model or fan database, or nullptr. Finding changes nothing; the
    // document found stays the caller's to change.
    OpenDocument* find(const DocumentState* document) const;
    // The open document read from the file, or nullptr.
    OpenDocument* findFile(const std::filesystem::path& path) const;

    // Whether the document may close: true when it is not modified, when the person discards its
    // changes, or when it was saved; false on Cancel or when the save failed (its message shown).
    bool maybeSave(OpenDocument& document, DocumentQuestions& questions);
    // Saves to the document's file, or to the file the person chooses when it has none (with the
    // document's extension added when the name has no known one). Clears the modified flag and
    // titles the document by its file. False on Cancel or failure (its message shown).
    bool save(OpenDocument& document, DocumentQuestions& questions);
    // Saves to the file the person chooses, whether or not the document has one; on Cancel or
    // failure the document keeps its file.
    bool saveAs(OpenDocument& document, DocumentQuestions& questions);
    // Forgets the document; its views must have gone.
    void close(const DocumentState* document);

    const std::vector<std::unique_ptr<OpenDocument>>& documents() const { return m_documents; }
    RecentFiles& recentFiles() { return m_recentFiles; }

private:
    OpenDocument& adopt(std::unique_ptr<OpenDocument> document, std::string title);
    // A document just read and adopted: handed to `adopted`, then a model is executed.
    Opened opened(OpenDocument& added, const std::function<void(OpenDocument&)>& adopted);

    UiPort& m_port;
    std::vector<std::unique_ptr<OpenDocument>> m_documents;
    RecentFiles m_recentFiles;
    int m_untitledModels = 0;
    int m_untitledDatabases = 0;
};

} // namespace flowmar
