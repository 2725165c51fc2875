// The classes a component stream may name. TTestComp and TExceptionResult are registered from
// the start; lookups are hashed and ignore letter case.
#pragma once

#include <memory>
#include <string_view>

#include "comm/components.h"

namespace check_html {

using ComponentFactory = std::unique_ptr<TComponent> (*)();

// A later registration of the same name replaces the earlier one.
void RegisterComponentClass(std::string_view class_name, ComponentFactory factory);

// A new component of the registered class, or null when no class of that name is registered.
std::unique_ptr<TComponent> CreateComponent(std::string_view class_name);

}  // namespace check_html
