#include "window/web/webwindow.hpp"

#include "window/accessibletexts.hpp"
#include "window/face.hpp"
#include "window/keys.hpp"
#include "window/layout.hpp"
#include "window/menubar.hpp"

#include <algorithm>
#include <utility>

namespace vantor {

namespace {

// Text as a JSON string, quotes included.
std::string jsonText(std::string_view text) {
    std::string out = "\"";
    for (const char c : text) {
        switch (c) {
        case '"':
            out += "\\\"";
            break;
        case '\\':
            out += "\\\\";
            break;
        case '\n':
            out += "\\n";
            break;
        case '\r':
            out += "\\r";
            break;
        default:
            if (static_cast<unsigned char>(c) < 0x20) {
                constexpr const char* hex = "0123456789abcdef";
                out += "\\u00";
                out += hex[(c >> 4) & 0xF];
                out += hex[c & 0xF];
            } else {
                out += c;
            }
        }
    }
    return out + "\"";
}

std::string field(std::string_view name, std::string_view json) {
    std::string out = jsonText(name);
    out += ':';
    out += json;
    return out;
}

// A further field of an object: the comma, then the field.
std::string nextField(std::string_view name, std::string_view json) {
    std::string out = ",";
    out += field(name, json);
    return out;
}

std::string boolean(bool value) {
    return value ? "true" : "false";
}

// The key as the browser's keyboard events name its place on the keyboard, and as a menu shows it.
std::string browserKey(const Key& key) {
    switch (key.name) {
    case KeyName::Q:
        return "KeyQ";
    case KeyName::E:
        return "KeyE";
    case KeyName::L:
        return "KeyL";
    case KeyName::S:
        return "KeyS";
    case KeyName::F1:
        return "F1";
    case KeyName::Home:
        return "Home";
    case KeyName::Left:
        return "ArrowLeft";
    case KeyName::Right:
        return "ArrowRight";
    case KeyName::Escape:
        return "Escape";
    case KeyName::Pause:
        return "Pause";
    }
    return "";
}

std::string keyLabel(const Key& key) {
    const std::string code = browserKey(key);
    if (code.rfind("Key", 0) == 0) {
        return code.substr(3);
    }
    if (code.rfind("Arrow", 0) == 0) {
        return code.substr(5);
    }
    return code == "Escape" ? "Esc" : code;
}

} // namespace

std::string chordText(const Key& key) {
    return std::string(key.ctrl ? "ctrl+" : "") + (key.shift ? "shift+" : "") + browserKey(key);
}

WebWindow::WebWindow(Platform platform, Raster planBackground, Raster skyBackground,
                     std::string shippedCatalogue)
    : m_form(std::move(platform), std::move(planBackground), std::move(skyBackground)) {
    m_form.setShippedCatalogue(std::move(shippedCatalogue));
    index();
    m_form.startUp();
}

// Every control by its name, with its click and double-click as the desktop's widgets give
// them, how the page shows it, and a listener that notes each change of its state.
void WebWindow::index() {
    Controls& c = m_form.controls();
    const auto none = std::function<void()>{};
    const auto note = [this](Control& control) {
        control.onChanged([this, &control] { m_changed.insert(control.name()); });
    };

    m_entries[c.retroF.name()] = {none, none, &c.retroF, "caption", ""};
    watch(c.retroF.name(), [&box = c.retroF] { return field("caption", jsonText(box.caption())); });
    note(c.retroF);

    for (Frame* frame : {&c.planFrm, &c.Frame4, &c.Frame3, &c.Frame2}) {
        m_entries[frame->name()] = {none, [frame] { frame->doubleClick(); }, frame, "frame", ""};
        watch(frame->name(), [frame] { return field("caption", jsonText(frame->caption())); });
        note(*frame);
    }
    for (Label* label : {&c.tooltipsLab, &c.tLab, &c.Label2, &c.Label4, &c.Label5, &c.Label3}) {
        const bool header = label != &c.tooltipsLab && label != &c.tLab;
        const std::string details = label == &c.tLab ? ",\"centred\":true,\"date\":true"
                                    : header         ? ",\"centred\":true"
                                                     : ",\"live\":true";
        m_entries[label->name()] = {none, none, label, "label", details};
        watch(label->name(), [label] {
            return field("caption", jsonText(label->caption())) + "," +
                   field("border", std::to_string(label->borderStyle()));
        });
        note(*label);
    }
    const auto clockButtons = c.clockButtons();
    for (PictureControl* picture : {&c.Frun, &c.Brun, &c.Brun_g, &c.Frun_g, &c.planBlock, &c.t0But,
                                    &c.BstepBut, &c.BrunBut, &c.stopBut, &c.FrunBut, &c.FstepBut}) {
        std::string details = isBordered(picture->name()) ? ",\"bordered\":true" : "";
        if (std::find(clockButtons.begin(), clockButtons.end(), picture) != clockButtons.end()) {
            details += ",\"pressable\":true";
        }
        if (picture == &c.planBlock) {
            details += ",\"picture\":\"plaindisc.png\"";
        }
        m_entries[picture->name()] = {[picture] { picture->click(); },
                                      [picture] { picture->doubleClick(); }, picture, "button",
                                      details};
        watch(picture->name(), [picture] {
            return field("visible", boolean(picture->visible())) + "," +
                   field("face", jsonText(faceFile(picture->face())));
        });
        note(*picture);
    }
    const std::pair<PictureControl*, int> surfaces[] = {{&c.planView, 0}, {&c.mercator, 1}};
    for (const auto& surface : surfaces) {
        PictureControl* picture = surface.first;
        const std::string details = nextField("surface", std::to_string(surface.second)) +
                                    (isBordered(picture->name()) ? ",\"bordered\":true" : "");
        m_entries[picture->name()] = {[picture] { picture->click(); },
                                      [picture] { picture->doubleClick(); }, picture, "surface",
                                      details};
        watch(picture->name(), [picture] { return field("visible", boolean(picture->visible())); });
        note(*picture);
    }
    for (OptionGroup* group : {&c.dtOpt, &c.modelOpt}) {
        for (int i = 0; i < group->size(); ++i) {
            OptionButton* option = &group->button(i);
            std::string details = nextField("caption", jsonText(option->caption()));
            if (group == &c.dtOpt) {
                details += ",\"plain\":true";
            }
            m_entries[option->name()] = {[option] { option->click(); }, none, option, "option",
                                         details};
            watch(option->name(),
                  [option] { return field("selected", boolean(option->selected())); });
            note(*option);
        }
    }
    for (CheckBox* box : c.checkBoxes()) {
        m_entries[box->name()] = {[box] { box->click(); }, none, box, "check",
                                  nextField("caption", jsonText(box->caption()))};
        watch(box->name(), [box] { return field("value", std::to_string(box->value())); });
        note(*box);
    }
    for (const MenuShape& menu : menuTable()) {
        std::vector<MenuItem*> entries{&(c.*menu.title)};
        for (MenuItem Controls::*item : menu.items) {
            entries.push_back(&(c.*item));
        }
        for (MenuItem* item : entries) {
            m_entries[item->name()] = {[item] { item->click(); }, none, nullptr, "menu", ""};
            watch(item->name(), [item] {
                return field("caption", jsonText(item->caption())) + "," +
                       field("enabled", boolean(item->enabled()));
            });
            item->onChanged([this, item] { m_changed.insert(item->name()); });
        }
    }
}

void WebWindow::watch(const std::string& name, std::function<std::string()> state) {
    m_states[name] = std::move(state);
    m_changed.insert(name);
}

std::string WebWindow::layoutJson() {
    std::string out = "{";
    out += field("width", std::to_string(twipsToPixels(clientWidthTwips))) + "," +
           field("height", std::to_string(twipsToPixels(clientHeightTwips))) + "," +
           field("tick", std::to_string(tickMilliseconds)) + "," +
           field("windowName", jsonText("retroF")) + "," +
           field("userCatalogueCommand", jsonText("TloadEcMen")) + ",\"controls\":[";
    bool first = true;
    for (const ControlPlace& place : controlPlaces()) {
        const auto entry = m_entries.find(place.name);
        if (entry == m_entries.end()) {
            continue;
        }
        out += first ? "{" : ",{";
        first = false;
        const PixelPlace pixels = pixelPlace(place);
        out += field("name", jsonText(place.name)) + "," +
               field("kind", jsonText(entry->second.kind)) + "," +
               field("container", jsonText(place.container)) + "," +
               field("left", std::to_string(pixels.left)) + "," +
               field("top", std::to_string(pixels.top)) + "," +
               field("width", std::to_string(pixels.width)) + "," +
               field("height", std::to_string(pixels.height)) + entry->second.details;
        if (entry->second.kind == "check" || entry->second.kind == "option") {
            const int size = entry->second.kind == "check" ? checkMarkSize : optionMarkSize;
            out += nextField("markTop", std::to_string(markTop(pixels.height, size))) + "," +
                   field("markSize", std::to_string(size)) + "," +
                   field("captionLeft", std::to_string(size + markCaptionGap));
        }
        if (const AccessibleText* text = accessibleTextOf(place.name)) {
            out += nextField("accessibleName", jsonText(text->name)) + "," +
                   field("description", jsonText(text->description));
        }
        out += "}";
    }
    out += "],\"tabOrder\":[";
    for (std::size_t i = 0; i < tabOrder.size(); ++i) {
        if (i != 0) {
            out += ',';
        }
        out += jsonText(tabOrder.at(i));
    }
    out += "],\"menus\":[";
    first = true;
    Controls& c = m_form.controls();
    for (const MenuShape& menu : menuTable()) {
        out += first ? "{" : ",{";
        first = false;
        out += field("title", jsonText((c.*menu.title).name())) + "," +
               field("right", boolean(menu.right)) + ",\"items\":[";
        std::string separators;
        for (std::size_t i = 0; i < menu.items.size(); ++i) {
            const MenuItem& item = c.*menu.items[i];
            if (i != 0) {
                out += ',';
            }
            out += jsonText(item.name());
            if (item.isSeparator()) {
                if (!separators.empty()) {
                    separators += ',';
                }
                separators += jsonText(item.name());
            }
        }
        out += "],\"separators\":[";
        out += separators;
        out += "],\"descriptions\":{";
        bool firstText = true;
        for (MenuItem Controls::*entry : menu.items) {
            const MenuItem* item = &(c.*entry);
            if (const AccessibleText* text = accessibleTextOf(item->name())) {
                if (!firstText) {
                    out += ',';
                }
                out += field(item->name(), jsonText(text->description));
                firstText = false;
            }
        }
        out += "}}";
    }
    out += "],\"keys\":[";
    first = true;
    for (const ControlKey& command : controlKeys()) {
        std::vector<Key> keys{command.key};
        if (command.alternative) {
            keys.push_back(*command.alternative);
        }
        for (const Key& key : keys) {
            out += first ? "{" : ",{";
            first = false;
            out += field("control", jsonText(command.control)) + "," +
                   field("code", jsonText(browserKey(key))) + "," +
                   field("label", jsonText(keyLabel(key))) + "," +
                   field("chord", jsonText(chordText(key))) + "," +
                   field("ctrl", boolean(key.ctrl)) + nextField("shift", boolean(key.shift)) +
                   nextField("repeats", boolean(!command.oncePerPress)) + "}";
        }
    }
    return out + "]}";
}

std::string WebWindow::takeChanges() {
    std::string out = "{";
    bool first = true;
    for (const std::string& name : m_changed) {
        const auto state = m_states.find(name);
        if (state == m_states.end()) {
            continue;
        }
        out += first ? "" : ",";
        first = false;
        out += jsonText(name) + ":{" + state->second() + "}";
    }
    m_changed.clear();
    return out + "}";
}

void WebWindow::click(std::string_view name) {
    const auto found = m_entries.find(name);
    if (found != m_entries.end() && found->second.click) {
        found->second.click();
    }
}

void WebWindow::doubleClick(std::string_view name) {
    const auto found = m_entries.find(name);
    if (found != m_entries.end() && found->second.doubleClick) {
        found->second.doubleClick();
    }
}

void WebWindow::mouseMove(std::string_view name) {
    const auto found = m_entries.find(name);
    if (found != m_entries.end() && found->second.control != nullptr) {
        found->second.control->mouseMove();
    }
}

Surface& WebWindow::surface(int which) {
    return which == 0 ? m_form.planSurface() : m_form.skySurface();
}

std::uint64_t WebWindow::changeCount(int which) {
    return surface(which).changeCount();
}

int WebWindow::width(int which) {
    return surface(which).width();
}

int WebWindow::height(int which) {
    return surface(which).height();
}

// 0xFFRRGGBB to the bytes red, green, blue, alpha: the red and blue bytes swap places.
void WebWindow::convert(std::size_t slot, const Raster& image, const PixelRect& rect) {
    const auto width = static_cast<std::size_t>(image.width());
    for (int y = rect.top; y < rect.top + rect.height; ++y) {
        const Pixel* pixel = image.row(y) + rect.left;
        std::uint32_t* word = m_rgba[slot].data() + static_cast<std::size_t>(y) * width +
                              static_cast<std::size_t>(rect.left);
        for (int x = 0; x < rect.width; ++x) {
            const Pixel p = pixel[x];
            word[x] = (p & 0xFF00FF00u) | ((p >> 16) & 0xFFu) | ((p & 0xFFu) << 16);
        }
    }
}

const std::uint8_t* WebWindow::rgba(int which) {
    const auto slot = static_cast<std::size_t>(which == 0 ? 0 : 1);
    Surface& from = surface(which);
    if (m_converted[slot] != from.changeCount() || m_rgba[slot].empty()) {
        const Raster& image = from.Image();
        m_rgba[slot].resize(static_cast<std::size_t>(image.width()) *
                            static_cast<std::size_t>(image.height()));
        convert(slot, image, {0, 0, image.width(), image.height()});
        m_converted[slot] = from.changeCount();
    }
    return reinterpret_cast<const std::uint8_t*>(m_rgba[slot].data());
}

const std::vector<int>& WebWindow::takeChangedRects(int which) {
    const auto slot = static_cast<std::size_t>(which == 0 ? 0 : 1);
    Surface& from = surface(which);
    std::vector<int>& taken = m_changedRects[slot];
    taken.clear();
    const std::vector<PixelRect> rects = from.takeChangedRects();
    // Every change of the image lies in a rectangle of the record: converting those brings the
    // whole of rgba() up to date.
    const bool whole = m_rgba[slot].empty();
    for (const PixelRect& rect : rects) {
        if (!whole) {
            convert(slot, from.Image(), rect);
        }
        taken.insert(taken.end(), {rect.left, rect.top, rect.width, rect.height});
    }
    if (whole) {
        static_cast<void>(rgba(which));
    }
    m_converted[slot] = from.changeCount();
    return taken;
}

} // namespace vantor
