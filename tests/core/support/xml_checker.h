// A small XML well-formedness check for the SVG the painters and the command line write.
#pragma once

#include <cctype>
#include <string>
#include <string_view>
#include <vector>

namespace flowmar::testing {

// A small XML well-formedness check, enough for what the painter writes: an optional declaration,
// one root element, matching and nesting tags, quoted attribute values, and in text and values no
// '<', no '&' but a known entity and no control character. Returns the first fault, or "".
class XmlChecker {
public:
    explicit XmlChecker(std::string_view xml) : m_xml(xml) {}

    std::string fault() {
        if (m_xml.starts_with("<?xml")) {
            const std::size_t end = m_xml.find("?>");
            if (end == std::string_view::npos) {
                return "unterminated declaration";
            }
            m_pos = end + 2;
        }
        int roots = 0;
        std::vector<std::string> open;
        while (m_pos < m_xml.size()) {
            if (m_xml[m_pos] != '<') {
                const std::string error = characters('<');
                if (!error.empty()) {
                    return error;
                }
                if (open.empty() && !onlySpace(m_start, m_pos)) {
                    return "text outside the root element";
                }
                continue;
            }
            if (m_xml.substr(m_pos, 2) == "</") {
                m_pos += 2;
                const std::string name = readName();
                if (open.empty() || open.back() != name || m_pos >= m_xml.size() ||
                    m_xml[m_pos] != '>') {
                    return "mismatched end tag " + name;
                }
                ++m_pos;
                open.pop_back();
                continue;
            }
            ++m_pos;
            const std::string name = readName();
            if (name.empty()) {
                return "a tag without a name";
            }
            if (open.empty() && ++roots > 1) {
                return "a second root element";
            }
            bool selfClosing = false;
            if (const std::string error = attributes(selfClosing); !error.empty()) {
                return error + " in <" + name + ">";
            }
            if (!selfClosing) {
                open.push_back(name);
            }
        }
        if (!open.empty()) {
            return "unclosed element " + open.back();
        }
        return roots == 1 ? "" : "no root element";
    }

private:
    static bool isNameChar(char c) {
        return std::isalnum(static_cast<unsigned char>(c)) || c == '-' || c == ':' || c == '_';
    }

    std::string readName() {
        const std::size_t start = m_pos;
        while (m_pos < m_xml.size() && isNameChar(m_xml[m_pos])) {
            ++m_pos;
        }
        return std::string(m_xml.substr(start, m_pos - start));
    }

    bool onlySpace(std::size_t from, std::size_t to) const {
        return m_xml.substr(from, to - from).find_first_not_of(" \t\r\n") == std::string::npos;
    }

    // Character data up to the stop character.
    std::string characters(char stop) {
        m_start = m_pos;
        while (m_pos < m_xml.size() && m_xml[m_pos] != stop) {
            const char c = m_xml[m_pos];
            if (c == '<') {
                return "'<' in text or value";
            }
            if (static_cast<unsigned char>(c) < 0x20 && c != '\t' && c != '\n' && c != '\r') {
                return "a control character";
            }
            if (c == '&') {
                const std::size_t end = m_xml.find(';', m_pos);
                const std::string_view entity =
                    end == std::string_view::npos ? "" : m_xml.substr(m_pos, end + 1 - m_pos);
                if (entity != "&amp;" && entity != "&lt;" && entity != "&gt;" &&
                    entity != "&quot;" && entity != "&apos;") {
                    return "a bare '&'";
                }
                m_pos = end + 1;
                continue;
            }
            ++m_pos;
        }
        return "";
    }

    std::string attributes(bool& selfClosing) {
        for (;;) {
            while (m_pos < m_xml.size() && std::isspace(static_cast<unsigned char>(m_xml[m_pos]))) {
                ++m_pos;
            }
            if (m_pos >= m_xml.size()) {
                return "unterminated tag";
            }
            if (m_xml.substr(m_pos, 2) == "/>") {
                m_pos += 2;
                selfClosing = true;
                return "";
            }
            if (m_xml[m_pos] == '>') {
                ++m_pos;
                return "";
            }
            if (readName().empty() || m_pos + 1 >= m_xml.size() || m_xml[m_pos] != '=' ||
                m_xml[m_pos + 1] != '"') {
                return "a malformed attribute";
            }
            m_pos += 2;
            if (const std::string error = characters('"'); !error.empty()) {
                return error;
            }
            if (m_pos >= m_xml.size()) {
                return "an unterminated value";
            }
            ++m_pos;
        }
    }

    std::string_view m_xml;
    std::size_t m_pos = 0;
    std::size_t m_start = 0;
};

inline std::string xmlFault(std::string_view svg) {
    return XmlChecker(svg).fault();
}

} // namespace flowmar::testing
