// A JSON text written straight into a string, value by value, in the layout nlohmann's dump gives
// (compact, or indented by a number of spaces): no tree is built, so a result of a few hundred
// numbers costs only their formatting. Numbers are written in their shortest form that reads
// back to the same double; a number that is not finite is written as null. Texts are UTF-8, with
// every byte that is not part of valid UTF-8 written as U+FFFD.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace flowmar {

// A key written in the code: checked when the program is built to need no escaping, so writing it
// is a plain copy.
class JsonKey {
public:
    template <std::size_t N>
    consteval JsonKey(const char (&name)[N]) // NOLINT(google-explicit-constructor): a literal
        : m_name(name, N - 1) {
        if (N > 256) {
            throw "a JSON key is a short name";
        }
        for (const char c : m_name) {
            if (c < 0x20 || c == '"' || c == '\\' || c == 0x7F) {
                throw "a JSON key must need no escaping";
            }
        }
    }
    std::string_view name() const { return m_name; }

private:
    std::string_view m_name;
};

class JsonStream {
public:
    // indent < 0: compact; otherwise that many spaces per level, one value per line.
    // The text reaches out in pieces of a few kilobytes, and whole as soon as a value at the top
    // (an object, an array) is complete.
    explicit JsonStream(std::string& out, int indent = -1) : m_out(out), m_indent(indent) {}
    ~JsonStream() { flush(); }
    JsonStream(const JsonStream&) = delete;
    JsonStream& operator=(const JsonStream&) = delete;

    JsonStream& beginObject();
    JsonStream& endObject();
    JsonStream& beginArray();
    JsonStream& endArray();
    // The key of the next value, inside an object.
    JsonStream& key(JsonKey name);

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
    void afterValue();
    void text(std::string_view s);
    // Written into the buffer, which goes to the output when full: a few hundred numbers appended
    // one small piece at a time cost as much again as formatting them.
    void write(std::string_view s);
    void write(char c);
    char* room(std::size_t size); // space for size characters at m_used
    void flush();

    std::string& m_out;
    int m_indent;
    std::vector<Level> m_levels;
    bool m_afterKey = false;
    std::array<char, 4096> m_buffer;
    std::size_t m_used = 0;
};

} // namespace flowmar
