#include "platform/files/Windows1252.h"

#include <QList>
#include <array>
#include <optional>
#include <utility>

namespace platform::windows1252 {
namespace {

// The characters Windows-1252 places at 0x80..0x9F instead of control codes.
constexpr std::array<std::pair<char32_t, unsigned char>, 27> UpperControlSlots{{
    {0x20AC, 0x80}, {0x201A, 0x82}, {0x0192, 0x83}, {0x201E, 0x84}, {0x2026, 0x85}, {0x2020, 0x86},
    {0x2021, 0x87}, {0x02C6, 0x88}, {0x2030, 0x89}, {0x0160, 0x8A}, {0x2039, 0x8B}, {0x0152, 0x8C},
    {0x017D, 0x8E}, {0x2018, 0x91}, {0x2019, 0x92}, {0x201C, 0x93}, {0x201D, 0x94}, {0x2022, 0x95},
    {0x2013, 0x96}, {0x2014, 0x97}, {0x02DC, 0x98}, {0x2122, 0x99}, {0x0161, 0x9A}, {0x203A, 0x9B},
    {0x0153, 0x9C}, {0x017E, 0x9E}, {0x0178, 0x9F},
}};

std::optional<unsigned char> byteOf(char32_t character) {
    if (character >= 0x20 && character < 0x7F)
        return static_cast<unsigned char>(character);
    if (character >= 0xA0 && character <= 0xFF)
        return static_cast<unsigned char>(character);
    for (const auto& [unicode, byte] : UpperControlSlots) {
        if (unicode == character)
            return byte;
    }
    return std::nullopt;
}

unsigned char encodeCharacter(char32_t character) {
    // Follow the first character of each decomposition down to a base letter.
    for (int depth = 0; depth < 4; ++depth) {
        if (const auto byte = byteOf(character))
            return *byte;
        const QString decomposed = QChar::decomposition(character);
        if (decomposed.isEmpty())
            break;
        character = decomposed.toUcs4().value(0);
    }
    return '?';
}

} // namespace

QByteArray encode(const QString& text) {
    const QList<uint> characters = text.normalized(QString::NormalizationForm_C).toUcs4();
    QByteArray bytes;
    bytes.reserve(characters.size());
    for (const uint character : characters)
        bytes.append(static_cast<char>(encodeCharacter(character)));
    return bytes;
}

} // namespace platform::windows1252
