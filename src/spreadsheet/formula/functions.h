// The table of worksheet functions: names, argument counts and implementations.
#pragma once

#include "spreadsheet/model/formulatree.h"
#include "spreadsheet/model/value.h"

#include <QStringView>

#include <span>

namespace bw::ss::formula {

class Evaluator;

using FunctionImpl = Value (*)(Evaluator& eval, std::span<const Node> args);

struct FunctionSpec {
    const char* name; // upper case
    int minArgs;
    int maxArgs;
    FunctionImpl impl;
};

// The function of that (upper-case) name, or nullptr.
const FunctionSpec* findFunction(QStringView upperName);

} // namespace bw::ss::formula
