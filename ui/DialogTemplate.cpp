#include "ui/DialogTemplate.h"

#include <charconv>
#include <cstdint>

#include "platform/ResourceStore.h"
#include "ui/TextEncoding.h"

namespace {

// Reads whitespace-separated fields; quoted fields may hold spaces and \" escapes.
class Fields {
  public:
    explicit Fields(std::string_view line) : rest_(line) {}

    std::optional<std::string> Next() {
        while (!rest_.empty() && (rest_.front() == ' ' || rest_.front() == '\t')) {
            rest_.remove_prefix(1);
        }
        if (rest_.empty()) {
            return std::nullopt;
        }
        if (rest_.front() == '"') {
            return Quoted();
        }
        const auto end = rest_.find_first_of(" \t");
        std::string field(rest_.substr(0, end));
        rest_.remove_prefix(end == std::string_view::npos ? rest_.size() : end);
        return field;
    }

    bool AtEnd() {
        while (!rest_.empty() && (rest_.front() == ' ' || rest_.front() == '\t')) {
            rest_.remove_prefix(1);
        }
        return rest_.empty();
    }

  private:
    std::optional<std::string> Quoted() {
        std::string field;
        for (std::size_t i = 1; i < rest_.size(); ++i) {
            if (rest_[i] == '\\' && i + 1 < rest_.size()) {
                field += rest_[++i];
            } else if (rest_[i] == '"') {
                rest_.remove_prefix(i + 1);
                return field;
            } else {
                field += rest_[i];
            }
        }
        return std::nullopt;  // unterminated
    }

    std::string_view rest_;
};

std::optional<long long> Number(const std::optional<std::string>& field) {
    if (!field) {
        return std::nullopt;
    }
    std::string_view text = *field;
    int base = 10;
    bool negative = false;
    if (!text.empty() && text.front() == '-') {
        negative = true;
        text.remove_prefix(1);
    }
    if (text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) {
        base = 16;
        text.remove_prefix(2);
    }
    long long value = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value, base);
    if (ec != std::errc() || end != text.data() + text.size() || text.empty()) {
        return std::nullopt;
    }
    return negative ? -value : value;
}

bool ReadInts(Fields& f, std::initializer_list<int*> out) {
    for (int* p : out) {
        const auto n = Number(f.Next());
        if (!n || *n < -32768 || *n > 32767) {
            return false;
        }
        *p = static_cast<int>(*n);
    }
    return true;
}

bool ReadDword(Fields& f, DWORD* out) {
    const auto n = Number(f.Next());
    if (!n || *n < 0 || *n > 0xFFFFFFFFLL) {
        return false;
    }
    *out = static_cast<DWORD>(*n);
    return true;
}

bool ReadText(Fields& f, std::u16string* out) {
    const auto field = f.Next();
    if (!field) {
        return false;
    }
    *out = ui::FromUtf8(*field);
    return true;
}

bool ReadItem(Fields& f, DialogItem* item) {
    const auto id = Number(f.Next());
    if (!id || *id < 0 || *id > 0xFFFF) {
        return false;
    }
    item->id = static_cast<UINT>(*id);
    return ReadText(f, &item->class_name) && ReadText(f, &item->text) &&
           ReadDword(f, &item->style) && ReadDword(f, &item->ex_style) &&
           ReadInts(f, {&item->x, &item->y, &item->cx, &item->cy});
}

bool ReadLine(std::string_view key, Fields& f, DialogTemplate& t) {
    if (key == "style") {
        return ReadDword(f, &t.style);
    }
    if (key == "exstyle") {
        return ReadDword(f, &t.ex_style);
    }
    if (key == "rect") {
        return ReadInts(f, {&t.x, &t.y, &t.cx, &t.cy});
    }
    if (key == "font") {
        return ReadInts(f, {&t.font_points}) && ReadText(f, &t.font_face);
    }
    if (key == "caption") {
        return ReadText(f, &t.caption);
    }
    if (key == "item") {
        DialogItem item;
        if (!ReadItem(f, &item)) {
            return false;
        }
        t.items.push_back(std::move(item));
        return true;
    }
    return false;
}

}  // namespace

std::optional<DialogTemplate> DialogTemplate::Parse(std::string_view text, std::string* error) {
    DialogTemplate t;
    int line_number = 0;
    while (!text.empty()) {
        const auto end = text.find('\n');
        std::string_view line = text.substr(0, end);
        text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
        ++line_number;
        if (!line.empty() && line.back() == '\r') {
            line.remove_suffix(1);
        }
        Fields fields(line);
        const auto key = fields.Next();
        if (!key || key->front() == '#') {
            continue;
        }
        if (!ReadLine(*key, fields, t) || !fields.AtEnd()) {
            if (error != nullptr) {
                *error = "line " + std::to_string(line_number) + ": cannot read \"" +
                         std::string(line) + "\"";
            }
            return std::nullopt;
        }
    }
    return t;
}

std::optional<DialogTemplate> DialogTemplate::Load(UINT id) {
    const auto bytes = platform::ResourceStore::Find(platform::ResourceType::Dialog,
                                                     static_cast<std::uint16_t>(id));
    if (bytes.empty()) {
        return std::nullopt;
    }
    return Parse(std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()));
}

CRect DialogUnits::ToPixels(int x, int y, int cx, int cy) const {
    // MulDiv rounds half away from zero.
    auto mul_div = [](int value, int numerator, int denominator) {
        const long long product = static_cast<long long>(value) * numerator;
        const long long half = denominator / 2;
        return static_cast<int>(product >= 0 ? (product + half) / denominator
                                             : (product - half) / denominator);
    };
    const int left = mul_div(x, base_x, 4);
    const int top = mul_div(y, base_y, 8);
    return CRect::FromXywh(left, top, mul_div(cx, base_x, 4), mul_div(cy, base_y, 8));
}
