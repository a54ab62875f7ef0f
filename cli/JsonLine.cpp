#include "JsonLine.h"

#include <charconv>

namespace qh {

JsonLine::JsonLine(std::string& out)
    : FOut(out)
{
    FOut += '{';
}

JsonLine& JsonLine::Text(std::string_view key, std::string_view value)
{
    Key(key);
    Quoted(value);
    return *this;
}

JsonLine& JsonLine::Number(std::string_view key, long long value)
{
    Key(key);
    char digits[24];
    const auto result = std::to_chars(digits, digits + sizeof digits, value);
    FOut.append(digits, result.ptr);
    return *this;
}

JsonLine& JsonLine::Boolean(std::string_view key, bool value)
{
    Key(key);
    FOut += value ? "true" : "false";
    return *this;
}

void JsonLine::End()
{
    FOut += "}\n";
}

void JsonLine::Key(std::string_view key)
{
    if (!FFirst)
        FOut += ',';
    FFirst = false;
    Quoted(key);
    FOut += ':';
}

void JsonLine::Quoted(std::string_view text)
{
    static constexpr char hex[] = "0123456789abcdef";
    FOut += '"';
    std::size_t plain = 0; // start of the run of characters copied as they are
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto byte = static_cast<unsigned char>(text[i]);
        if (byte >= 0x20 && byte != '"' && byte != '\\')
            continue;
        FOut.append(text, plain, i - plain);
        plain = i + 1;
        switch (byte) {
        case '"': FOut += "\\\""; break;
        case '\\': FOut += "\\\\"; break;
        case '\n': FOut += "\\n"; break;
        case '\r': FOut += "\\r"; break;
        case '\t': FOut += "\\t"; break;
        default:
            FOut += "\\u00";
            FOut += hex[byte >> 4];
            FOut += hex[byte & 0x0F];
        }
    }
    FOut.append(text, plain, text.size() - plain);
    FOut += '"';
}

} // namespace qh
