// SVG as text: elements with their attributes, every value and text escaped for XML, so the
// document is well-formed whatever it says.
#pragma once

#include <cstdint>
#include <initializer_list>
#include <string>
#include <string_view>

struct SvgAttribute {
    const char* name;
    std::string value;

    SvgAttribute(const char* name, std::string_view value) : name(name), value(value) {}
    SvgAttribute(const char* name, const char* value) : name(name), value(value) {}
    SvgAttribute(const char* name, std::int32_t value) : name(name), value(std::to_string(value)) {}
};

using SvgAttributes = std::initializer_list<SvgAttribute>;

// The XML declaration and the outermost element's start, in SVG's namespace.
void StartSvg(std::string& out, std::int32_t width, std::int32_t height, SvgAttributes attributes);

// <name ...>, to be closed by EndElement.
void StartElement(std::string& out, const char* name, SvgAttributes attributes);
void EndElement(std::string& out, const char* name);

// <name .../> without text, <name ...>text</name> with it.
void AddElement(std::string& out, const char* name, SvgAttributes attributes,
                std::string_view text = {});

// The same within a line of text, where a line break would show as a space: <name ...>, the
// escaped text, </name>, with nothing between them.
void StartInline(std::string& out, const char* name, SvgAttributes attributes);
void AddText(std::string& out, std::string_view text);
void EndInline(std::string& out, const char* name);
