#include "web/json.h"

#include <cstdio>

namespace zandiro::web {

void JsonWriter::separate() {
    if (needComma_) {
        out_ += ',';
    }
    needComma_ = true;
}

void JsonWriter::open(char bracket) {
    separate();
    out_ += bracket;
    needComma_ = false;
}

void JsonWriter::close(char bracket) {
    out_ += bracket;
    needComma_ = true;
}

void JsonWriter::key(std::string_view name) {
    value(name);
    out_ += ':';
    needComma_ = false;
}

// Quotes and backslashes are escaped, and so is every control character, so
// that no caption or translation can end the string early.
void JsonWriter::value(std::string_view text) {
    separate();
    out_ += '"';
    for (const char c : text) {
        if (c == '"' || c == '\\') {
            out_ += '\\';
            out_ += c;
        } else if (static_cast<unsigned char>(c) < 0x20) {
            char escaped[8];
            std::snprintf(escaped, sizeof escaped, "\\u%04x", static_cast<unsigned char>(c));
            out_ += escaped;
        } else {
            out_ += c;
        }
    }
    out_ += '"';
}

void JsonWriter::value(int number) {
    separate();
    out_ += std::to_string(number);
}

void JsonWriter::value(bool flag) {
    separate();
    out_ += flag ? "true" : "false";
}

void JsonWriter::null() {
    separate();
    out_ += "null";
}

} // namespace zandiro::web
