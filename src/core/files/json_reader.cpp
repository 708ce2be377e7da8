#include "core/files/json_reader.h"

#include <nlohmann/json.hpp>

#include <algorithm>
#include <cmath>
#include <limits>
#include <set>
#include <utility>
#include <vector>

namespace flowmar {

JsonObjectReader::JsonObjectReader(const nlohmann::json& object, std::string where,
                                   std::string& error)
    : m_object(object), m_where(std::move(where)), m_error(error) {}

void JsonObjectReader::fail(std::string message) {
    if (m_error.empty()) {
        m_error = std::move(message);
    }
}

const nlohmann::json* JsonObjectReader::find(const char* key) {
    m_known.insert(key);
    if (!ok()) {
        return nullptr;
    }
    const auto it = m_object.find(key);
    return it == m_object.end() ? nullptr : &*it;
}

void JsonObjectReader::wrongType(const char* key, std::string_view expected) {
    std::string message = "The key \"" + std::string(key) + "\"";
    if (!m_where.empty()) {
        message += " in " + m_where;
    }
    fail(message + " must be " + std::string(expected) + ".");
}

void JsonObjectReader::number(const char* key, double& target) {
    if (const auto* value = find(key)) {
        if (!value->is_number()) {
            return wrongType(key, "a number");
        }
        target = value->get<double>();
    }
}

void JsonObjectReader::integer(const char* key, int& target) {
    if (const auto* value = find(key)) {
        const double x = value->is_number() ? value->get<double>() : std::nan("");
        if (!(x == std::trunc(x) && x >= std::numeric_limits<int>::min() &&
              x <= std::numeric_limits<int>::max())) {
            return wrongType(key, "a whole number within the 32-bit range");
        }
        target = static_cast<int>(x);
    }
}

void JsonObjectReader::boolean(const char* key, bool& target) {
    if (const auto* value = find(key)) {
        if (!value->is_boolean()) {
            return wrongType(key, "true or false");
        }
        target = value->get<bool>();
    }
}

void JsonObjectReader::text(const char* key, std::string& target) {
    if (const auto* value = find(key)) {
        if (!value->is_string()) {
            return wrongType(key, "a text");
        }
        target = value->get<std::string>();
    }
}

void JsonObjectReader::texts(const char* key, std::array<std::string, 4>& target) {
    if (const auto* value = find(key)) {
        if (!value->is_array() || value->size() != target.size()) {
            return wrongType(key, "a list of 4 texts");
        }
        std::array<std::string, 4> read;
        for (std::size_t i = 0; i < target.size(); ++i) {
            if (!(*value)[i].is_string()) {
                return wrongType(key, "a list of 4 texts");
            }
            read[i] = (*value)[i].get<std::string>();
        }
        target = std::move(read);
    }
}

void JsonObjectReader::optionalNumber(const char* key, std::optional<double>& target) {
    if (const auto* value = find(key)) {
        if (!value->is_number()) {
            return wrongType(key, "a number");
        }
        target = value->get<double>();
    }
}

void JsonObjectReader::object(const char* key,
                              const std::function<void(JsonObjectReader&)>& readObject) {
    const auto* value = find(key);
    if (value == nullptr) {
        return;
    }
    if (!value->is_object()) {
        return wrongType(key, "an object");
    }
    JsonObjectReader reader(*value, "\"" + std::string(key) + "\"", m_error);
    readObject(reader);
    reader.finish();
}

int JsonObjectReader::list(const char* key, int capacity,
                           const std::function<void(JsonObjectReader&, int)>& readEntry) {
    const auto* value = find(key);
    if (value == nullptr) {
        return 0;
    }
    if (!value->is_array()) {
        wrongType(key, "a list");
        return 0;
    }
    if (value->size() > static_cast<std::size_t>(capacity)) {
        fail("The list \"" + std::string(key) + "\" holds " + std::to_string(value->size()) +
             " entries; at most " + std::to_string(capacity) + " fit.");
        return 0;
    }
    int number = 0;
    for (const auto& entry : *value) {
        ++number;
        const std::string where = "\"" + std::string(key) + "\" entry " + std::to_string(number);
        if (!entry.is_object()) {
            fail("Entry " + std::to_string(number) + " of \"" + key + "\" must be an object.");
            return 0;
        }
        JsonObjectReader reader(entry, where, m_error);
        readEntry(reader, number);
        reader.finish();
        if (!ok()) {
            return 0;
        }
    }
    return number;
}

void JsonObjectReader::finish() {
    if (!ok()) {
        return;
    }
    for (const auto& item : m_object.items()) {
        if (!m_known.contains(item.key())) {
            std::string message = "Unknown key \"" + item.key() + "\"";
            if (!m_where.empty()) {
                message += " in " + m_where;
            }
            return fail(message + ".");
        }
    }
}

namespace {

// Where the parser stopped, as a person finds it in an editor: line and column from 1. byte is
// the parser's count of the characters read, the last of them the one at fault.
std::string placeOf(std::string_view text, std::size_t byte) {
    const std::size_t end = std::min(byte == 0 ? 0 : byte - 1, text.size());
    std::size_t line = 1;
    std::size_t column = 1;
    for (std::size_t i = 0; i < end; ++i) {
        if (text[i] == '\n') {
            ++line;
            column = 1;
        } else {
            ++column;
        }
    }
    return "line " + std::to_string(line) + ", column " + std::to_string(column);
}

// The parser's fault in words, without its internal numbering.
std::string parseFaultOf(std::string_view text, const nlohmann::json::parse_error& e) {
    if (e.byte > text.size()) {
        return "it ends before the JSON is complete (" + placeOf(text, e.byte) + ")";
    }
    const unsigned char c = static_cast<unsigned char>(text[e.byte == 0 ? 0 : e.byte - 1]);
    const std::string shown = c >= 0x20 && c < 0x7F
                                  ? "\"" + std::string(1, static_cast<char>(c)) + "\""
                                  : "a byte " + std::to_string(c);
    return "unexpected " + shown + " at " + placeOf(text, e.byte);
}

// The objects of the text, counted outside strings. A full model (10 zones, 100 rows of shock
// losses, 100 fans of 15 points each) or fan database has under 2,000; the parser's key checks
// grow faster than linearly with the count, so a text with many more is refused before parsing.
constexpr std::size_t kMostObjects = 4000;

std::size_t objectCount(std::string_view text) {
    std::size_t count = 0;
    bool inString = false;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (inString) {
            if (c == '\\') {
                ++i;
            } else if (c == '"') {
                inString = false;
            }
        } else if (c == '"') {
            inString = true;
        } else if (c == '{') {
            ++count;
        }
    }
    return count;
}

} // namespace

std::string readJsonDocument(std::string_view text, std::string_view what,
                             const std::function<void(JsonObjectReader&)>& readTop) {
    if (const std::size_t objects = objectCount(text); objects > kMostObjects) {
        return "The " + std::string(what) + " holds " + std::to_string(objects) +
               " objects; no model or fan database holds more than " +
               std::to_string(kMostObjects) + ", so a list in it is longer than it can be.";
    }
    nlohmann::json document;
    // A key given twice would silently take its last value: the first duplicate is refused.
    std::vector<std::set<std::string>> keysSeen;
    std::string duplicate;
    const nlohmann::json::parser_callback_t noteKeys = [&](int, nlohmann::json::parse_event_t event,
                                                           nlohmann::json& parsed) {
        switch (event) {
        case nlohmann::json::parse_event_t::object_start:
            keysSeen.emplace_back();
            break;
        case nlohmann::json::parse_event_t::object_end:
            if (!keysSeen.empty()) {
                keysSeen.pop_back();
            }
            break;
        case nlohmann::json::parse_event_t::key:
            if (!keysSeen.empty() && parsed.is_string() &&
                !keysSeen.back().insert(parsed.get<std::string>()).second && duplicate.empty()) {
                duplicate = parsed.get<std::string>();
            }
            break;
        default:
            break;
        }
        return true;
    };
    try {
        document = nlohmann::json::parse(text.begin(), text.end(), noteKeys);
    } catch (const nlohmann::json::parse_error& e) {
        return "The " + std::string(what) + " is not valid JSON: " + parseFaultOf(text, e) + ".";
    } catch (const nlohmann::json::out_of_range&) {
        // A number too large for a double (1e309) stops the parser before any key is read.
        return "The " + std::string(what) + " holds a number too large to be read.";
    } catch (const nlohmann::json::exception& e) {
        return "The " + std::string(what) + " cannot be read: " + e.what();
    }
    if (!duplicate.empty()) {
        return "The " + std::string(what) + " gives the key \"" + duplicate +
               "\" twice in one object.";
    }
    if (!document.is_object()) {
        return "The " + std::string(what) + " must be a JSON object.";
    }
    std::string error;
    JsonObjectReader top(document, "", error);
    readTop(top);
    top.finish();
    return error;
}

} // namespace flowmar
