#include "comm/component_registry.h"

#include <mutex>
#include <shared_mutex>
#include <string>
#include <unordered_map>

#include "comm/test_comp.h"
#include "platform/case_map.h"

namespace check_html {
namespace {

template <typename T>
std::unique_ptr<TComponent> Create() {
  return std::make_unique<T>();
}

struct Registry {
  std::shared_mutex mutex;
  std::unordered_map<std::string, ComponentFactory> factories{
      {UpperCase("TTestComp"), &Create<TTestComp>},
      {UpperCase("TExceptionResult"), &Create<TExceptionResult>}};
};

Registry& TheRegistry() {
  static Registry registry;
  return registry;
}

}  // namespace

void RegisterComponentClass(std::string_view class_name, ComponentFactory factory) {
  Registry& registry = TheRegistry();
  const std::unique_lock lock(registry.mutex);
  registry.factories[UpperCase(class_name)] = factory;
}

std::unique_ptr<TComponent> CreateComponent(std::string_view class_name) {
  Registry& registry = TheRegistry();
  const std::shared_lock lock(registry.mutex);
  const auto found = registry.factories.find(UpperCase(class_name));
  return found == registry.factories.end() ? nullptr : found->second();
}

}  // namespace check_html
