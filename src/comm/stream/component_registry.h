// The classes a component stream may name. A pipe's own set starts with TTestComp and
// TExceptionResult; lookups are hashed and ignore letter case.
#pragma once

#include <memory>
#include <string>
#include <string_view>
#include <unordered_map>

#include "comm/stream/components.h"

namespace check_html {

using ComponentFactory = std::unique_ptr<TComponent> (*)();

class ComponentClasses {
 public:
  // TTestComp and TExceptionResult.
  ComponentClasses();

  // A later registration of the same name replaces the earlier one. Register before the pipe
  // that reads with this set is activated.
  void Register(std::string_view class_name, ComponentFactory factory);

  // A new component of the registered class, or null when no class of that name is registered.
  std::unique_ptr<TComponent> Create(std::string_view class_name) const;

 private:
  std::unordered_map<std::string, ComponentFactory> factories_;  // by upper-case name
};

// The set every pipe starts with.
const ComponentClasses& StandardComponentClasses();

}  // namespace check_html
