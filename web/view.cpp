#include "web/view.h"

#include "form/contrast.h"
#include "form/fontfaces.h"
#include "game/layout.h"
#include "game/windowtexts.h"
#include "input/direction.h"
#include "input/keyboard.h"
#include "input/speech.h"
#include "web/json.h"

#include <charconv>
#include <cstdio>
#include <string_view>
#include <vector>

namespace zandiro::web {
namespace {

struct PlaceName {
    FocusKind kind;
    std::string_view prefix;
};
constexpr PlaceName placeNames[] = {
    {FocusKind::Die, "die-"}, {FocusKind::Category, "category-"}, {FocusKind::Button, "button-"}};

bool isGenericFamily(std::string_view family) {
    return family == "serif" || family == "sans-serif" || family == "monospace";
}

// The font as CSS gives it: the family stack; the size in pixels; the weight
// of the stand-ins, which the font's own face, where the visitor has it, is
// drawn at without a bold the browser would make up.
void writeFont(JsonWriter& json, const Font& font) {
    json.beginObject();
    json.field("family", fontFamilies(font));
    json.field("size", pixelSize(font));
    json.field("weight", fontFaces(font).standInWeight);
    json.endObject();
}

// What a screen reader is told of the place a control stands for.
void writePlace(JsonWriter& json, const Program& program, const Control& c, FocusPlace place) {
    const Zandiro& z = program.zandiro;
    json.field("place", placeId(place));
    switch (place.kind) {
    case FocusKind::Die:
        json.field("role", "checkbox");
        json.field("name", dieName(z, place.number));
        json.field("checked", dieChecked(z, place.number));
        break;
    case FocusKind::Category:
        json.field("role", "button");
        json.field("name", c.caption);
        json.field("description", categoryDescription(z, place.number));
        break;
    case FocusKind::Button:
        // No description: the page's live region says the roll, and a screen
        // reader also speaks a new description of the focused button, which
        // would say the roll twice.
        json.field("role", "button");
        json.field("name", c.caption);
        break;
    case FocusKind::None:
        break;
    }
}

void writeControl(JsonWriter& json, const Control& c, int z, Rgb paletteText, Rgb behind,
                  int windowWidth) {
    json.field("control", c.name);
    json.field("index", c.index);
    json.field("kind", kindName(c.kind));
    json.field("caption", c.caption);
    json.field("left", c.left);
    json.field("inlineStart", inlineStart(c, windowWidth));
    json.field("top", c.top);
    json.field("width", c.width);
    json.field("height", c.height);
    json.key("background");
    if (const std::string fill = cssFill(c); !fill.empty()) {
        json.value(fill);
    } else {
        json.null();
    }
    json.field("colour", cssColour(captionColour(c, paletteText, behind)));
    json.key("font");
    if (c.font) {
        writeFont(json, *c.font);
    } else {
        json.null();
    }
    json.field("bordered", c.bordered);
    json.field("centred", c.align == Align::Centre);
    json.field("autosize", c.autosize);
    json.field("wrap", c.wordWrap);
    json.field("visible", c.visible);
    json.field("enabled", c.enabled);
    json.field("picture", c.hasPicture);
    json.field("z", z);
}

void writeWindow(JsonWriter& json, const WindowFrame& window) {
    json.field("title", window.title);
    json.field("loaded", window.loaded);
    json.field("visible", window.visible);
    json.field("generation", window.generation);
}

void writeMainWindow(JsonWriter& json, const Program& program, Rgb paletteText) {
    const Form& form = program.zandiro.form;
    const std::vector<int> depth = drawingDepths(form);
    json.beginObject();
    writeWindow(json, program.zandiro.window);
    json.field("width", mainClientWidth);
    json.field("height", mainClientHeight);
    json.field("background", cssColour(mainBackground));
    json.key("controls");
    json.beginArray();
    for (ControlId id = 0; id < form.size(); ++id) {
        const Control& c = form.at(id);
        json.beginObject();
        json.field("id", id);
        writeControl(json, c, depth[static_cast<std::size_t>(id)], paletteText, mainBackground,
                     mainClientWidth);
        if (const FocusPlace place = placeOf(c); place.kind != FocusKind::None) {
            writePlace(json, program, c, place);
        }
        json.endObject();
    }
    json.endArray();
    json.endObject();
}

void writeCodeWindow(JsonWriter& json, const Program& program, Rgb paletteText) {
    json.beginObject();
    writeWindow(json, program.cheat.window);
    json.field("width", cheatClientWidth);
    json.field("height", cheatClientHeight);
    // The label fills the window with its own background, so nothing shows
    // through it.
    const Control& label = program.cheat.Label1;
    json.key("label");
    json.beginObject();
    writeControl(json, label, 0, paletteText, label.background.value_or(Rgb{}), cheatClientWidth);
    json.endObject();
    json.endObject();
}

void writeTexts(JsonWriter& json) {
    json.beginObject();
    json.field("application", applicationName);
    json.field("ok", okButtonText());
    json.field("close", closeBoxName());
    json.field("ended", endedText());
    json.endObject();
}

} // namespace

std::string cssColour(Rgb rgb) {
    char text[8];
    std::snprintf(text, sizeof text, "#%02x%02x%02x", rgb.r, rgb.g, rgb.b);
    return text;
}

std::string cssFill(const Control& c) {
    return c.background && !c.transparent ? cssColour(*c.background) : std::string();
}

const char* kindName(ControlKind kind) {
    switch (kind) {
    case ControlKind::Label:
        return "label";
    case ControlKind::PushButton:
        return "button";
    case ControlKind::Image:
        return "image";
    case ControlKind::RoundedRect:
        return "roundrect";
    case ControlKind::Circle:
        return "circle";
    }
    return "label";
}

std::string fontFamilies(const Font& font) {
    std::string stack;
    for (const std::string& family : fontFaces(font).families) {
        if (!stack.empty()) {
            stack += ", ";
        }
        stack += isGenericFamily(family) ? family : "\"" + family + "\"";
    }
    return stack;
}

int inlineStart(const Control& c, int windowWidth) {
    return readsRightToLeft() ? windowWidth - mirroredLeft(c, windowWidth) - c.width : c.left;
}

std::vector<int> drawingDepths(const Form& form) {
    std::vector<int> depth(static_cast<std::size_t>(form.size()), 0);
    int position = 0;
    for (ControlId id : form.drawingOrder()) {
        depth[static_cast<std::size_t>(id)] = position++;
    }
    return depth;
}

std::string placeId(FocusPlace place) {
    for (const PlaceName& entry : placeNames) {
        if (entry.kind == place.kind) {
            return std::string(entry.prefix) + std::to_string(place.number);
        }
    }
    return {};
}

FocusPlace placeFromId(std::string_view id) {
    for (const PlaceName& entry : placeNames) {
        if (id.substr(0, entry.prefix.size()) != entry.prefix) {
            continue;
        }
        const std::string_view digits = id.substr(entry.prefix.size());
        int number = 0;
        const auto [end, error] =
            std::from_chars(digits.data(), digits.data() + digits.size(), number);
        if (error == std::errc() && end == digits.data() + digits.size() && !digits.empty()) {
            return {entry.kind, number};
        }
    }
    return {};
}

std::string viewJson(const Program& program, Rgb paletteText) {
    JsonWriter json;
    json.beginObject();
    json.field("dir", readsRightToLeft() ? "rtl" : "ltr");
    json.key("main");
    writeMainWindow(json, program, paletteText);
    json.key("code");
    writeCodeWindow(json, program, paletteText);
    json.field("focus", placeId(program.keyboard.focus()));
    const Announcement& said = program.announcement();
    json.key("said");
    json.beginObject();
    json.field("serial", said.serial);
    json.field("text", announcementText(program.zandiro, program.module1, said));
    json.endObject();
    json.key("message");
    if (program.openMessage()) {
        json.value(*program.openMessage());
    } else {
        json.null();
    }
    json.field("ended", program.ended());
    json.key("texts");
    writeTexts(json);
    json.endObject();
    return json.text();
}

} // namespace zandiro::web
