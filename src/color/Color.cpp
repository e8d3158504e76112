#include "color/Color.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <iterator>

namespace sv {

namespace {

std::string hexOf(ColorValue c) {
    char buf[16];
    std::snprintf(buf, sizeof buf, "%X", static_cast<unsigned>(c));
    return buf;
}

std::string twoHex(int component) {
    char buf[16];
    std::snprintf(buf, sizeof buf, "%02X", static_cast<unsigned>(component) & 0xFFu);
    return buf;
}

} // namespace

Components splitColor(ColorValue c) {
    const std::int64_t v = c;
    const std::int64_t lowCleared =
        static_cast<std::int32_t>(static_cast<std::uint32_t>(c) & ~0xFFu);
    return Components{static_cast<int>(v % 256), static_cast<int>((lowCleared / 256) % 256),
                      static_cast<int>((v & 0xFF0000) / 65536)};
}

std::string toRgbHex(ColorValue c) {
    const Components k = splitColor(c);
    return twoHex(k.red) + twoHex(k.green) + twoHex(k.blue);
}

Notations makeNotations(ColorValue c) {
    const Components k = splitColor(c);
    const std::string hex = hexOf(c);
    std::string vb = "00000000" + hex;
    vb = vb.substr(vb.size() - 8);
    std::string six = hex;
    while (six.size() < 6) {
        six.insert(six.begin(), '0');
    }
    const std::string rrggbb = toRgbHex(c);
    return Notations{
        "&H" + vb, "#" + rrggbb, std::to_string(c), "0x00" + six, "$00" + six, "0x" + rrggbb,
        rrggbb,    k.red,        k.green,           k.blue};
}

const std::string& notationText(const Notations& n, Notation which) {
    switch (which) {
    case Notation::VisualBasic:
        return n.vb;
    case Notation::Long:
        return n.longText;
    case Notation::Cpp:
        return n.cpp;
    case Notation::Delphi:
        return n.delphi;
    case Notation::Java:
        return n.java;
    case Notation::Photoshop:
        return n.photoshop;
    case Notation::Html:
        break;
    }
    return n.html;
}

} // namespace sv
