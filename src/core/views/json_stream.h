// A JSON text written straight into a string, value by value, in the layout nlohmann's dump gives
// (compact, or indented by a number of spaces): no tree is built, so a result of a few hundred
// numbers costs only their formatting. Numbers are written in their shortest form that reads
// back to the same double; a number that is not finite is written as null. Texts are UTF-8, with
// every byte that is not part of valid UTF-8 written as U+FFFD.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace flowmar {

class JsonStream {
public:
    // indent < 0: compact; otherwise that many spaces per level, one value per line.
    explicit JsonStream(std::string& out, int indent = -1) : m_out(out), m_indent(indent) {}

    JsonStream& beginObject();
    JsonStream& endObject();
    JsonStream& beginArray();
    JsonStream& endArray();
    // The key of the next value, inside an object.
    JsonStream& key(std::string_view name);

    JsonStream& value(double number);
    JsonStream& value(int number);
    JsonStream& value(std::int64_t number);
    JsonStream& value(bool flag);
    JsonStream& value(std::string_view text);
    JsonStream& value(const char* text) { return value(std::string_view(text)); }
    JsonStream& null();

    // A whole array of texts.
    JsonStream& value(const std::vector<std::string>& texts);

private:
    struct Level {
        bool array = false;
        bool empty = true;
    };
    void beforeValue();
    void newLine(std::size_t depth);
    void end(char closing);
    void text(std::string_view s);

    std::string& m_out;
    int m_indent;
    std::vector<Level> m_levels;
    bool m_afterKey = false;
};

} // namespace flowmar
