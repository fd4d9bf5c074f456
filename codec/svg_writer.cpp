#include "codec/svg_writer.h"

namespace {

constexpr const char* SvgNamespace = "http://www.w3.org/2000/svg";

void AppendEscaped(std::string& out, std::string_view text) {
    for (char c : text) {
        switch (c) {
        case '&':
            out += "&amp;";
            break;
        case '<':
            out += "&lt;";
            break;
        case '>':
            out += "&gt;";
            break;
        case '"':
            out += "&quot;";
            break;
        default:
            out += c;
        }
    }
}

void AppendAttributes(std::string& out, SvgAttributes attributes) {
    for (const SvgAttribute& attribute : attributes) {
        out += ' ';
        out += attribute.name;
        out += "=\"";
        AppendEscaped(out, attribute.value);
        out += '"';
    }
}

void AppendStart(std::string& out, const char* name, SvgAttributes attributes) {
    out += '<';
    out += name;
    AppendAttributes(out, attributes);
}

} // namespace

void StartSvg(std::string& out, std::int32_t width, std::int32_t height, SvgAttributes attributes) {
    out += "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n";
    std::string viewBox = "0 0 " + std::to_string(width) + " " + std::to_string(height);
    AppendStart(out, "svg",
                {{"xmlns", SvgNamespace},
                 {"version", "1.1"},
                 {"width", width},
                 {"height", height},
                 {"viewBox", viewBox}});
    AppendAttributes(out, attributes);
    out += ">\n";
}

void StartElement(std::string& out, const char* name, SvgAttributes attributes) {
    AppendStart(out, name, attributes);
    out += ">\n";
}

void EndElement(std::string& out, const char* name) {
    out += "</";
    out += name;
    out += ">\n";
}

void AddElement(std::string& out, const char* name, SvgAttributes attributes,
                std::string_view text) {
    AppendStart(out, name, attributes);
    if (text.empty()) {
        out += "/>\n";
        return;
    }
    out += '>';
    AppendEscaped(out, text);
    out += "</";
    out += name;
    out += ">\n";
}

void StartInline(std::string& out, const char* name, SvgAttributes attributes) {
    AppendStart(out, name, attributes);
    out += '>';
}

void AddText(std::string& out, std::string_view text) {
    AppendEscaped(out, text);
}

void EndInline(std::string& out, const char* name) {
    out += "</";
    out += name;
    out += '>';
}
