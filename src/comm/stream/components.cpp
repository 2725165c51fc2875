#include "comm/stream/components.h"

#include "comm/stream/component_stream.h"
#include "platform/case_map.h"

namespace check_html {

void TComponent::WriteProperties(ComponentWriter&) const {}

bool TComponent::ReadProperty(const std::string&, ComponentReader&) { return false; }

void TExecutable::WriteProperties(ComponentWriter& writer) const {
  writer.PutInteger("PCode", PCode);
  writer.PutInteger("PData", PData);
}

bool TExecutable::ReadProperty(const std::string& name, ComponentReader& reader) {
  if (EqualNoCase(name, "PCode")) {
    PCode = reader.GetInteger();
  } else if (EqualNoCase(name, "PData")) {
    PData = reader.GetInteger();
  } else {
    return false;
  }
  return true;
}

void TExecutable::Execute(ComponentHost&, std::unique_ptr<TComponent>&, int32_t&,
                          const TMessageProc&) {}

void TExecutable::LoadData(std::string_view, ComponentHost&) {}

void TExecutable::SaveData(std::string&, ComponentHost&) {}

void TExceptionResult::WriteProperties(ComponentWriter& writer) const {
  writer.PutString("ExceptionClass", ExceptionClass);
  writer.PutString("Message", Message);
}

bool TExceptionResult::ReadProperty(const std::string& name, ComponentReader& reader) {
  if (EqualNoCase(name, "ExceptionClass")) {
    ExceptionClass = reader.GetString();
  } else if (EqualNoCase(name, "Message")) {
    Message = reader.GetString();
  } else {
    return false;
  }
  return true;
}

TExecutable* AsExecutable(TComponent* component) {
  return dynamic_cast<TExecutable*>(component);
}

}  // namespace check_html
