#pragma once
// Writes one JSON object on one line into a string buffer, escaping texts
// as JSON requires (quotes, backslashes, control characters; UTF-8 passes
// through unchanged).

#include <string>
#include <string_view>

namespace qh {

class JsonLine {
public:
    explicit JsonLine(std::string& out);
    JsonLine(const JsonLine&) = delete;
    JsonLine& operator=(const JsonLine&) = delete;

    JsonLine& Text(std::string_view key, std::string_view value);
    JsonLine& Number(std::string_view key, long long value);
    JsonLine& Boolean(std::string_view key, bool value);
    // Closes the object and ends the line.
    void End();

private:
    std::string& FOut;
    bool FFirst = true;

    void Key(std::string_view key);
    void Quoted(std::string_view text);
};

} // namespace qh
