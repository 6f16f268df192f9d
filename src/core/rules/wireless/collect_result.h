// What a form's save step gives back: the first failed rule, or what the form collected.
#pragma once

#include <utility>
#include <variant>

#include "core/rules/validation.h"

namespace brelvo::core {

template <typename Output>
class CollectResult {
public:
    CollectResult(Output output) : value_(std::move(output)) {}
    CollectResult(RuleFailure failure) : value_(std::move(failure)) {}

    bool ok() const { return std::holds_alternative<Output>(value_); }
    // Only when ok().
    const Output& output() const { return std::get<Output>(value_); }
    // Only when !ok(): show it, keep the form open, send nothing.
    const RuleFailure& failure() const { return std::get<RuleFailure>(value_); }

private:
    std::variant<Output, RuleFailure> value_;
};

}  // namespace brelvo::core
