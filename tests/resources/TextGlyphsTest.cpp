// Every character the program draws has a glyph in each font it draws text in: the texts of the
// string table, the dialog templates and the menus, and the wide literals of the program's sources
// (formats, marks and texts drawn from code). A character no face has would show as a blank box.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <string>

#include "platform/gdi/FontEngine.h"
#include "platform/text/CodePage.h"
#include "platform/ui/DialogTemplate.h"
#include "platform/ui/Menu.h"
#include "platform/ui/StringTable.h"

namespace {

// Each character drawn, with a text it comes in.
using DrawnCharacters = std::map<wchar_t, std::wstring>;

void Add(DrawnCharacters& drawn, const wchar_t* text, const std::wstring& where) {
    if (!text) return;
    for (const wchar_t* c = text; *c; ++c) drawn.try_emplace(*c, where + L": " + text);
}

void AddMenuItems(DrawnCharacters& drawn, std::span<const MenuItemTemplate> items, UINT id) {
    for (const MenuItemTemplate& item : items) {
        Add(drawn, item.text, L"menu " + std::to_wstring(id));
        AddMenuItems(drawn, item.popup, id);
    }
}

// The characters of the L"..." literals in a source file, read as UTF-8.
void AddLiterals(DrawnCharacters& drawn, const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    const std::string source{std::istreambuf_iterator<char>(in), {}};
    for (size_t at = source.find("L\""); at != std::string::npos; at = source.find("L\"", at)) {
        std::string literal;
        for (at += 2; at < source.size() && source[at] != '"'; ++at) {
            if (source[at] != '\\') {
                literal += source[at];
                continue;
            }
            const char escaped = source[++at];
            if (escaped == 'u') {  // \uXXXX, written back as UTF-8 through the converter's input
                literal += ToUtf8(
                    CString(1, static_cast<wchar_t>(std::stoul(source.substr(at + 1, 4), nullptr, 16))));
                at += 4;
            } else if (escaped == '"' || escaped == '\\') {
                literal += escaped;
            }  // \n, \r, \t, \0, \x..: nothing drawn
        }
        const CString text = FromUtf8(literal);
        Add(drawn, text.c_str(), file.filename().wstring());
    }
}

DrawnCharacters ProgramCharacters() {
    DrawnCharacters drawn;
    for (UINT id = 0; id <= 0xFFFF; ++id) {
        const CString text = LoadStringResource(id);
        Add(drawn, text.c_str(), L"string " + std::to_wstring(id));
        if (const DialogTemplate* t = FindDialogTemplate(id)) {
            Add(drawn, t->caption, L"dialog " + std::to_wstring(id));
            for (const DialogControlTemplate& c : t->controls)
                Add(drawn, c.text, L"dialog " + std::to_wstring(id));
        }
        if (const MenuTemplate* m = FindMenuTemplate(id)) AddMenuItems(drawn, m->items, id);
    }
    const std::filesystem::path root(QZ_SOURCE_DIR);
    for (const char* folder : {"app", "shell", "calibration", "survey", "stakeout", "powerline", "cogo",
                               "export", "foundation", "geodesy", "receiver", "resources", "platform"})
        for (const auto& entry : std::filesystem::recursive_directory_iterator(root / folder)) {
            const std::string extension = entry.path().extension().string();
            if (extension == ".cpp" || extension == ".h") AddLiterals(drawn, entry.path());
        }
    return drawn;
}

}  // namespace

TEST(TextGlyphs, EveryCharacterDrawnHasAGlyphInEveryTextFont) {
    const DrawnCharacters drawn = ProgramCharacters();
    ASSERT_GT(drawn.size(), 500u);
    // Dialogs and menus, the system font of plots and boxes, the points' labels, the big readouts
    // and the north arrow, the sky plot's two.
    CFont dialog, labels, system, big, skyTitle, skyMarks;
    dialog.CreatePointFont(90, L"宋体");
    labels.CreatePointFont(80, L"宋体");
    system.CreateFont(-12, 0, 0, 0, FW_NORMAL, 0, 0, 0, GB2312_CHARSET, 0, 0, 0, 0, L"宋体");
    big.CreateFont(14, 0, 0, 0, FW_BOLD, 0, 0, 0, DEFAULT_CHARSET, 0, 0, 0, 0, L"Tahoma");
    skyTitle.CreateFont(16, 0, 0, 0, FW_BOLD, 0, 0, 0, DEFAULT_CHARSET, 0, 0, 0, 0, L"微软雅黑");
    skyMarks.CreateFont(13, 0, 0, 0, FW_BOLD, 0, 0, 0, DEFAULT_CHARSET, 0, 0, 0, 0, L"Tahoma");
    for (const CFont* font : {&dialog, &labels, &system, &big, &skyTitle, &skyMarks}) {
        const LOGFONT& lf = font->GetLogFontRef();
        const std::shared_ptr<FontInstance> faces = RealizeFont(lf);
        for (const auto& [character, text] : drawn)
            EXPECT_TRUE(faces->HasGlyph(static_cast<char32_t>(character)))
                << ToUtf8(CString(lf.lfFaceName)) << " " << lf.lfHeight << ": U+" << std::hex
                << static_cast<int>(character) << " in " << ToUtf8(CString(text.c_str()));
    }
}
