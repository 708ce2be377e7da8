// The byte layer of both file formats: little-endian 32-bit integers, IEEE 754 doubles and
// counted texts, read from a byte buffer with every read checked against its end, and written to
// a growing buffer. Texts are UTF-8 in memory and Windows-1252 in the file.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace flowmar {

// Why reading stopped; the first fault sticks.
enum class ArchiveFault {
    None,
    EndsEarly,            // a value or a text runs past the last byte
    ImpossibleTextLength, // a text's length prefix claims more bytes than remain
};

// Reads values one after another. After the first fault every further read returns 0 or an
// empty text without touching the buffer, so a caller may read a whole record and check once.
class ArchiveReader {
public:
    explicit ArchiveReader(std::span<const std::uint8_t> bytes) : m_bytes(bytes) {}

    std::int32_t readInt32();
    double readDouble();
    // A counted text: a length prefix (one byte below 255; FF and 16 bits below FFFE; FF FFFF and
    // 32 bits otherwise) and that many Windows-1252 bytes; or the wide prefix FF FE FF and a
    // length of the same form counting UTF-16LE units. Returned as UTF-8.
    std::string readText();

    ArchiveFault fault() const { return m_fault; }
    bool ok() const { return m_fault == ArchiveFault::None; }
    std::size_t position() const { return m_position; }
    std::size_t remaining() const { return m_bytes.size() - m_position; }

private:
    // The next n bytes, or an empty span after recording EndsEarly.
    std::span<const std::uint8_t> take(std::size_t n);
    std::uint32_t readUint32();
    std::uint16_t readUint16();
    std::uint8_t readUint8();
    void fail(ArchiveFault fault);

    std::span<const std::uint8_t> m_bytes;
    std::size_t m_position = 0;
    ArchiveFault m_fault = ArchiveFault::None;
};

// Longest text the counted form can hold (bytes after conversion to Windows-1252).
inline constexpr std::size_t kMaxArchiveTextLength = 0xFFFFFFFEu;

// Appends values in the same layout. A text too long for a 32-bit length is not written and
// marks the writer failed.
class ArchiveWriter {
public:
    void writeInt32(std::int32_t value);
    void writeDouble(double value);
    // Converts UTF-8 to Windows-1252 ('?' for a character it lacks) and writes the shortest
    // counted form; never the wide form.
    void writeText(std::string_view utf8);

    bool ok() const { return m_ok; }
    const std::vector<std::uint8_t>& bytes() const { return m_bytes; }
    std::vector<std::uint8_t> takeBytes() { return std::move(m_bytes); }
    void reserve(std::size_t size) { m_bytes.reserve(size); }

private:
    void writeUint8(std::uint8_t value);
    void writeUint16(std::uint16_t value);
    void writeUint32(std::uint32_t value);

    std::vector<std::uint8_t> m_bytes;
    bool m_ok = true;
};

} // namespace flowmar
