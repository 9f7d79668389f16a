#pragma once

#include <string>
#include <string_view>

namespace zandiro::web {

// Writes JSON text: objects, arrays, strings, numbers and booleans, with the
// commas between them put in by the writer.
class JsonWriter {
  public:
    void beginObject() { open('{'); }
    void endObject() { close('}'); }
    void beginArray() { open('['); }
    void endArray() { close(']'); }
    void key(std::string_view name);

    void value(std::string_view text);
    void value(const char* text) { value(std::string_view(text)); }
    void value(const std::string& text) { value(std::string_view(text)); }
    void value(int number);
    void value(bool flag);
    void null();

    template <typename T> void field(std::string_view name, const T& v) {
        key(name);
        value(v);
    }

    const std::string& text() const { return out_; }

  private:
    void open(char bracket);
    void close(char bracket);
    void separate();

    std::string out_;
    bool needComma_ = false;
};

} // namespace zandiro::web
