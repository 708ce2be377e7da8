// Strict reading of JSON documents: every key must be known and of its type, every list within
// its capacity. The first fault is kept as a message that names the key and the list entry.
#pragma once

#include <nlohmann/json_fwd.hpp>

#include <array>
#include <functional>
#include <optional>
#include <set>
#include <string>
#include <string_view>

namespace flowmar {

class JsonObjectReader {
public:
    // `where` names the object in messages ("" for the top level, or e.g. "\"fans\" entry 2").
    JsonObjectReader(const nlohmann::json& object, std::string where, std::string& error);

    // Each reads the key when present and leaves the target alone when the key is left out.
    void number(const char* key, double& target);
    void integer(const char* key, int& target);
    void boolean(const char* key, bool& target);
    void text(const char* key, std::string& target);
    void texts(const char* key, std::array<std::string, 4>& target);
    // Reads each object of the list with readEntry(reader, number), number counting from 1.
    // Returns the number of entries read.
    int list(const char* key, int capacity,
             const std::function<void(JsonObjectReader&, int)>& readEntry);

    // Reads the key's number into an optional that stays empty when the key is left out.
    void optionalNumber(const char* key, std::optional<double>& target);
    // Reads the object under the key with readObject, its unknown keys refused as at the top.
    void object(const char* key, const std::function<void(JsonObjectReader&)>& readObject);

    // Reports the first key of the object that no call above asked for.
    void finish();
    bool ok() const { return m_error.empty(); }
    void fail(std::string message);

private:
    const nlohmann::json* find(const char* key);
    void wrongType(const char* key, std::string_view expected);

    const nlohmann::json& m_object;
    std::string m_where;
    std::string& m_error;
    std::set<std::string, std::less<>> m_known;
};

// Parses the text and reads its top-level object with readTop. `what` names the document in
// messages ("model", "fan database"). Returns an empty text on success, else the first fault.
std::string readJsonDocument(std::string_view text, std::string_view what,
                             const std::function<void(JsonObjectReader&)>& readTop);

} // namespace flowmar
