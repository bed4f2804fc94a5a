// Keys and type codes are written as their four characters ("delL", "bool"), values by kind: an enumeration as its
// number and name, a boolean as true or false.
#include "headless/cli/ActionFile.h"

#include <algorithm>
#include <limits>
#include <nlohmann/json.hpp>

namespace headless::app {

namespace {

using Json = nlohmann::ordered_json;

std::string CodeText(ASUInt32 code) {
    std::string text;
    for (int shift = 24; shift >= 0; shift -= 8)
        text += static_cast<char>((code >> shift) & 0xFF);
    return text;
}

Json EntryJson(ASUInt32 key, const ActionParamEntry& entry) {
    Json out = {{"key", CodeText(key)}, {"type", CodeText(entry.typeCode)}};
    if (entry.typeCode == kActionTypeBoolean) {
        out["value"] = entry.integer != 0;
    } else {
        out["value"] = entry.integer;
        out["name"] = entry.name;
    }
    return out;
}

class Reader {
public:
    explicit Reader(const std::string& file) : file_(file) {}

    [[noreturn]] void Refuse(const std::string& what) const { throw ActionFileError(file_ + ": " + what); }

    const Json& Member(const Json& object, const char* name, const std::string& where) const {
        const auto it = object.find(name);
        if (it == object.end()) Refuse(where + "has no \"" + name + "\"");
        return *it;
    }

    ASUInt32 Code(const Json& value, const std::string& where) const {
        // Printable characters only: a code is named in messages, and a control character would cut them short.
        const auto printable = [](char c) { return c >= 0x20 && c <= 0x7E; };
        const std::string* text = value.get_ptr<const std::string*>();
        if (!text || text->size() != 4 || !std::all_of(text->begin(), text->end(), printable))
            Refuse(where + "is not a four-character code");
        ASUInt32 code = 0;
        for (const char c : *text)
            code = (code << 8) | static_cast<unsigned char>(c);
        return code;
    }

    ASInt32 Integer(const Json& value, const std::string& where) const {
        const bool fits = value.is_number_integer() &&
                          value.get<std::int64_t>() >= std::numeric_limits<ASInt32>::min() &&
                          value.get<std::int64_t>() <= std::numeric_limits<ASInt32>::max();
        if (!fits) Refuse(where + "is not a 32-bit integer");
        return static_cast<ASInt32>(value.get<std::int64_t>());
    }

    void Parameter(const Json& item, std::size_t index, ActionParamValue& into) const {
        const std::string where = "parameter " + std::to_string(index + 1) + " ";
        if (!item.is_object()) Refuse(where + "is not an object");
        const ASUInt32 key = Code(Member(item, "key", where), where + "key ");
        const std::string named = "parameter '" + CodeText(key) + "' ";
        if (into.entries.contains(key)) Refuse(named + "is given twice");
        ActionParamEntry entry;
        entry.typeCode = Code(Member(item, "type", named), named + "type ");
        const Json& value = Member(item, "value", named);
        if (entry.typeCode == kActionTypeBoolean) {
            if (!value.is_boolean()) Refuse(named + "value is not true or false");
            entry.integer = value.get<bool>() ? 1 : 0;
        } else if (entry.typeCode == kActionTypeEnumerated) {
            entry.integer = Integer(value, named + "value ");
            const Json& name = Member(item, "name", named);
            if (!name.is_string()) Refuse(named + "name is not a string");
            entry.name = name.get<std::string>();
        } else {
            Refuse(named + "has type '" + CodeText(entry.typeCode) + "'; only 'enum' and 'bool' are recorded");
        }
        into.entries[key] = std::move(entry);
    }

private:
    const std::string& file_;
};

}  // namespace

std::string ActionToJson(const RecordedActionEvent& step, const ActionParamType& declared) {
    Json parameters = Json::array();
    for (const ActionParamKey& key : declared.keys) {
        const auto it = step.parameters.entries.find(key.key);
        if (it != step.parameters.entries.end()) parameters.push_back(EntryJson(it->first, it->second));
    }
    for (const auto& [key, entry] : step.parameters.entries) {
        const bool listed = std::any_of(declared.keys.begin(), declared.keys.end(),
                                        [key = key](const ActionParamKey& k) { return k.key == key; });
        if (!listed) parameters.push_back(EntryJson(key, entry));
    }
    const Json out = {{"event", step.name}, {"dialogStatus", step.dialogStatus}, {"parameters", parameters}};
    return out.dump(2) + "\n";
}

RecordedActionEvent ActionFromJson(const std::string& text, const std::string& file) {
    const Reader read(file);
    Json document;
    try {
        document = Json::parse(text);
    } catch (const Json::parse_error& e) {
        // The library's message starts with its own exception tag, which says nothing to a user.
        const std::string what = e.what();
        const std::size_t tagEnd = what.find("] ");
        read.Refuse("not valid JSON: " + (tagEnd == std::string::npos ? what : what.substr(tagEnd + 2)));
    }
    if (!document.is_object()) read.Refuse("is not a recorded action object");
    RecordedActionEvent step;
    const Json& event = read.Member(document, "event", "");
    if (!event.is_string() || event.get<std::string>().empty()) read.Refuse("\"event\" is not a name");
    step.name = event.get<std::string>();
    step.dialogStatus = read.Integer(read.Member(document, "dialogStatus", ""), "\"dialogStatus\" ");
    if (step.dialogStatus < kDialogNone || step.dialogStatus > kDialogOff)
        read.Refuse("\"dialogStatus\" " + std::to_string(step.dialogStatus) + " is not a dialog status (0 to 3)");
    const Json& parameters = read.Member(document, "parameters", "");
    if (!parameters.is_array()) read.Refuse("\"parameters\" is not a list");
    for (std::size_t i = 0; i < parameters.size(); ++i)
        read.Parameter(parameters[i], i, step.parameters);
    return step;
}

}  // namespace headless::app
