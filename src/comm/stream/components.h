// The components that travel in pipe messages: the base, TExecutable (a request the server runs)
// and TExceptionResult (the result of a request that failed). Components carry no name.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>

#include "site/page_lists.h"

namespace check_html {

class ComponentReader;
class ComponentWriter;

// Receives one log line.
using TMessageProc = std::function<void(const std::string&)>;

class TComponent {
 public:
  virtual ~TComponent() = default;
  virtual std::string ClassName() const = 0;
  // Writes the published properties that are not at their default, in declaration order.
  virtual void WriteProperties(ComponentWriter& writer) const;
  // Reads the value of property `name` (any letter case); false when the class has none.
  virtual bool ReadProperty(const std::string& name, ComponentReader& reader);
};

// What a component may use on the side it runs on: the page lists it serves or fills, the log,
// and (client side only) a way to start the next request of a transfer.
struct ComponentHost {
  PageList* backbone = nullptr;
  PageList* cleaned = nullptr;
  TMessageProc message;
  std::function<void(int32_t code, int32_t data)> start_test_thread;
};

// A request. A positive PCode means a data block follows the component in its message.
class TExecutable : public TComponent {
 public:
  int32_t PCode = 0;
  int32_t PData = 0;

  std::string ClassName() const override { return "TExecutable"; }
  void WriteProperties(ComponentWriter& writer) const override;
  bool ReadProperty(const std::string& name, ComponentReader& reader) override;

  // Does the work: puts a new result into `result` or leaves it empty, may write log lines
  // through `message`. Runs on a thread of its own.
  virtual void Execute(ComponentHost& sender, std::unique_ptr<TComponent>& result,
                       int32_t& status, const TMessageProc& message);
  // Reads the data block that followed the component; throws EPipeError when it is malformed.
  virtual void LoadData(std::string_view data, ComponentHost& host);
  // Appends the data block.
  virtual void SaveData(std::string& data, ComponentHost& host);
};

// The result that reports an Execute that raised an error.
class TExceptionResult : public TComponent {
 public:
  std::string ExceptionClass;
  std::string Message;

  std::string ClassName() const override { return "TExceptionResult"; }
  void WriteProperties(ComponentWriter& writer) const override;
  bool ReadProperty(const std::string& name, ComponentReader& reader) override;
};

// The executable form of `component`, or null.
TExecutable* AsExecutable(TComponent* component);

}  // namespace check_html
