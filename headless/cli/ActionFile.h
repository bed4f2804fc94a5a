// A recorded action step as a JSON file: what `trimora clip --record` writes and `trimora play` reads back.
#pragma once

#include <stdexcept>
#include <string>

#include "headless/model/ActionModel.h"

namespace headless::app {

// A file that is not a recorded step; the message names the file and what is wrong.
class ActionFileError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The event name, its dialog status and its parameters, in the order `declared` lists their keys (keys it does
// not list follow in code order).
std::string ActionToJson(const RecordedActionEvent& step, const ActionParamType& declared);

// Reads what ActionToJson writes. `file` names the source in messages.
RecordedActionEvent ActionFromJson(const std::string& text, const std::string& file);

}  // namespace headless::app
