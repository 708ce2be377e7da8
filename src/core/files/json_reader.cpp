#include "core/files/json_reader.h"

#include <nlohmann/json.hpp>

#include <cmath>
#include <limits>
#include <utility>

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

std::string readJsonDocument(std::string_view text, std::string_view what,
                             const std::function<void(JsonObjectReader&)>& readTop) {
    nlohmann::json document;
    try {
        document = nlohmann::json::parse(text.begin(), text.end());
    } catch (const nlohmann::json::parse_error& e) {
        return "The " + std::string(what) + " is not valid JSON: " + e.what();
    } catch (const nlohmann::json::out_of_range&) {
        // A number too large for a double (1e309) stops the parser before any key is read.
        return "The " + std::string(what) + " holds a number too large to be read.";
    } catch (const nlohmann::json::exception& e) {
        return "The " + std::string(what) + " cannot be read: " + e.what();
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
