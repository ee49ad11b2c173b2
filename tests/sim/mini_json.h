#pragma once

// Just enough JSON to read the simulator's output back in the tests: objects,
// arrays, strings without escapes beyond \" and \\, and numbers kept as
// their text, so that a float can be read back exactly as it was written.
#include <cstdlib>
#include <map>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

namespace tavexo::sim::testing {

struct Json {
    enum class Kind { Number, String, Array, Object } kind = Kind::Number;
    std::string text;  // a number's text, or a string's content
    std::vector<Json> items;
    std::map<std::string, Json> fields;

    const Json& operator[](const std::string& key) const {
        const auto it = fields.find(key);
        if (it == fields.end()) throw std::runtime_error("no key " + key);
        return it->second;
    }
    const Json& operator[](size_t i) const { return items.at(i); }
    bool Has(const std::string& key) const { return fields.count(key) > 0; }
    double Number() const { return std::strtod(text.c_str(), nullptr); }
    float Float() const { return std::strtof(text.c_str(), nullptr); }
    long long Integer() const { return std::strtoll(text.c_str(), nullptr, 10); }
    std::vector<int> Ints() const {
        std::vector<int> out;
        for (const Json& item : items) out.push_back(static_cast<int>(item.Integer()));
        return out;
    }
};

class JsonReader {
  public:
    explicit JsonReader(const std::string& text) : s_(text) {}

    Json Parse() {
        Json value = Value();
        Space();
        if (i_ != s_.size()) Fail("trailing text");
        return value;
    }

  private:
    Json Value() {
        Space();
        if (i_ >= s_.size()) Fail("end of text");
        const char c = s_[i_];
        if (c == '{') return Object();
        if (c == '[') return Array();
        if (c == '"') {
            Json j;
            j.kind = Json::Kind::String;
            j.text = String();
            return j;
        }
        Json j;
        const size_t start = i_;
        while (i_ < s_.size() && std::string("+-.0123456789eE").find(s_[i_]) != std::string::npos)
            ++i_;
        if (i_ == start) Fail("not a value");
        j.text = s_.substr(start, i_ - start);
        return j;
    }
    Json Object() {
        Json j;
        j.kind = Json::Kind::Object;
        Expect('{');
        Space();
        if (Peek('}')) return ++i_, j;
        for (;;) {
            Space();
            const std::string key = String();
            Space();
            Expect(':');
            j.fields[key] = Value();
            Space();
            if (Peek('}')) return ++i_, j;
            Expect(',');
        }
    }
    Json Array() {
        Json j;
        j.kind = Json::Kind::Array;
        Expect('[');
        Space();
        if (Peek(']')) return ++i_, j;
        for (;;) {
            j.items.push_back(Value());
            Space();
            if (Peek(']')) return ++i_, j;
            Expect(',');
        }
    }
    std::string String() {
        Expect('"');
        std::string out;
        while (i_ < s_.size() && s_[i_] != '"') {
            if (s_[i_] == '\\' && i_ + 1 < s_.size()) ++i_;
            out += s_[i_++];
        }
        Expect('"');
        return out;
    }
    void Space() {
        while (i_ < s_.size() &&
               (s_[i_] == ' ' || s_[i_] == '\n' || s_[i_] == '\r' || s_[i_] == '\t'))
            ++i_;
    }
    bool Peek(char c) const { return i_ < s_.size() && s_[i_] == c; }
    void Expect(char c) {
        if (!Peek(c)) Fail(std::string("expected ") + c);
        ++i_;
    }
    [[noreturn]] void Fail(const std::string& what) const {
        throw std::runtime_error("JSON: " + what + " at " + std::to_string(i_));
    }

    const std::string& s_;
    size_t i_ = 0;
};

inline Json ParseJson(const std::string& text) {
    return JsonReader(text).Parse();
}

}  // namespace tavexo::sim::testing
