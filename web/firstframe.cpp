// Writes the page at build time, so that the browser paints the game's window
// before any file but the page has come and before any script but the page's
// own has run: the game as it starts, in English, read through the page's
// view, as the main window's elements in the built index.html, and the rules
// that place and draw them after the page's style sheet (the page's
// Content-Security-Policy allows no style attributes). The rules hold only
// while the controls' toolbar has the class "static": the page's module takes
// these elements over, draws the game on them and takes the class away.
// The style sheet and boot.js, the script that runs before the first paint,
// stand in the page itself, each allowed by the digest of its text in the
// page's Content-Security-Policy; boot.js gets the languages the site has
// catalogues for and those of them that the game reads right to left, for
// which it mirrors the frame at once.
//
//   zandiro_firstframe <templates folder> <locale folder> <site folder> <language>...
//
// The templates are index.html, page.css and boot.js; index.html marks where
// the window's controls go with the comment below, and where the style sheet,
// boot.js and their digests go with @PAGE_CSS@, @BOOT_JS@, @STYLE_SHA256@ and
// @BOOT_SHA256@. The locale folder holds the compiled catalogues,
// <language>/LC_MESSAGES/<domain>.mo.
#include "form/contrast.h"
#include "form/fontfaces.h"
#include "game/game.h"
#include "game/layout.h"
#include "input/direction.h"
#include "input/keyboard.h"
#include "web/catalogue.h"
#include "web/view.h"
#include "web/webplatform.h"

#include <emscripten.h>

#include <algorithm>
#include <fstream>
#include <iostream>
#include <optional>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

namespace zandiro::web {
namespace {

constexpr std::string_view marker = "<!-- the first frame -->";
// The text colours of a light and a dark colour scheme, which captions
// without a colour of their own are drawn in where they can be read.
constexpr Rgb lightText{0, 0, 0};
constexpr Rgb darkText{255, 255, 255};

std::string escaped(std::string_view text) {
    std::string out;
    for (char c : text) {
        out += c == '&' ? "&amp;" : c == '<' ? "&lt;" : c == '>' ? "&gt;" : std::string(1, c);
    }
    return out;
}

// The element the page makes for each kind of control (controlKinds in page.mjs).
struct ElementKind {
    std::string tag;
    std::string attributes;
};

ElementKind elementKind(ControlKind kind) {
    switch (kind) {
    case ControlKind::PushButton:
        return {"button", " type=\"button\" tabindex=\"-1\""};
    case ControlKind::Image:
        return {"img", " alt=\"\""};
    default:
        return {"div", ""};
    }
}

// A control's element with the classes, id and caption the page gives it.
std::string element(const Control& c) {
    std::string classes = std::string("control ") + kindName(c.kind);
    for (const auto& [flag, name] : {std::pair{c.bordered, "bordered"},
                                     {c.align == Align::Centre, "centred"},
                                     {c.autosize, "autosize"},
                                     {c.wordWrap, "wrap"},
                                     {!c.enabled, "disabled"}}) {
        if (flag) {
            classes += std::string(" ") + name;
        }
    }
    const ElementKind kind = elementKind(c.kind);
    std::string out = "<" + kind.tag + kind.attributes + " class=\"" + classes + "\"";
    if (const std::string id = placeId(placeOf(c)); !id.empty()) {
        out += " id=\"" + id + "\"";
    }
    out += c.visible ? ">" : " hidden>";
    return kind.tag == "img" ? out : out + escaped(c.caption) + "</" + kind.tag + ">";
}

std::string colour(const Control& c, Rgb paletteText) {
    return cssColour(captionColour(c, paletteText, mainBackground));
}

// What the page's module sets on a control's element: its place from the
// window's inline start, size and drawing order, font, and the colours its
// kind takes.
std::string declarations(const Control& c, int depth) {
    std::ostringstream out;
    out << "inset-inline-start:" << inlineStart(c, mainClientWidth) << "px;top:" << c.top << "px;";
    if (!c.autosize) {
        out << "width:" << c.width << "px;height:" << c.height << "px;";
    }
    out << "z-index:" << depth << ";";
    if (c.font && (c.kind == ControlKind::Label || c.kind == ControlKind::PushButton)) {
        out << "font-family:" << fontFamilies(*c.font) << ";font-size:" << pixelSize(*c.font)
            << "px;font-weight:" << fontFaces(*c.font).standInWeight << ";";
    }
    if (c.kind == ControlKind::Label) {
        const std::string fill = cssFill(c);
        out << "color:" << colour(c, lightText)
            << ";background-color:" << (fill.empty() ? "transparent" : fill) << ";";
    } else if (c.kind != ControlKind::PushButton && !cssFill(c).empty()) {
        out << "background-color:" << cssFill(c) << ";";
    }
    return out.str();
}

std::string selector(ControlId id) {
    return ".static>:nth-child(" + std::to_string(id + 1) + ")";
}

struct Frame {
    std::string markup;
    std::string rules;
};

Frame firstFrame(const Program& program) {
    const Form& form = program.zandiro.form;
    const std::vector<int> depth = drawingDepths(form);
    std::ostringstream rules;
    rules << "\n/* The first frame, written by the build from the game as it starts. */\n"
          << ":root{--width:" << mainClientWidth << "px;--height:" << mainClientHeight << "px}\n"
          << "#zandiro{background-color:" << cssColour(mainBackground) << "}\n";
    std::string markup;
    std::string dark;
    for (ControlId id = 0; id < form.size(); ++id) {
        const Control& c = form.at(id);
        markup += "\n" + element(c);
        if (!c.visible) {
            continue;
        }
        rules << selector(id) << "{" << declarations(c, depth[static_cast<std::size_t>(id)])
              << "}\n";
        if (c.kind == ControlKind::Label && colour(c, darkText) != colour(c, lightText)) {
            dark += selector(id) + "{color:" + colour(c, darkText) + "}\n";
        }
    }
    rules << "@media (prefers-color-scheme:dark){\n" << dark << "}\n";
    return {markup + "\n", rules.str()};
}

// The whole file, or nothing where it cannot be read.
std::optional<std::string> contentsOf(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return in ? std::optional(text.str()) : std::nullopt;
}

bool write(const std::string& path, const std::string& text) {
    std::ofstream out(path, std::ios::binary);
    out << text;
    return static_cast<bool>(out.flush());
}

// The SHA-256 digest of `text` in base64, from node's crypto, which the
// build runs this program in.
EM_JS(void, sha256Base64, (const char* text, int size, char* digest), {
    const hash = require('crypto').createHash('sha256');
    stringToUTF8(hash.update(HEAPU8.subarray(text, text + size)).digest('base64'), digest, 45);
});

// A Content-Security-Policy source that allows the element whose text is `text`.
std::string hashSource(const std::string& text) {
    char digest[45] = {};
    sha256Base64(text.data(), static_cast<int>(text.size()), digest);
    return std::string("'sha256-") + digest + "'";
}

// `text` with `marker` replaced by `value`; nothing where it has no marker.
std::optional<std::string> filled(std::optional<std::string> text, std::string_view marker,
                                  const std::string& value) {
    const std::size_t at = text ? text->find(marker) : std::string::npos;
    if (at == std::string::npos) {
        return std::nullopt;
    }
    return text->replace(at, marker.size(), value);
}

// The languages whose catalogue the game reads right to left (readsRightToLeft)
// with that catalogue in use; nothing where a catalogue cannot be read.
std::optional<std::string> rightToLeft(const std::string& locale,
                                       const std::vector<std::string>& languages) {
    std::string found;
    for (const std::string& language : languages) {
        const std::optional<std::string> catalogue =
            contentsOf(locale + "/" + language + "/LC_MESSAGES/" + ZANDIRO_TEXT_DOMAIN + ".mo");
        if (!catalogue) {
            return std::nullopt;
        }
        std::copy(catalogue->begin(), catalogue->end(), catalogueBuffer(catalogue->size()));
        useCatalogue(language);
        if (zandiro::readsRightToLeft()) {
            found += (found.empty() ? "" : " ") + language;
        }
    }
    return found;
}

} // namespace
} // namespace zandiro::web

int main(int argc, char** argv) {
    using namespace zandiro::web;
    if (argc < 4) {
        std::cerr << "usage: zandiro_firstframe <templates folder> <locale folder> <site folder> "
                     "<language>...\n";
        return 2;
    }
    const std::string templates = argv[1];
    const std::string locale = argv[2];
    const std::string site = argv[3];
    const std::vector<std::string> languages(argv + 4, argv + argc);
    std::string languageList;
    for (const std::string& language : languages) {
        languageList += (languageList.empty() ? "" : " ") + language;
    }
    // The frame in English, before any catalogue is read.
    WebPlatform platform;
    const zandiro::Game game(platform);
    const Frame frame = firstFrame(game.program());
    const std::optional<std::string> style = contentsOf(templates + "/page.css");
    const std::optional<std::string> mirrored = rightToLeft(locale, languages);
    const std::optional<std::string> boot =
        filled(filled(contentsOf(templates + "/boot.js"), "@LANGUAGES@", languageList),
               "@RIGHT_TO_LEFT@", mirrored.value_or(""));
    if (!style || !mirrored || !boot) {
        std::cerr << "zandiro_firstframe: a template or catalogue is missing or has no marker\n";
        return 1;
    }
    const std::string sheet = *style + frame.rules;
    // Neither text may end the element it stands in.
    if (sheet.find("</") != std::string::npos || boot->find("</") != std::string::npos) {
        std::cerr << "zandiro_firstframe: the style sheet or boot.js holds \"</\"\n";
        return 1;
    }
    std::optional<std::string> page =
        filled(contentsOf(templates + "/index.html"), marker, frame.markup);
    page = filled(filled(page, "@STYLE_SHA256@", hashSource(sheet)), "@BOOT_SHA256@",
                  hashSource(*boot));
    page = filled(filled(page, "@PAGE_CSS@", sheet), "@BOOT_JS@", *boot);
    if (!page) {
        std::cerr << "zandiro_firstframe: index.html lacks a marker\n";
        return 1;
    }
    if (!write(site + "/index.html", *page)) {
        std::cerr << "zandiro_firstframe: cannot write into " << site << "\n";
        return 1;
    }
    return 0;
}
