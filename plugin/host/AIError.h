// ai::Error: the exception that carries a host error code out of the string and path helpers.
#pragma once

#include <exception>

#include "plugin/sdk/AITypes.h"

namespace ai {

class Error : public std::exception {
public:
    explicit Error(ASErr code) noexcept : code_(code) {}
    const char* what() const noexcept override { return "AI Exception"; }
    ASErr Code() const noexcept { return code_; }

private:
    ASErr code_;
};

}  // namespace ai
