#include "cli/json_reader.h"

#include <cstdint>

namespace qb::cli {

namespace {

// Deep enough for any report, shallow enough that no input runs the stack out.
constexpr int kMaxDepth = 64;

class Reader {
 public:
  explicit Reader(std::string_view text) : text_(text) {}

  bool Document(JsonValue& value) {
    if (text_.starts_with("\xEF\xBB\xBF")) at_ = 3;
    if (!Value(value, 0)) return false;
    Blanks();
    return at_ == text_.size() || Fail("text after the end of the document");
  }
  std::string error;

 private:
  bool Fail(std::string_view why) {
    if (error.empty()) error = std::string(why) + " at byte " + std::to_string(at_);
    return false;
  }
  void Blanks() {
    while (at_ < text_.size() && (text_[at_] == ' ' || text_[at_] == '\t' || text_[at_] == '\n' ||
                                  text_[at_] == '\r')) {
      ++at_;
    }
  }
  bool Take(char c) {
    Blanks();
    if (at_ < text_.size() && text_[at_] == c) {
      ++at_;
      return true;
    }
    return false;
  }
  bool Word(std::string_view word) {
    if (text_.substr(at_, word.size()) != word) return Fail("unknown word");
    at_ += word.size();
    return true;
  }

  bool Value(JsonValue& value, int depth) {
    if (depth > kMaxDepth) return Fail("nesting too deep");
    Blanks();
    if (at_ >= text_.size()) return Fail("unexpected end");
    switch (text_[at_]) {
      case '{': return Object(value, depth);
      case '[': return Array(value, depth);
      case '"': value.kind = JsonValue::Kind::String; return String(value.text);
      case 't': value.kind = JsonValue::Kind::Boolean; value.boolean = true; return Word("true");
      case 'f': value.kind = JsonValue::Kind::Boolean; return Word("false");
      case 'n': value.kind = JsonValue::Kind::Null; return Word("null");
      default: return Number(value);
    }
  }

  bool Number(JsonValue& value) {
    const size_t start = at_;
    while (at_ < text_.size() && std::string_view("+-0123456789.eE").find(text_[at_]) != std::string_view::npos) {
      ++at_;
    }
    if (at_ == start) return Fail("unexpected character");
    value.kind = JsonValue::Kind::Number;
    value.text = std::string(text_.substr(start, at_ - start));
    return true;
  }

  bool Array(JsonValue& value, int depth) {
    value.kind = JsonValue::Kind::Array;
    ++at_;
    if (Take(']')) return true;
    do {
      value.items.emplace_back();
      if (!Value(value.items.back(), depth + 1)) return false;
    } while (Take(','));
    return Take(']') || Fail("expected , or ]");
  }

  bool Object(JsonValue& value, int depth) {
    value.kind = JsonValue::Kind::Object;
    ++at_;
    if (Take('}')) return true;
    do {
      Blanks();
      if (at_ >= text_.size() || text_[at_] != '"') return Fail("expected a member name");
      value.members.emplace_back();
      if (!String(value.members.back().name)) return false;
      if (!Take(':')) return Fail("expected :");
      if (!Value(value.members.back().value, depth + 1)) return false;
    } while (Take(','));
    return Take('}') || Fail("expected , or }");
  }

  bool Hex4(uint32_t& unit) {
    if (text_.size() - at_ < 4) return Fail("cut \\u escape");
    unit = 0;
    for (int i = 0; i < 4; ++i) {
      const char c = text_[at_++];
      const int digit = c >= '0' && c <= '9'   ? c - '0'
                        : c >= 'a' && c <= 'f' ? c - 'a' + 10
                        : c >= 'A' && c <= 'F' ? c - 'A' + 10
                                               : -1;
      if (digit < 0) return Fail("bad \\u escape");
      unit = unit * 16 + static_cast<uint32_t>(digit);
    }
    return true;
  }

  static void AppendUtf8(uint32_t code, std::string& out) {
    if (code < 0x80) {
      out += static_cast<char>(code);
    } else if (code < 0x800) {
      out += static_cast<char>(0xC0 | (code >> 6));
      out += static_cast<char>(0x80 | (code & 0x3F));
    } else if (code < 0x10000) {
      out += static_cast<char>(0xE0 | (code >> 12));
      out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
      out += static_cast<char>(0x80 | (code & 0x3F));
    } else {
      out += static_cast<char>(0xF0 | (code >> 18));
      out += static_cast<char>(0x80 | ((code >> 12) & 0x3F));
      out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
      out += static_cast<char>(0x80 | (code & 0x3F));
    }
  }

  bool String(std::string& out) {
    ++at_;  // the opening quote
    while (at_ < text_.size()) {
      const char c = text_[at_++];
      if (c == '"') return true;
      if (static_cast<unsigned char>(c) < 0x20) return Fail("control character in a string");
      if (c != '\\') {
        out += c;
        continue;
      }
      if (at_ >= text_.size()) break;
      const char e = text_[at_++];
      switch (e) {
        case '"': case '\\': case '/': out += e; break;
        case 'b': out += '\b'; break;
        case 'f': out += '\f'; break;
        case 'n': out += '\n'; break;
        case 'r': out += '\r'; break;
        case 't': out += '\t'; break;
        case 'u': {
          uint32_t unit = 0;
          if (!Hex4(unit)) return false;
          if (unit >= 0xD800 && unit < 0xDC00 && text_.substr(at_, 2) == "\\u") {
            at_ += 2;
            uint32_t low = 0;
            if (!Hex4(low)) return false;
            if (low < 0xDC00 || low > 0xDFFF) return Fail("lone surrogate");
            unit = 0x10000 + ((unit - 0xD800) << 10) + (low - 0xDC00);
          } else if (unit >= 0xD800 && unit <= 0xDFFF) {
            return Fail("lone surrogate");
          }
          AppendUtf8(unit, out);
          break;
        }
        default: return Fail("unknown escape");
      }
    }
    return Fail("unterminated string");
  }

  std::string_view text_;
  size_t at_ = 0;
};

}  // namespace

const JsonValue* JsonValue::Find(std::string_view name) const {
  for (auto it = members.rbegin(); it != members.rend(); ++it) {
    if (it->name == name) return &it->value;
  }
  return nullptr;
}

std::optional<JsonValue> ParseJson(std::string_view text, std::string& error) {
  Reader reader(text);
  JsonValue value;
  if (!reader.Document(value)) {
    error = reader.error;
    return std::nullopt;
  }
  return value;
}

}  // namespace qb::cli
