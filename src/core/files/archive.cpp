#include "core/files/archive.h"

#include "core/files/text_encoding.h"

#include <bit>
#include <optional>
#include <utility>

namespace flowmar {

namespace {

constexpr std::uint8_t kLongLength = 0xFF;        // a 16-bit length follows
constexpr std::uint16_t kWideMarker = 0xFFFE;     // after FF: a UTF-16 text follows
constexpr std::uint16_t kVeryLongLength = 0xFFFF; // after FF: a 32-bit length follows

} // namespace

void ArchiveReader::fail(ArchiveFault fault) {
    if (m_fault == ArchiveFault::None) {
        m_fault = fault;
    }
}

std::span<const std::uint8_t> ArchiveReader::take(std::size_t n) {
    if (!ok()) {
        return {};
    }
    if (n > remaining()) {
        fail(ArchiveFault::EndsEarly);
        return {};
    }
    const auto part = m_bytes.subspan(m_position, n);
    m_position += n;
    return part;
}

std::uint8_t ArchiveReader::readUint8() {
    const auto b = take(1);
    return b.empty() ? 0 : b[0];
}

std::uint16_t ArchiveReader::readUint16() {
    const auto b = take(2);
    if (b.empty()) {
        return 0;
    }
    return static_cast<std::uint16_t>(b[0] | (b[1] << 8));
}

std::uint32_t ArchiveReader::readUint32() {
    const auto b = take(4);
    if (b.empty()) {
        return 0;
    }
    return std::uint32_t{b[0]} | (std::uint32_t{b[1]} << 8) | (std::uint32_t{b[2]} << 16) |
           (std::uint32_t{b[3]} << 24);
}

std::int32_t ArchiveReader::readInt32() {
    return std::bit_cast<std::int32_t>(readUint32());
}

double ArchiveReader::readDouble() {
    const auto b = take(8);
    if (b.empty()) {
        return 0;
    }
    std::uint64_t bits = 0;
    for (int i = 7; i >= 0; --i) {
        bits = (bits << 8) | b[static_cast<std::size_t>(i)];
    }
    return std::bit_cast<double>(bits);
}

std::string ArchiveReader::readText() {
    bool wide = false;
    std::uint64_t length = readUint8();
    if (length == kLongLength) {
        length = readUint16();
        if (length == kWideMarker) {
            wide = true;
            // The length of a wide text follows in the short, long or very long form; a second
            // wide marker is not a length.
            length = readUint8();
            if (length == kLongLength) {
                length = readUint16();
                if (length == kWideMarker) {
                    fail(ArchiveFault::ImpossibleTextLength);
                    return {};
                }
            }
        }
        if (length == kVeryLongLength) {
            length = readUint32();
        }
    }
    if (!ok()) {
        return {};
    }
    const std::uint64_t byteCount = wide ? 2 * length : length;
    if (byteCount > remaining()) {
        fail(ArchiveFault::ImpossibleTextLength);
        return {};
    }
    const auto bytes = take(static_cast<std::size_t>(byteCount));
    if (!wide) {
        return utf8FromWindows1252(
            std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()));
    }
    std::u16string units(static_cast<std::size_t>(length), u'\0');
    for (std::size_t i = 0; i < units.size(); ++i) {
        units[i] = static_cast<char16_t>(bytes[2 * i] | (bytes[2 * i + 1] << 8));
    }
    return utf8FromUtf16(units);
}

void ArchiveWriter::writeUint8(std::uint8_t value) {
    m_bytes.push_back(value);
}

void ArchiveWriter::writeUint16(std::uint16_t value) {
    m_bytes.push_back(static_cast<std::uint8_t>(value));
    m_bytes.push_back(static_cast<std::uint8_t>(value >> 8));
}

void ArchiveWriter::writeUint32(std::uint32_t value) {
    for (int shift = 0; shift < 32; shift += 8) {
        m_bytes.push_back(static_cast<std::uint8_t>(value >> shift));
    }
}

void ArchiveWriter::writeInt32(std::int32_t value) {
    writeUint32(std::bit_cast<std::uint32_t>(value));
}

void ArchiveWriter::writeDouble(double value) {
    const auto bits = std::bit_cast<std::uint64_t>(value);
    for (int shift = 0; shift < 64; shift += 8) {
        m_bytes.push_back(static_cast<std::uint8_t>(bits >> shift));
    }
}

void ArchiveWriter::writeText(std::string_view utf8) {
    // A character Windows-1252 lacks would become '?': such a text is written whole as UTF-16,
    // the form the reader takes after the wide marker.
    if (const std::optional<std::u16string> wide = utf16WhereWindows1252Fails(utf8)) {
        const std::size_t units = wide->size();
        if (units > kMaxArchiveTextLength / 2) {
            m_ok = false;
            return;
        }
        writeUint8(kLongLength);
        writeUint16(kWideMarker);
        if (units < kLongLength) {
            writeUint8(static_cast<std::uint8_t>(units));
        } else if (units < kWideMarker) {
            writeUint8(kLongLength);
            writeUint16(static_cast<std::uint16_t>(units));
        } else {
            writeUint8(kLongLength);
            writeUint16(kVeryLongLength);
            writeUint32(static_cast<std::uint32_t>(units));
        }
        for (const char16_t unit : *wide) {
            writeUint16(static_cast<std::uint16_t>(unit));
        }
        return;
    }
    const std::string text = windows1252FromUtf8(utf8);
    const std::size_t length = text.size();
    if (length > kMaxArchiveTextLength) {
        m_ok = false;
        return;
    }
    if (length < kLongLength) {
        writeUint8(static_cast<std::uint8_t>(length));
    } else if (length < kWideMarker) {
        writeUint8(kLongLength);
        writeUint16(static_cast<std::uint16_t>(length));
    } else {
        writeUint8(kLongLength);
        writeUint16(kVeryLongLength);
        writeUint32(static_cast<std::uint32_t>(length));
    }
    m_bytes.insert(m_bytes.end(), text.begin(), text.end());
}

} // namespace flowmar
