#include "comm/stream/component_registry.h"

#include "comm/stream/test_comp.h"
#include "platform/case_map.h"

namespace check_html {
namespace {

template <typename T>
std::unique_ptr<TComponent> Make() {
  return std::make_unique<T>();
}

}  // namespace

ComponentClasses::ComponentClasses() {
  Register("TTestComp", &Make<TTestComp>);
  Register("TExceptionResult", &Make<TExceptionResult>);
}

void ComponentClasses::Register(std::string_view class_name, ComponentFactory factory) {
  factories_[UpperCase(class_name)] = factory;
}

std::unique_ptr<TComponent> ComponentClasses::Create(std::string_view class_name) const {
  const auto found = factories_.find(UpperCase(class_name));
  return found == factories_.end() ? nullptr : found->second();
}

const ComponentClasses& StandardComponentClasses() {
  static const ComponentClasses classes;
  return classes;
}

}  // namespace check_html
