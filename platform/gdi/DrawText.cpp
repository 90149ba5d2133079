// DrawText: lines, word breaking, alignment, the '&' prefix and the end ellipsis.
#include <algorithm>
#include <cwchar>
#include <string>
#include <vector>

#include "platform/gdi/CDC.h"
#include "platform/gdi/FontEngine.h"
#include "platform/gdi/LineBreaks.h"

namespace {

struct Line {
    std::wstring text;
    int underlined = -1;  // the character after a single '&'
    int width = 0;
};

int Width(FontInstance& font, const std::wstring& text) {
    int w = 0;
    for (wchar_t c : text) w += font.Advance(static_cast<char32_t>(c));
    return w;
}

std::vector<std::wstring> SplitParagraphs(const std::wstring& text) {
    std::vector<std::wstring> out(1);
    for (size_t i = 0; i < text.size(); ++i) {
        const wchar_t c = text[i];
        if (c == L'\r' || c == L'\n') {
            if (c == L'\r' && i + 1 < text.size() && text[i + 1] == L'\n') ++i;
            out.emplace_back();
        } else {
            out.back() += c;
        }
    }
    return out;
}

// Breaks after blanks and around Chinese characters; a word wider than the line (a path, a long
// number) breaks where it overflows rather than being cut at the box's edge.
void WrapInto(FontInstance& font, const std::wstring& text, int maxWidth, std::vector<std::wstring>& lines) {
    size_t start = 0;
    while (true) {
        int width = 0;
        size_t breakAt = std::wstring::npos;
        size_t i = start;
        for (; i < text.size(); ++i) {
            const wchar_t c = text[i];
            if (i > start && MayBreakBefore(text[i - 1], c)) breakAt = i;
            width += font.Advance(static_cast<char32_t>(c));
            if (width > maxWidth && c != L' ') {
                if (breakAt == std::wstring::npos) breakAt = std::max(i, start + 1);
                break;
            }
        }
        if (i >= text.size()) {
            lines.push_back(text.substr(start));
            return;
        }
        std::wstring line = text.substr(start, breakAt - start);
        while (!line.empty() && line.back() == L' ') line.pop_back();
        lines.push_back(line);
        start = breakAt;
        while (start < text.size() && text[start] == L' ') ++start;
        if (start >= text.size()) return;
    }
}

// "&x" underlines x, "&&" is one '&'.
Line TakePrefix(const std::wstring& raw, bool prefix) {
    Line line;
    if (!prefix) {
        line.text = raw;
        return line;
    }
    for (size_t i = 0; i < raw.size(); ++i) {
        if (raw[i] == L'&' && i + 1 < raw.size()) {
            ++i;
            if (raw[i] != L'&' && line.underlined < 0) line.underlined = static_cast<int>(line.text.size());
        }
        line.text += raw[i];
    }
    return line;
}

void AddEllipsis(FontInstance& font, Line& line, int maxWidth) {
    if (line.width <= maxWidth) return;
    const std::wstring dots = L"...";
    while (!line.text.empty() && Width(font, line.text + dots) > maxWidth) line.text.pop_back();
    line.text += dots;
    if (line.underlined >= static_cast<int>(line.text.size()) - 3) line.underlined = -1;
    line.width = Width(font, line.text);
}

}  // namespace

int CDC::DrawText(const wchar_t* text, int count, LPRECT rect, UINT format) {
    if (!text || !rect) return 0;
    if (count < 0) count = static_cast<int>(std::wcslen(text));
    FontInstance& font = Font();
    const int lineHeight = font.metrics().height();
    const CRect box(rect);
    const bool single = (format & DT_SINGLELINE) != 0;

    // One line as it stands (no '&' to take, no ellipsis to fit) is laid out where it is.
    if (single && !(format & (DT_END_ELLIPSIS | DT_CALCRECT)) &&
        ((format & DT_NOPREFIX) || std::find(text, text + count, L'&') == text + count)) {
        int y = box.top;
        if (format & DT_VCENTER)
            y = box.top + (box.Height() - lineHeight) / 2;
        else if (format & DT_BOTTOM)
            y = box.bottom - lineHeight;
        int x = box.left;
        if (format & (DT_CENTER | DT_RIGHT)) {
            int width = 0;
            for (int i = 0; i < count; ++i) width += font.Advance(static_cast<char32_t>(text[i]));
            x = (format & DT_CENTER) ? box.left + (box.Width() - width) / 2 : box.right - width;
        }
        DrawTextRun(x, y, text, count, nullptr, nullptr, (format & DT_NOCLIP) ? nullptr : &box, -1);
        return (format & (DT_VCENTER | DT_BOTTOM)) ? y + lineHeight - box.top : lineHeight;
    }
    const std::wstring all(text, static_cast<size_t>(count));
    std::vector<std::wstring> raw;
    if (single) {
        raw.push_back(all);
    } else {
        for (const std::wstring& paragraph : SplitParagraphs(all)) {
            if (format & DT_WORDBREAK)
                WrapInto(font, paragraph, box.Width(), raw);
            else
                raw.push_back(paragraph);
        }
    }
    std::vector<Line> lines;
    int widest = 0;
    for (const std::wstring& r : raw) {
        Line line = TakePrefix(r, !(format & DT_NOPREFIX));
        line.width = Width(font, line.text);
        if (format & DT_END_ELLIPSIS) AddEllipsis(font, line, box.Width());
        widest = std::max(widest, line.width);
        lines.push_back(std::move(line));
    }
    const int total = lineHeight * static_cast<int>(lines.size());

    if (format & DT_CALCRECT) {
        rect->right = box.left + widest;
        rect->bottom = box.top + total;
        return total;
    }
    int y = box.top;
    if (single && (format & DT_VCENTER))
        y = box.top + (box.Height() - lineHeight) / 2;
    else if (single && (format & DT_BOTTOM))
        y = box.bottom - lineHeight;
    const CRect* clipTo = (format & DT_NOCLIP) ? nullptr : &box;
    for (const Line& line : lines) {
        int x = box.left;
        if (format & DT_CENTER)
            x = box.left + (box.Width() - line.width) / 2;
        else if (format & DT_RIGHT)
            x = box.right - line.width;
        DrawTextRun(x, y, line.text.c_str(), static_cast<int>(line.text.size()), nullptr, nullptr, clipTo,
                    line.underlined);
        y += lineHeight;
    }
    return single && (format & (DT_VCENTER | DT_BOTTOM)) ? y - box.top : total;
}
